#include "SentenciaListado.h"

#include "Reglas.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/Field.h"

namespace fw {

namespace {

QString operador(SentenciaListado::Comparacion comparacion)
{
    switch (comparacion) {
    case SentenciaListado::Comparacion::Desde:
        return QStringLiteral(" >= ");
    case SentenciaListado::Comparacion::Hasta:
        return QStringLiteral(" <= ");
    case SentenciaListado::Comparacion::Igual:
        break;
    }
    return QStringLiteral(" = ");
}

} // namespace

SentenciaListado::SentenciaListado(QString base) : m_base(std::move(base)) {}

void SentenciaListado::agregar(const QString &condicion)
{
    if (!m_condiciones.isEmpty())
        m_condiciones += QStringLiteral(" AND ");
    m_condiciones += condicion;
}

// A box of blanks is an empty box: a blank code would only ever match
// nothing, which no one typing spaces means.
void SentenciaListado::codigo(const QString &columna, Comparacion comparacion, const QString &texto)
{
    const QString valor = texto.trimmed();
    if (!valor.isEmpty())
        agregar(u'(' + columna + operador(comparacion) + quoted(valor) + u')');
}

void SentenciaListado::fecha(const QString &columna, Comparacion comparacion, const QString &texto)
{
    const QString valor = texto.trimmed();
    if (valor.isEmpty())
        return;
    const QDate dia = ds::format::parseDate(valor);
    if (!dia.isValid())
        throw ds::DatasetError(QStringLiteral("'%1' no es una fecha valida").arg(valor));
    agregar(u'(' + columna + operador(comparacion) + quoted(dia.toString(Qt::ISODate)) + u')');
}

void SentenciaListado::excluir(const QString &condicion, bool marcada)
{
    if (!marcada)
        agregar(condicion);
}

QString SentenciaListado::texto() const
{
    return m_condiciones.isEmpty() ? m_base : m_base + QStringLiteral(" WHERE ") + m_condiciones;
}

} // namespace fw
