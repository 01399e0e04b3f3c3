#pragma once

#include "framework/TfrmListado.h"

// Listing of articles, by code and by family.
class TfrmListadoArticulos final : public TfrmListado
{
    Q_OBJECT
public:
    explicit TfrmListadoArticulos(QWidget *owner);
};
