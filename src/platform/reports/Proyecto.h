#pragma once

#include "Definicion.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace rpt {

// A report project: the named reports of one project file (our own JSON
// format, extension .rav, described in docs/informes.md). Loading checks the
// whole file, so a mistake in any report is found when the project is loaded,
// not half-way through printing.
class Proyecto
{
public:
    // Reads a project file. Throws ErrorInforme when the file is missing,
    // cannot be read, or is not a valid project.
    static Proyecto cargar(const QString &fichero);
    // The same from a text already in memory; `origen` names it in messages.
    static Proyecto desdeTexto(const QByteArray &json, const QString &origen);

    const QString &fichero() const { return m_fichero; }
    bool tieneInforme(const QString &nombre) const { return m_informes.contains(nombre); }
    // Throws ErrorInforme when the project has no report of that name.
    const DefInforme &informe(const QString &nombre) const;
    QStringList nombres() const;

private:
    QString m_fichero;
    QHash<QString, DefInforme> m_informes;
};

} // namespace rpt
