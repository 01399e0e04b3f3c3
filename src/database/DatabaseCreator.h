#pragma once

#include <QString>
#include <QStringList>

// Creates the database files of an installation from the table description
// (Schema) and the starting rows (DemoData). Every function throws fb::Error
// or std::runtime_error with a Spanish text on failure.
namespace db {

// File names inside the data directory.
QString generalDatabaseFile();              // "general.gdb"
QString templateDatabaseFile();             // "empresabase.gdb"
QString companyDatabaseFile(const QString &code); // "empresa" + code + ".gdb"

// general.gdb: EMPRESA and USUARIO, with the user "admin" (password "admin")
// and the demo company "01".
void createGeneralDatabase(const QString &path);

// The company template: every company table, empty. New companies are
// copies of this file.
void createTemplateDatabase(const QString &path);

// A new company database as a copy of the template. The copy is made under a
// temporary name, given owner-and-group access (embedded there are no
// database passwords), and checked by opening it; only then does it take
// `path`, so a half-copied or broken file never passes for a database.
// Throws fb::Error (the template is not a database) or std::runtime_error.
void copyTemplate(const QString &templatePath, const QString &path);

// The demo company: a copy of the template with the demo master data.
// Refuses when `path` already exists.
void createDemoCompany(const QString &templatePath, const QString &path);

// Writes general.gdb, empresabase.gdb and the demo company's empresa01.gdb
// into `dir`, creating it when missing. Refuses, writing nothing, when any of
// the three files already exists: data is never overwritten. When a step
// fails, the files this call made are removed again. Returns the paths of
// the files written.
QStringList writeDataDirectory(const QString &dir);

} // namespace db
