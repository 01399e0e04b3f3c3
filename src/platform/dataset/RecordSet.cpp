#include "RecordSet.h"

#include "DatasetErrors.h"
#include "RecordSetRow.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"

#include <QRegularExpression>

namespace ds {

RecordSet::RecordSet(const QString &name, QObject *parent) : QObject(parent), m_name(name) {}

RecordSet::~RecordSet() = default;

void RecordSet::setCommandText(const QString &sql, const QVariantList &params)
{
    m_commandText = sql;
    m_params = params;
}

QString RecordSet::updateTable() const
{
    static const QRegularExpression from(QStringLiteral("\\bFROM\\s+\"?([A-Za-z0-9_$]+)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto m = from.match(m_commandText);
    return m.hasMatch() ? m.captured(1).toUpper() : QString();
}

// ---------------------------------------------------------------- fields

Field &RecordSet::field(const QString &name)
{
    if (Field *f = findField(name))
        return *f;
    if (isOpen())
        throw DatasetError(QStringLiteral("El campo '%1' no existe en %2").arg(name, m_name));
    return newField(name, FieldKind::Data);
}

Field *RecordSet::findField(const QString &name) const
{
    // Rules and windows reach fields by name on every assignment: a hash,
    // not a walk over the fields.
    return m_fieldsByName.value(name.toUpper());
}

Field &RecordSet::newField(const QString &name, FieldKind kind)
{
    m_fieldStore.push_back(std::make_unique<Field>(*this, name.toUpper(), kind));
    Field &f = *m_fieldStore.back();
    m_fieldsByName.insert(f.name(), &f);
    return f;
}

Field &RecordSet::addCalculatedField(const QString &name, fb::SqlType type, int size)
{
    if (isOpen())
        throw DatasetError(QStringLiteral("No se pueden añadir campos a %1 abierto").arg(m_name));
    Field &f = newField(name, FieldKind::Calculated);
    f.type = type;
    f.size = size;
    return f;
}

Field &RecordSet::addLookupField(const QString &name, const QString &keyField, RecordSet *lookup,
                                 const QString &lookupResultField, int size)
{
    if (isOpen())
        throw DatasetError(QStringLiteral("No se pueden añadir campos a %1 abierto").arg(m_name));
    Field &f = newField(name, FieldKind::Lookup);
    f.type = fb::SqlType::Varchar;
    f.size = size;
    f.keyField = keyField.toUpper();
    f.lookupDataSet = lookup;
    f.lookupResultField = lookupResultField.toUpper();
    return f;
}

void RecordSet::bindColumns(const std::vector<fb::ColumnInfo> &columns)
{
    m_columns = columns;
    for (const auto &f : m_fieldStore)
        if (f->kind() == FieldKind::Data)
            f->m_index = -1;
    m_fieldOrder.clear();
    int index = 0;
    for (const auto &col : columns) {
        Field *f = findField(col.name);
        const bool isNew = !f || f->type == fb::SqlType::Unknown;
        if (!f)
            f = &newField(col.name, FieldKind::Data);
        f->m_index = index++;
        f->type = col.type;
        f->size = col.length;
        f->scale = col.scale;
        if (isNew)
            f->required = !col.nullable;
        m_fieldOrder.push_back(f);
    }
    m_dataColumns = index;
    for (const auto &f : m_fieldStore) {
        if (f->kind() == FieldKind::Calculated)
            f->m_index = index++;
        if (f->kind() != FieldKind::Data)
            m_fieldOrder.push_back(f.get());
    }
    m_valueCount = index;
}

// ---------------------------------------------------------------- opening

void RecordSet::open(const QString &sql, const QVariantList &params)
{
    setCommandText(sql, params);
    open();
}

void RecordSet::open()
{
    if (!m_connection)
        throw DatasetError(QStringLiteral("%1 no tiene conexión con la base de datos").arg(m_name));
    if (isOpen())
        close();
    loadRows();
    if (!m_lookupsBuilt)
        buildLookups();
    m_state = State::Browse;
    if (!m_indexField.isEmpty())
        sortRows();
    setCurrent(m_rows.empty() ? -1 : 0, m_rows.empty());
    emit rowsReset();
    emit stateChanged(m_state);
    if (afterOpen)
        afterOpen(*this);
}

void RecordSet::loadRows()
{
    std::vector<std::unique_ptr<Row>> rows;
    {
        fb::Transaction tr(*m_connection);
        fb::Statement st(tr, m_commandText);
        st.execute(m_params);
        bindColumns(st.columns());
        const bool withCalc = m_valueCount > m_dataColumns;
        QVariantList values;
        int ordinal = 0;
        while (st.fetch(values)) {
            auto row = std::make_unique<Row>();
            row->values = std::move(values);
            row->ordinal = ordinal++;
            if (withCalc)
                row->values.resize(m_valueCount);
            rows.push_back(std::move(row));
        }
        tr.commit();
    }
    m_rows = std::move(rows);
    m_deleted.clear();
    m_nextOrdinal = int(m_rows.size());
    if (onCalcFields && m_valueCount > m_dataColumns)
        for (auto &row : m_rows)
            calculate(*row);
}

void RecordSet::close()
{
    if (!isOpen())
        return;
    if (beforeClose)
        beforeClose(*this);
    m_rows.clear();
    m_deleted.clear();
    m_buffer.clear();
    m_current = -1;
    m_eof = true;
    m_state = State::Closed;
    emit rowsReset();
    emit stateChanged(m_state);
}

void RecordSet::refresh()
{
    requireOpen();
    checkBrowseMode();
    if (hasPendingChanges())
        throw DatasetError(QStringLiteral("Hay cambios sin guardar en %1; no se puede refrescar.").arg(m_name));
    const int position = m_current;
    QVariant key;
    QString keyColumn = m_indexField.isEmpty() && m_dataColumns > 0 ? m_fieldOrder.front()->name() : m_indexField;
    if (position >= 0 && !keyColumn.isEmpty())
        key = field(keyColumn).value();
    loadRows();
    if (!m_indexField.isEmpty())
        sortRows();
    emit rowsReset();
    if (m_rows.empty()) {
        setCurrent(-1, true);
        return;
    }
    if (key.isValid() && locate(keyColumn, key))
        return;
    setCurrent(std::clamp(position, 0, rowCount() - 1));
}

void RecordSet::buildLookups()
{
    m_lookups.clear();
    for (const auto &f : m_fieldStore) {
        if (f->kind() != FieldKind::Lookup || !f->lookupDataSet)
            continue;
        RecordSet &lookup = *f->lookupDataSet;
        if (!lookup.isOpen())
            lookup.open();
        const Field &key = lookup.field(f->lookupKeyField);
        const Field &result = lookup.field(f->lookupResultField);
        QHash<QString, QVariant> &table = m_lookups[f.get()];
        table.reserve(lookup.rowCount());
        for (int i = 0; i < lookup.rowCount(); ++i) {
            const QString k = lookup.rowValue(i, key).toString().trimmed();
            if (!table.contains(k))
                table.insert(k, lookup.rowValue(i, result));
        }
    }
    m_lookupsBuilt = true;
}

QVariant RecordSet::lookupValue(const Field &f, const QVariantList &values) const
{
    const auto table = m_lookups.find(&f);
    const Field *key = findField(f.keyField);
    if (table == m_lookups.end() || !key || key->m_index < 0 || key->m_index >= values.size())
        return {};
    const QVariant k = values.at(key->m_index);
    if (!k.isValid() || k.isNull())
        return {};
    return table->second.value(k.toString().trimmed());
}

// ---------------------------------------------------------------- values

const QVariantList *RecordSet::activeValues() const
{
    if (m_calcValues)
        return m_calcValues;
    if (isEditing())
        return &m_buffer;
    if (m_current >= 0 && m_current < rowCount())
        return &m_rows[size_t(m_current)]->values;
    return nullptr;
}

void RecordSet::calculate(Row &row) { calculate(row.values); }

void RecordSet::calculate(QVariantList &values)
{
    if (!onCalcFields || m_valueCount == m_dataColumns)
        return;
    QVariantList *previous = m_calcValues;
    m_calcValues = &values;
    for (int i = m_dataColumns; i < m_valueCount; ++i)
        values[i] = QVariant();
    try {
        onCalcFields(*this);
    } catch (...) {
        m_calcValues = previous;
        throw;
    }
    m_calcValues = previous;
}

QVariant RecordSet::rowValue(int row, const Field &f) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const QVariantList &values = (row == m_current && isEditing()) ? m_buffer : m_rows[size_t(row)]->values;
    if (f.kind() == FieldKind::Lookup)
        return lookupValue(f, values);
    return f.m_index >= 0 && f.m_index < values.size() ? values.at(f.m_index) : QVariant();
}

QString RecordSet::rowDisplayText(int row, const Field &f) const
{
    return f.displayText(rowValue(row, f));
}

// ---------------------------------------------------------------- navigation

void RecordSet::requireOpen() const
{
    if (!isOpen())
        throw DatasetError(QStringLiteral("%1 está cerrado").arg(m_name));
}

void RecordSet::setCurrent(int row, bool eof)
{
    const bool moved = row != m_current;
    m_current = row;
    m_eof = eof || m_rows.empty();
    if (moved)
        emit currentChanged(row);
    if (afterScroll && isOpen())
        afterScroll(*this);
}

void RecordSet::first()
{
    requireOpen();
    checkBrowseMode();
    setCurrent(m_rows.empty() ? -1 : 0);
}

void RecordSet::last()
{
    requireOpen();
    checkBrowseMode();
    setCurrent(rowCount() - 1);
}

void RecordSet::next()
{
    requireOpen();
    checkBrowseMode();
    if (m_current + 1 < rowCount())
        setCurrent(m_current + 1);
    else
        m_eof = true; // tried to move past the last row
}

void RecordSet::prior()
{
    requireOpen();
    checkBrowseMode();
    if (m_current > 0)
        setCurrent(m_current - 1);
}

void RecordSet::moveTo(int row)
{
    requireOpen();
    if (row == m_current && !m_eof)
        return;
    checkBrowseMode();
    if (row >= 0 && row < rowCount())
        setCurrent(row);
}

bool RecordSet::locate(const QString &column, const QVariant &value)
{
    requireOpen();
    checkBrowseMode();
    const Field &f = field(column);
    const bool text = value.typeId() == QMetaType::QString;
    for (int i = 0; i < rowCount(); ++i) {
        const QVariant v = rowValue(i, f);
        const bool equal = text ? v.toString().trimmed() == value.toString().trimmed() : v == value;
        if (equal) {
            setCurrent(i);
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------- editing

void RecordSet::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void RecordSet::checkBrowseMode()
{
    if (isEditing())
        post();
}

void RecordSet::append()
{
    requireOpen();
    checkBrowseMode();
    startNewRow(rowCount());
}

void RecordSet::insert()
{
    requireOpen();
    checkBrowseMode();
    startNewRow(m_current < 0 ? 0 : m_current);
}

void RecordSet::startNewRow(int position)
{
    if (beforeInsert)
        beforeInsert(*this);
    auto row = std::make_unique<Row>();
    row->values.resize(m_valueCount);
    row->status = RowStatus::Inserted;
    row->ordinal = m_nextOrdinal++;
    m_rows.insert(m_rows.begin() + position, std::move(row));
    m_buffer = m_rows[size_t(position)]->values;
    emit rowInserted(position);
    setState(State::Insert);
    setCurrent(position);
    try {
        if (onNewRecord)
            onNewRecord(*this);
        calculate(m_buffer);
    } catch (...) {
        cancel();
        throw;
    }
    if (afterInsert)
        afterInsert(*this);
}

void RecordSet::edit()
{
    requireOpen();
    if (isEditing())
        return;
    if (m_current < 0)
        throw DatasetError(QStringLiteral("No hay ningún registro que modificar."));
    if (beforeEdit)
        beforeEdit(*this);
    m_buffer = m_rows[size_t(m_current)]->values;
    setState(State::Edit);
    if (afterEdit)
        afterEdit(*this);
}

void RecordSet::checkRequired() const
{
    for (const Field *f : m_fieldOrder) {
        if (f->kind() != FieldKind::Data || !f->required || f->m_index < 0)
            continue;
        const QVariant &v = m_buffer.at(f->m_index);
        if (!v.isValid() || v.isNull())
            throw DatasetError(messages::required(f->label()));
    }
}

void RecordSet::post()
{
    requireOpen();
    if (!isEditing())
        return;
    if (beforePost)
        beforePost(*this);
    checkRequired();
    Row &row = *m_rows[size_t(m_current)];
    if (m_state == State::Edit && row.status == RowStatus::Unmodified)
        row.original = std::make_unique<QVariantList>(row.values);
    if (m_state == State::Edit && row.status != RowStatus::Inserted)
        row.status = RowStatus::Modified;
    row.values = std::move(m_buffer);
    m_buffer.clear();
    row.seq = ++m_changeSeq;
    setState(State::Browse);
    emit rowChanged(m_current);
    placeByIndex();
    if (afterPost)
        afterPost(*this);
}

void RecordSet::cancel()
{
    if (!isEditing())
        return;
    if (beforeCancel)
        beforeCancel(*this);
    const bool inserting = m_state == State::Insert;
    m_buffer.clear();
    setState(State::Browse);
    if (inserting) {
        const int position = m_current;
        m_rows.erase(m_rows.begin() + position);
        emit rowRemoved(position);
        m_current = -1;
        setCurrent(m_rows.empty() ? -1 : std::min(position, rowCount() - 1));
    } else {
        emit rowChanged(m_current);
    }
    if (afterCancel)
        afterCancel(*this);
}

void RecordSet::remove()
{
    requireOpen();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    cancel();
    if (m_current < 0)
        throw DatasetError(QStringLiteral("No hay ningún registro que eliminar."));
    if (beforeDelete)
        beforeDelete(*this);
    const int position = m_current;
    std::unique_ptr<Row> row = std::move(m_rows[size_t(position)]);
    m_rows.erase(m_rows.begin() + position);
    if (row->status != RowStatus::Inserted) {
        row->status = RowStatus::Deleted;
        row->seq = ++m_changeSeq;
        m_deleted.push_back(std::move(row));
    }
    emit rowRemoved(position);
    m_current = -1;
    setCurrent(m_rows.empty() ? -1 : std::min(position, rowCount() - 1));
    if (afterDelete)
        afterDelete(*this);
}

// ---------------------------------------------------------------- change log

bool RecordSet::hasPendingChanges() const { return pendingCount() > 0; }

int RecordSet::pendingCount() const
{
    int count = int(m_deleted.size());
    for (const auto &row : m_rows)
        if (row->status != RowStatus::Unmodified)
            ++count;
    if (m_state == State::Insert)
        --count; // the row being inserted is not in the log until posted
    return count;
}

std::vector<RowView> RecordSet::liveRows() const
{
    std::vector<RowView> out;
    out.reserve(m_rows.size());
    for (const auto &row : m_rows)
        out.push_back(RowView(this, row.get()));
    return out;
}

std::vector<RowView> RecordSet::deletedRows() const
{
    std::vector<RowView> out;
    for (const auto &row : m_deleted)
        out.push_back(RowView(this, row.get()));
    return out;
}

void RecordSet::clearLog()
{
    for (auto &row : m_rows) {
        row->status = RowStatus::Unmodified;
        row->original.reset();
    }
    m_deleted.clear();
}

void RecordSet::cancelUpdates()
{
    requireOpen();
    cancel();
    std::vector<std::unique_ptr<Row>> kept;
    for (auto &row : m_rows) {
        if (row->status == RowStatus::Inserted)
            continue;
        if (row->original)
            row->values = std::move(*row->original);
        row->original.reset();
        row->status = RowStatus::Unmodified;
        kept.push_back(std::move(row));
    }
    for (auto &row : m_deleted) {
        if (row->original)
            row->values = std::move(*row->original);
        row->original.reset();
        row->status = RowStatus::Unmodified;
        kept.push_back(std::move(row));
    }
    m_deleted.clear();
    m_rows = std::move(kept);
    sortRows();
    emit rowsReset();
    setCurrent(m_rows.empty() ? -1 : 0);
}

// ---------------------------------------------------------------- row views

RowStatus RowView::status() const { return static_cast<const RecordSet::Row *>(m_row)->status; }

QVariant RowView::value(const QString &column) const
{
    const Field *f = m_set->findField(column);
    const auto *row = static_cast<const RecordSet::Row *>(m_row);
    if (!f)
        return {};
    const QVariantList &values = row->status == RowStatus::Deleted ? row->stored() : row->values;
    if (f->kind() == FieldKind::Lookup)
        return m_set->lookupValue(*f, values);
    return f->m_index >= 0 && f->m_index < values.size() ? values.at(f->m_index) : QVariant();
}

QVariant RowView::oldValue(const QString &column) const
{
    const Field *f = m_set->findField(column);
    const auto *row = static_cast<const RecordSet::Row *>(m_row);
    if (!f || f->m_index < 0 || row->status == RowStatus::Inserted)
        return {};
    const QVariantList &values = row->stored();
    return f->m_index < values.size() ? values.at(f->m_index) : QVariant();
}

bool RowView::isChanged(const QString &column) const { return value(column) != oldValue(column); }

} // namespace ds

namespace ds {

QVariant RecordSet::value(const QString &column) const
{
    const Field *f = findField(column);
    if (!f)
        throw DatasetError(QStringLiteral("El campo '%1' no existe en %2").arg(column, m_name));
    return f->value();
}

} // namespace ds
