#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <vector>

// The rows a new installation starts with: the built-in user and the demo
// company in the general database, and enough master data in the demo
// company (customers, suppliers, articles with stock, payment methods...) to
// try every window. No documents: those are made by using the program.
namespace db {

// Rows of one table; every row holds one value per column, in that order
// (an invalid QVariant stands for NULL).
struct TableRows
{
    QString table;
    QStringList columns;
    std::vector<QVariantList> rows;
};

// USUARIO "admin" (password "admin") and EMPRESA "01".
std::vector<TableRows> generalRows();

// The demo company's master data, in an order in which every code a row
// names is already there.
std::vector<TableRows> demoCompanyRows();

} // namespace db
