#include "TfrmListadoFamilias.h"

#include "warehouse/TfrmGestionFamilias.h"

namespace {
using F = FiltroListado;
}

TfrmListadoFamilias::TfrmListadoFamilias(QWidget *owner)
    : TfrmListado(owner, {.caption = QStringLiteral("LISTAR FAMILIAS"),
                          .titulo = QStringLiteral("LISTADO DE FAMILIAS"),
                          .sentencia = QStringLiteral("SELECT * FROM FAMILIA"),
                          .informe = QStringLiteral("Listado_Familias"),
                          .filtros = {
                              F::rango(QStringLiteral("CODIGO"),
                                       buscarEn<TfrmGestionFamilias>(QStringLiteral("FAMILIA")))}})
{
    setObjectName(QStringLiteral("TfrmListadoFamilias"));
}
