#include "TfrmListadoResponsablesCompras.h"

#include "master/TfrmGestionResponsablesCompras.h"

namespace {
using F = FiltroListado;
}

TfrmListadoResponsablesCompras::TfrmListadoResponsablesCompras(QWidget *owner)
    : TfrmListado(owner, {.caption = QStringLiteral("LISTAR RESPONSABLES DE COMPRAS"),
                          .titulo = QStringLiteral("LISTADO DE RESP. COMPRAS"),
                          .sentencia = QStringLiteral("SELECT * FROM RESPONSABLE_COMPRAS"),
                          .informe = QStringLiteral("Listado_RespCompras"),
                          .filtros = {
                              F::rango(QStringLiteral("CODIGO"),
                                       buscarEn<TfrmGestionResponsablesCompras>(QStringLiteral("RESPONSABLE_COMPRAS")))}})
{
    setObjectName(QStringLiteral("TfrmListadoResponsablesCompras"));
}
