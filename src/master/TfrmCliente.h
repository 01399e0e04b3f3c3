#pragma once

#include "master/TfrmTitular.h"

class TmdlClientes;

namespace fw {
class DBCheckBox;
}

// Record window of a customer ("DATOS DE CLIENTE"). The opening balance can
// only be typed while the customer is being created; afterwards only
// invoices and collections move it.
class TfrmCliente final : public TfrmTitular
{
    Q_OBJECT
public:
    // With the browse window's data module, or none (the window then creates its own).
    TfrmCliente(QWidget *owner, bool modal, TmdlClientes *modulo = nullptr);

    TmdlClientes *mdlClientes;

    fw::DBEdit *txtVendedor = nullptr;
    fw::DBEdit *txtNVendedor = nullptr;
    fw::DBEdit *txtFormaPago = nullptr;
    fw::DBEdit *txtNFormaPago = nullptr;
    fw::DBCheckBox *chkRecargoEquivalencia = nullptr;
    fw::DBEdit *txtNCopias = nullptr;
    fw::DBEdit *txtSaldo = nullptr;
    QAction *BuscarVendedor = nullptr;
    QAction *VerVendedor = nullptr;
    QAction *BuscarFormaPago = nullptr;
    QAction *VerFormaPago = nullptr;

protected:
    void aplicarModo() override;

private:
    void crearCondiciones();
    void crearListas();
};
