#pragma once

#include "framework/DataModule.h"

namespace fb {
class Connection;
}

// The suppliers data module: the record set `Proveedores` over PROVEEDOR, the
// names of the purchase manager (NRESPONSABLE) and payment method
// (NFORMAPAGO) beside their codes, and the supplier rules. A supplier owns
// contacts, notes and addresses (TIPO_DE "P"), which go with it when it is
// deleted.
class TmdlProveedores : public fw::DataModule
{
    Q_OBJECT
public:
    // Bound to the company connection of the program (mdlConexiones()).
    explicit TmdlProveedores(QObject *parent = nullptr);
    explicit TmdlProveedores(fb::Connection &empresa, QObject *parent = nullptr);

    ds::RecordSet &Proveedores;
    ds::RecordSet &LookResponsable;
    ds::RecordSet &LookFormaPago;

private:
    void ProveedoresNewRecord(ds::RecordSet &set);
    void ProveedoresBeforePost(ds::RecordSet &set);
    void ProveedoresBeforeDelete(ds::RecordSet &set);
    void ProveedoresCODIGOValidate(ds::Field &field);
    void ProveedoresCIFValidate(ds::Field &field);
    void ProveedoresCOD_POSTALValidate(ds::Field &field);
    void ProveedoresCOD_ENTIDADValidate(ds::Field &field);
    void ProveedoresRESPONSABLEValidate(ds::Field &field);
    void ProveedoresFORMA_PAGOValidate(ds::Field &field);

    void conectarReglas();
};
