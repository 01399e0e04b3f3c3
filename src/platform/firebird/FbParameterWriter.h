#pragma once

#include "FbSqlda.h"

#include <QByteArray>
#include <QVariantList>

#include <vector>

namespace fb::detail {

// Binds QVariant values to a statement's input parameters, converting each
// one to the parameter's declared type (text to numbers and dates, numbers to
// text, NUMERIC rounded on decimal digits). Keeps the bytes it binds alive
// until the next bind.
class ParameterWriter
{
public:
    // Takes note of the declared types; every bind rewrites the XSQLVARs
    // (a text travels as SQL_TEXT of its own length), so they are kept apart.
    void describe(const Sqlda &parameters);
    // Throws fb::Error (Spanish text) when a value does not fit its parameter.
    void bind(Sqlda &parameters, const QVariantList &values,
              isc_db_handle *database, isc_tr_handle *transaction);

private:
    struct Declared
    {
        short type; // without the nullable bit
        short length;
        short scale;
        short subType;
    };
    struct Slot
    {
        short null = 0;
        alignas(8) char fixed[8] = {};
        QByteArray bytes; // text and blob contents
    };

    void bindValue(XSQLVAR &var, int index, const QVariant &value,
                   isc_db_handle *database, isc_tr_handle *transaction);
    void setNull(XSQLVAR &var, int index);
    void setText(XSQLVAR &var, int index, const QVariant &value);
    void setExact(XSQLVAR &var, int index, const QVariant &value);
    void setBlob(XSQLVAR &var, int index, const QVariant &value,
                 isc_db_handle *database, isc_tr_handle *transaction);
    template<typename T>
    void setFixed(XSQLVAR &var, int index, short type, const T &value);

    std::vector<Declared> m_declared;
    std::vector<Slot> m_slots;
};

} // namespace fb::detail
