#include "TfrmPrincipal.h"

#include "app/TfrmAcerca.h"
#include "platform/ui/Dialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>

TfrmPrincipal::TfrmPrincipal(QWidget *parent)
    : QMainWindow(parent), accAcercaAyuda(new QAction(QStringLiteral("&Acerca de..."), this))
{
    setObjectName(QStringLiteral("TfrmPrincipal"));
    setWindowTitle(QStringLiteral("Vantrel Facturacion"));
    accAcercaAyuda->setObjectName(QStringLiteral("accAcercaAyuda"));
    connect(accAcercaAyuda, &QAction::triggered, this, &TfrmPrincipal::accAcercaAyudaExecute);
    menuBar()->addMenu(QStringLiteral("A&yuda"))->addAction(accAcercaAyuda);
}

void TfrmPrincipal::accAcercaAyudaExecute()
{
    if (m_acerca)
        m_acerca->exec();
}

void TfrmPrincipal::closeEvent(QCloseEvent *event)
{
    if (ui::ask(QStringLiteral("¿Desea salir de Vantrel Facturacion?"), ui::Dialogs::Icon::Question))
        event->accept();
    else
        event->ignore();
}
