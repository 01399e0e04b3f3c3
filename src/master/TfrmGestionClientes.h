#pragma once

#include "framework/TfrmGestion.h"

class TmdlClientes;

// Browse window of the customers; in select mode it hands back the chosen
// customer's code and name.
class TfrmGestionClientes final : public TfrmGestion
{
    Q_OBJECT
public:
    TfrmGestionClientes(QWidget *owner, bool modal);

    static const QString kSqlClientes; // "SELECT * FROM CLIENTE ORDER BY CODIGO"

    TmdlClientes *mdlClientes;

protected:
    TfrmRegistro *crearRegistro() override;
};
