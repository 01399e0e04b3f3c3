#pragma once

#include "framework/TfrmListado.h"

// Listing of stock movements: by date, article, warehouse and direction.
class TfrmListadoMovimientosAlmacen final : public TfrmListado
{
    Q_OBJECT
public:
    explicit TfrmListadoMovimientosAlmacen(QWidget *owner);
};
