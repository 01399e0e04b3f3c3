#pragma once

#include <QAbstractTableModel>
#include <QPointer>

namespace ds {

class RecordSet;
class Field;

// Item model over a record set for grids: one column per visible field (or
// the columns given), headers from the fields' labels, display text with the
// fields' masks. Follows the record set's row changes; does not edit.
class RecordSetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit RecordSetModel(RecordSet *set, QObject *parent = nullptr);

    // Shows these columns in this order (field names); empty: every visible field.
    void setColumns(const QStringList &columns);
    Field *fieldAt(int column) const;
    RecordSet *recordSet() const { return m_set; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void rebuildColumns();

    QPointer<RecordSet> m_set;
    QStringList m_requested;
    QList<Field *> m_fields;
};

} // namespace ds
