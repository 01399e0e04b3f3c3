#include "TfrmGestionClientes.h"

#include "master/TfrmCliente.h"
#include "master/TfrmListadoClientes.h"
#include "master/TmdlClientes.h"

namespace {

DescripcionGestion descripcionClientes()
{
    return {
        .caption = QStringLiteral("GESTION DE CLIENTES"),
        .titulo = QStringLiteral("CLIENTES"),
        .orden = {QStringLiteral("CODIGO"), QStringLiteral("NOMBRE"), QStringLiteral("CIF_NIF"),
                  QStringLiteral("RAZON_SOCIAL")},
        .columnas = {QStringLiteral("CODIGO"), QStringLiteral("NOMBRE"), QStringLiteral("CIF_NIF"),
                     QStringLiteral("RAZON_SOCIAL"), QStringLiteral("TELEFONO1"), QStringLiteral("TELEFONO2")},
        .preguntaEliminar = QStringLiteral("¿Desea eliminar el Cliente?"),
        .campoNombre = QStringLiteral("NOMBRE"),
    };
}

} // namespace

const QString TfrmGestionClientes::kSqlClientes = QStringLiteral("SELECT * FROM CLIENTE ORDER BY CODIGO");

TfrmGestionClientes::TfrmGestionClientes(QWidget *owner, bool modal)
    : TfrmGestion(owner, modal, descripcionClientes()), mdlClientes(new TmdlClientes(this))
{
    setObjectName(QStringLiteral("TfrmGestionClientes"));
    setDatos(mdlClientes->Clientes);
    setListado([this] { TfrmListadoClientes(this).exec(); });
}

TfrmRegistro *TfrmGestionClientes::crearRegistro() { return new TfrmCliente(this, true, mdlClientes); }
