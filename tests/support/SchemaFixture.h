#pragma once

#include <QString>

class QTemporaryDir;

namespace testsupport {

// Databases for tests. The files are made from the real table description
// once per test program (in a temporary folder that lives until the program
// ends) and copied for each test, which is much faster than creating them:
//
//   QTemporaryDir dir;
//   const QString data = testsupport::freshDatabases(dir);
//   conn.open(data + "empresa01.gdb");
//
// The fresh folder holds:
//   general.gdb      EMPRESA and USUARIO with user "admin" (password
//                    "admin") and company "01", as a new installation has;
//   empresabase.gdb  the empty company template;
//   empresa01.gdb    an empty company database for company "01" (a copy of
//                    the template), so the folder is a complete data path.
// Prepares the embedded engine (initFirebird) when needed.
QString freshDatabases(const QTemporaryDir &dir);

// The folder (with its trailing '/') holding the pristine files; tests must
// not change them.
QString schemaDirectory();

} // namespace testsupport
