#include "TfrmLineaAlbaranVenta.h"

#include "sales/TmdlAlbaranesVenta.h"

TfrmLineaAlbaranVenta::TfrmLineaAlbaranVenta(QWidget *owner, bool modal, TmdlAlbaranesVenta *modulo)
    : TfrmLineaVenta(owner, modal, modulo != nullptr,
                     {.caption = QStringLiteral("LINEA DE VENTA"),
                      .titulo = QStringLiteral("LINEA DE ALBARAN DE VENTA"),
                      .tabla = QStringLiteral("LINEA_ALBARAN_VENTA"),
                      .columnaIva = TmdlAlbaranesVenta::familia().columnaIva}),
      mdlAlbaranesVenta(modulo ? modulo : new TmdlAlbaranesVenta(this))
{
    setObjectName(QStringLiteral("TfrmLineaAlbaranVenta"));
    iniciar(mdlAlbaranesVenta->Ventas);
}
