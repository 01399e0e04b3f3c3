#include "RecordSetModel.h"

#include "RecordSet.h"

namespace ds {

RecordSetModel::RecordSetModel(RecordSet *set, QObject *parent) : QAbstractTableModel(parent), m_set(set)
{
    connect(set, &RecordSet::rowsReset, this, [this] {
        beginResetModel();
        rebuildColumns();
        endResetModel();
    });
    connect(set, &RecordSet::rowChanged, this, [this](int row) {
        if (row >= 0 && !m_fields.isEmpty())
            emit dataChanged(index(row, 0), index(row, int(m_fields.size()) - 1));
    });
    // Inserted and removed rows are announced after the fact: a reset keeps
    // the views consistent without tracking positions twice.
    connect(set, &RecordSet::rowInserted, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(set, &RecordSet::rowRemoved, this, [this] {
        beginResetModel();
        endResetModel();
    });
    rebuildColumns();
}

void RecordSetModel::setColumns(const QStringList &columns)
{
    beginResetModel();
    m_requested = columns;
    rebuildColumns();
    endResetModel();
}

void RecordSetModel::rebuildColumns()
{
    m_fields.clear();
    if (!m_set)
        return;
    if (m_requested.isEmpty()) {
        for (Field *f : m_set->fields())
            if (f->visible)
                m_fields << f;
        return;
    }
    for (const QString &name : m_requested)
        if (Field *f = m_set->findField(name))
            m_fields << f;
}

Field *RecordSetModel::fieldAt(int column) const
{
    return column >= 0 && column < m_fields.size() ? m_fields.at(column) : nullptr;
}

int RecordSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_set ? 0 : m_set->rowCount();
}

int RecordSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

QVariant RecordSetModel::data(const QModelIndex &index, int role) const
{
    const Field *f = fieldAt(index.column());
    if (!f || !m_set)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_set->rowDisplayText(index.row(), *f);
    case Qt::EditRole:
        return m_set->rowValue(index.row(), *f);
    case Qt::TextAlignmentRole:
        switch (f->type) {
        case fb::SqlType::SmallInt:
        case fb::SqlType::Integer:
        case fb::SqlType::BigInt:
        case fb::SqlType::Numeric:
        case fb::SqlType::Double:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        }
    default:
        return {};
    }
}

QVariant RecordSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    const Field *f = fieldAt(section);
    return f ? f->label() : QVariant();
}

} // namespace ds
