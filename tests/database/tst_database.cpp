// The database files: that the created files hold exactly the described
// tables, that the description itself says what the tables must be, that
// the keys refuse duplicates, that the data directory is written without
// overwriting anything, and that the demo data obeys its own rules.

#include "SchemaFixture.h"
#include "TestEnvironment.h"
#include "database/DatabaseCreator.h"
#include "database/DemoData.h"
#include "database/Schema.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbError.h"
#include "platform/firebird/Win1252.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

namespace {

// ---------------------------------------------------------------------------
// Reading the engine's own catalogue.

// A column as "NAME TYPE [NOT NULL] [charset]", the same text for the
// description and for what the catalogue says, so a mismatch shows both.
QString render(const db::ColumnDef &c, const QString &charset)
{
    QString text = c.name + u' ' + c.sqlType();
    if (c.notNull)
        text += QStringLiteral(" NOT NULL");
    if (!charset.isEmpty())
        text += u' ' + charset;
    return text;
}

bool isText(db::ColumnType type)
{
    return type == db::ColumnType::Char || type == db::ColumnType::Varchar || type == db::ColumnType::TextBlob;
}

QStringList describedColumns(const db::TableDef &table)
{
    QStringList columns;
    for (const db::ColumnDef &c : table.columns)
        columns << render(c, isText(c.type) ? QStringLiteral("WIN1252") : QString());
    return columns;
}

// RDB$FIELDS codes: 7 SMALLINT, 8 INTEGER, 16 BIGINT, 12 DATE, 14 CHAR,
// 27 DOUBLE, 37 VARCHAR, 261 BLOB; exact numerics have sub-type 1 or 2.
db::ColumnDef columnFromCatalogue(const QVariantList &row)
{
    db::ColumnDef c{row[0].toString(), db::ColumnType::Blob};
    const int fieldType = row[1].toInt();
    const int subType = row[2].toInt();
    const bool exact = (fieldType == 7 || fieldType == 8 || fieldType == 16) && (subType == 1 || subType == 2);
    if (exact) {
        c.type = db::ColumnType::Numeric;
        c.length = row[4].toInt();
        c.scale = -row[5].toInt();
    } else if (fieldType == 14 || fieldType == 37) {
        c.type = fieldType == 14 ? db::ColumnType::Char : db::ColumnType::Varchar;
        c.length = row[3].toInt();
    } else {
        static const QMap<int, db::ColumnType> simple = {{7, db::ColumnType::SmallInt},
                                                         {8, db::ColumnType::Integer},
                                                         {12, db::ColumnType::Date},
                                                         {27, db::ColumnType::DoublePrecision}};
        if (fieldType == 261)
            c.type = subType == 1 ? db::ColumnType::TextBlob : db::ColumnType::Blob;
        else if (simple.contains(fieldType))
            c.type = simple.value(fieldType);
        else
            c.name += QStringLiteral(" (tipo %1 inesperado)").arg(fieldType);
    }
    c.notNull = row[6].toInt() == 1;
    return c;
}

QStringList catalogueColumns(fb::Connection &connection, const QString &table)
{
    const fb::QueryResult result = connection.query(
        QStringLiteral("SELECT TRIM(rf.RDB$FIELD_NAME), f.RDB$FIELD_TYPE, f.RDB$FIELD_SUB_TYPE, "
                       "f.RDB$CHARACTER_LENGTH, f.RDB$FIELD_PRECISION, f.RDB$FIELD_SCALE, "
                       "COALESCE(rf.RDB$NULL_FLAG, f.RDB$NULL_FLAG, 0), TRIM(cs.RDB$CHARACTER_SET_NAME) "
                       "FROM RDB$RELATION_FIELDS rf "
                       "JOIN RDB$FIELDS f ON f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE "
                       "LEFT JOIN RDB$CHARACTER_SETS cs ON cs.RDB$CHARACTER_SET_ID = f.RDB$CHARACTER_SET_ID "
                       "WHERE rf.RDB$RELATION_NAME = ? ORDER BY rf.RDB$FIELD_POSITION"),
        {table});
    QStringList columns;
    for (const QVariantList &row : result.rows)
        columns << render(columnFromCatalogue(row), row[7].toString());
    return columns;
}

QStringList describedKeys(const db::TableDef &table)
{
    QStringList keys;
    for (const QStringList &k : table.uniqueKeys)
        keys << QStringLiteral("UNIQUE (%1)").arg(k.join(u','));
    for (const QStringList &i : table.indexes)
        keys << QStringLiteral("INDEX (%1)").arg(i.join(u','));
    keys.sort();
    return keys;
}

QStringList catalogueKeys(fb::Connection &connection, const QString &table)
{
    const fb::QueryResult result = connection.query(
        QStringLiteral("SELECT TRIM(i.RDB$INDEX_NAME), i.RDB$UNIQUE_FLAG, TRIM(s.RDB$FIELD_NAME) "
                       "FROM RDB$INDICES i JOIN RDB$INDEX_SEGMENTS s ON s.RDB$INDEX_NAME = i.RDB$INDEX_NAME "
                       "WHERE i.RDB$RELATION_NAME = ? ORDER BY 1, s.RDB$FIELD_POSITION"),
        {table});
    QMap<QString, QPair<bool, QStringList>> indexes;
    for (const QVariantList &row : result.rows) {
        auto &index = indexes[row[0].toString()];
        index.first = row[1].toInt() == 1;
        index.second << row[2].toString();
    }
    QStringList keys;
    for (const auto &index : indexes)
        keys << QStringLiteral("%1 (%2)").arg(index.first ? QLatin1String("UNIQUE") : QLatin1String("INDEX"),
                                              index.second.join(u','));
    keys.sort();
    return keys;
}

QStringList catalogueTables(fb::Connection &connection)
{
    QStringList tables;
    const fb::QueryResult result = connection.query(QStringLiteral(
        "SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 ORDER BY 1"));
    for (const QVariantList &row : result.rows)
        tables << row[0].toString();
    return tables;
}

QStringList tableNames(const std::vector<db::TableDef> &tables)
{
    QStringList names;
    for (const db::TableDef &t : tables)
        names << t.name;
    names.sort();
    return names;
}

// ---------------------------------------------------------------------------
// Control letters and digits, computed here on their own so that the demo
// data is not checked against the code that might share its mistake.

bool validNif(const QString &value)
{
    static const QString letters = QStringLiteral("TRWAGMYFPDXBNJZSQVHLCKE");
    if (value.size() != 9)
        return false;
    bool ok = false;
    const int number = value.left(8).toInt(&ok);
    return ok && value.at(8) == letters.at(number % 23);
}

bool allDigits(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// Company tax code: a letter, seven digits and a control that is a digit for
// companies (A, B, E, H), a letter for bodies (K, P, Q, S, W, N) and either
// for the rest.
bool validCif(const QString &value)
{
    if (value.size() != 9 || !value.at(0).isLetter() || !allDigits(value.mid(1, 7)))
        return false;
    int sum = 0;
    for (int i = 1; i <= 7; ++i) {
        const int d = value.at(i).digitValue();
        sum += i % 2 == 0 ? d : (2 * d) / 10 + (2 * d) % 10;
    }
    const int control = (10 - sum % 10) % 10;
    const QChar digit = QChar(u'0' + control);
    const QChar letter = QStringLiteral("JABCDEFGHI").at(control);
    const QChar kind = value.at(0);
    if (QStringLiteral("ABEH").contains(kind))
        return value.at(8) == digit;
    if (QStringLiteral("KPQSWN").contains(kind))
        return value.at(8) == letter;
    return value.at(8) == digit || value.at(8) == letter;
}

// Spanish account code: DC1 over "00" + entity + office, DC2 over the account.
int cccDigit(const QString &digits)
{
    static const int weights[] = {1, 2, 4, 8, 5, 10, 9, 7, 3, 6};
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += digits.at(i).digitValue() * weights[i];
    const int digit = 11 - sum % 11;
    return digit == 11 ? 0 : digit == 10 ? 1 : digit;
}

QString cccControl(const QString &entity, const QString &office, const QString &account)
{
    const QString first = QStringLiteral("00") + entity + office;
    if (!allDigits(first) || first.size() != 10 || !allDigits(account) || account.size() != 10)
        return {};
    return QString::number(cccDigit(first)) + QString::number(cccDigit(account));
}

} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void databasesHoldExactlyTheDescribedTables_data();
    void databasesHoldExactlyTheDescribedTables();
    void createdTablesMatchTheirDescription_data();
    void createdTablesMatchTheirDescription();
    void descriptionHasTheRequiredColumns_data();
    void descriptionHasTheRequiredColumns();
    void descriptionKeepsTheColumnOrder_data();
    void descriptionKeepsTheColumnOrder();

    void uniqueKeysRefuseDuplicates_data();
    void uniqueKeysRefuseDuplicates();
    void freshDatabasesAreIndependentCopies();

    void writeDataDirectoryWritesThreeOpenableFiles();
    void writeDataDirectoryRefusesToOverwrite_data();
    void writeDataDirectoryRefusesToOverwrite();
    void failedDemoCompanyLeavesNoFile();

    void generalDatabaseHasAdminAndDemoCompany();
    void demoStockTotalsEqualTheirStockRows();
    void demoTaxIdentitiesAreValid_data();
    void demoTaxIdentitiesAreValid();
    void demoAccountCodesAreValid_data();
    void demoAccountCodesAreValid();
    void demoCodesNameExistingRows_data();
    void demoCodesNameExistingRows();
    void demoArticlesUseTheSystemsRates();
    void demoTextsFitTheCharacterSet();

private:
    QString databasePath(const QString &which) const;

    QTemporaryDir m_fresh;   // empty databases from the fixture, only read
    QString m_freshFolder;
    QTemporaryDir m_root;    // the data directory written once by writeDataDirectory
    QString m_demoFolder;
    QStringList m_written;
};

void TestDatabase::initTestCase()
{
    testsupport::initFirebird();
    QVERIFY(m_fresh.isValid() && m_root.isValid());
    m_freshFolder = testsupport::freshDatabases(m_fresh);
    // A folder two levels below one that exists: writing must create it.
    m_demoFolder = m_root.path() + QStringLiteral("/datos/demo/");
    m_written = db::writeDataDirectory(m_demoFolder);
}

QString TestDatabase::databasePath(const QString &which) const
{
    if (which == QLatin1String("general"))
        return m_demoFolder + db::generalDatabaseFile();
    return m_demoFolder + db::companyDatabaseFile(QStringLiteral("01"));
}

// ---------------------------------------------------------------------------

void TestDatabase::databasesHoldExactlyTheDescribedTables_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("general") << db::generalDatabaseFile() << tableNames(db::generalTables());
    QTest::newRow("plantilla") << db::templateDatabaseFile() << tableNames(db::companyTables());
}

// No table more or less than described, in dialect 3 with WIN1252 as the
// default character set.
void TestDatabase::databasesHoldExactlyTheDescribedTables()
{
    QFETCH(QString, file);
    QFETCH(QStringList, expected);
    fb::Connection connection;
    connection.open(m_freshFolder + file);
    QCOMPARE(catalogueTables(connection), expected);
    QCOMPARE(connection.query(QStringLiteral("SELECT MON$SQL_DIALECT FROM MON$DATABASE")).scalar().toInt(), 3);
    QCOMPARE(connection.query(QStringLiteral("SELECT TRIM(RDB$CHARACTER_SET_NAME) FROM RDB$DATABASE")).scalar(),
             QVariant(QStringLiteral("WIN1252")));
}

void TestDatabase::createdTablesMatchTheirDescription_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("table");
    for (const db::TableDef &t : db::generalTables())
        QTest::newRow(qPrintable(t.name)) << db::generalDatabaseFile() << t.name;
    for (const db::TableDef &t : db::companyTables())
        QTest::newRow(qPrintable(t.name)) << db::templateDatabaseFile() << t.name;
}

// Column by column (name, type, size, NOT NULL, character set, position),
// and every unique key and index.
void TestDatabase::createdTablesMatchTheirDescription()
{
    QFETCH(QString, file);
    QFETCH(QString, table);
    const db::TableDef *described = db::findTable(table);
    QVERIFY(described);
    fb::Connection connection;
    connection.open(m_freshFolder + file);
    QCOMPARE(catalogueColumns(connection, table), describedColumns(*described));
    QCOMPARE(catalogueKeys(connection, table), describedKeys(*described));
}

void TestDatabase::descriptionHasTheRequiredColumns_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("expected"); // empty: the table has no such column

    const struct
    {
        const char *table, *column, *expected;
    } cases[] = {
        {"EMPRESA", "CODIGO", "CHAR(2) NOT NULL"},
        {"USUARIO", "CONTRASENA", "CHAR(10)"},
        {"CLIENTE", "CODIGO", "CHAR(10) NOT NULL"},
        {"CLIENTE", "SALDO", "DOUBLE PRECISION"},
        {"CLIENTE", "OBSERVACIONES", "BLOB SUB_TYPE TEXT"},
        {"CLIENTE", "PROVINCIA_BANCO", "VARCHAR(50)"},
        {"PROVEEDOR", "PROVINCIA_BANCO", "VARCHAR(30)"},
        {"PROVEEDOR", "INICIO_VACACIONES", "DATE"},
        {"DIRECCION", "HORARIO", "CHAR(50)"},
        {"PERSONA_CONTACTO", "HORARIO", "VARCHAR(50)"},
        {"VENDEDOR", "EMAIL", "VARCHAR(30)"},
        {"VENDEDOR", "FOTO", "BLOB"},
        {"RESPONSABLE_COMPRAS", "FAX", "CHAR(20)"},
        {"RESPONSABLE_ALMACEN", "FAX", "VARCHAR(20)"},
        {"RESPONSABLE_COMPRAS", "COMISION", ""},
        {"FORMA_PAGO", "NUMERO_VENCIMIENTOS", "SMALLINT"},
        {"CUENTA_BANCARIA", "OBSERVACIONES", "INTEGER"},
        {"ARTICULO", "P_IVA", "NUMERIC(15,2)"},
        {"ARTICULO", "STOCK", "DOUBLE PRECISION"},
        {"ARTICULO", "NFAMILIA", ""},
        {"ALMACEN", "COMENTARIO", "BLOB SUB_TYPE TEXT"},
        {"STOCK", "STOCK", "NUMERIC(15,2)"},
        {"MOVIMIENTO_ALMACEN", "CANTIDAD", "NUMERIC(15,2)"},
        {"PRESUPUESTO_VENTA", "NUMERO", "INTEGER NOT NULL"},
        {"PRESUPUESTO_VENTA", "SERIE", ""},
        {"PRESUPUESTO_VENTA", "DESCUENTO_PP", ""},
        {"LINEA_PRESUPUESTO_VENTA", "CONCEPTO", "VARCHAR(255)"},
        {"LINEA_PRESUPUESTO_VENTA", "CANTIDAD", "NUMERIC(15,2)"},
        {"PEDIDO_VENTA", "SERIE", "CHAR(1) NOT NULL"},
        {"PEDIDO_VENTA", "FECHA_ENTREGA", "DATE"},
        {"LINEA_PEDIDO_VENTA", "PIVA", "DOUBLE PRECISION"},
        {"LINEA_PEDIDO_VENTA", "P_IVA", ""},
        {"ALBARAN_VENTA", "ALMACEN", "CHAR(4) NOT NULL"},
        {"FACTURA_VENTA", "ALMACEN", "CHAR(4)"},
        {"FACTURA_VENTA", "TOTAL", ""},
        {"LINEA_ALBARAN_VENTA", "P_RE", "NUMERIC(15,2)"},
        {"LINEA_FACTURA_VENTA", "P_IVA", "DOUBLE PRECISION"},
        {"LINEA_FACTURA_VENTA", "IMPORTE", ""},
        {"COBRO", "IMPORTE", "NUMERIC(15,2)"},
        {"PEDIDO_COMPRA", "FECHA_RECEPCION", "DATE"},
        {"PEDIDO_COMPRA", "VENDEDOR", ""},
        {"ALBARAN_COMPRA", "ALMACEN", "CHAR(4) NOT NULL"},
        {"ALBARAN_COMPRA", "DTO_PP", "NUMERIC(15,2)"},
        {"ALBARAN_COMPRA", "DESCUENTO_PP", ""},
        {"FACTURA_COMPRA", "DESCUENTO_PP", "INTEGER"},
        {"LINEA_ALBARAN_COMPRA", "PIVA", "NUMERIC(15,2)"},
        {"LINEA_PEDIDO_COMPRA", "CANTIDAD_RECIBIDA", "DOUBLE PRECISION"},
        {"PAGO", "PROVEEDOR", "CHAR(10)"},
        {"INCIDENCIA", "DOCUMENTO", "CHAR(10)"},
    };
    for (const auto &c : cases)
        QTest::addRow("%s.%s", c.table, c.column) << c.table << c.column << c.expected;
}

void TestDatabase::descriptionHasTheRequiredColumns()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QString, expected);
    const db::TableDef *t = db::findTable(table);
    QVERIFY(t);
    const db::ColumnDef *c = t->column(column);
    const QString described = c ? c->sqlType() + (c->notNull ? QStringLiteral(" NOT NULL") : QString()) : QString();
    QCOMPARE(described, expected);
}

void TestDatabase::descriptionKeepsTheColumnOrder_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("PRESUPUESTO_VENTA") << "PRESUPUESTO_VENTA"
                                       << QStringList{"NUMERO", "ESTADO", "FECHA", "CLIENTE", "VENDEDOR",
                                                      "DESCUENTO", "OBSERVACIONES", "BASE1", "BASE2", "BASE3",
                                                      "BASE4", "PIVA1", "PIVA2", "PIVA3", "PIVA4", "PRE1", "PRE2",
                                                      "PRE3", "PRE4"};
    QTest::newRow("LINEA_PRESUPUESTO_VENTA")
        << "LINEA_PRESUPUESTO_VENTA"
        << QStringList{"CODIGO", "PRESUPUESTO", "ARTICULO", "CONCEPTO", "CANTIDAD", "PRECIO",
                       "DESCUENTO", "OBSERVACIONES", "CANTIDAD_APROBADA", "P_IVA", "P_RE"};
    QTest::newRow("LINEA_PEDIDO_COMPRA")
        << "LINEA_PEDIDO_COMPRA"
        << QStringList{"CODIGO", "ARTICULO", "DESCRIPCION", "CANTIDAD", "PRECIO", "DESCUENTO",
                       "OBSERVACIONES", "P_IVA", "P_RE", "CANTIDAD_RECIBIDA", "PEDIDO"};
    QTest::newRow("ALBARAN_COMPRA")
        << "ALBARAN_COMPRA"
        << QStringList{"SERIE", "NUMERO", "ESTADO", "FECHA", "SUALBARAN", "PROVEEDOR", "ALMACEN",
                       "RESPONSABLE", "FORMA_PAGO", "OBSERVACIONES", "DESCUENTO", "DTO_PP", "BASE1",
                       "BASE2", "BASE3", "BASE4", "PIVA1", "PIVA2", "PIVA3", "PIVA4", "PRE1", "PRE2", "PRE3",
                       "PRE4", "PEDIDO", "FACTURA"};
    QTest::newRow("RESPONSABLE_ALMACEN")
        << "RESPONSABLE_ALMACEN"
        << QStringList{"CODIGO", "NOMBRE", "NIF", "DIRECCION", "LOCALIDAD", "CODIGO_POSTAL", "PROVINCIA",
                       "TELEFONO1", "TELEFONO2", "FAX", "EMAIL", "FOTO", "OBSERVACIONES"};
}

void TestDatabase::descriptionKeepsTheColumnOrder()
{
    QFETCH(QString, table);
    QFETCH(QStringList, expected);
    const db::TableDef *t = db::findTable(table);
    QVERIFY(t);
    QStringList names;
    for (const db::ColumnDef &c : t->columns)
        names << c.name;
    QCOMPARE(names, expected);
}

// ---------------------------------------------------------------------------

void TestDatabase::uniqueKeysRefuseDuplicates_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("insert");
    QTest::addColumn<QVariantList>("first");
    QTest::addColumn<QVariantList>("second");
    QTest::addColumn<bool>("refused");

    const QString company = db::companyDatabaseFile(QStringLiteral("01"));
    const QString general = db::generalDatabaseFile();
    QTest::newRow("codigo de empresa") << general << "INSERT INTO EMPRESA (CODIGO) VALUES (?)"
                                       << QVariantList{"07"} << QVariantList{"07"} << true;
    QTest::newRow("numero de usuario") << general << "INSERT INTO USUARIO (CODIGO, NOMBRE) VALUES (?, ?)"
                                       << QVariantList{7, "ana"} << QVariantList{7, "luis"} << true;
    QTest::newRow("codigo de cliente") << company << "INSERT INTO CLIENTE (CODIGO) VALUES (?)"
                                       << QVariantList{"C1"} << QVariantList{"C1"} << true;
    QTest::newRow("codigo de forma de pago") << company << "INSERT INTO FORMA_PAGO (CODIGO) VALUES (?)"
                                             << QVariantList{"CONT"} << QVariantList{"CONT"} << true;
    QTest::newRow("serie y numero") << company << "INSERT INTO FACTURA_VENTA (SERIE, NUMERO) VALUES (?, ?)"
                                    << QVariantList{"A", 1} << QVariantList{"A", 1} << true;
    QTest::newRow("mismo numero en otra serie")
        << company << "INSERT INTO FACTURA_VENTA (SERIE, NUMERO) VALUES (?, ?)" << QVariantList{"A", 1}
        << QVariantList{"B", 1} << false;
    QTest::newRow("serie y numero de compra") << company
                                              << "INSERT INTO ALBARAN_COMPRA (SERIE, NUMERO, ALMACEN) VALUES (?, ?, ?)"
                                              << QVariantList{"A", 3, "ALM1"} << QVariantList{"A", 3, "ALM2"}
                                              << true;
    QTest::newRow("numero de presupuesto") << company << "INSERT INTO PRESUPUESTO_VENTA (NUMERO) VALUES (?)"
                                           << QVariantList{5} << QVariantList{5} << true;
    QTest::newRow("numero de cobro") << company << "INSERT INTO COBRO (NUMERO) VALUES (?)" << QVariantList{5}
                                     << QVariantList{5} << true;
    QTest::newRow("numero de pago") << company << "INSERT INTO PAGO (NUMERO) VALUES (?)" << QVariantList{5}
                                    << QVariantList{5} << true;
    QTest::newRow("codigo de linea") << company << "INSERT INTO LINEA_PEDIDO_VENTA (CODIGO, PEDIDO) VALUES (?, ?)"
                                     << QVariantList{9, "A        1"} << QVariantList{9, "A        2"} << true;
    QTest::newRow("codigo de nota") << company << "INSERT INTO NOTA (CODIGO) VALUES (?)" << QVariantList{2}
                                    << QVariantList{2} << true;
    QTest::newRow("codigo de stock") << company << "INSERT INTO STOCK (CODIGO, ALMACEN, ARTICULO) VALUES (?, ?, ?)"
                                     << QVariantList{1, "ALM1", "A1"} << QVariantList{1, "ALM1", "A2"} << true;
    QTest::newRow("almacen y articulo") << company
                                        << "INSERT INTO STOCK (CODIGO, ALMACEN, ARTICULO) VALUES (?, ?, ?)"
                                        << QVariantList{1, "ALM1", "A1"} << QVariantList{2, "ALM1", "A1"} << true;
    QTest::newRow("mismo articulo en otro almacen")
        << company << "INSERT INTO STOCK (CODIGO, ALMACEN, ARTICULO) VALUES (?, ?, ?)"
        << QVariantList{1, "ALM1", "A1"} << QVariantList{2, "ALM2", "A1"} << false;
    QTest::newRow("almacen y articulo nulos")
        << company << "INSERT INTO STOCK (CODIGO, ALMACEN, ARTICULO) VALUES (?, ?, ?)"
        << QVariantList{1, QVariant(), QVariant()} << QVariantList{2, QVariant(), QVariant()} << false;
}

void TestDatabase::uniqueKeysRefuseDuplicates()
{
    QFETCH(QString, file);
    QFETCH(QString, insert);
    QFETCH(QVariantList, first);
    QFETCH(QVariantList, second);
    QFETCH(bool, refused);

    QTemporaryDir dir;
    fb::Connection connection;
    connection.open(testsupport::freshDatabases(dir) + file);
    connection.execute(insert, first);
    try {
        connection.execute(insert, second);
        QVERIFY2(!refused, "the duplicate was stored");
    } catch (const fb::Error &e) {
        QVERIFY2(refused, qPrintable(e.text()));
        QVERIFY2(e.hasCode(fb::codes::UniqueKeyViolation) || e.hasCode(fb::codes::NoDuplicate), qPrintable(e.text()));
    }
}

void TestDatabase::freshDatabasesAreIndependentCopies()
{
    QTemporaryDir first;
    QTemporaryDir second;
    const QString company = db::companyDatabaseFile(QStringLiteral("01"));
    {
        fb::Connection connection;
        connection.open(testsupport::freshDatabases(first) + company);
        connection.execute(QStringLiteral("INSERT INTO FAMILIA (CODIGO) VALUES ('F1')"));
    }
    fb::Connection connection;
    connection.open(testsupport::freshDatabases(second) + company);
    QVERIFY(connection.query(QStringLiteral("SELECT CODIGO FROM FAMILIA")).isEmpty());
    QCOMPARE(QFileInfo(testsupport::schemaDirectory() + db::templateDatabaseFile()).size(),
             QFileInfo(second.path() + u'/' + db::templateDatabaseFile()).size());
}

// ---------------------------------------------------------------------------

void TestDatabase::writeDataDirectoryWritesThreeOpenableFiles()
{
    const QStringList expected = {m_demoFolder + db::generalDatabaseFile(), m_demoFolder + db::templateDatabaseFile(),
                                  m_demoFolder + db::companyDatabaseFile(QStringLiteral("01"))};
    QCOMPARE(m_written, expected);
    const QList<std::size_t> tableCounts = {db::generalTables().size(), db::companyTables().size(),
                                            db::companyTables().size()};
    for (int i = 0; i < expected.size(); ++i) {
        // Embedded there is no password: the file permissions are all the protection.
        QCOMPARE(QFileInfo(expected[i]).permissions() & (QFile::ReadOther | QFile::WriteOther), QFile::Permissions());
        fb::Connection connection;
        connection.open(expected[i]);
        QCOMPARE(std::size_t(catalogueTables(connection).size()), tableCounts[i]);
    }
    fb::Connection templ;
    templ.open(expected[1]);
    QVERIFY2(templ.query(QStringLiteral("SELECT CODIGO FROM CLIENTE")).isEmpty(), "the template must stay empty");
}

void TestDatabase::writeDataDirectoryRefusesToOverwrite_data()
{
    QTest::addColumn<QString>("existing");
    QTest::newRow("general") << db::generalDatabaseFile();
    QTest::newRow("plantilla") << db::templateDatabaseFile();
    QTest::newRow("empresa") << db::companyDatabaseFile(QStringLiteral("01"));
}

void TestDatabase::writeDataDirectoryRefusesToOverwrite()
{
    QFETCH(QString, existing);
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    const QByteArray userData = "datos del usuario";
    {
        QFile file(folder + existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(userData);
    }

    QVERIFY_THROWS_EXCEPTION(std::exception, db::writeDataDirectory(folder));

    QFile file(folder + existing);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), userData);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{existing});
}

// A half-made file would hold nobody's data and make the next attempt refuse.
void TestDatabase::failedDemoCompanyLeavesNoFile()
{
    QTemporaryDir dir;
    const QString notADatabase = dir.path() + QStringLiteral("/empresabase.gdb");
    const QString company = dir.path() + u'/' + db::companyDatabaseFile(QStringLiteral("01"));
    {
        QFile file(notADatabase);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("esto no es una base de datos");
    }
    QVERIFY_THROWS_EXCEPTION(fb::Error, db::createDemoCompany(notADatabase, company));
    QVERIFY(!QFileInfo::exists(company));
}

// ---------------------------------------------------------------------------

void TestDatabase::generalDatabaseHasAdminAndDemoCompany()
{
    fb::Connection connection;
    connection.open(databasePath(QStringLiteral("general")));
    const fb::QueryResult admin = connection.query(
        QStringLiteral("SELECT CODIGO FROM USUARIO WHERE (NOMBRE = 'admin') AND (CONTRASENA = 'admin')"));
    QCOMPARE(admin.scalar(), QVariant(1));
    const fb::QueryResult company =
        connection.query(QStringLiteral("SELECT REC_EQUIVALENCIA, NOMBRE FROM EMPRESA WHERE CODIGO = '01'"));
    QCOMPARE(company.rows.size(), std::size_t(1));
    QCOMPARE(company.rows[0][0].toString(), QStringLiteral("N"));
    QVERIFY(!company.rows[0][1].toString().trimmed().isEmpty());
}

void TestDatabase::demoStockTotalsEqualTheirStockRows()
{
    fb::Connection connection;
    connection.open(databasePath(QStringLiteral("empresa")));
    const fb::QueryResult articles = connection.query(QStringLiteral(
        "SELECT a.CODIGO, a.STOCK, (SELECT SUM(s.STOCK) FROM STOCK s WHERE s.ARTICULO = a.CODIGO) FROM ARTICULO a"));
    QVERIFY(articles.rows.size() >= 10);
    int withStock = 0;
    for (const QVariantList &row : articles.rows) {
        QVERIFY2(qAbs(row[1].toDouble() - row[2].toDouble()) < 0.005, qPrintable(row[0].toString()));
        withStock += row[2].isValid() ? 1 : 0;
    }
    QVERIFY(withStock > 0);
}

void TestDatabase::demoTaxIdentitiesAreValid_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("nif");
    QTest::addColumn<bool>("cif");
    QTest::newRow("empresa") << "general" << "SELECT CIF FROM EMPRESA" << false << true;
    QTest::newRow("clientes") << "empresa" << "SELECT CIF_NIF FROM CLIENTE" << true << true;
    QTest::newRow("proveedores") << "empresa" << "SELECT CIF FROM PROVEEDOR" << false << true;
    QTest::newRow("vendedores") << "empresa" << "SELECT NIF FROM VENDEDOR" << true << false;
    QTest::newRow("responsables de compras") << "empresa" << "SELECT NIF FROM RESPONSABLE_COMPRAS" << true << false;
    QTest::newRow("responsables de almacen") << "empresa" << "SELECT NIF FROM RESPONSABLE_ALMACEN" << true << false;
    QTest::newRow("personas de contacto") << "empresa" << "SELECT NIF FROM PERSONA_CONTACTO" << true << false;
}

void TestDatabase::demoTaxIdentitiesAreValid()
{
    QFETCH(QString, which);
    QFETCH(QString, query);
    QFETCH(bool, nif);
    QFETCH(bool, cif);
    fb::Connection connection;
    connection.open(databasePath(which));
    int checked = 0;
    for (const QVariantList &row : connection.query(query).rows) {
        if (!row[0].isValid())
            continue;
        const QString value = row[0].toString().trimmed();
        QVERIFY2((nif && validNif(value)) || (cif && validCif(value)), qPrintable(value));
        ++checked;
    }
    QVERIFY(checked > 0);
}

void TestDatabase::demoAccountCodesAreValid_data()
{
    QTest::addColumn<QString>("table");
    QTest::newRow("cuentas bancarias") << "CUENTA_BANCARIA";
    QTest::newRow("clientes") << "CLIENTE";
    QTest::newRow("proveedores") << "PROVEEDOR";
}

void TestDatabase::demoAccountCodesAreValid()
{
    QFETCH(QString, table);
    fb::Connection connection;
    connection.open(databasePath(QStringLiteral("empresa")));
    const fb::QueryResult accounts = connection.query(
        QStringLiteral("SELECT COD_ENTIDAD, COD_AGENCIA, DC, NCUENTA FROM %1 WHERE COD_ENTIDAD IS NOT NULL")
            .arg(table));
    QVERIFY(!accounts.isEmpty());
    for (const QVariantList &row : accounts.rows) {
        const QString control = cccControl(row[0].toString(), row[1].toString(), row[3].toString());
        QVERIFY2(!control.isEmpty(), qPrintable(row[3].toString()));
        QCOMPARE(row[2].toString(), control);
    }
}

void TestDatabase::demoCodesNameExistingRows_data()
{
    QTest::addColumn<QString>("query"); // rows whose code names nothing
    const struct
    {
        const char *child, *column, *parent, *condition;
    } references[] = {
        {"CLIENTE", "VENDEDOR", "VENDEDOR", ""},
        {"CLIENTE", "FORMA_PAGO", "FORMA_PAGO", ""},
        {"PROVEEDOR", "RESPONSABLE", "RESPONSABLE_COMPRAS", ""},
        {"PROVEEDOR", "FORMA_PAGO", "FORMA_PAGO", ""},
        {"FORMA_PAGO", "CUENTA", "CUENTA_BANCARIA", ""},
        {"ARTICULO", "FAMILIA", "FAMILIA", ""},
        {"ARTICULO", "PROVEEDOR", "PROVEEDOR", ""},
        {"ALMACEN", "RESPONSABLE", "RESPONSABLE_ALMACEN", ""},
        {"STOCK", "ALMACEN", "ALMACEN", ""},
        {"STOCK", "ARTICULO", "ARTICULO", ""},
        {"PERSONA_CONTACTO", "DE", "CLIENTE", "TIPO_DE = 'C'"},
        {"PERSONA_CONTACTO", "DE", "PROVEEDOR", "TIPO_DE = 'P'"},
        {"DIRECCION", "DE", "CLIENTE", "TIPO_DE = 'C'"},
        {"DIRECCION", "DE", "PROVEEDOR", "TIPO_DE = 'P'"},
        {"NOTA", "DE", "CLIENTE", "TIPO_DE = 'C'"},
        {"NOTA", "DE", "PROVEEDOR", "TIPO_DE = 'P'"},
    };
    for (const auto &r : references) {
        const QString condition = *r.condition ? QStringLiteral(" AND c.%1").arg(r.condition) : QString();
        QTest::addRow("%s.%s -> %s", r.child, r.column, r.parent)
            << QStringLiteral("SELECT c.%2 FROM %1 c WHERE c.%2 IS NOT NULL%4 AND NOT EXISTS "
                              "(SELECT 1 FROM %3 p WHERE p.CODIGO = c.%2)")
                   .arg(r.child, r.column, r.parent, condition);
    }
}

void TestDatabase::demoCodesNameExistingRows()
{
    QFETCH(QString, query);
    fb::Connection connection;
    connection.open(databasePath(QStringLiteral("empresa")));
    const fb::QueryResult dangling = connection.query(query);
    QVERIFY2(dangling.isEmpty(), qPrintable(dangling.scalar().toString()));
}

// The rate table of the system: VAT 16, 7, 4 or 0, each with its surcharge.
void TestDatabase::demoArticlesUseTheSystemsRates()
{
    const QMap<int, double> surcharge = {{16, 4.0}, {7, 1.0}, {4, 0.5}, {0, 0.0}};
    fb::Connection connection;
    connection.open(databasePath(QStringLiteral("empresa")));
    for (const QVariantList &row : connection.query(QStringLiteral("SELECT CODIGO, P_IVA, P_RE FROM ARTICULO")).rows) {
        const double vat = row[1].toDouble();
        QVERIFY2(surcharge.contains(qRound(vat)) && qRound(vat) == vat, qPrintable(row[0].toString()));
        QCOMPARE(row[2].toDouble(), surcharge.value(qRound(vat)));
    }
}

// A character outside WIN1252 would be stored as '?' without any error.
void TestDatabase::demoTextsFitTheCharacterSet()
{
    std::vector<db::TableRows> all = db::generalRows();
    const std::vector<db::TableRows> company = db::demoCompanyRows();
    all.insert(all.end(), company.begin(), company.end());
    for (const db::TableRows &t : all) {
        for (const QVariantList &row : t.rows) {
            for (const QVariant &value : row) {
                if (value.typeId() == QMetaType::QString)
                    QVERIFY2(fb::representableInWin1252(value.toString()), qPrintable(value.toString()));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
