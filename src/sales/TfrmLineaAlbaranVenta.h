#pragma once

#include "sales/TfrmLineaVenta.h"

class TmdlAlbaranesVenta;

// Line window of a sales delivery note ("LINEA DE VENTA").
class TfrmLineaAlbaranVenta final : public TfrmLineaVenta
{
    Q_OBJECT
public:
    // With the delivery note window's data module, or none (the window then creates its own).
    TfrmLineaAlbaranVenta(QWidget *owner, bool modal, TmdlAlbaranesVenta *modulo = nullptr);

    TmdlAlbaranesVenta *mdlAlbaranesVenta;
};
