#pragma once

#include "framework/TfrmCambioEstado.h"

// State-change dialog of a sales delivery note: "PENDIENTE" or "HECHO". An
// invoiced note never gets here (its browse window disables the command).
class TfrmCambioEstadoAlbaranVenta final : public TfrmCambioEstado
{
    Q_OBJECT
public:
    // On the current note of the browse window's record set.
    TfrmCambioEstadoAlbaranVenta(QWidget *owner, ds::RecordSet &albaranes);
};
