#pragma once

#include "RecordSet.h"

namespace ds {

// One row of a record set and its change-log entry.
struct RecordSet::Row
{
    QVariantList values;
    std::unique_ptr<QVariantList> original; // values as read, kept once the row is changed
    RowStatus status = RowStatus::Unmodified;
    quint64 seq = 0;  // position of the row's change in the log
    int ordinal = 0;  // position in the command text's order

    // Values the row had in the database (the identity of an update or delete).
    const QVariantList &stored() const { return original ? *original : values; }
};

} // namespace ds
