#pragma once

#include "TfrmGestionPersonal.h"

class TmdlResponsablesAlmacen;

// Browse window of the warehouse managers; also their search window (select mode).
class TfrmGestionResponsablesAlmacen final : public TfrmGestionPersonal
{
    Q_OBJECT
public:
    TfrmGestionResponsablesAlmacen(QWidget *owner, bool modal);

    // Every row in code order: the main window's command and the Buscar buttons.
    static QString sqlResponsablesAlmacen();

    TmdlResponsablesAlmacen *mdlResponsablesAlmacen;

protected:
    TfrmRegistro *crearRegistro() override;
};
