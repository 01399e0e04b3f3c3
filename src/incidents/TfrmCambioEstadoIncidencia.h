#pragma once

#include "framework/TfrmCambioEstado.h"

// State-change dialog of an incident: "PENDIENTE" or "SOLUCIONADA" (solving
// stamps the solution date, reopening clears it: the data module's rule).
class TfrmCambioEstadoIncidencia final : public TfrmCambioEstado
{
    Q_OBJECT
public:
    // On the current incident of the incident browse window's record set.
    TfrmCambioEstadoIncidencia(QWidget *owner, ds::RecordSet &incidencias);
};
