#pragma once

#include "FbTypes.h"

#include <QString>
#include <QVariantList>
#include <memory>
#include <vector>

namespace fb {

// Fixed settings of every connection of the program.
struct ConnectionSettings
{
    QString user = QStringLiteral("SYSDBA");
    QString password = QStringLiteral("plovertan");
    QString charset = QStringLiteral("WIN1252");
    int dialect = 3;
};

// Rows of a query read whole, for the small ad-hoc queries of the rules.
struct QueryResult
{
    std::vector<ColumnInfo> columns;
    std::vector<QVariantList> rows;

    bool isEmpty() const { return rows.empty(); }
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar() const;
};

class Transaction;

// One attachment to one database file. The database name is a local path
// (opened by the embedded engine) or "host:/path" (a Firebird server).
// Not copyable; closing is done by the destructor as well.
class Connection
{
public:
    explicit Connection(ConnectionSettings settings = {});
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Throws fb::Error; on failure the connection stays closed.
    void open(const QString &database);
    void close();
    bool isOpen() const;
    const QString &database() const { return m_database; }
    const ConnectionSettings &settings() const { return m_settings; }

    // Creates a new database file (dialect 3, default character set WIN1252,
    // page size 8192) and leaves this connection open on it. New local files
    // are made readable and writable by owner and group only (0660).
    void create(const QString &database);

    // Deletes the database this connection is open on, through the engine
    // (the server's for "host:/path"). The engine refuses while any other
    // connection, of this process or another, uses the database: fb::Error,
    // and this connection stays open. Transactions still running on it are
    // rolled back first. On success the connection is closed.
    void drop();

    // Ad-hoc query in a read-committed transaction of its own, committed at once.
    // Parameters are '?' markers bound in order.
    QueryResult query(const QString &sql, const QVariantList &params = {});
    // Ad-hoc statement in a transaction of its own, committed when it ends.
    // Returns the number of rows it changed.
    long long execute(const QString &sql, const QVariantList &params = {});

    // Native handle (isc_db_handle*) for the transaction and statement classes.
    void *handle();

private:
    friend class Transaction;
    void rollBackTransactions();

    ConnectionSettings m_settings;
    QString m_database;
    unsigned int m_handle = 0; // isc_db_handle
    // Transactions still alive on this connection: the engine refuses to
    // detach while one is active, so close() rolls them back first.
    std::vector<Transaction *> m_transactions;
};

} // namespace fb
