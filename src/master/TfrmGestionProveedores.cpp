#include "TfrmGestionProveedores.h"

#include "master/TfrmListadoProveedores.h"
#include "master/TfrmProveedor.h"
#include "master/TmdlProveedores.h"

namespace {

DescripcionGestion descripcionProveedores()
{
    return {
        .caption = QStringLiteral("GESTION DE PROVEEDORES"),
        .titulo = QStringLiteral("PROVEEDORES"),
        .orden = {QStringLiteral("CODIGO"), QStringLiteral("NOMBRE"), QStringLiteral("CODIGO_CLIENTE"),
                  QStringLiteral("CIF")},
        .columnas = {QStringLiteral("CODIGO"), QStringLiteral("NOMBRE"), QStringLiteral("CODIGO_CLIENTE"),
                     QStringLiteral("CIF"), QStringLiteral("TELEFONO1"), QStringLiteral("TELEFONO2")},
        .preguntaEliminar = QStringLiteral("¿Desea eliminar el Proveedor?"),
        .campoNombre = QStringLiteral("NOMBRE"),
    };
}

} // namespace

const QString TfrmGestionProveedores::kSqlProveedores = QStringLiteral("SELECT * FROM PROVEEDOR ORDER BY CODIGO");

TfrmGestionProveedores::TfrmGestionProveedores(QWidget *owner, bool modal)
    : TfrmGestion(owner, modal, descripcionProveedores()), mdlProveedores(new TmdlProveedores(this))
{
    setObjectName(QStringLiteral("TfrmGestionProveedores"));
    setDatos(mdlProveedores->Proveedores);
    setListado([this] { TfrmListadoProveedores(this).exec(); });
}

TfrmRegistro *TfrmGestionProveedores::crearRegistro() { return new TfrmProveedor(this, true, mdlProveedores); }
