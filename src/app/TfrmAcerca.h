#pragma once

#include <QDialog>

// About box: product name and version.
class TfrmAcerca final : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAcerca(QWidget *parent = nullptr);
};
