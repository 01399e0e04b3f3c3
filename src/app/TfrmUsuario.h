#pragma once

#include "framework/TfrmRegistro.h"

class TmdlUsuarios;

namespace fw {
class DBEdit;
}

// Record window of a user: login name and password. The user number comes
// from the next-number rule and is not shown.
class TfrmUsuario final : public TfrmRegistro
{
    Q_OBJECT
public:
    // With the browse window's data module, or none (the window then creates its own).
    TfrmUsuario(QWidget *owner, bool modal, TmdlUsuarios *modulo = nullptr);

    TmdlUsuarios *mdlUsuarios;

    fw::DBEdit *txtNombre;
    fw::DBEdit *txtContrasena;
};
