#pragma once

#include "framework/DataModule.h"

namespace fb {
class Connection;
}

// The payment methods data module: the record set `FormasPago` over
// FORMA_PAGO. A method says into how many instalments an invoice is split
// and how many days lie between the due dates (from the invoice date to the
// first one, then between each two); invoices divide their total by the
// number of instalments, so it must be at least 1 and the days cannot be
// negative. A method may name one of the company's bank accounts.
class TmdlFormasPago : public fw::DataModule
{
    Q_OBJECT
public:
    // Bound to the current company's connection (mdlConexiones()).
    explicit TmdlFormasPago(QObject *parent = nullptr);
    // Bound to any company database (tests).
    explicit TmdlFormasPago(fb::Connection &empresa, QObject *parent = nullptr);

    ds::RecordSet &FormasPago;

private:
    void FormasPagoNewRecord(ds::RecordSet &set);
    void FormasPagoCODIGOValidate(ds::Field &field);
    void FormasPagoCUENTAValidate(ds::Field &field);
    void FormasPagoNUMERO_VENCIMIENTOSValidate(ds::Field &field);
    void FormasPagoDIAS_ENTRE_VENCIMIENTOSValidate(ds::Field &field);
    void FormasPagoBeforePost(ds::RecordSet &set);
    void FormasPagoBeforeDelete(ds::RecordSet &set);
};
