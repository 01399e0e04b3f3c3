#pragma once

namespace fb {

class Connection;

// A read-committed, record_version, wait transaction (the settings every
// connection uses). RAII: rolled back by the destructor unless committed.
class Transaction
{
public:
    explicit Transaction(Connection &connection);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();   // ends the transaction (no retaining)
    void rollback();
    bool isActive() const;

    Connection &connection() { return m_connection; }
    void *handle(); // isc_tr_handle*

private:
    friend class Connection;
    // Called when the connection closes under this transaction: rolls it
    // back and stops referring to the connection, which may be destroyed.
    void abandon();

    Connection &m_connection;
    unsigned int m_handle = 0; // isc_tr_handle
    bool m_abandoned = false;
};

} // namespace fb
