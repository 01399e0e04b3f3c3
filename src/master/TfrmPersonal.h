#pragma once

#include "framework/TfrmRegistro.h"

class TmdlPersonal;

namespace fw {
class DBEdit;
class DBImage;
class DBMemo;
}

// Record window of a file of people, the same for the three files: code,
// name, NIF and photograph on top; the address tab (named after the file)
// with the e-mail button; the comment tab.
class TfrmPersonal : public TfrmRegistro
{
    Q_OBJECT
public:
    fw::DBEdit *txtCodigo;
    fw::DBEdit *txtNombre;
    fw::DBEdit *txtNif;
    fw::DBImage *imgFoto;
    fw::DBEdit *txtDireccion;
    fw::DBEdit *txtLocalidad;
    fw::DBEdit *txtCodigoPostal;
    fw::DBEdit *txtProvincia;
    fw::DBEdit *txtTelefono1;
    fw::DBEdit *txtTelefono2;
    fw::DBEdit *txtFax;
    fw::DBEdit *txtEmail;
    fw::DBMemo *memObservaciones;

protected:
    // `compartido`: the module is the browse window's; otherwise the window
    // takes the module (created without a parent) as its own child.
    TfrmPersonal(QWidget *owner, bool modal, TmdlPersonal *modulo, bool compartido);

    TmdlPersonal &moduloPersonal() const { return *m_modulo; }

private:
    void crearCabecera();
    void crearDomicilio(const QString &pestana);
    void crearComentario();

    TmdlPersonal *m_modulo;
};
