#pragma once

#include <QString>
#include <QVariantList>
#include <vector>

namespace fb {
class Connection;
}
namespace ds {
class Field;
class RecordSet;
}

namespace fw {

// The rules every data module shares. Values always travel as parameters of
// the statements, so a code such as O'BRIEN is stored, found and guarded like
// any other.

// A text between single quotes with its own quotes doubled, for the few
// statements that must carry a value in their text.
QString quoted(const QString &value);

// Uniqueness check of a typed code (validate handler): an empty code is
// refused silently; a code already in `table` shows "El CODIGO Ya Existe." and
// is refused. Throws ds::SilentAbort when refused.
void checkUnique(const ds::Field &field, const QString &table, const QString &column = QStringLiteral("CODIGO"));

// Existence check of a column holding another table's code: an empty value is
// accepted without a query; a value not found in `table` shows `message` and
// is refused. Returns the row found (columns as named in `columns`, all of
// them when empty) so the caller can copy values from it; empty when the
// value was empty.
QVariantList checkExists(const ds::Field &field, const QString &table, const QString &message,
                         const QString &columns = QStringLiteral("CODIGO"));

// Next number: the maximum of `column` among the rows of `table` that match
// `where` (with its parameters), plus one; 1 when there is none. When
// `pending` is given, numbers already given out to its rows that are not yet
// applied count as well, so rows added together get successive numbers.
int nextNumber(fb::Connection &connection, const QString &table, const QString &column,
               const QString &where = {}, const QVariantList &params = {},
               const ds::RecordSet *pending = nullptr);

// One dependent table of a delete guard: a query with one parameter (the
// code) and the message shown when it returns a row.
struct Guard
{
    QString sql;
    QString message;
};

// Delete guard: runs the queries in order; the first that returns a row shows
// its message and refuses the delete (ds::SilentAbort); later ones are not run.
void checkDelete(fb::Connection &connection, const QVariant &code, const std::vector<Guard> &guards);

// Cascade delete: opens a record set on the dependent rows, deletes them all
// and applies at once. When the database refuses, its text has been shown and
// the owner's delete is refused too (ds::SilentAbort), so no row is orphaned.
void cascadeDelete(fb::Connection &connection, const QString &sql, const QVariantList &params = {});

} // namespace fw
