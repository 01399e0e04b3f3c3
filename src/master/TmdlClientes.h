#pragma once

#include "framework/DataModule.h"

namespace fb {
class Connection;
}

// The customers data module: the record set `Clientes` over CLIENTE, the
// names of the salesperson (NVENDEDOR) and payment method (NFORMAPAGO) beside
// their codes, and the customer rules. A customer owns contacts, notes and
// addresses (TIPO_DE "C"), which go with it when it is deleted.
class TmdlClientes : public fw::DataModule
{
    Q_OBJECT
public:
    // Bound to the company connection of the program (mdlConexiones()).
    explicit TmdlClientes(QObject *parent = nullptr);
    explicit TmdlClientes(fb::Connection &empresa, QObject *parent = nullptr);

    ds::RecordSet &Clientes;
    ds::RecordSet &LookVendedor;
    ds::RecordSet &LookFormaPago;

private:
    void ClientesNewRecord(ds::RecordSet &set);
    void ClientesBeforePost(ds::RecordSet &set);
    void ClientesBeforeDelete(ds::RecordSet &set);
    void ClientesCODIGOValidate(ds::Field &field);
    void ClientesCIF_NIFValidate(ds::Field &field);
    void ClientesCODIGO_POSTALValidate(ds::Field &field);
    void ClientesCOD_ENTIDADValidate(ds::Field &field);
    void ClientesVENDEDORValidate(ds::Field &field);
    void ClientesFORMA_PAGOValidate(ds::Field &field);
    void ClientesREGIMEN_IVAValidate(ds::Field &field);

    void conectarReglas();
};
