#pragma once

#include "framework/TfrmListado.h"

// Listing of the company's bank accounts, by code.
class TfrmListadoCuentas final : public TfrmListado
{
    Q_OBJECT
public:
    explicit TfrmListadoCuentas(QWidget *owner);
};
