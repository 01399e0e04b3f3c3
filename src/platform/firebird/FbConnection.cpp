#include "FbConnection.h"

#include "FbDatabaseName.h"
#include "FbParameterBuffer.h"
#include "FbStatement.h"
#include "FbStatus.h"
#include "FbTransaction.h"

#include <QFile>

namespace fb {

using detail::throwStatus;

namespace {

constexpr int PageSize = 8192;

// A value written between single quotes in a statement text.
QByteArray quoted(const QByteArray &value)
{
    QByteArray text = value;
    return '\'' + text.replace('\'', "''") + '\'';
}

} // namespace

QVariant QueryResult::scalar() const
{
    if (rows.empty() || rows.front().isEmpty())
        return QVariant();
    return rows.front().front();
}

Connection::Connection(ConnectionSettings settings)
    : m_settings(std::move(settings))
{
}

Connection::~Connection()
{
    close();
}

void Connection::open(const QString &database)
{
    close();
    detail::ParameterBuffer dpb(isc_dpb_version1);
    dpb.addString(isc_dpb_user_name, m_settings.user.toUtf8())
        .addString(isc_dpb_password, m_settings.password.toUtf8())
        .addString(isc_dpb_lc_ctype, m_settings.charset.toLatin1())
        .addNumber(isc_dpb_sql_dialect, static_cast<unsigned int>(m_settings.dialect))
        .addString(isc_dpb_utf8_filename, QByteArray());

    ISC_STATUS_ARRAY status;
    isc_db_handle handle = 0;
    const QByteArray name = detail::clientFileName(database);
    if (isc_attach_database(status, 0, name.constData(), &handle, dpb.size(), dpb.data()))
        throwStatus(status);
    m_handle = handle;
    m_database = database;
}

void Connection::close()
{
    if (!m_handle)
        return;
    rollBackTransactions();
    // The handle is given up even if detaching fails (a broken server
    // connection): it can never be used again anyway.
    ISC_STATUS_ARRAY status;
    isc_detach_database(status, &m_handle);
    m_handle = 0;
}

bool Connection::isOpen() const
{
    return m_handle != 0;
}

void Connection::create(const QString &database)
{
    close();
    const QByteArray sql = "CREATE DATABASE " + quoted(detail::clientFileName(database))
        + " USER " + quoted(m_settings.user.toUtf8()) + " PASSWORD " + quoted(m_settings.password.toUtf8())
        + " PAGE_SIZE " + QByteArray::number(PageSize)
        + " DEFAULT CHARACTER SET " + m_settings.charset.toLatin1();

    ISC_STATUS_ARRAY status;
    isc_db_handle handle = 0;
    isc_tr_handle transaction = 0;
    const auto dialect = static_cast<unsigned short>(m_settings.dialect);
    if (isc_dsql_execute_immediate(status, &handle, &transaction, 0, sql.constData(), dialect, nullptr))
        throwStatus(status);
    // The attachment CREATE DATABASE leaves behind has no character set of
    // its own; the connection is opened again with the usual settings.
    isc_detach_database(status, &handle);

    if (!detail::DatabaseName::parse(database).isRemote()) {
        // Embedded there is no password check: file permissions are the
        // only protection, so the file is for its owner and group only.
        QFile::setPermissions(database, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
    }
    open(database);
}

void Connection::drop()
{
    if (!m_handle)
        throw Error(QStringLiteral("No hay ninguna base de datos abierta que eliminar."));
    rollBackTransactions();
    ISC_STATUS_ARRAY status;
    isc_db_handle handle = m_handle;
    if (isc_drop_database(status, &handle))
        throwStatus(status);
    m_handle = 0;
}

QueryResult Connection::query(const QString &sql, const QVariantList &params)
{
    Transaction transaction(*this);
    QueryResult result;
    {
        Statement statement(transaction, sql);
        statement.execute(params);
        result.columns = statement.columns();
        QVariantList row;
        while (statement.fetch(row))
            result.rows.push_back(row);
    }
    transaction.commit();
    return result;
}

long long Connection::execute(const QString &sql, const QVariantList &params)
{
    Transaction transaction(*this);
    long long changed = 0;
    {
        Statement statement(transaction, sql);
        statement.execute(params);
        changed = statement.rowsAffected();
    }
    transaction.commit();
    return changed;
}

void Connection::rollBackTransactions()
{
    for (Transaction *transaction : m_transactions)
        transaction->abandon();
    m_transactions.clear();
}

void *Connection::handle()
{
    return &m_handle;
}

} // namespace fb
