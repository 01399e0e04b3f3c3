#pragma once

#include "FbTypes.h"

#include <ibase.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace fb::detail {

// Owns one XSQLDA (the description of a statement's output columns or input
// parameters) and, for output, the single buffer every fetched row is read
// into: laid out once when the statement is prepared, reused for every row.
class Sqlda
{
public:
    Sqlda();

    XSQLDA *get() { return m_da.get(); }
    int count() const { return m_da->sqld; }
    XSQLVAR &at(int i) { return m_da->sqlvar[i]; }
    const XSQLVAR &at(int i) const { return m_da->sqlvar[i]; }

    // After a prepare or describe: when the statement has more variables
    // than there was room for, makes room for all of them (describe again).
    bool makeRoom();
    // Points every variable at its own slot of one shared buffer.
    void allocateBuffers();

    std::vector<ColumnInfo> describe() const;

private:
    struct Free { void operator()(XSQLDA *da) const { std::free(da); } };
    void allocate(int variables);

    std::unique_ptr<XSQLDA, Free> m_da;
    std::vector<ISC_INT64> m_buffer; // 8-byte units keep every slot aligned
};

// SQL type of a described column or parameter.
SqlType sqlTypeOf(const XSQLVAR &var);

} // namespace fb::detail
