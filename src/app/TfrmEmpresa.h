#pragma once

#include "framework/TfrmRegistro.h"

class TmdlEmpresas;

namespace fw {
class DBCheckBox;
class DBEdit;
class DBImage;
class DBMemo;
}

// Record window of a company. Unlike other record windows its code box stays
// enabled in modify mode: the data module's read-only code field refuses a
// changed code instead.
class TfrmEmpresa final : public TfrmRegistro
{
    Q_OBJECT
public:
    // With the browse window's data module, or none (the window then creates its own).
    TfrmEmpresa(QWidget *owner, bool modal, TmdlEmpresas *modulo = nullptr);

    TmdlEmpresas *mdlEmpresas;

    fw::DBEdit *txtCodigo;
    fw::DBEdit *txtNombre;
    fw::DBEdit *txtRazonSocial;
    fw::DBEdit *txtCif;
    fw::DBImage *imgLogo;
    fw::DBEdit *txtDireccion;
    fw::DBEdit *txtLocalidad;
    fw::DBEdit *txtCodPostal;
    fw::DBEdit *txtProvincia;
    fw::DBEdit *txtTelefono1;
    fw::DBEdit *txtTelefono2;
    fw::DBEdit *txtFax;
    fw::DBEdit *txtEmail;
    fw::DBMemo *memObservaciones;
    fw::DBCheckBox *chkRecargoEquivalencia;
    fw::DBEdit *txtDatosRegistrales;

private:
    void crearCabecera();
    void crearDomicilio();
    void crearComentario();
    void crearConfiguracion();
};
