#pragma once

#include "framework/TfrmListado.h"

// Listing of warehouse managers, by code.
class TfrmListadoResponsablesAlmacen final : public TfrmListado
{
    Q_OBJECT
public:
    explicit TfrmListadoResponsablesAlmacen(QWidget *owner);
};
