#include "Mascaras.h"

#include "framework/Utiles.h"
#include "platform/dataset/Field.h"

#include <QDate>
#include <QDateTime>

namespace rpt {

namespace {

bool esMascaraNumerica(const QString &mascara)
{
    if (mascara.isEmpty())
        return false;
    for (const QChar c : mascara)
        if (c != u'#' && c != u'0' && c != u',' && c != u'.')
            return false;
    return true;
}

// 'dd/mm/yyyy' in the project's notation becomes Qt's 'dd/MM/yyyy': in a date
// mask "mm" always means the month, since report dates carry no time.
QString formatoFecha(const QString &mascara)
{
    if (mascara.isEmpty() || esMascaraNumerica(mascara))
        return QStringLiteral("dd/MM/yyyy");
    QString f = mascara;
    return f.replace(QLatin1Char('m'), QLatin1Char('M'));
}

QString sinBlancosFinales(const QString &s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == u' ')
        --n;
    return n == s.size() ? s : s.left(n);
}

} // namespace

QString formatear(const QVariant &valor, const QString &mascara)
{
    if (!valor.isValid() || valor.isNull())
        return {};
    switch (valor.typeId()) {
    case QMetaType::QDate:
        return valor.toDate().toString(formatoFecha(mascara));
    case QMetaType::QDateTime:
        return valor.toDateTime().date().toString(formatoFecha(mascara));
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return esMascaraNumerica(mascara) ? ds::format::number(valor.toDouble(), mascara) : valor.toString();
    case QMetaType::Double:
    case QMetaType::Float:
        return ds::format::number(valor.toDouble(), esMascaraNumerica(mascara) ? mascara : QString());
    case QMetaType::QString:
        return sinBlancosFinales(valor.toString());
    case QMetaType::QByteArray:
        return {};
    default:
        return valor.toString();
    }
}

QString importeEnLetras(const QVariant &valor)
{
    double importe = 0;
    if (valor.typeId() == QMetaType::QString) {
        if (!ds::format::parseDecimal(valor.toString(), importe))
            importe = 0;
    } else if (valor.canConvert<double>() && valor.typeId() != QMetaType::QByteArray) {
        importe = valor.toDouble();
    }
    try {
        return fw::importeEnLetras(fw::Castellano, fw::Masculino, importe);
    } catch (const fw::ErrorEnArgumentos &) {
        return fw::ErrorEnArgumentos::texto();
    }
}

} // namespace rpt
