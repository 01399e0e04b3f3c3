#pragma once

#include "framework/DataModule.h"

namespace fb {
class Connection;
}

// The families data module: the record set `Familias` over FAMILIA. A family
// groups articles; its code is typed once and unique, and a family cannot be
// deleted while an article belongs to it.
class TmdlFamilias : public fw::DataModule
{
    Q_OBJECT
public:
    // Bound to the current company (mdlConexiones().ConexionEmpresa).
    explicit TmdlFamilias(QObject *parent = nullptr);
    explicit TmdlFamilias(fb::Connection &empresa, QObject *parent = nullptr);

    ds::RecordSet &Familias;

private:
    void FamiliasCODIGOValidate(ds::Field &field);
    void FamiliasBeforeDelete(ds::RecordSet &set);
};
