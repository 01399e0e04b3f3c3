#pragma once

#include "framework/TfrmGestion.h"

class TmdlFormasPago;

// Browse window of the payment methods; also their search window (select mode).
class TfrmGestionFormasPago final : public TfrmGestion
{
    Q_OBJECT
public:
    TfrmGestionFormasPago(QWidget *owner, bool modal);

    static const QString kSqlFormasPago; // "SELECT * FROM FORMA_PAGO ORDER BY CODIGO"

    TmdlFormasPago *mdlFormasPago;

protected:
    TfrmRegistro *crearRegistro() override;
};
