#pragma once

#include <QByteArray>

#include <ibase.h>

namespace fb::detail {

// A BLOB value read whole (text and pictures are never read in pieces).
QByteArray readBlob(isc_db_handle *database, isc_tr_handle *transaction, ISC_QUAD id);

// Writes a new BLOB of the given sub-type (1 = text) and returns its id,
// ready to be bound to a parameter of the same transaction.
ISC_QUAD writeBlob(isc_db_handle *database, isc_tr_handle *transaction,
                   const QByteArray &bytes, short subType);

} // namespace fb::detail
