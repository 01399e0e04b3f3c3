#pragma once

#include "TfrmGestionPersonal.h"

class TmdlResponsablesCompras;

// Browse window of the purchase managers; also their search window (select mode).
class TfrmGestionResponsablesCompras final : public TfrmGestionPersonal
{
    Q_OBJECT
public:
    TfrmGestionResponsablesCompras(QWidget *owner, bool modal);

    // Every row in code order: the main window's command and the Buscar buttons.
    static QString sqlResponsablesCompras();

    TmdlResponsablesCompras *mdlResponsablesCompras;

protected:
    TfrmRegistro *crearRegistro() override;
};
