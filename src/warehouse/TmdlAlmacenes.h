#pragma once

#include "framework/DataModule.h"

namespace fb {
class Connection;
}

// The warehouses data module: the record set `Almacenes` over ALMACEN with the
// manager's name beside its code (NRESPONSABLE). The code is typed once and
// unique, the manager must exist, the postal code fills the province, and a
// warehouse with movements or stock rows cannot be deleted.
class TmdlAlmacenes : public fw::DataModule
{
    Q_OBJECT
public:
    // Bound to the current company (mdlConexiones().ConexionEmpresa).
    explicit TmdlAlmacenes(QObject *parent = nullptr);
    explicit TmdlAlmacenes(fb::Connection &empresa, QObject *parent = nullptr);

    ds::RecordSet &Almacenes;
    ds::RecordSet &LookResponsable;

private:
    void AlmacenesCODIGOValidate(ds::Field &field);
    void AlmacenesCODIGO_POSTALValidate(ds::Field &field);
    void AlmacenesRESPONSABLEValidate(ds::Field &field);
    void AlmacenesBeforeDelete(ds::RecordSet &set);
};
