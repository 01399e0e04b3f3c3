#pragma once

#include <QHash>
#include <QString>

namespace ds {
class RecordSet;
}

namespace rpt {

// The named data connections a report reads: each name stands for a record
// set that the caller owns and keeps alive while the report is composed. A
// record set may be handed over closed, with its command text set: the
// engine opens it when the report runs.
class Conexiones
{
public:
    // Adds or replaces the connection of that name.
    void agregar(const QString &nombre, ds::RecordSet &datos);
    // Null when there is no connection of that name.
    ds::RecordSet *buscar(const QString &nombre) const;
    // Throws ErrorInforme naming the report when there is none.
    ds::RecordSet &obtener(const QString &nombre, const QString &informe) const;

private:
    QHash<QString, ds::RecordSet *> m_datos;
};

} // namespace rpt
