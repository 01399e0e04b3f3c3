#pragma once

#include "framework/TfrmRegistro.h"

class TmdlCuentasBancarias;

namespace fw {
class DBEdit;
class DBMemo;
}

// Record window of one of the company's bank accounts: code and description
// on top; the bank and the four boxes of the account code (which move the
// focus on by themselves) in the first tab; the comment in the second.
class TfrmCuentaBancaria final : public TfrmRegistro
{
    Q_OBJECT
public:
    // With the browse window's data module, or none (the window then creates its own).
    TfrmCuentaBancaria(QWidget *owner, bool modal, TmdlCuentasBancarias *modulo = nullptr);

    TmdlCuentasBancarias *mdlCuentasBancarias;

    fw::DBEdit *txtCodigo;
    fw::DBEdit *txtDescripcion;
    fw::DBEdit *txtBanco;
    fw::DBEdit *txtSucursal;
    fw::DBEdit *txtProvincia;
    fw::DBEdit *txtEntidad;
    fw::DBEdit *txtAgencia;
    fw::DBEdit *txtDc;
    fw::DBEdit *txtNcuenta;
    // The comment column holds a whole number: an empty box stores nothing,
    // any other text that is not a whole number is refused.
    fw::DBMemo *memObservaciones;
};
