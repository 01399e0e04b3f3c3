#pragma once

#include "framework/DataModule.h"

namespace fb {
class Connection;
}

// The data module of the company's own bank accounts: the record set
// `CuentasBancarias` over CUENTA_BANCARIA. Typing the parts of the account
// code proposes its control digits; an account that collections or payments
// name cannot be deleted. A new account starts empty.
class TmdlCuentasBancarias : public fw::DataModule
{
    Q_OBJECT
public:
    // Bound to the current company's connection (mdlConexiones()).
    explicit TmdlCuentasBancarias(QObject *parent = nullptr);
    // Bound to any company database (tests).
    explicit TmdlCuentasBancarias(fb::Connection &empresa, QObject *parent = nullptr);

    ds::RecordSet &CuentasBancarias;

private:
    void CuentasBancariasCODIGOValidate(ds::Field &field);
    // Attached to COD_ENTIDAD, COD_AGENCIA and NCUENTA alike.
    void CuentasBancariasCOD_ENTIDADValidate(ds::Field &field);
    void CuentasBancariasBeforeDelete(ds::RecordSet &set);
};
