#pragma once

#include "framework/TfrmRegistro.h"

class TmdlDirecciones;

namespace fw {
class DBEdit;
class DBMemo;
}

// Record window of a further address of a customer or supplier, opened by
// the owner's window on its own list: "Aceptar" only stores the row in the list.
class TfrmDireccion final : public TfrmRegistro
{
    Q_OBJECT
public:
    TfrmDireccion(QWidget *owner, bool modal, TmdlDirecciones *modulo = nullptr);

    TmdlDirecciones *mdlDirecciones;

    fw::DBEdit *txtDescripcion;
    fw::DBEdit *txtDireccion;
    fw::DBEdit *txtLocalidad;
    fw::DBEdit *txtCodPostal;
    fw::DBEdit *txtProvincia;
    fw::DBEdit *txtTelefono1;
    fw::DBEdit *txtTelefono2;
    fw::DBEdit *txtFax;
    fw::DBEdit *txtEmail;
    fw::DBMemo *memObservaciones;
};
