#pragma once

#include <QMainWindow>

class QAction;
class TfrmAcerca;

// Main window of the program. Closing it ends the run, after the user agrees.
class TfrmPrincipal final : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfrmPrincipal(QWidget *parent = nullptr);

    // The about box created at start-up after this window; the window does not own it.
    void setAcerca(TfrmAcerca *acerca) { m_acerca = acerca; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void accAcercaAyudaExecute();

    QAction *accAcercaAyuda;
    TfrmAcerca *m_acerca = nullptr;
};
