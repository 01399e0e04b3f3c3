#pragma once

#include "Field.h"

#include <QHash>
#include <QObject>
#include <QVariantList>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

namespace fb {
class Connection;
}

namespace ds {

enum class State { Closed, Browse, Edit, Insert };
enum class RowStatus { Unmodified, Modified, Inserted, Deleted };

// A read-only view of one row with its change-log entry, as the before- and
// after-apply handlers see the rows (change kind, current and former values).
class RowView
{
public:
    RowStatus status() const;
    QVariant value(const QString &column) const;    // current (stored values for a deleted row)
    QVariant oldValue(const QString &column) const; // as read from the database
    bool isChanged(const QString &column) const;

private:
    friend class RecordSet;
    friend class Field;
    RowView(const RecordSet *set, const void *row) : m_set(set), m_row(row) {}
    const RecordSet *m_set;
    const void *m_row;
};

// The in-memory record set: every row of a command text held in memory with a
// log of local changes; states, post/cancel/delete, rule events, local order
// and nearest search, look-up and calculated fields, and the apply of all
// pending changes in one transaction.
class RecordSet : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void(RecordSet &)>;

    explicit RecordSet(const QString &name, QObject *parent = nullptr);
    ~RecordSet() override;

    const QString &name() const { return m_name; }

    // Connection and command text.
    void setConnection(fb::Connection *connection) { m_connection = connection; }
    fb::Connection *connection() const { return m_connection; }
    void setCommandText(const QString &sql, const QVariantList &params = {});
    const QString &commandText() const { return m_commandText; }
    // Table that applies write to: the first table named after FROM.
    QString updateTable() const;

    // Opening, closing, refreshing. open() throws fb::Error when the database
    // refuses the command text; the record set then stays closed.
    void open();
    void open(const QString &sql, const QVariantList &params = {});
    void close();
    bool isOpen() const { return m_state != State::Closed; }
    // Reloads the rows with the same command text and returns to the row with
    // the same values in the index field (or the same position). Refused with
    // a DatasetError while changes are pending.
    void refresh();

    // Fields. Before opening, field() creates the definition of a column so a
    // data module can attach rules and labels; once open, unknown names throw.
    Field &field(const QString &name);
    Field *findField(const QString &name) const;
    const std::vector<Field *> &fields() const { return m_fieldOrder; }
    Field &addCalculatedField(const QString &name, fb::SqlType type, int size = 0);
    Field &addLookupField(const QString &name, const QString &keyField, RecordSet *lookup,
                          const QString &lookupResultField, int size = 0);
    QVariant value(const QString &column) const;
    void setValue(const QString &column, const QVariant &v) { field(column).setValue(v); }

    // Navigation over the rows in their current order.
    int rowCount() const { return int(m_rows.size()); }
    int currentRow() const { return m_current; } // -1 when empty
    bool atEnd() const { return m_eof; }
    bool isEmpty() const { return m_rows.empty(); }
    void first();
    void next();
    void prior();
    void last();
    void moveTo(int row);
    // Moves to the first row whose column equals the value; false (and no move) when none.
    bool locate(const QString &column, const QVariant &value);

    // Editing.
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }
    void append();
    void insert();
    void edit();
    void post();
    void cancel();
    void remove(); // deletes the current row
    // Posts a row left in edit or insert; nothing otherwise.
    void checkBrowseMode();

    // Change log and apply.
    bool hasPendingChanges() const;
    int pendingCount() const;
    // Sends every pending change in one transaction. Returns 0 when all were
    // stored (the log is then cleared); otherwise rolls back, keeps every
    // change pending, shows the database's text in the standard error box and
    // returns the number of changes refused (1). Nothing pending: does nothing.
    int applyUpdates();
    // Rows as the apply handlers see them: live rows (unchanged, changed, new)
    // in order, and deleted rows with their stored values.
    std::vector<RowView> liveRows() const;
    std::vector<RowView> deletedRows() const;
    // Drops every pending change, restoring the rows as read.
    void cancelUpdates();

    // Local order and nearest search.
    void setIndexField(const QString &column); // empty: order of the command text
    const QString &indexField() const { return m_indexField; }
    // Positions on the first row whose index-field value is equal to or after
    // the text; on the last row when every value is before it.
    void findNearest(const QString &text);

    // Values of a row for grids (no events): display text of a field in a row.
    QVariant rowValue(int row, const Field &field) const;
    QString rowDisplayText(int row, const Field &field) const;

    // Rule events, called in this order where they apply.
    Handler afterOpen, beforeClose;
    Handler beforeInsert, onNewRecord, afterInsert;
    Handler beforeEdit, afterEdit;
    Handler onCalcFields;
    Handler beforePost, afterPost;
    Handler beforeCancel, afterCancel;
    Handler beforeDelete, afterDelete;
    Handler afterScroll;
    Handler beforeApplyUpdates, afterApplyUpdates;

signals:
    void rowsReset();              // opened, closed, refreshed, reordered
    void rowChanged(int row);      // values of a row changed
    void rowInserted(int row);
    void rowRemoved(int row);
    void currentChanged(int row);
    void stateChanged(ds::State state);

private:
    friend class Field;
    friend class RowView;
    friend class Applier;
    struct Row;

    const QVariantList *activeValues() const;
    QVariantList *writableValues();
    void bindColumns(const std::vector<struct fb::ColumnInfo> &columns);
    void loadRows();
    void calculate(Row &row);
    void calculate(QVariantList &values);
    void setCurrent(int row, bool eof = false);
    void setState(State state);
    void startNewRow(int position);
    void checkRequired() const;
    void placeByIndex();
    void sortRows();
    QString sortKey(const QVariant &value) const;
    QVariant lookupValue(const Field &field, const QVariantList &values) const;
    void buildLookups();
    Field &newField(const QString &name, FieldKind kind);
    void clearLog();
    void requireOpen() const;
    void requireBrowse() const;

    QString m_name;
    fb::Connection *m_connection = nullptr;
    QString m_commandText;
    QVariantList m_params;

    std::vector<std::unique_ptr<Field>> m_fieldStore;
    QHash<QString, Field *> m_fieldsByName; // upper-case name -> field of m_fieldStore
    std::vector<Field *> m_fieldOrder;
    int m_dataColumns = 0;
    int m_valueCount = 0; // data columns + calculated fields
    std::vector<fb::ColumnInfo> m_columns;

    std::vector<std::unique_ptr<Row>> m_rows;
    std::vector<std::unique_ptr<Row>> m_deleted;
    int m_current = -1;
    bool m_eof = true;
    State m_state = State::Closed;
    QVariantList m_buffer;         // row being edited or inserted
    Row *m_calcRow = nullptr;      // row whose calculated fields are being filled
    QVariantList *m_calcValues = nullptr;
    quint64 m_changeSeq = 0;

    QString m_indexField;
    // Look-up field -> (key with trailing blanks removed -> shown value);
    // built once, when the record set is first opened.
    std::unordered_map<const Field *, QHash<QString, QVariant>> m_lookups;
    bool m_lookupsBuilt = false;
    int m_nextOrdinal = 0;
};

} // namespace ds
