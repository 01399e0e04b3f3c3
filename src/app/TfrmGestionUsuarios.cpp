#include "TfrmGestionUsuarios.h"

#include "app/TfrmUsuario.h"
#include "app/TmdlUsuarios.h"

namespace {

DescripcionGestion descripcionUsuarios()
{
    return {
        .caption = QStringLiteral("GESTION DE USUARIOS"),
        .titulo = QStringLiteral("USUARIOS"),
        .orden = {QStringLiteral("NOMBRE")},
        .columnas = {QStringLiteral("NOMBRE")},
        .textoNuevo = QStringLiteral("&Nuevo"),
        .preguntaEliminar = QStringLiteral("¿Desea eliminar el Usuario?"),
        .campoNombre = QStringLiteral("NOMBRE"),
        .textoRefrescar = QStringLiteral("Refrescar"),
        .textoCerrar = QStringLiteral("Cerrar"),
    };
}

} // namespace

TfrmGestionUsuarios::TfrmGestionUsuarios(QWidget *owner, bool modal)
    : TfrmGestion(owner, modal, descripcionUsuarios()), mdlUsuarios(new TmdlUsuarios(this))
{
    setObjectName(QStringLiteral("TfrmGestionUsuarios"));
    setDatos(mdlUsuarios->Usuarios);
}

TfrmRegistro *TfrmGestionUsuarios::crearRegistro() { return new TfrmUsuario(this, true, mdlUsuarios); }
