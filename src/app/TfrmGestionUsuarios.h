#pragma once

#include "framework/TfrmGestion.h"

class TmdlUsuarios;

// Browse window of the users (general database). In select mode it hands
// back the user's number as text and the login name.
class TfrmGestionUsuarios final : public TfrmGestion
{
    Q_OBJECT
public:
    TfrmGestionUsuarios(QWidget *owner, bool modal);

    TmdlUsuarios *mdlUsuarios;

protected:
    TfrmRegistro *crearRegistro() override;
};
