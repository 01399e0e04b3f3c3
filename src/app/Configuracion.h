#pragma once

#include <QString>

// The configuration file config.dat in the program directory. It holds one
// value, the data path: the prefix put in front of every database file name.
// It is an INI file, but written and read here line by line: QSettings would
// escape the blank of "Ruta Datos" (as "Ruta%20Datos"), and the file must
// stay the plain two lines that are also written and fixed by hand.
class Configuracion
{
public:
    // directorioPrograma ends with '/'.
    explicit Configuracion(QString directorioPrograma);

    // Directory of the running executable, with its trailing '/'.
    static QString directorioDelEjecutable();

    // The data path as the data-path dialog stores it: the server name and a
    // colon when there is a server, the directory, and one '/' always, even
    // after a typed '/'. Blanks around both entries are dropped: they cannot
    // be seen in the dialog and would make a path that never opens.
    static QString componerRutaDatos(const QString &equipo, const QString &ruta);

    const QString &directorioPrograma() const { return m_directorioPrograma; }
    QString fichero() const;
    bool existe() const;

    // The data path stored in the file; empty when the file, the section or
    // the key is missing. Names are compared without regard to case and
    // blanks around '=' and Windows line ends are accepted, as in any INI file
    // that someone edits by hand.
    QString rutaDatos() const;

    // Writes the file with the data path as its only value (replacing it
    // whole, never half-written). On failure returns false and puts a text
    // for the user in *error.
    bool escribirRutaDatos(const QString &rutaDatos, QString *error) const;

private:
    QString m_directorioPrograma;
};
