#include "DialogoVistaPrevia.h"

#include "SalidaInforme.h"
#include "platform/reports/Pintor.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace rpt {

DialogoVistaPrevia::DialogoVistaPrevia(const Documento &documento, QWidget *owner)
    : QDialog(owner), m_documento(documento)
{
    setObjectName(QStringLiteral("frmVistaPrevia"));
    setWindowTitle(QStringLiteral("Vista previa: %1").arg(documento.informe));
    m_impresora.setFullPage(true);
    m_impresora.setPageLayout(disposicionPagina(documento));

    m_vista = new QPrintPreviewWidget(&m_impresora, this);
    m_vista->setObjectName(QStringLiteral("vista"));
    m_vista->setViewMode(QPrintPreviewWidget::SinglePageView);
    m_vista->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_vista->setZoomFactor(1.0);
    connect(m_vista, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *impresora) {
        QPainter pintor(impresora);
        pintarDocumento(m_documento, pintor, *impresora);
    });
    connect(m_vista, &QPrintPreviewWidget::previewChanged, this, &DialogoVistaPrevia::actualizarPagina);

    auto *barra = new QToolBar(this);
    const auto orden = [&](const char *nombre, const QString &texto, const QKeySequence &tecla, auto accion) {
        QAction *a = barra->addAction(texto);
        a->setObjectName(QLatin1String(nombre));
        a->setShortcut(tecla);
        connect(a, &QAction::triggered, this, accion);
        return a;
    };
    orden("accPrimera", QStringLiteral("<< Primera"), QKeySequence(Qt::Key_Home), [this] { irA(1); });
    orden("accAnterior", QStringLiteral("< Anterior"), QKeySequence(Qt::Key_PageUp), [this] { irA(paginaActual() - 1); });
    orden("accSiguiente", QStringLiteral("Siguiente >"), QKeySequence(Qt::Key_PageDown),
          [this] { irA(paginaActual() + 1); });
    orden("accUltima", QStringLiteral("Última >>"), QKeySequence(Qt::Key_End), [this] { irA(m_vista->pageCount()); });
    m_lblPagina = new QLabel(this);
    m_lblPagina->setObjectName(QStringLiteral("lblPagina"));
    barra->addSeparator();
    barra->addWidget(m_lblPagina);
    barra->addSeparator();
    orden("accImprimir", QStringLiteral("&Imprimir"), QKeySequence::Print, [this] { imprimir(); });
    orden("accCerrar", QStringLiteral("&Cerrar"), QKeySequence(Qt::Key_Escape), [this] { accept(); });

    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    capa->addWidget(barra);
    capa->addWidget(m_vista, 1);
    setWindowState(windowState() | Qt::WindowMaximized);
}

int DialogoVistaPrevia::paginaActual() const
{
    return m_vista->currentPage();
}

void DialogoVistaPrevia::irA(int pagina)
{
    m_vista->setCurrentPage(qBound(1, pagina, m_vista->pageCount()));
    actualizarPagina();
}

void DialogoVistaPrevia::actualizarPagina()
{
    m_lblPagina->setText(QStringLiteral("Página %1 de %2").arg(m_vista->currentPage()).arg(m_vista->pageCount()));
}

void DialogoVistaPrevia::imprimir()
{
    QPrinter impresora(QPrinter::HighResolution);
    QPrintDialog dialogo(&impresora, this);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    rpt::imprimir(m_documento, impresora, impresora.copyCount());
}

} // namespace rpt
