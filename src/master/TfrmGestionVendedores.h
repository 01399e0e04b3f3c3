#pragma once

#include "TfrmGestionPersonal.h"

class TmdlVendedores;

// Browse window of the salespeople; also their search window (select mode).
class TfrmGestionVendedores final : public TfrmGestionPersonal
{
    Q_OBJECT
public:
    TfrmGestionVendedores(QWidget *owner, bool modal);

    // Every row in code order: the main window's command and the Buscar buttons.
    static QString sqlVendedores();

    TmdlVendedores *mdlVendedores;

protected:
    TfrmRegistro *crearRegistro() override;
};
