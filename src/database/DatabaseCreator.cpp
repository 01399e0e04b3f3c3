#include "DatabaseCreator.h"

#include "DemoData.h"
#include "Schema.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbError.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace db {

namespace {

const QString DemoCompanyCode = QStringLiteral("01");

[[noreturn]] void fail(const QString &text)
{
    throw std::runtime_error(text.toStdString());
}

void createTables(fb::Connection &connection, const std::vector<TableDef> &tables)
{
    for (const QString &sql : ddlStatements(tables))
        connection.execute(sql);
}

QString insertStatement(const TableRows &rows)
{
    QStringList markers;
    markers.fill(QStringLiteral("?"), rows.columns.size());
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(rows.table, rows.columns.join(QStringLiteral(", ")), markers.join(QStringLiteral(", ")));
}

// All rows in one transaction: a file gets either all its starting rows or none.
void insertRows(fb::Connection &connection, const std::vector<TableRows> &data)
{
    fb::Transaction transaction(connection);
    for (const TableRows &rows : data) {
        fb::Statement insert(transaction, insertStatement(rows));
        for (const QVariantList &row : rows.rows)
            insert.execute(row);
    }
    transaction.commit();
}

// Runs `fill` on a file this call has just made. A file left half-filled
// would make the next attempt refuse, and it holds nobody's data yet, so a
// failure removes it.
template<typename Fill>
void fillOrRemove(fb::Connection &connection, const QString &path, Fill fill)
{
    try {
        fill();
    } catch (...) {
        connection.close();
        QFile::remove(path);
        throw;
    }
}

void refuseExisting(const QString &path)
{
    if (QFileInfo::exists(path))
        fail(QStringLiteral("Ya existe el fichero %1; no se sobrescriben datos existentes.").arg(path));
}

} // namespace

QString generalDatabaseFile()
{
    return QStringLiteral("general.gdb");
}

QString templateDatabaseFile()
{
    return QStringLiteral("empresabase.gdb");
}

QString companyDatabaseFile(const QString &code)
{
    return QStringLiteral("empresa") + code + QStringLiteral(".gdb");
}

void createGeneralDatabase(const QString &path)
{
    fb::Connection connection;
    connection.create(path);
    fillOrRemove(connection, path, [&] {
        createTables(connection, generalTables());
        insertRows(connection, generalRows());
    });
}

void createTemplateDatabase(const QString &path)
{
    fb::Connection connection;
    connection.create(path);
    fillOrRemove(connection, path, [&] { createTables(connection, companyTables()); });
}

void copyTemplate(const QString &templatePath, const QString &path)
{
    if (!QFileInfo::exists(templatePath))
        fail(QStringLiteral("No se encuentra la plantilla de empresas %1.").arg(templatePath));
    const QString temporary = path + QStringLiteral(".nueva");
    QFile::remove(temporary);
    if (!QFile::copy(templatePath, temporary)) {
        QFile::remove(temporary);
        fail(QStringLiteral("No se ha podido copiar la plantilla de empresas %1 en %2.").arg(templatePath, path));
    }
    // Same protection as a file the engine creates: owner and group only.
    QFile::setPermissions(temporary, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
    try {
        fb::Connection check;
        check.open(temporary);
    } catch (const fb::Error &e) {
        QFile::remove(temporary);
        throw fb::Error(QStringLiteral("La plantilla de empresas %1 no es una base de datos válida.\n%2")
                            .arg(templatePath, e.text()),
                        e.codes(), e.sqlCode());
    }
    if (!QFile::rename(temporary, path)) {
        QFile::remove(temporary);
        fail(QStringLiteral("No se ha podido crear %1.").arg(path));
    }
}

void createDemoCompany(const QString &templatePath, const QString &path)
{
    refuseExisting(path);
    copyTemplate(templatePath, path);
    fb::Connection connection;
    fillOrRemove(connection, path, [&] {
        connection.open(path);
        insertRows(connection, demoCompanyRows());
    });
}

QStringList writeDataDirectory(const QString &dir)
{
    const QDir folder(dir);
    const QString general = folder.absoluteFilePath(generalDatabaseFile());
    const QString templ = folder.absoluteFilePath(templateDatabaseFile());
    const QString company = folder.absoluteFilePath(companyDatabaseFile(DemoCompanyCode));
    for (const QString &path : {general, templ, company})
        refuseExisting(path);
    if (!QDir().mkpath(folder.absolutePath()))
        fail(QStringLiteral("No se pudo crear la carpeta %1.").arg(folder.absolutePath()));

    // Each step removes its own file when it fails; the files of the steps
    // before it are removed here, so a failed call leaves nothing behind.
    QStringList made;
    try {
        createGeneralDatabase(general);
        made << general;
        createTemplateDatabase(templ);
        made << templ;
        createDemoCompany(templ, company);
        made << company;
    } catch (...) {
        for (const QString &path : made)
            QFile::remove(path);
        throw;
    }
    return made;
}

} // namespace db
