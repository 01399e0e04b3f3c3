#pragma once

#include "app/Configuracion.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// Data-path dialog, shown at first start when nothing tells where the
// databases are. "OK" writes config.dat; closing it any other way writes
// nothing.
class TfrmEnlaceDatos final : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmEnlaceDatos(Configuracion configuracion, QWidget *parent = nullptr);

private:
    void btnOkClick();

    Configuracion m_configuracion;
    QLineEdit *txtEquipo;
    QLineEdit *txtPath;
    QPushButton *btnOk;
};
