#include "TfrmAlbaranVenta.h"

#include "sales/TfrmLineaAlbaranVenta.h"
#include "sales/TmdlAlbaranesVenta.h"

TfrmAlbaranVenta::TfrmAlbaranVenta(QWidget *owner, bool modal, TmdlAlbaranesVenta *modulo)
    : TfrmDocumentoVenta(owner, modal, modulo == nullptr,
                         {.caption = QStringLiteral("ALBARAN DE VENTA"),
                          .titulo = QStringLiteral("ALBARAN DE VENTA"),
                          .preguntaLinea = QStringLiteral("¿Desea eliminar la linea del Albaran?"),
                          .incidencias = {QStringLiteral("V"), QStringLiteral("A"),
                                          QStringLiteral("¿Desea eliminar la incidencia del Albaran?")}}),
      mdlAlbaranesVenta(modulo ? modulo : new TmdlAlbaranesVenta(this))
{
    setObjectName(QStringLiteral("TfrmAlbaranVenta"));
    iniciar(mdlAlbaranesVenta->AlbaranesVenta, mdlAlbaranesVenta->Ventas);
}

void TfrmAlbaranVenta::abrirDocumento(const QString &clave) { mdlAlbaranesVenta->abrirAlbaran(clave); }

void TfrmAlbaranVenta::abrirLineas(const QString &clave) { mdlAlbaranesVenta->abrirLineas(clave); }

QString TfrmAlbaranVenta::claveActual() const { return mdlAlbaranesVenta->claveActual(); }

TfrmRegistro *TfrmAlbaranVenta::crearLinea(QWidget *owner)
{
    return new TfrmLineaAlbaranVenta(owner, true, mdlAlbaranesVenta);
}
