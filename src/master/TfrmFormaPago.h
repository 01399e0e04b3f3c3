#pragma once

#include "framework/TfrmRegistro.h"

class QToolButton;
class TmdlFormasPago;

namespace fw {
class DBEdit;
class DBMemo;
}

// Record window of a payment method: code and description on top; the
// conditions (instalments, days between them, the bank account with its
// Buscar and Ver buttons) and the comment in tabs.
class TfrmFormaPago final : public TfrmRegistro
{
    Q_OBJECT
public:
    // With the browse window's data module, or none (the window then creates its own).
    TfrmFormaPago(QWidget *owner, bool modal, TmdlFormasPago *modulo = nullptr);

    TmdlFormasPago *mdlFormasPago;

    fw::DBEdit *txtCodigo;
    fw::DBEdit *txtDescripcion;
    fw::DBEdit *txtNumeroVencimientos;
    fw::DBEdit *txtDiasEntreVencimientos;
    fw::DBEdit *txtCuenta;
    QToolButton *btnBuscarCuenta;
    QToolButton *btnVerCuenta;
    QAction *BuscarCuenta;
    QAction *VerCuenta;
    fw::DBMemo *memObservaciones;

private:
    void crearCondiciones();
};
