#pragma once

#include <QString>
#include <QVariant>

namespace fb {

// SQL type of a column or parameter, as the record set needs it.
enum class SqlType {
    Char,      // CHAR(n): QString of exactly n characters (trailing blanks kept)
    Varchar,   // VARCHAR(n): QString
    SmallInt,  // QVariant int
    Integer,   // QVariant int
    BigInt,    // QVariant qlonglong (scale 0)
    Numeric,   // NUMERIC/DECIMAL with scale < 0: QVariant double
    Double,    // DOUBLE PRECISION / FLOAT: QVariant double
    Date,      // QDate
    Time,      // QTime
    Timestamp, // QDateTime
    TextBlob,  // BLOB SUB_TYPE TEXT: QString, read whole
    Blob,      // any other BLOB (pictures): QByteArray, read whole
    Boolean,   // QVariant bool
    Unknown
};

struct ColumnInfo
{
    QString name;      // alias (column name as the select returns it), upper case
    QString relation;  // table the column comes from, empty for expressions
    QString column;    // column name in that table
    SqlType type = SqlType::Unknown;
    int length = 0;    // characters for Char/Varchar, 0 otherwise
    int scale = 0;     // decimals for Numeric (positive: NUMERIC(15,2) -> 2)
    bool nullable = true; // false for NOT NULL columns
};

// NULL travels as an invalid QVariant (QVariant()); every other value as the
// Qt type listed beside SqlType. When a parameter is bound, the value is
// converted to the parameter's type: text to numbers and dates, numbers to
// text. A double bound to a NUMERIC(p,s) parameter is rounded half away from
// zero at s decimals on its shortest decimal representation, so 2.675 is
// stored as 2.68 and -2.675 as -2.68 (not on the binary approximation).

} // namespace fb
