#pragma once

#include <QFrame>

// Splash window, on screen while the program opens its databases.
class TfrmInicio final : public QFrame
{
    Q_OBJECT
public:
    explicit TfrmInicio(QWidget *parent = nullptr);

    // Shows the window and paints it now: the start-up that follows keeps
    // the event loop busy until the main window appears.
    void mostrar();
};
