// Local order of a record set and the nearest search over it.
#include "DatasetErrors.h"
#include "RecordSet.h"
#include "RecordSetRow.h"
#include "SortKey.h"

#include <algorithm>

namespace ds {

void RecordSet::setIndexField(const QString &column)
{
    if (!column.isEmpty() && isOpen())
        field(column); // unknown columns are refused before anything changes
    m_indexField = column.toUpper();
    if (!isOpen())
        return;
    checkBrowseMode();
    const Row *current = m_current >= 0 ? m_rows[size_t(m_current)].get() : nullptr;
    sortRows();
    emit rowsReset();
    for (int i = 0; i < rowCount(); ++i)
        if (m_rows[size_t(i)].get() == current) {
            m_current = -1;
            setCurrent(i);
            return;
        }
    setCurrent(m_rows.empty() ? -1 : 0);
}

void RecordSet::sortRows()
{
    if (m_indexField.isEmpty()) {
        std::stable_sort(m_rows.begin(), m_rows.end(),
                         [](const auto &a, const auto &b) { return a->ordinal < b->ordinal; });
        return;
    }
    const Field &f = field(m_indexField);
    std::vector<std::pair<SortKey, std::unique_ptr<Row>>> keyed;
    keyed.reserve(m_rows.size());
    for (size_t i = 0; i < m_rows.size(); ++i)
        keyed.emplace_back(SortKey::of(rowValue(int(i), f)), std::move(m_rows[i]));
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        if (a.first < b.first)
            return true;
        if (b.first < a.first)
            return false;
        return a.second->ordinal < b.second->ordinal;
    });
    for (size_t i = 0; i < keyed.size(); ++i)
        m_rows[i] = std::move(keyed[i].second);
}

// After a post, the row moves to its place in the local order.
void RecordSet::placeByIndex()
{
    if (m_indexField.isEmpty() || m_current < 0)
        return;
    const Field &f = field(m_indexField);
    const SortKey key = SortKey::of(rowValue(m_current, f));
    std::unique_ptr<Row> row = std::move(m_rows[size_t(m_current)]);
    m_rows.erase(m_rows.begin() + m_current);
    int lo = 0, hi = rowCount();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (key < SortKey::of(rowValue(mid, f)))
            hi = mid;
        else
            lo = mid + 1;
    }
    m_rows.insert(m_rows.begin() + lo, std::move(row));
    if (lo != m_current) {
        emit rowsReset();
        m_current = -1;
        setCurrent(lo);
    }
}

void RecordSet::findNearest(const QString &text)
{
    requireOpen();
    checkBrowseMode();
    if (m_indexField.isEmpty())
        throw DatasetError(QStringLiteral("%1 no tiene un orden local").arg(m_name));
    if (m_rows.empty())
        return;
    Field &f = field(m_indexField);
    SortKey key;
    const bool textual = f.type == fb::SqlType::Char || f.type == fb::SqlType::Varchar
                         || f.type == fb::SqlType::TextBlob;
    key = textual ? SortKey::of(text) : SortKey::of(f.convert(text));
    if (text.isEmpty() && textual)
        key = SortKey::of(QVariant());
    int lo = 0, hi = rowCount();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (SortKey::of(rowValue(mid, f)) < key)
            lo = mid + 1;
        else
            hi = mid;
    }
    setCurrent(std::min(lo, rowCount() - 1));
}

} // namespace ds
