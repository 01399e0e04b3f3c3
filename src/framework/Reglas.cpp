#include "Reglas.h"

#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"
#include "platform/ui/Dialogs.h"

#include <algorithm>

namespace fw {

QString quoted(const QString &value)
{
    QString out = value;
    out.replace(u'\'', QStringLiteral("''"));
    return u'\'' + out + u'\'';
}

namespace {

bool isEmptyValue(const QVariant &v)
{
    return !v.isValid() || v.isNull() || v.toString().trimmed().isEmpty();
}

} // namespace

void checkUnique(const ds::Field &field, const QString &table, const QString &column)
{
    const QVariant value = field.value();
    if (isEmptyValue(value))
        throw ds::SilentAbort();
    fb::Connection &db = *field.recordSet().connection();
    const auto found = db.query(QStringLiteral("SELECT %1 FROM %2 WHERE %1 = ?").arg(column, table), {value});
    if (!found.isEmpty()) {
        ui::showMessage(QStringLiteral("El CODIGO Ya Existe."));
        throw ds::SilentAbort();
    }
}

QVariantList checkExists(const ds::Field &field, const QString &table, const QString &message,
                         const QString &columns)
{
    const QVariant value = field.value();
    if (isEmptyValue(value))
        return {};
    fb::Connection &db = *field.recordSet().connection();
    const auto found = db.query(
        QStringLiteral("SELECT %1 FROM %2 WHERE CODIGO = ?").arg(columns.isEmpty() ? QStringLiteral("*") : columns, table),
        {value});
    if (found.isEmpty()) {
        ui::showMessage(message);
        throw ds::SilentAbort();
    }
    return found.rows.front();
}

int nextNumber(fb::Connection &connection, const QString &table, const QString &column, const QString &where,
               const QVariantList &params, const ds::RecordSet *pending)
{
    QString sql = QStringLiteral("SELECT MAX(%1) FROM %2").arg(column, table);
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    const QVariant max = connection.query(sql, params).scalar();
    int highest = max.isValid() && !max.isNull() ? max.toInt() : 0;
    if (pending && pending->isOpen()) {
        if (const ds::Field *f = pending->findField(column))
            for (int row = 0; row < pending->rowCount(); ++row)
                highest = std::max(highest, pending->rowValue(row, *f).toInt());
    }
    return highest + 1;
}

void checkDelete(fb::Connection &connection, const QVariant &code, const std::vector<Guard> &guards)
{
    for (const Guard &guard : guards) {
        if (!connection.query(guard.sql, {code}).isEmpty()) {
            ui::showMessage(guard.message);
            throw ds::SilentAbort();
        }
    }
}

void cascadeDelete(fb::Connection &connection, const QString &sql, const QVariantList &params)
{
    ds::RecordSet dependents(QStringLiteral("Dependientes"));
    dependents.setConnection(&connection);
    dependents.open(sql, params);
    while (!dependents.isEmpty())
        dependents.remove();
    if (dependents.applyUpdates() != 0)
        throw ds::SilentAbort();
    dependents.close();
}

} // namespace fw
