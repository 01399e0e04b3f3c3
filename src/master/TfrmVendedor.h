#pragma once

#include "TfrmPersonal.h"

class TmdlVendedores;

// Record window of one of the salespeople.
class TfrmVendedor final : public TfrmPersonal
{
    Q_OBJECT
public:
    // With the browse window's data module, or none (the window then creates its own).
    TfrmVendedor(QWidget *owner, bool modal, TmdlVendedores *modulo = nullptr);

    TmdlVendedores *mdlVendedores;
};
