#include "FbTransaction.h"

#include "FbConnection.h"
#include "FbStatus.h"

namespace fb {

namespace {

// How long a statement waits for a row that another transaction holds
// before it gives up with a lock time-out: long enough for any normal
// save of another user to end, short enough not to hang the program forever
// behind a transaction that was left open.
constexpr unsigned char LockTimeoutSeconds = 60;

// Read committed with record versions: a reader sees the last committed
// version of a row and never waits; a writer that meets a row changed by a
// transaction still running waits for it to end.
const char TransactionOptions[] = {
    isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed, isc_tpb_rec_version,
    isc_tpb_wait, isc_tpb_lock_timeout, 1, static_cast<char>(LockTimeoutSeconds),
};

// Nothing to report when the rollback is not asked for: a failed rollback
// (the connection is gone) leaves nothing that the engine does not undo.
void rollBackQuietly(unsigned int &handle)
{
    ISC_STATUS_ARRAY status;
    if (handle)
        isc_rollback_transaction(status, &handle);
}

} // namespace

Transaction::Transaction(Connection &connection)
    : m_connection(connection)
{
    if (!connection.isOpen())
        throw Error(QStringLiteral("No hay ninguna conexión abierta con la base de datos."));
    ISC_STATUS_ARRAY status;
    auto *database = static_cast<isc_db_handle *>(connection.handle());
    if (isc_start_transaction(status, &m_handle, 1, database, short(sizeof TransactionOptions), TransactionOptions))
        detail::throwStatus(status);
    connection.m_transactions.push_back(this);
}

Transaction::~Transaction()
{
    if (!m_abandoned)
        std::erase(m_connection.m_transactions, this);
    rollBackQuietly(m_handle);
}

void Transaction::abandon()
{
    rollBackQuietly(m_handle);
    m_abandoned = true;
}

void Transaction::commit()
{
    ISC_STATUS_ARRAY status;
    if (isc_commit_transaction(status, &m_handle))
        detail::throwStatus(status);
}

void Transaction::rollback()
{
    ISC_STATUS_ARRAY status;
    if (isc_rollback_transaction(status, &m_handle))
        detail::throwStatus(status);
}

bool Transaction::isActive() const
{
    return m_handle != 0;
}

void *Transaction::handle()
{
    return &m_handle;
}

} // namespace fb
