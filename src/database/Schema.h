#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The one description of every table of the general database and of the
// company databases. The files are created from it (DatabaseCreator) and the
// tests compare the created files against it, so a column is defined here
// and nowhere else.
namespace db {

enum class ColumnType { Char, Varchar, SmallInt, Integer, Numeric, DoublePrecision, Date, TextBlob, Blob };

struct ColumnDef
{
    QString name;
    ColumnType type;
    int length = 0; // characters of Char/Varchar, precision of Numeric
    int scale = 0;  // decimals of Numeric
    bool notNull = false;

    // The type as written in a column definition: "CHAR(10)", "NUMERIC(15,2)",
    // "BLOB SUB_TYPE TEXT"... (without NOT NULL).
    QString sqlType() const;
};

struct TableDef
{
    QString name;
    std::vector<ColumnDef> columns;       // in the order of the table
    std::vector<QStringList> uniqueKeys;  // column lists, one UNIQUE constraint each
    std::vector<QStringList> indexes;     // column lists, one plain index each

    // The column of that name, or nullptr.
    const ColumnDef *column(const QString &name) const;
};

// Tables of general.gdb: EMPRESA, USUARIO.
const std::vector<TableDef> &generalTables();
// Tables of every company database (and of the template empresabase.gdb).
const std::vector<TableDef> &companyTables();
// A table of either database by name, or nullptr.
const TableDef *findTable(const QString &name);

// The statements that create the tables: one CREATE TABLE per table with its
// UNIQUE constraints, then one CREATE INDEX per index. Constraint and index
// names are derived from the table name ("UQ_CLIENTE_1", "IX_CLIENTE_1").
QStringList ddlStatements(const std::vector<TableDef> &tables);

} // namespace db
