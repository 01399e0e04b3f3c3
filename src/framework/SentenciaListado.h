#pragma once

#include <QString>

namespace fw {

// The statement of a listing: the window's base statement followed by the
// conditions of its filled filters, in the order the window appends them,
// joined by " AND " behind one " WHERE ". No ORDER BY: the report orders
// what it needs.
//
// Typed values never change the statement's shape: a code is written between
// single quotes with its own quotes doubled, and a date is first read as a
// date and then written as 'yyyy-mm-dd', which the database reads as a date
// whatever its own settings.
class SentenciaListado
{
public:
    enum class Comparacion { Desde, Hasta, Igual };

    explicit SentenciaListado(QString base);

    // "(COLUMNA >= 'texto')", "<=" or "="; nothing when the box is blank.
    void codigo(const QString &columna, Comparacion comparacion, const QString &texto);
    // The same with a date typed as day/month/year (two- or four-digit year,
    // "/", "-" or "." between the parts). Nothing when the box is blank.
    // Throws ds::DatasetError ("'31/02/2026' no es una fecha valida") when
    // the text is not a date, before the statement is used anywhere.
    void fecha(const QString &columna, Comparacion comparacion, const QString &texto);
    // A fixed condition, such as "(REGIMEN_IVA <> 1)", appended when the
    // check box that keeps those rows is cleared.
    void excluir(const QString &condicion, bool marcada);

    QString texto() const;

private:
    void agregar(const QString &condicion);

    QString m_base;
    QString m_condiciones;
};

} // namespace fw
