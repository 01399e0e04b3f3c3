#pragma once

#include "framework/TfrmListado.h"

// Listing of payment methods: by code and by the bank account they name.
class TfrmListadoFormasPago final : public TfrmListado
{
    Q_OBJECT
public:
    explicit TfrmListadoFormasPago(QWidget *owner);
};
