#pragma once

#include "TfrmPersonal.h"

class TmdlResponsablesCompras;

// Record window of one of the purchase managers.
class TfrmResponsableCompras final : public TfrmPersonal
{
    Q_OBJECT
public:
    // With the browse window's data module, or none (the window then creates its own).
    TfrmResponsableCompras(QWidget *owner, bool modal, TmdlResponsablesCompras *modulo = nullptr);

    TmdlResponsablesCompras *mdlResponsablesCompras;
};
