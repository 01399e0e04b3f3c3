#pragma once

#include "framework/TfrmListado.h"

// Listing of families, by code.
class TfrmListadoFamilias final : public TfrmListado
{
    Q_OBJECT
public:
    explicit TfrmListadoFamilias(QWidget *owner);
};
