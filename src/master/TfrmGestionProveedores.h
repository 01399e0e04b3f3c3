#pragma once

#include "framework/TfrmGestion.h"

class TmdlProveedores;

// Browse window of the suppliers; in select mode it hands back the chosen
// supplier's code and name.
class TfrmGestionProveedores final : public TfrmGestion
{
    Q_OBJECT
public:
    TfrmGestionProveedores(QWidget *owner, bool modal);

    static const QString kSqlProveedores; // "SELECT * FROM PROVEEDOR ORDER BY CODIGO"

    TmdlProveedores *mdlProveedores;

protected:
    TfrmRegistro *crearRegistro() override;
};
