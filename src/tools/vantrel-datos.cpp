// vantrel-datos <carpeta>: writes the general database, the company template
// and the demo company into a folder, so that the program can start on it.
// Never overwrites: it refuses when any of the files is already there.

#include "database/DatabaseCreator.h"
#include "platform/firebird/FbEnvironment.h"
#include "platform/firebird/FbError.h"

#include <QCoreApplication>
#include <cstdio>
#include <exception>

namespace {

void print(FILE *stream, const QString &text)
{
    std::fputs((text + u'\n').toUtf8().constData(), stream);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        print(stderr, QStringLiteral("Uso: vantrel-datos <carpeta>"));
        return 2;
    }
    QStringList written;
    try {
        fb::initEmbedded(QCoreApplication::applicationDirPath() + QStringLiteral("/firebird/"));
        written = db::writeDataDirectory(args.at(1));
    } catch (const fb::Error &e) {
        print(stderr, QStringLiteral("Error: %1").arg(e.text()));
        return 1;
    } catch (const std::exception &e) {
        print(stderr, QStringLiteral("Error: %1").arg(QString::fromUtf8(e.what())));
        return 1;
    }
    print(stdout, QStringLiteral("Bases de datos escritas:"));
    for (const QString &path : written)
        print(stdout, QStringLiteral("  %1").arg(path));
    return 0;
}
