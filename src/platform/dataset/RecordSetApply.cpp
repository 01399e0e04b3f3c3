// Applying a record set's pending changes to the database in one transaction.
#include "DatasetErrors.h"
#include "RecordSet.h"
#include "RecordSetRow.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbError.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"
#include "platform/ui/Dialogs.h"

#include <unordered_map>
#include <algorithm>

namespace ds {

namespace {

bool isNull(const QVariant &v) { return !v.isValid() || v.isNull(); }

bool isBlob(fb::SqlType type) { return type == fb::SqlType::Blob || type == fb::SqlType::TextBlob; }

} // namespace

// Writes the changes of one apply: builds one statement per shape (kind,
// changed columns, null pattern of the identity), prepares it once and runs it
// for every row of that shape.
class Applier
{
public:
    Applier(RecordSet &set, fb::Transaction &tr) : m_set(set), m_tr(tr)
    {
        const QString table = set.updateTable();
        if (table.isEmpty())
            throw fb::Error(QStringLiteral("No se puede saber en qué tabla guardar los cambios de %1.").arg(set.name()));
        m_table = table;
        for (int i = 0; i < int(set.m_columns.size()); ++i) {
            const auto &col = set.m_columns[size_t(i)];
            // Only plain columns of the command's own table are written.
            if (col.relation.compare(table, Qt::CaseInsensitive) == 0 && !col.column.isEmpty())
                m_writable.push_back(i);
        }
        if (m_writable.empty())
            throw fb::Error(QStringLiteral("La consulta de %1 no tiene columnas de la tabla %2.").arg(set.name(), table));
    }

    void write(const RecordSet::Row &row)
    {
        switch (row.status) {
        case RowStatus::Inserted: insert(row); break;
        case RowStatus::Modified: update(row); break;
        case RowStatus::Deleted: remove(row); break;
        case RowStatus::Unmodified: break;
        }
    }

private:
    QString column(int i) const { return m_set.m_columns[size_t(i)].column; }

    void insert(const RecordSet::Row &row)
    {
        QStringList cols, marks;
        QVariantList params;
        for (int i : m_writable)
            if (!isNull(row.values.at(i))) {
                cols << column(i);
                marks << QStringLiteral("?");
                params << row.values.at(i);
            }
        if (cols.isEmpty())
            return;
        run(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(m_table, cols.join(u','), marks.join(u',')),
            params, false);
    }

    void update(const RecordSet::Row &row)
    {
        const QVariantList &old = row.stored();
        QStringList sets;
        QVariantList params;
        for (int i : m_writable)
            if (row.values.at(i) != old.at(i)) {
                sets << column(i) + QStringLiteral(" = ?");
                params << row.values.at(i);
            }
        if (sets.isEmpty())
            return;
        const QString where = identity(old, params);
        run(QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(m_table, sets.join(QStringLiteral(", ")), where),
            params, true);
    }

    void remove(const RecordSet::Row &row)
    {
        QVariantList params;
        const QString where = identity(row.stored(), params);
        run(QStringLiteral("DELETE FROM %1 WHERE %2").arg(m_table, where), params, true);
    }

    // The row is named by the values all its non-BLOB columns had when read.
    QString identity(const QVariantList &old, QVariantList &params) const
    {
        QStringList terms;
        for (int i : m_writable) {
            if (isBlob(m_set.m_columns[size_t(i)].type))
                continue;
            if (isNull(old.at(i))) {
                terms << column(i) + QStringLiteral(" IS NULL");
            } else {
                terms << column(i) + QStringLiteral(" = ?");
                params << old.at(i);
            }
        }
        return terms.join(QStringLiteral(" AND "));
    }

    void run(const QString &sql, const QVariantList &params, bool exactlyOne)
    {
        auto &st = m_statements[sql];
        if (!st)
            st = std::make_unique<fb::Statement>(m_tr, sql);
        st->execute(params);
        if (exactlyOne && st->rowsAffected() != 1)
            throw fb::Error(st->rowsAffected() == 0
                                ? QStringLiteral("El registro ha sido modificado o eliminado por otro usuario. "
                                                 "Actualice los datos y vuelva a intentarlo.")
                                : QStringLiteral("El cambio afecta a más de un registro de %1; no se ha guardado.")
                                      .arg(m_table));
    }

    RecordSet &m_set;
    fb::Transaction &m_tr;
    QString m_table;
    std::vector<int> m_writable;
    std::unordered_map<QString, std::unique_ptr<fb::Statement>> m_statements;
};

int RecordSet::applyUpdates()
{
    requireOpen();
    try {
        checkBrowseMode();
    } catch (const SilentAbort &) {
        return 1;
    } catch (const DatasetError &e) {
        ui::showError(e.text());
        return 1;
    }
    if (!hasPendingChanges())
        return 0;
    if (!m_connection)
        throw DatasetError(QStringLiteral("%1 no tiene conexión con la base de datos").arg(m_name));

    try {
        if (beforeApplyUpdates)
            beforeApplyUpdates(*this);
        // In the order the changes were made, so a code freed by one change
        // can be taken by a later one.
        std::vector<const Row *> changes;
        for (const auto &row : m_rows)
            if (row->status != RowStatus::Unmodified)
                changes.push_back(row.get());
        for (const auto &row : m_deleted)
            changes.push_back(row.get());
        std::sort(changes.begin(), changes.end(), [](const Row *a, const Row *b) { return a->seq < b->seq; });
        fb::Transaction tr(*m_connection);
        {
            Applier applier(*this, tr);
            for (const Row *row : changes)
                applier.write(*row);
        }
        tr.commit();
    } catch (const fb::Error &e) {
        ui::showError(QStringLiteral("No se han podido guardar los cambios.\n") + e.text());
        return 1;
    }
    clearLog();
    if (afterApplyUpdates)
        afterApplyUpdates(*this);
    return 0;
}

} // namespace ds
