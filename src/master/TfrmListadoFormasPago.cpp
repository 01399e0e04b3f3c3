#include "TfrmListadoFormasPago.h"

#include "master/TfrmGestionCuentasBancarias.h"
#include "master/TfrmGestionFormasPago.h"

namespace {
using F = FiltroListado;
}

TfrmListadoFormasPago::TfrmListadoFormasPago(QWidget *owner)
    : TfrmListado(owner, {.caption = QStringLiteral("LISTAR FORMAS DE PAGO"),
                          .titulo = QStringLiteral("LISTADO DE FORMAS PAGO"),
                          .sentencia = QStringLiteral("SELECT * FROM FORMA_PAGO"),
                          .informe = QStringLiteral("Listado_FormasPago"),
                          .filtros = {
                              F::rango(QStringLiteral("CODIGO"),
                                       buscarEn<TfrmGestionFormasPago>(QStringLiteral("FORMA_PAGO"))),
                              F::codigo(QStringLiteral("CUENTA BANCO"), QStringLiteral("CUENTA"),
                                        buscarEn<TfrmGestionCuentasBancarias>(QStringLiteral("CUENTA_BANCARIA")))}})
{
    setObjectName(QStringLiteral("TfrmListadoFormasPago"));
}
