#pragma once

#include "framework/TfrmListado.h"

// Listing of suppliers: by code, purchase manager, payment method and VAT regime.
class TfrmListadoProveedores final : public TfrmListado
{
    Q_OBJECT
public:
    explicit TfrmListadoProveedores(QWidget *owner);
};
