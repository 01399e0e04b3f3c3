#pragma once

#include "framework/TfrmGestion.h"

class TmdlCuentasBancarias;

// Browse window of the company's bank accounts; also their search window
// (select mode), from the payment methods' "Buscar" button.
class TfrmGestionCuentasBancarias final : public TfrmGestion
{
    Q_OBJECT
public:
    TfrmGestionCuentasBancarias(QWidget *owner, bool modal);

    static const QString kSqlCuentasBancarias; // "SELECT * FROM CUENTA_BANCARIA ORDER BY CODIGO"

    TmdlCuentasBancarias *mdlCuentasBancarias;

protected:
    TfrmRegistro *crearRegistro() override;
};
