#pragma once

#include "TmdlPersonal.h"

// The file of salespeople (VENDEDOR), named by customers and sales documents.
class TmdlVendedores final : public TmdlPersonal
{
    Q_OBJECT
public:
    // Bound to the current company's connection (mdlConexiones()).
    explicit TmdlVendedores(QObject *parent = nullptr);
    // Bound to any company database (tests).
    explicit TmdlVendedores(fb::Connection &empresa, QObject *parent = nullptr);

    ds::RecordSet &Vendedores;
};
