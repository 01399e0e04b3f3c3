#pragma once

#include "TfrmPersonal.h"

class TmdlResponsablesAlmacen;

// Record window of one of the warehouse managers.
class TfrmResponsableAlmacen final : public TfrmPersonal
{
    Q_OBJECT
public:
    // With the browse window's data module, or none (the window then creates its own).
    TfrmResponsableAlmacen(QWidget *owner, bool modal, TmdlResponsablesAlmacen *modulo = nullptr);

    TmdlResponsablesAlmacen *mdlResponsablesAlmacen;
};
