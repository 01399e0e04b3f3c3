#include "TfrmCambioEstadoAlbaranVenta.h"

TfrmCambioEstadoAlbaranVenta::TfrmCambioEstadoAlbaranVenta(QWidget *owner, ds::RecordSet &albaranes)
    : TfrmCambioEstado(owner, albaranes,
                       {.caption = QStringLiteral("CAMBIAR ESTADO ALBARAN VENTA"),
                        .titulo = QStringLiteral("CAMBIAR ESTADO ALBARAN VENTA"),
                        .estados = {{QStringLiteral("PENDIENTE"), QStringLiteral("PENDIENTE")},
                                    {QStringLiteral("HECHO"), QStringLiteral("HECHO")}},
                        .textoAceptar = QStringLiteral("&Aceptar"),
                        .textoCancelar = QStringLiteral("&Cancelar")})
{
    setObjectName(QStringLiteral("TfrmCambioEstadoAlbaranVenta"));
}
