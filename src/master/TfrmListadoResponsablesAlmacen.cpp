#include "TfrmListadoResponsablesAlmacen.h"

#include "master/TfrmGestionResponsablesAlmacen.h"

namespace {
using F = FiltroListado;
}

TfrmListadoResponsablesAlmacen::TfrmListadoResponsablesAlmacen(QWidget *owner)
    : TfrmListado(owner, {.caption = QStringLiteral("LISTAR RESPONSABLES ALMACEN"),
                          .titulo = QStringLiteral("LISTADO DE RESP. ALMACEN"),
                          .sentencia = QStringLiteral("SELECT * FROM RESPONSABLE_ALMACEN"),
                          .informe = QStringLiteral("Listado_RespAlmacen"),
                          .filtros = {
                              F::rango(QStringLiteral("CODIGO"),
                                       buscarEn<TfrmGestionResponsablesAlmacen>(QStringLiteral("RESPONSABLE_ALMACEN")))}})
{
    setObjectName(QStringLiteral("TfrmListadoResponsablesAlmacen"));
}
