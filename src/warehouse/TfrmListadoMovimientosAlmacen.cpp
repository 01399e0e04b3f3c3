#include "TfrmListadoMovimientosAlmacen.h"

#include "warehouse/TfrmGestionAlmacenes.h"
#include "warehouse/TfrmGestionArticulos.h"

namespace {
using F = FiltroListado;
}

TfrmListadoMovimientosAlmacen::TfrmListadoMovimientosAlmacen(QWidget *owner)
    : TfrmListado(owner, {.caption = QStringLiteral("LISTAR MOVIMIENTOS DE ALMACEN"),
                          .titulo = QStringLiteral("LISTADO DE MOV. ALMACEN"),
                          .sentencia = QStringLiteral("SELECT * FROM MOVIMIENTO_ALMACEN"),
                          .informe = QStringLiteral("Listado_Movimientos_Almacen"),
                          .estados = QStringLiteral("TIPO"),
                          .filtros = {
                              F::fechas(QStringLiteral("FECHA")),
                              F::rango(QStringLiteral("ARTICULO"),
                                       buscarEn<TfrmGestionArticulos>(QStringLiteral("ARTICULO"))),
                              F::codigo(QStringLiteral("ALMACEN"), QStringLiteral("ALMACEN"),
                                        buscarEn<TfrmGestionAlmacenes>(QStringLiteral("ALMACEN"))),
                              F::estado(QStringLiteral("ENTRADA"), QStringLiteral("(TIPO <> 'E')")),
                              F::estado(QStringLiteral("SALIDA"), QStringLiteral("(TIPO <> 'S')"))}})
{
    setObjectName(QStringLiteral("TfrmListadoMovimientosAlmacen"));
}
