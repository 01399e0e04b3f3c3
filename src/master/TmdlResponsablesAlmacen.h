#pragma once

#include "TmdlPersonal.h"

// The file of warehouse managers (RESPONSABLE_ALMACEN), named by warehouses and stock movements.
class TmdlResponsablesAlmacen final : public TmdlPersonal
{
    Q_OBJECT
public:
    // Bound to the current company's connection (mdlConexiones()).
    explicit TmdlResponsablesAlmacen(QObject *parent = nullptr);
    // Bound to any company database (tests).
    explicit TmdlResponsablesAlmacen(fb::Connection &empresa, QObject *parent = nullptr);

    ds::RecordSet &REsponsablesAlmacen;
};
