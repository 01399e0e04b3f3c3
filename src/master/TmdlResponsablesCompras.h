#pragma once

#include "TmdlPersonal.h"

// The file of purchase managers (RESPONSABLE_COMPRAS), named by suppliers and purchase documents.
class TmdlResponsablesCompras final : public TmdlPersonal
{
    Q_OBJECT
public:
    // Bound to the current company's connection (mdlConexiones()).
    explicit TmdlResponsablesCompras(QObject *parent = nullptr);
    // Bound to any company database (tests).
    explicit TmdlResponsablesCompras(fb::Connection &empresa, QObject *parent = nullptr);

    ds::RecordSet &ResponsablesCompras;
};
