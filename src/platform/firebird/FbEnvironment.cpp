#include "FbEnvironment.h"

#include "FbError.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include <sys/stat.h>

namespace fb {

namespace {

bool initialised = false;

// Files the embedded engine cannot work without. The character-set library
// and its configuration must be real files: through a link the engine does
// not load them and WIN1252 is "not installed".
const char *const RequiredFiles[] = {
    "firebird.conf",
    "firebird.msg",
    "plugins/libEngine12.so",
    "intl/libfbintl.so",
    "intl/fbintl.conf",
};

void checkRoot(const QString &root)
{
    const QDir dir(root);
    QStringList missing;
    for (const char *file : RequiredFiles) {
        if (!QFileInfo(dir.filePath(QString::fromLatin1(file))).isFile())
            missing << QString::fromLatin1(file);
    }
    if (!missing.isEmpty()) {
        throw Error(QStringLiteral("La instalación del motor de base de datos en %1 está incompleta; falta: %2")
                        .arg(QDir::toNativeSeparators(root), missing.join(QStringLiteral(", "))));
    }
}

[[noreturn]] void lockDirectoryError(const QString &lockDir)
{
    throw Error(QStringLiteral("No se puede escribir en el directorio de bloqueos de la base de datos: %1")
                    .arg(QDir::toNativeSeparators(lockDir)));
}

void prepareLockDirectory(const QString &lockDir)
{
    if (!QFileInfo(lockDir).isDir()) {
        if (!QDir().mkpath(lockDir))
            lockDirectoryError(lockDir);
        // Every copy of the program on this machine, whoever runs it, must
        // use the same lock files for the same database: with separate lock
        // directories two processes update one row without waiting for each
        // other and one update is lost. So the directory is writable by all,
        // and sticky (like /tmp) so nobody removes someone else's lock files.
        // mkpath's mode is cut by the umask, hence the explicit chmod.
        ::chmod(QFile::encodeName(lockDir).constData(), 01777);
    }
    QTemporaryFile probe(QDir(lockDir).filePath(QStringLiteral(".prueba-XXXXXX")));
    if (!probe.open())
        lockDirectoryError(lockDir);
}

} // namespace

QString defaultLockDirectory()
{
    const QString configured = qEnvironmentVariable("VANTREL_FIREBIRD_LOCK");
    return configured.isEmpty() ? QStringLiteral("/tmp/vantrel-firebird-lock") : configured;
}

void initEmbedded(const QString &firebirdRoot, const QString &lockDir)
{
    checkRoot(firebirdRoot);
    prepareLockDirectory(lockDir);
    // The client library reads both variables once, at its first call.
    qputenv("FIREBIRD", QFile::encodeName(firebirdRoot));
    qputenv("FIREBIRD_LOCK", QFile::encodeName(lockDir));
    initialised = true;
}

bool embeddedInitialised()
{
    return initialised;
}

} // namespace fb
