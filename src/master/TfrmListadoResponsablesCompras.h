#pragma once

#include "framework/TfrmListado.h"

// Listing of purchase managers, by code.
class TfrmListadoResponsablesCompras final : public TfrmListado
{
    Q_OBJECT
public:
    explicit TfrmListadoResponsablesCompras(QWidget *owner);
};
