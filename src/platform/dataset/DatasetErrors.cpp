#include "DatasetErrors.h"

namespace ds::messages {

QString required(const QString &field)
{
    return QStringLiteral("El campo '%1' debe tener un valor").arg(field);
}

QString notInteger(const QString &text, const QString &field)
{
    return QStringLiteral("'%1' no es un valor entero valido para el campo '%2'").arg(text, field);
}

QString notDecimal(const QString &text, const QString &field)
{
    return QStringLiteral("'%1' no es un valor decimal valido para el campo '%2'").arg(text, field);
}

QString outOfRange(const QString &field)
{
    return QStringLiteral("El valor del campo '%1' esta fuera de rango").arg(field);
}

QString readOnly(const QString &field)
{
    return QStringLiteral("El campo '%1' no puede ser modificado").arg(field);
}

} // namespace ds::messages
