#pragma once

#include "FbTypes.h"

#include <QString>
#include <QVariantList>
#include <memory>
#include <vector>

namespace fb {

class Transaction;

// A prepared DSQL statement inside a transaction. Prepare once, execute many
// times with different parameters ('?' markers bound in order).
//
//   fb::Transaction tr(conn);
//   fb::Statement st(tr, "SELECT CODIGO, NOMBRE FROM CLIENTE WHERE PROVINCIA = ?");
//   st.execute({QStringLiteral("MADRID")});
//   QVariantList row;
//   while (st.fetch(row)) { ... }
//   tr.commit();
class Statement
{
public:
    Statement(Transaction &transaction, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    const std::vector<ColumnInfo> &columns() const;    // output columns (empty for non-selects)
    const std::vector<ColumnInfo> &parameters() const; // input parameters
    bool isSelect() const;

    // Binds the values and executes. For a select, opens the cursor (closing
    // a previous one); fetch then reads its rows.
    void execute(const QVariantList &params = {});
    // Reads the next row into `row` (resized to the column count). False at end.
    bool fetch(QVariantList &row);
    // Rows inserted, updated or deleted by the last execute.
    long long rowsAffected() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace fb
