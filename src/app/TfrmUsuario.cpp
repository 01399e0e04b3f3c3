#include "TfrmUsuario.h"

#include "app/TmdlUsuarios.h"
#include "framework/widgets/DBEdit.h"

#include <QFormLayout>

namespace {

DescripcionRegistro descripcionUsuario()
{
    return {
        .caption = QStringLiteral("DATOS DE USUARIO"),
        .titulo = QStringLiteral("USUARIO"),
        .tabla = QStringLiteral("USUARIO"),
        .codigoNumerico = true,
    };
}

} // namespace

TfrmUsuario::TfrmUsuario(QWidget *owner, bool modal, TmdlUsuarios *modulo)
    : TfrmRegistro(owner, modal, modulo != nullptr, descripcionUsuario()),
      mdlUsuarios(modulo ? modulo : new TmdlUsuarios(this))
{
    setObjectName(QStringLiteral("TfrmUsuario"));
    setDatos(mdlUsuarios->Usuarios);
    txtNombre = nuevaCaja("txtNombre", QStringLiteral("NOMBRE"));
    txtContrasena = nuevaCaja("txtContrasena", QStringLiteral("CONTRASENA"));
    txtContrasena->setEchoMode(QLineEdit::Password);
    txtContrasena->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // '*'

    auto *campos = new QFormLayout;
    campos->addRow(QStringLiteral("NOMBRE"), txtNombre);
    campos->addRow(QStringLiteral("CONTRASEÑA"), txtContrasena);
    cuerpo()->addLayout(campos);
}
