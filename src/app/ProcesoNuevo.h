#pragma once

#include <QString>
#include <QStringList>

// Starts another, independent run of a program: the new process is not our
// child (nobody has to wait for it) and inherits no file descriptor beyond
// standard input, output and error. The database engine runs inside this
// process, so its open database files and lock files must not leak into the
// new run, which opens its own.
//
// Returns the process id of the new run, or -1 with the reason in *error
// (for example when the file cannot be executed).
qint64 iniciarProcesoNuevo(const QString &programa, const QStringList &argumentos = {},
                           QString *error = nullptr);
