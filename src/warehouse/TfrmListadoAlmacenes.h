#pragma once

#include "framework/TfrmListado.h"

// Listing of warehouses, by code.
class TfrmListadoAlmacenes final : public TfrmListado
{
    Q_OBJECT
public:
    explicit TfrmListadoAlmacenes(QWidget *owner);
};
