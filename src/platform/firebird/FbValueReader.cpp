#include "FbValueReader.h"

#include "FbBlob.h"
#include "FbDateTime.h"
#include "Win1252.h"

#include <QDateTime>

#include <charconv>
#include <cstring>

namespace fb::detail {

namespace {

template<typename T>
T raw(const XSQLVAR &var)
{
    T value;
    std::memcpy(&value, var.sqldata, sizeof value);
    return value;
}

// NUMERIC/DECIMAL: an integer with a negative decimal scale. Dividing by an
// exact power of ten gives the double nearest to the decimal value.
template<typename T>
QVariant exact(const XSQLVAR &var)
{
    const T value = raw<T>(var);
    if (var.sqlscale == 0) {
        if constexpr (sizeof(T) == sizeof(ISC_INT64))
            return QVariant(qlonglong(value));
        else
            return QVariant(int(value));
    }
    double divisor = 1;
    for (int i = var.sqlscale; i < 0; ++i)
        divisor *= 10;
    return QVariant(double(value) / divisor);
}

// FLOAT through its shortest decimal text, so 1.1 reads 1.1 and not 1.10000002384.
QVariant fromFloat(float value)
{
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    double wide = value;
    std::from_chars(buffer, written.ptr, wide);
    return QVariant(wide);
}

QVariant varying(const XSQLVAR &var)
{
    const auto length = raw<short>(var);
    return QVariant(fromWin1252(var.sqldata + sizeof(short), length));
}

QVariant timestamp(const XSQLVAR &var)
{
    const auto value = raw<ISC_TIMESTAMP>(var);
    return QVariant(QDateTime(dateFromEngine(value.timestamp_date), timeFromEngine(value.timestamp_time)));
}

} // namespace

QVariant ValueReader::read(const XSQLVAR &var) const
{
    if ((var.sqltype & 1) && *var.sqlind < 0)
        return QVariant();
    switch (var.sqltype & ~1) {
    case SQL_TEXT: return QVariant(fromWin1252(var.sqldata, var.sqllen));
    case SQL_VARYING: return varying(var);
    case SQL_SHORT: return exact<ISC_SHORT>(var);
    case SQL_LONG: return exact<ISC_LONG>(var);
    case SQL_INT64: return exact<ISC_INT64>(var);
    case SQL_FLOAT: return fromFloat(raw<float>(var));
    case SQL_DOUBLE:
    case SQL_D_FLOAT: return QVariant(raw<double>(var));
    case SQL_TYPE_DATE: return QVariant(dateFromEngine(raw<ISC_DATE>(var)));
    case SQL_TYPE_TIME: return QVariant(timeFromEngine(raw<ISC_TIME>(var)));
    case SQL_TIMESTAMP: return timestamp(var);
    case SQL_BLOB: return readBlob(var);
    case SQL_BOOLEAN: return QVariant(raw<FB_BOOLEAN>(var) != FB_FALSE);
    default: return QVariant();
    }
}

QVariant ValueReader::readBlob(const XSQLVAR &var) const
{
    const QByteArray bytes = detail::readBlob(m_database, m_transaction, raw<ISC_QUAD>(var));
    if (var.sqlsubtype == isc_blob_text)
        return QVariant(fromWin1252(bytes));
    return QVariant(bytes);
}

} // namespace fb::detail
