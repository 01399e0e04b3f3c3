#include "Field.h"

#include "DatasetErrors.h"
#include "RecordSet.h"

#include <QDateTime>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace ds {

Field::Field(RecordSet &owner, QString name, FieldKind kind)
    : m_owner(owner), m_name(std::move(name)), m_kind(kind)
{
}

QString Field::fieldName() const { return m_owner.name() + m_name; }

QVariant Field::value() const
{
    const QVariantList *values = m_owner.activeValues();
    if (!values)
        return {};
    if (m_kind == FieldKind::Lookup)
        return m_owner.lookupValue(*this, *values);
    if (m_index < 0 || m_index >= values->size())
        return {};
    return values->at(m_index);
}

bool Field::isNull() const
{
    const QVariant v = value();
    return !v.isValid() || v.isNull();
}

QString Field::asString() const
{
    const QVariant v = value();
    if (!v.isValid())
        return {};
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    return v.toString();
}

int Field::asInteger() const { return value().toInt(); }

double Field::asFloat() const { return value().toDouble(); }

QDate Field::asDate() const
{
    const QVariant v = value();
    if (v.typeId() == QMetaType::QString)
        return format::parseDate(v.toString());
    return v.toDate();
}

QString Field::displayText() const { return displayText(value()); }

QString Field::displayText(const QVariant &v) const
{
    if (!v.isValid() || v.isNull())
        return {};
    switch (type) {
    case fb::SqlType::Numeric:
    case fb::SqlType::Double:
        return format::number(v.toDouble(), displayFormat);
    case fb::SqlType::SmallInt:
    case fb::SqlType::Integer:
    case fb::SqlType::BigInt:
        return displayFormat.isEmpty() ? v.toString() : format::number(v.toDouble(), displayFormat);
    case fb::SqlType::Date:
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case fb::SqlType::Timestamp:
        return v.toDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    case fb::SqlType::Blob:
        return QStringLiteral("(BLOB)");
    default:
        return v.toString();
    }
}

QVariant Field::oldValue() const
{
    const int row = m_owner.currentRow();
    if (row < 0 || m_index < 0)
        return {};
    return RowView(&m_owner, m_owner.m_rows[size_t(row)].get()).oldValue(m_name);
}

namespace {

bool isNullValue(const QVariant &v) { return !v.isValid() || v.isNull(); }

qint64 integerLimit(fb::SqlType type)
{
    switch (type) {
    case fb::SqlType::SmallInt: return std::numeric_limits<qint16>::max();
    case fb::SqlType::Integer: return std::numeric_limits<qint32>::max();
    default: return std::numeric_limits<qint64>::max();
    }
}

} // namespace

QVariant Field::convert(const QVariant &v) const
{
    if (isNullValue(v))
        return {};
    const bool isText = v.typeId() == QMetaType::QString;
    const QString text = isText ? v.toString() : QString();
    switch (type) {
    case fb::SqlType::Char:
    case fb::SqlType::Varchar:
    case fb::SqlType::TextBlob: {
        QString s = v.typeId() == QMetaType::QDate ? v.toDate().toString(QStringLiteral("dd/MM/yyyy"))
                                                   : v.toString();
        if (s.isEmpty())
            return {};
        if (size > 0 && s.size() > size && type != fb::SqlType::TextBlob)
            s.truncate(size);
        return s;
    }
    case fb::SqlType::SmallInt:
    case fb::SqlType::Integer:
    case fb::SqlType::BigInt: {
        qint64 n = 0;
        if (isText) {
            const QString t = text.trimmed();
            if (t.isEmpty())
                return {};
            bool ok = false;
            n = t.toLongLong(&ok);
            if (!ok)
                throw DatasetError(messages::notInteger(text, label()));
        } else {
            const double d = v.toDouble();
            if (std::fabs(d) > double(integerLimit(type)))
                throw DatasetError(messages::outOfRange(label()));
            n = qint64(std::llround(d));
        }
        if (n > integerLimit(type) || n < -integerLimit(type) - 1)
            throw DatasetError(messages::outOfRange(label()));
        return type == fb::SqlType::BigInt ? QVariant(qlonglong(n)) : QVariant(int(n));
    }
    case fb::SqlType::Numeric:
    case fb::SqlType::Double: {
        double d = 0;
        if (isText) {
            if (text.trimmed().isEmpty())
                return {};
            if (!format::parseDecimal(text, d))
                throw DatasetError(messages::notDecimal(text, label()));
        } else {
            bool ok = false;
            d = v.toDouble(&ok);
            if (!ok)
                throw DatasetError(messages::notDecimal(v.toString(), label()));
        }
        if (!std::isfinite(d)
            || (type == fb::SqlType::Numeric && std::fabs(d) >= std::pow(10.0, precision - scale)))
            throw DatasetError(messages::outOfRange(label()));
        return d;
    }
    case fb::SqlType::Date: {
        if (v.typeId() == QMetaType::QDate)
            return v;
        if (v.typeId() == QMetaType::QDateTime)
            return v.toDateTime().date();
        if (text.trimmed().isEmpty())
            return {};
        const QDate d = format::parseDate(text);
        if (!d.isValid())
            throw DatasetError(QStringLiteral("'%1' no es una fecha valida").arg(text));
        return d;
    }
    case fb::SqlType::Timestamp:
        return v.toDateTime();
    case fb::SqlType::Blob:
        return v.toByteArray().isEmpty() ? QVariant() : QVariant(v.toByteArray());
    default:
        return v;
    }
}

void Field::setValue(const QVariant &newValue)
{
    if (m_kind == FieldKind::Calculated) {
        // Calculated values are only written while a row is being calculated
        // (also while the rows are being read, before the set counts as open).
        if (m_owner.m_calcValues)
            (*m_owner.m_calcValues)[m_index] = newValue;
        return;
    }
    m_owner.requireOpen();
    if (m_kind == FieldKind::Lookup)
        throw DatasetError(messages::readOnly(label()));
    if (readOnly)
        throw DatasetError(messages::readOnly(label()));
    if (m_index < 0)
        throw DatasetError(QStringLiteral("El campo '%1' no existe en %2").arg(m_name, m_owner.name()));
    if (!m_owner.isEditing())
        throw DatasetError(QStringLiteral("%1 no está en modo de edición o inserción").arg(m_owner.name()));

    const QVariant converted = convert(newValue);
    QVariantList &values = m_owner.m_buffer;
    const QVariant previous = values[m_index];
    values[m_index] = converted;
    if (onValidate) {
        try {
            onValidate(*this);
        } catch (...) {
            m_owner.m_buffer[m_index] = previous;
            throw;
        }
    }
    if (onChange)
        onChange(*this);
    m_owner.calculate(m_owner.m_buffer);
    if (m_owner.m_current >= 0)
        emit m_owner.rowChanged(m_owner.m_current);
}

void Field::setText(const QString &text) { setValue(text); }

namespace format {

QString number(double value, const QString &mask)
{
    if (mask.isEmpty())
        return QString::number(value, 'g', 15).replace(u'.', u',');
    // Decimals: the characters after the mask's '.'; grouping when it has ','.
    const qsizetype dot = mask.indexOf(u'.');
    const int decimals = dot < 0 ? 0 : int(mask.size() - dot - 1);
    const bool grouping = mask.contains(u',');
    const QString integerMask = dot < 0 ? mask : mask.left(dot);
    const int minDigits = int(integerMask.count(u'0'));

    QString digits = QString::number(std::fabs(value), 'f', decimals);
    const bool negative = value < 0 && digits.contains(QRegularExpression(QStringLiteral("[1-9]")));
    QString intPart = digits.section(u'.', 0, 0);
    const QString fracPart = decimals > 0 ? digits.section(u'.', 1, 1) : QString();
    while (intPart.size() < minDigits)
        intPart.prepend(u'0');
    if (grouping)
        for (qsizetype i = intPart.size() - 3; i > 0; i -= 3)
            intPart.insert(i, u'.');
    QString out = negative ? QStringLiteral("-") + intPart : intPart;
    if (decimals > 0)
        out += u',' + fracPart;
    return out;
}

bool parseDecimal(const QString &text, double &value)
{
    QString t = text.trimmed();
    if (t.contains(u',')) {
        t.remove(u'.');
        t.replace(u',', u'.');
    }
    bool ok = false;
    value = t.toDouble(&ok);
    return ok && std::isfinite(value);
}

QDate parseDate(const QString &text)
{
    const QString t = text.trimmed();
    QDate d = QDate::fromString(t, Qt::ISODate);
    if (d.isValid())
        return d;
    static const QRegularExpression dmy(QStringLiteral("^(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{2}|\\d{4})$"));
    const auto m = dmy.match(t);
    if (!m.hasMatch())
        return {};
    int year = m.captured(3).toInt();
    if (m.captured(3).size() == 2)
        year += year < 50 ? 2000 : 1900;
    return QDate(year, m.captured(2).toInt(), m.captured(1).toInt());
}

} // namespace format

} // namespace ds
