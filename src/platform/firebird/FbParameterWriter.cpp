#include "FbParameterWriter.h"

#include "FbBlob.h"
#include "FbDateTime.h"
#include "FbDecimal.h"
#include "FbError.h"
#include "Win1252.h"

#include <QDateTime>
#include <QLocale>

#include <cmath>
#include <cstring>
#include <limits>

namespace fb::detail {

namespace {

bool isText(short type)
{
    return type == SQL_TEXT || type == SQL_VARYING;
}

bool isString(const QVariant &value)
{
    return value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray;
}

bool isFloating(const QVariant &value)
{
    return value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float;
}

// NULL: an invalid or null QVariant, or empty text bound to anything but text.
bool isNullFor(const QVariant &value, short type)
{
    if (!value.isValid() || value.isNull())
        return true;
    return !isText(type) && type != SQL_BLOB && isString(value) && value.toString().trimmed().isEmpty();
}

[[noreturn]] void refuse(int index, const QString &what)
{
    throw Error(QStringLiteral("Parámetro %1: %2").arg(index + 1).arg(what));
}

QString textOf(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate);
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    default:
        return value.toString();
    }
}

std::optional<Decimal> decimalOf(const QVariant &value)
{
    if (isFloating(value)) {
        const double number = value.toDouble();
        return std::isfinite(number) ? std::optional(Decimal::fromDouble(number)) : std::nullopt;
    }
    if (value.typeId() == QMetaType::Bool)
        return Decimal::parse(value.toBool() ? "1" : "0");
    return Decimal::parse(value.toString().toStdString());
}

std::optional<double> doubleOf(const QVariant &value)
{
    bool ok = false;
    double number = 0;
    if (isString(value)) {
        QString text = value.toString().trimmed();
        if (!text.contains(u'.'))
            text.replace(u',', u'.');
        number = QLocale::c().toDouble(text, &ok);
    } else {
        number = value.toDouble(&ok);
    }
    return ok ? std::optional(number) : std::nullopt;
}

// Typed dates: ISO (2026-12-11) and the Spanish day/month/year (11/12/2026).
QDate dateFromText(const QString &text)
{
    for (const QString &format : {QStringLiteral("yyyy-MM-dd"), QStringLiteral("d/M/yyyy"),
                                  QStringLiteral("d-M-yyyy"), QStringLiteral("d.M.yyyy")}) {
        const QDate date = QDate::fromString(text, format);
        if (date.isValid())
            return date;
    }
    return QDate();
}

QTime timeFromText(const QString &text)
{
    for (const QString &format : {QStringLiteral("H:mm:ss.zzz"), QStringLiteral("H:mm:ss"),
                                  QStringLiteral("H:mm")}) {
        const QTime time = QTime::fromString(text, format);
        if (time.isValid())
            return time;
    }
    return QTime();
}

QDateTime dateTimeOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime();
    if (value.typeId() == QMetaType::QDate)
        return QDateTime(value.toDate(), QTime(0, 0));
    const QString text = value.toString().trimmed();
    qsizetype split = text.indexOf(u' ');
    if (split < 0)
        split = text.indexOf(u'T');
    if (split < 0)
        return QDateTime(dateFromText(text), QTime(0, 0));
    const QDate date = dateFromText(text.left(split));
    const QTime time = timeFromText(text.mid(split + 1).trimmed());
    return date.isValid() && time.isValid() ? QDateTime(date, time) : QDateTime();
}

QDate dateOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    return dateTimeOf(value).date();
}

QTime timeOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::QTime)
        return value.toTime();
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().time();
    return timeFromText(value.toString().trimmed());
}

bool fits(long long value, short type)
{
    switch (type) {
    case SQL_SHORT:
        return value >= std::numeric_limits<ISC_SHORT>::min() && value <= std::numeric_limits<ISC_SHORT>::max();
    case SQL_LONG:
        return value >= std::numeric_limits<ISC_LONG>::min() && value <= std::numeric_limits<ISC_LONG>::max();
    default:
        return true;
    }
}

QByteArray bytesOf(const QVariant &value)
{
    return value.typeId() == QMetaType::QByteArray ? value.toByteArray() : toWin1252(textOf(value));
}

} // namespace

void ParameterWriter::describe(const Sqlda &parameters)
{
    m_declared.clear();
    for (int i = 0; i < parameters.count(); ++i) {
        const XSQLVAR &var = parameters.at(i);
        m_declared.push_back({static_cast<short>(var.sqltype & ~1), var.sqllen, var.sqlscale, var.sqlsubtype});
    }
    m_slots.assign(m_declared.size(), Slot());
}

void ParameterWriter::bind(Sqlda &parameters, const QVariantList &values,
                           isc_db_handle *database, isc_tr_handle *transaction)
{
    if (values.size() != qsizetype(m_declared.size())) {
        throw Error(QStringLiteral("La sentencia espera %1 parámetros y se han dado %2.")
                        .arg(m_declared.size()).arg(values.size()));
    }
    for (int i = 0; i < parameters.count(); ++i)
        bindValue(parameters.at(i), i, values.at(i), database, transaction);
}

void ParameterWriter::bindValue(XSQLVAR &var, int index, const QVariant &value,
                                isc_db_handle *database, isc_tr_handle *transaction)
{
    const Declared &declared = m_declared[index];
    var.sqlind = &m_slots[index].null;
    var.sqlscale = 0;
    var.sqlsubtype = declared.subType;
    if (isNullFor(value, declared.type)) {
        setNull(var, index);
        return;
    }
    m_slots[index].null = 0;

    switch (declared.type) {
    case SQL_TEXT:
    case SQL_VARYING:
        return setText(var, index, value);
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        return setExact(var, index, value);
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT: {
        const std::optional<double> number = doubleOf(value);
        if (!number)
            refuse(index, QStringLiteral("el valor \"%1\" no es un número válido.").arg(textOf(value)));
        return setFixed(var, index, SQL_DOUBLE, *number);
    }
    case SQL_TYPE_DATE: {
        const QDate date = dateOf(value);
        if (!date.isValid())
            refuse(index, QStringLiteral("el valor \"%1\" no es una fecha válida.").arg(textOf(value)));
        return setFixed(var, index, SQL_TYPE_DATE, dateToEngine(date));
    }
    case SQL_TYPE_TIME: {
        const QTime time = timeOf(value);
        if (!time.isValid())
            refuse(index, QStringLiteral("el valor \"%1\" no es una hora válida.").arg(textOf(value)));
        return setFixed(var, index, SQL_TYPE_TIME, timeToEngine(time));
    }
    case SQL_TIMESTAMP: {
        const QDateTime moment = dateTimeOf(value);
        if (!moment.isValid())
            refuse(index, QStringLiteral("el valor \"%1\" no es una fecha y hora válida.").arg(textOf(value)));
        return setFixed(var, index, SQL_TIMESTAMP,
                        ISC_TIMESTAMP{dateToEngine(moment.date()), timeToEngine(moment.time())});
    }
    case SQL_BLOB:
        return setBlob(var, index, value, database, transaction);
    case SQL_BOOLEAN:
        return setFixed(var, index, SQL_BOOLEAN, FB_BOOLEAN(value.toBool() ? FB_TRUE : FB_FALSE));
    case SQL_NULL:
        // "? IS NULL": only the null indicator counts.
        return setFixed(var, index, SQL_NULL, char(0));
    default:
        refuse(index, QStringLiteral("tipo de dato no admitido (%1).").arg(declared.type));
    }
}

void ParameterWriter::setNull(XSQLVAR &var, int index)
{
    const Declared &declared = m_declared[index];
    Slot &slot = m_slots[index];
    slot.null = -1;
    // The value is not read; an empty text stands for any text type.
    const bool text = isText(declared.type);
    var.sqltype = static_cast<short>((text ? SQL_TEXT : declared.type) | 1);
    var.sqllen = text ? 0 : declared.length;
    var.sqlscale = declared.scale;
    var.sqldata = slot.fixed;
}

void ParameterWriter::setText(XSQLVAR &var, int index, const QVariant &value)
{
    const Declared &declared = m_declared[index];
    QByteArray bytes = bytesOf(value);
    if (bytes.size() > declared.length) {
        // Trailing blanks beyond the length are dropped, as the engine does
        // when it compares or stores CHAR values; anything else is too long.
        for (qsizetype i = declared.length; i < bytes.size(); ++i) {
            if (bytes.at(i) != ' ')
                refuse(index, QStringLiteral("el texto \"%1\" es demasiado largo (admite %2 caracteres como máximo).")
                                  .arg(fromWin1252(bytes), QString::number(declared.length)));
        }
        bytes.truncate(declared.length);
    }
    Slot &slot = m_slots[index];
    slot.bytes = bytes;
    var.sqltype = SQL_TEXT | 1;
    var.sqllen = static_cast<short>(slot.bytes.size());
    var.sqldata = slot.bytes.data();
}

void ParameterWriter::setExact(XSQLVAR &var, int index, const QVariant &value)
{
    const Declared &declared = m_declared[index];
    const std::optional<Decimal> decimal = decimalOf(value);
    if (!decimal)
        refuse(index, QStringLiteral("el valor \"%1\" no es un número válido.").arg(textOf(value)));
    const std::optional<long long> scaled = decimal->scaled(-declared.scale);
    if (!scaled || !fits(*scaled, declared.type))
        refuse(index, QStringLiteral("el valor %1 está fuera del rango admitido.").arg(textOf(value)));
    setFixed(var, index, SQL_INT64, ISC_INT64(*scaled));
    // The engine reads the integer with the declared scale: 268 and -2 is 2.68.
    var.sqlscale = declared.scale;
}

void ParameterWriter::setBlob(XSQLVAR &var, int index, const QVariant &value,
                              isc_db_handle *database, isc_tr_handle *transaction)
{
    const ISC_QUAD id = writeBlob(database, transaction, bytesOf(value), m_declared[index].subType);
    setFixed(var, index, SQL_BLOB, id);
}

template<typename T>
void ParameterWriter::setFixed(XSQLVAR &var, int index, short type, const T &value)
{
    static_assert(sizeof(T) <= sizeof(Slot::fixed));
    Slot &slot = m_slots[index];
    std::memcpy(slot.fixed, &value, sizeof value);
    var.sqltype = static_cast<short>(type | 1);
    var.sqllen = sizeof value;
    var.sqldata = slot.fixed;
}

} // namespace fb::detail
