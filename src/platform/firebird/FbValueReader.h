#pragma once

#include <QVariant>

#include <ibase.h>

namespace fb::detail {

// Reads fetched values out of their XSQLVARs as the Qt types FbTypes.h lists.
// BLOBs are read whole through the statement's connection and transaction.
class ValueReader
{
public:
    ValueReader(isc_db_handle *database, isc_tr_handle *transaction)
        : m_database(database), m_transaction(transaction) {}

    QVariant read(const XSQLVAR &var) const;

private:
    QVariant readBlob(const XSQLVAR &var) const;

    isc_db_handle *m_database;
    isc_tr_handle *m_transaction;
};

} // namespace fb::detail
