#include "SchemaFixture.h"

#include "TestEnvironment.h"
#include "database/DatabaseCreator.h"

#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

namespace testsupport {

namespace {

QString withSlash(const QString &path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

void copyFile(const QString &from, const QString &to)
{
    if (!QFile::copy(from, to))
        throw std::runtime_error(QStringLiteral("No se pudo copiar %1 en %2").arg(from, to).toStdString());
}

} // namespace

QString schemaDirectory()
{
    static const QString directory = [] {
        initFirebird();
        static QTemporaryDir dir;
        if (!dir.isValid())
            throw std::runtime_error("No se pudo crear la carpeta temporal de las bases de datos de prueba");
        const QString path = withSlash(dir.path());
        db::createGeneralDatabase(path + db::generalDatabaseFile());
        db::createTemplateDatabase(path + db::templateDatabaseFile());
        return path;
    }();
    return directory;
}

QString freshDatabases(const QTemporaryDir &dir)
{
    const QString source = schemaDirectory();
    const QString target = withSlash(dir.path());
    copyFile(source + db::generalDatabaseFile(), target + db::generalDatabaseFile());
    copyFile(source + db::templateDatabaseFile(), target + db::templateDatabaseFile());
    copyFile(source + db::templateDatabaseFile(), target + db::companyDatabaseFile(QStringLiteral("01")));
    return target;
}

} // namespace testsupport
