#pragma once

#include "framework/DataModule.h"

namespace fb {
class Connection;
}

// Further addresses of customers and suppliers (DIRECCION). The owner's
// record window points the record set at its owner's rows; see Satelites.h.
class TmdlDirecciones : public fw::DataModule
{
    Q_OBJECT
public:
    // Bound to the company connection of the program (mdlConexiones()).
    explicit TmdlDirecciones(QObject *parent = nullptr);
    explicit TmdlDirecciones(fb::Connection &empresa, QObject *parent = nullptr);

    ds::RecordSet &Direcciones;

private:
    void DireccionesNewRecord(ds::RecordSet &set);
    void DireccionesCODIGO_POSTALValidate(ds::Field &field);
};
