#include "Configuracion.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace {

const QString kSeccion = QStringLiteral("Ruta Datos");
const QString kClave = QStringLiteral("Ruta Datos");

bool mismoNombre(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Profile files allow a value between matching quotes; the quotes are not part of it.
QString sinComillas(const QString &valor)
{
    const bool entreComillas = valor.size() >= 2 && (valor.front() == u'"' || valor.front() == u'\'')
                               && valor.back() == valor.front();
    return entreComillas ? valor.mid(1, valor.size() - 2) : valor;
}

// Value of kClave in section kSeccion; the first one wins, as in Windows.
QString buscarValor(const QString &texto)
{
    bool enSeccion = false;
    for (QString linea : texto.split(u'\n')) {
        linea = linea.trimmed(); // also drops the '\r' of Windows line ends
        if (linea.startsWith(u'[')) {
            const qsizetype cierre = linea.indexOf(u']');
            enSeccion = cierre > 0 && mismoNombre(linea.mid(1, cierre - 1).trimmed(), kSeccion);
            continue;
        }
        const qsizetype igual = linea.indexOf(u'=');
        if (enSeccion && igual > 0 && mismoNombre(linea.left(igual).trimmed(), kClave))
            return sinComillas(linea.mid(igual + 1).trimmed());
    }
    return {};
}

} // namespace

Configuracion::Configuracion(QString directorioPrograma)
    : m_directorioPrograma(std::move(directorioPrograma))
{
}

QString Configuracion::directorioDelEjecutable()
{
    return QCoreApplication::applicationDirPath() + u'/';
}

QString Configuracion::componerRutaDatos(const QString &equipo, const QString &ruta)
{
    const QString servidor = equipo.trimmed();
    return (servidor.isEmpty() ? QString() : servidor + u':') + ruta.trimmed() + u'/';
}

QString Configuracion::fichero() const
{
    return m_directorioPrograma + QStringLiteral("config.dat");
}

bool Configuracion::existe() const
{
    return QFileInfo::exists(fichero());
}

QString Configuracion::rutaDatos() const
{
    QFile file(fichero());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString texto = QString::fromUtf8(file.readAll());
    if (texto.startsWith(QChar(0xFEFF))) // byte-order mark left by some editors
        texto.remove(0, 1);
    return buscarValor(texto);
}

bool Configuracion::escribirRutaDatos(const QString &rutaDatos, QString *error) const
{
    QSaveFile file(fichero());
    const QString texto = u'[' + kSeccion + QStringLiteral("]\n") + kClave + u'=' + rutaDatos + u'\n';
    if (file.open(QIODevice::WriteOnly) && file.write(texto.toUtf8()) >= 0 && file.commit())
        return true;
    if (error)
        *error = QStringLiteral("No se pudo escribir el fichero de configuración %1: %2")
                     .arg(fichero(), file.errorString());
    return false;
}
