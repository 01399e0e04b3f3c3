#include "TfrmGestionMovimientosAlmacen.h"

#include "TfrmListadoMovimientosAlmacen.h"
#include "TfrmMovimientoAlmacen.h"
#include "TmdlMovimientosAlmacen.h"

namespace {

DescripcionGestion descripcionMovimientos()
{
    const QStringList orden{QStringLiteral("FECHA"), QStringLiteral("ALMACEN"), QStringLiteral("ARTICULO"),
                            QStringLiteral("TIPO")};
    return {
        .caption = QStringLiteral("MOVIMIENTOS DE ALMACEN"),
        .titulo = QStringLiteral("MOVIMIENTOS DE ALMACEN"),
        .orden = orden,
        .columnas = orden + QStringList{QStringLiteral("CAUSA"), QStringLiteral("CANTIDAD")},
        .preguntaEliminar = QStringLiteral("¿Desea eliminar el Movimiento de Almacen?"),
    };
}

} // namespace

const QString TfrmGestionMovimientosAlmacen::kSqlMovimientos =
    QStringLiteral("SELECT * FROM MOVIMIENTO_ALMACEN ORDER BY FECHA DESC");

TfrmGestionMovimientosAlmacen::TfrmGestionMovimientosAlmacen(QWidget *owner, bool modal)
    : TfrmGestion(owner, modal, descripcionMovimientos()), mdlMovimientosAlmacen(new TmdlMovimientosAlmacen(this))
{
    setObjectName(QStringLiteral("TfrmGestionMovimientosAlmacen"));
    setListado([this] { TfrmListadoMovimientosAlmacen(this).exec(); });
    setDatos(mdlMovimientosAlmacen->MovimientosAlmacen);
}

TfrmRegistro *TfrmGestionMovimientosAlmacen::crearRegistro()
{
    return new TfrmMovimientoAlmacen(this, true, mdlMovimientosAlmacen);
}
