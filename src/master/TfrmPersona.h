#pragma once

#include "framework/TfrmRegistro.h"

class TmdlPersonas;

namespace fw {
class DBEdit;
class DBMemo;
}

// Record window of a contact person of a customer or supplier, opened by the
// owner's window on its own list: "Aceptar" only stores the row in the list.
class TfrmPersona final : public TfrmRegistro
{
    Q_OBJECT
public:
    TfrmPersona(QWidget *owner, bool modal, TmdlPersonas *modulo = nullptr);

    TmdlPersonas *mdlPersonas;

    fw::DBEdit *txtNombre;
    fw::DBEdit *txtTelefono1;
    fw::DBEdit *txtTelefono2;
    fw::DBEdit *txtEmail;
    fw::DBMemo *memObservaciones;
};
