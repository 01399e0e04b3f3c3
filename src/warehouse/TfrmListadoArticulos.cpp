#include "TfrmListadoArticulos.h"

#include "warehouse/TfrmGestionArticulos.h"
#include "warehouse/TfrmGestionFamilias.h"

namespace {
using F = FiltroListado;
}

TfrmListadoArticulos::TfrmListadoArticulos(QWidget *owner)
    : TfrmListado(owner, {.caption = QStringLiteral("LSITAR ARTICULOS"),
                          .titulo = QStringLiteral("LISTADO DE ARTICULOS"),
                          .sentencia = QStringLiteral("SELECT * FROM ARTICULO"),
                          .informe = QStringLiteral("Listado_Articulos"),
                          .filtros = {
                              F::rango(QStringLiteral("CODIGO"),
                                       buscarEn<TfrmGestionArticulos>(QStringLiteral("ARTICULO"))),
                              F::rango(QStringLiteral("FAMILIA"),
                                       buscarEn<TfrmGestionFamilias>(QStringLiteral("FAMILIA")))}})
{
    setObjectName(QStringLiteral("TfrmListadoArticulos"));
}
