#include "FbStatement.h"

#include "FbConnection.h"
#include "FbParameterWriter.h"
#include "FbSqlda.h"
#include "FbStatus.h"
#include "FbTransaction.h"
#include "FbValueReader.h"
#include "Win1252.h"

namespace fb {

using detail::throwStatus;

namespace {

// Reads one number out of a statement information buffer.
long infoNumber(const char *item)
{
    const short length = static_cast<short>(isc_vax_integer(item + 1, 2));
    return isc_vax_integer(item + 3, length);
}

} // namespace

struct Statement::Impl
{
    explicit Impl(Transaction &transaction)
        : transaction(transaction)
        , reader(database(), transactionHandle())
    {
    }

    ~Impl()
    {
        // Errors are of no use here: when the connection is already closed
        // the engine has freed the statement itself.
        ISC_STATUS_ARRAY status;
        if (handle)
            isc_dsql_free_statement(status, &handle, DSQL_drop);
    }

    isc_db_handle *database() { return static_cast<isc_db_handle *>(transaction.connection().handle()); }
    isc_tr_handle *transactionHandle() { return static_cast<isc_tr_handle *>(transaction.handle()); }

    void prepare(const QString &sql);
    void describe();
    int statementType();
    long long changedRows();
    void closeCursor();
    void readRow(QVariantList &row);

    Transaction &transaction;
    isc_stmt_handle handle = 0;
    int type = 0;
    detail::Sqlda output;
    detail::Sqlda input;
    std::vector<ColumnInfo> columns;
    std::vector<ColumnInfo> parameters;
    detail::ParameterWriter writer;
    detail::ValueReader reader;
    bool cursorOpen = false;
    // EXECUTE PROCEDURE and INSERT ... RETURNING hand back their one row at
    // execute time; fetch returns it once.
    bool rowPending = false;
    long long rowsAffected = 0;
};

void Statement::Impl::prepare(const QString &sql)
{
    ISC_STATUS_ARRAY status;
    if (isc_dsql_allocate_statement(status, database(), &handle))
        throwStatus(status);
    // Length 0: the text is NUL-terminated, so statements longer than the
    // 64 KB a length can say are accepted too.
    const QByteArray text = toWin1252(sql);
    const auto dialect = static_cast<unsigned short>(transaction.connection().settings().dialect);
    if (isc_dsql_prepare(status, transactionHandle(), &handle, 0, text.constData(), dialect, output.get()))
        throwStatus(status);
    describe();
    type = statementType();
}

void Statement::Impl::describe()
{
    ISC_STATUS_ARRAY status;
    if (output.makeRoom() && isc_dsql_describe(status, &handle, SQLDA_VERSION1, output.get()))
        throwStatus(status);
    if (isc_dsql_describe_bind(status, &handle, SQLDA_VERSION1, input.get()))
        throwStatus(status);
    if (input.makeRoom() && isc_dsql_describe_bind(status, &handle, SQLDA_VERSION1, input.get()))
        throwStatus(status);
    output.allocateBuffers();
    columns = output.describe();
    parameters = input.describe();
    writer.describe(input);
}

int Statement::Impl::statementType()
{
    const char items[] = {isc_info_sql_stmt_type};
    char buffer[16];
    ISC_STATUS_ARRAY status;
    if (isc_dsql_sql_info(status, &handle, sizeof items, items, sizeof buffer, buffer))
        throwStatus(status);
    return buffer[0] == isc_info_sql_stmt_type ? int(infoNumber(buffer)) : 0;
}

long long Statement::Impl::changedRows()
{
    const char items[] = {isc_info_sql_records};
    char buffer[64];
    ISC_STATUS_ARRAY status;
    if (isc_dsql_sql_info(status, &handle, sizeof items, items, sizeof buffer, buffer))
        throwStatus(status);
    if (buffer[0] != isc_info_sql_records)
        return 0;
    // isc_info_sql_records holds one count per kind of change.
    long long changed = 0;
    const char *end = buffer + sizeof buffer;
    for (const char *item = buffer + 3; item < end && *item != isc_info_end;) {
        const short length = static_cast<short>(isc_vax_integer(item + 1, 2));
        if (*item == isc_info_req_insert_count || *item == isc_info_req_update_count
            || *item == isc_info_req_delete_count)
            changed += infoNumber(item);
        item += 3 + length;
    }
    return changed;
}

void Statement::Impl::closeCursor()
{
    if (!cursorOpen)
        return;
    cursorOpen = false;
    // Ending its transaction has already closed the cursor; the engine's
    // complaint about that is of no interest.
    ISC_STATUS_ARRAY status;
    isc_dsql_free_statement(status, &handle, DSQL_close);
}

void Statement::Impl::readRow(QVariantList &row)
{
    const int count = output.count();
    // A row the caller kept (shared with a copy) gets a new list of its own,
    // rather than a copy of the old values that would be overwritten at once.
    if (row.size() == count && row.isDetached()) {
        QVariant *values = row.data();
        for (int i = 0; i < count; ++i)
            values[i] = reader.read(output.at(i));
        return;
    }
    QVariantList fresh;
    fresh.reserve(count);
    for (int i = 0; i < count; ++i)
        fresh.emplace_back(reader.read(output.at(i)));
    row = std::move(fresh);
}

Statement::Statement(Transaction &transaction, const QString &sql)
    : d(std::make_unique<Impl>(transaction))
{
    d->prepare(sql);
}

Statement::~Statement() = default;

const std::vector<ColumnInfo> &Statement::columns() const
{
    return d->columns;
}

const std::vector<ColumnInfo> &Statement::parameters() const
{
    return d->parameters;
}

bool Statement::isSelect() const
{
    return d->type == isc_info_sql_stmt_select || d->type == isc_info_sql_stmt_select_for_upd;
}

void Statement::execute(const QVariantList &params)
{
    d->closeCursor();
    d->rowPending = false;
    d->rowsAffected = 0;
    d->writer.bind(d->input, params, d->database(), d->transactionHandle());

    ISC_STATUS_ARRAY status;
    XSQLDA *in = d->input.count() ? d->input.get() : nullptr;
    if (isSelect()) {
        if (isc_dsql_execute(status, d->transactionHandle(), &d->handle, SQLDA_VERSION1, in))
            throwStatus(status);
        d->cursorOpen = true;
        return;
    }
    XSQLDA *out = d->output.count() ? d->output.get() : nullptr;
    if (isc_dsql_execute2(status, d->transactionHandle(), &d->handle, SQLDA_VERSION1, in, out))
        throwStatus(status);
    d->rowPending = out != nullptr;
    d->rowsAffected = d->changedRows();
}

bool Statement::fetch(QVariantList &row)
{
    if (d->rowPending) {
        d->rowPending = false;
        d->readRow(row);
        return true;
    }
    if (!d->cursorOpen)
        return false;
    ISC_STATUS_ARRAY status;
    const ISC_STATUS result = isc_dsql_fetch(status, &d->handle, SQLDA_VERSION1, d->output.get());
    if (result == 100) { // end of the rows
        d->closeCursor();
        return false;
    }
    if (result)
        throwStatus(status);
    d->readRow(row);
    return true;
}

long long Statement::rowsAffected() const
{
    return d->rowsAffected;
}

} // namespace fb
