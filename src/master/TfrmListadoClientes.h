#pragma once

#include "framework/TfrmListado.h"

// Listing of customers: by code, salesperson, payment method and VAT regime.
class TfrmListadoClientes final : public TfrmListado
{
    Q_OBJECT
public:
    explicit TfrmListadoClientes(QWidget *owner);
};
