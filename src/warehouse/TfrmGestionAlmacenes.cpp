#include "TfrmGestionAlmacenes.h"

#include "TfrmAlmacen.h"
#include "TfrmListadoAlmacenes.h"
#include "TmdlAlmacenes.h"

namespace {

DescripcionGestion descripcionAlmacenes()
{
    return {
        .caption = QStringLiteral("GESTION DE ALMACENES"),
        .titulo = QStringLiteral("ALMACENES"),
        .orden = {QStringLiteral("CODIGO"), QStringLiteral("DESCRIPCION")},
        .columnas = {QStringLiteral("CODIGO"), QStringLiteral("DESCRIPCION")},
        .preguntaEliminar = QStringLiteral("¿Desea eliminar el Almacen?"),
        .campoNombre = QStringLiteral("DESCRIPCION"),
    };
}

} // namespace

const QString TfrmGestionAlmacenes::kSqlAlmacenes = QStringLiteral("SELECT * FROM ALMACEN ORDER BY CODIGO");

TfrmGestionAlmacenes::TfrmGestionAlmacenes(QWidget *owner, bool modal)
    : TfrmGestion(owner, modal, descripcionAlmacenes()), mdlAlmacenes(new TmdlAlmacenes(this))
{
    setObjectName(QStringLiteral("TfrmGestionAlmacenes"));
    setListado([this] { TfrmListadoAlmacenes(this).exec(); });
    setDatos(mdlAlmacenes->Almacenes);
}

TfrmRegistro *TfrmGestionAlmacenes::crearRegistro() { return new TfrmAlmacen(this, true, mdlAlmacenes); }
