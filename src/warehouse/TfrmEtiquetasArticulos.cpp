#include "TfrmEtiquetasArticulos.h"

namespace {
using F = FiltroListado;
}

TfrmEtiquetasArticulos::TfrmEtiquetasArticulos(QWidget *owner)
    : TfrmListado(owner, {.caption = QStringLiteral("IMPRIMIR ETIQUETAS DE ARTICULOS"),
                          .titulo = QStringLiteral("ETIQUETAS DE ARTICULOS"),
                          .sentencia = QStringLiteral("SELECT * FROM ARTICULO"),
                          .informe = QStringLiteral("Etiquetas_Articulos"),
                          .conexion = QStringLiteral("Listado_Articulos"),
                          .filtros = {F::rango(QStringLiteral("CODIGO")), F::rango(QStringLiteral("FAMILIA"))}})
{
    setObjectName(QStringLiteral("TfrmEtiquetasArticulos"));
}
