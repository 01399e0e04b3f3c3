#pragma once

#include "framework/TfrmListado.h"

// Listing of salespeople, by code.
class TfrmListadoVendedores final : public TfrmListado
{
    Q_OBJECT
public:
    explicit TfrmListadoVendedores(QWidget *owner);
};
