#include "FbSqlda.h"

#include "Win1252.h"

#include <new>

namespace fb::detail {

namespace {

// Most statements fit; the rest describe again with the exact count.
constexpr int InitialVariables = 32;

qsizetype dataSize(const XSQLVAR &var)
{
    switch (var.sqltype & ~1) {
    case SQL_VARYING:
        return var.sqllen + qsizetype(sizeof(short));
    case SQL_NULL:
        return 0;
    default:
        return var.sqllen;
    }
}

// Bytes of a slot rounded up to whole 8-byte units, so every value and its
// null indicator lands on an aligned address.
qsizetype units(qsizetype bytes)
{
    return (bytes + qsizetype(sizeof(ISC_INT64)) - 1) / qsizetype(sizeof(ISC_INT64));
}

} // namespace

Sqlda::Sqlda()
{
    allocate(InitialVariables);
}

void Sqlda::allocate(int variables)
{
    auto *da = static_cast<XSQLDA *>(std::calloc(1, XSQLDA_LENGTH(variables)));
    if (!da)
        throw std::bad_alloc();
    da->version = SQLDA_VERSION1;
    da->sqln = static_cast<ISC_SHORT>(variables);
    m_da.reset(da);
}

bool Sqlda::makeRoom()
{
    if (m_da->sqld <= m_da->sqln)
        return false;
    allocate(m_da->sqld);
    return true;
}

void Sqlda::allocateBuffers()
{
    qsizetype total = 0;
    for (int i = 0; i < count(); ++i)
        total += units(dataSize(at(i))) + 1; // + the null indicator's unit
    m_buffer.assign(total, 0);

    ISC_INT64 *slot = m_buffer.data();
    for (int i = 0; i < count(); ++i) {
        XSQLVAR &var = at(i);
        var.sqlind = reinterpret_cast<short *>(slot++);
        var.sqldata = reinterpret_cast<char *>(slot);
        slot += units(dataSize(var));
    }
}

std::vector<ColumnInfo> Sqlda::describe() const
{
    std::vector<ColumnInfo> columns;
    columns.reserve(count());
    for (int i = 0; i < count(); ++i) {
        const XSQLVAR &var = at(i);
        ColumnInfo column;
        column.name = fromWin1252(var.aliasname, var.aliasname_length);
        column.relation = fromWin1252(var.relname, var.relname_length);
        column.column = fromWin1252(var.sqlname, var.sqlname_length);
        column.type = sqlTypeOf(var);
        // One byte is one character in WIN1252, the connection's character set.
        if (column.type == SqlType::Char || column.type == SqlType::Varchar)
            column.length = var.sqllen;
        if (column.type == SqlType::Numeric)
            column.scale = -var.sqlscale;
        column.nullable = (var.sqltype & 1) != 0;
        columns.push_back(std::move(column));
    }
    return columns;
}

SqlType sqlTypeOf(const XSQLVAR &var)
{
    const bool scaled = var.sqlscale < 0;
    switch (var.sqltype & ~1) {
    case SQL_TEXT: return SqlType::Char;
    case SQL_VARYING: return SqlType::Varchar;
    case SQL_SHORT: return scaled ? SqlType::Numeric : SqlType::SmallInt;
    case SQL_LONG: return scaled ? SqlType::Numeric : SqlType::Integer;
    case SQL_INT64: return scaled ? SqlType::Numeric : SqlType::BigInt;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT: return SqlType::Double;
    case SQL_TYPE_DATE: return SqlType::Date;
    case SQL_TYPE_TIME: return SqlType::Time;
    case SQL_TIMESTAMP: return SqlType::Timestamp;
    case SQL_BLOB: return var.sqlsubtype == isc_blob_text ? SqlType::TextBlob : SqlType::Blob;
    case SQL_BOOLEAN: return SqlType::Boolean;
    default: return SqlType::Unknown;
    }
}

} // namespace fb::detail
