#include "TfrmListadoAlmacenes.h"

#include "warehouse/TfrmGestionAlmacenes.h"

namespace {
using F = FiltroListado;
}

TfrmListadoAlmacenes::TfrmListadoAlmacenes(QWidget *owner)
    : TfrmListado(owner, {.caption = QStringLiteral("LISTAR ALMACENES"),
                          .titulo = QStringLiteral("LISTADO DE ALMACENES"),
                          .sentencia = QStringLiteral("SELECT * FROM ALMACEN"),
                          .informe = QStringLiteral("Listado_Almacenes"),
                          .filtros = {
                              F::rango(QStringLiteral("CODIGO"),
                                       buscarEn<TfrmGestionAlmacenes>(QStringLiteral("ALMACEN")))}})
{
    setObjectName(QStringLiteral("TfrmListadoAlmacenes"));
}
