// The client layer against the real embedded engine: WIN1252 text, exact
// NUMERIC values, conversions of bound values, BLOBs, error codes, two
// processes on one file, and backup and restore through the services.
#include "TestEnvironment.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbDatabaseName.h"
#include "platform/firebird/FbEnvironment.h"
#include "platform/firebird/FbError.h"
#include "platform/firebird/FbServices.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"
#include "platform/firebird/Win1252.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QString Spanish = QStringLiteral("Peña €Œ™ ñ");

const char *const Schema =
    "CREATE TABLE PRUEBA (ID INTEGER NOT NULL PRIMARY KEY, C CHAR(20), C10 CHAR(10), V VARCHAR(20), "
    "T BLOB SUB_TYPE TEXT, B BLOB SUB_TYPE BINARY, N NUMERIC(15,2), P NUMERIC(4,2), S SMALLINT, "
    "I INTEGER, G BIGINT, D DOUBLE PRECISION, F DATE, H TIME, M TIMESTAMP, L BOOLEAN)";

// --- the second process -----------------------------------------------------
// The test program runs itself with "--ayudante <order> <database> ..." to
// play another copy of the program working on the same file.
const QString HelperFlag = QStringLiteral("--ayudante");
const QByteArray Ready = "LISTO";

void announceReady()
{
    QTextStream(stdout) << Ready << Qt::endl;
}

// "abrir <db>": holds a connection until its input is closed.
// "actualizar <db> <ms>": changes row 1 in a transaction, says it is ready,
// keeps the change uncommitted for <ms> milliseconds, then commits.
int runHelper(const QStringList &args)
{
    testsupport::initFirebird();
    fb::Connection connection;
    connection.open(args.at(1));
    if (args.at(0) == QLatin1String("abrir")) {
        announceReady();
        QFile input;
        input.open(stdin, QIODevice::ReadOnly);
        input.readAll();
        return 0;
    }
    fb::Transaction transaction(connection);
    fb::Statement update(transaction, QStringLiteral("UPDATE PRUEBA SET V = 'OTRO' WHERE ID = 1"));
    update.execute();
    announceReady();
    QThread::msleep(args.at(2).toULong());
    transaction.commit();
    return 0;
}

class Helper
{
public:
    explicit Helper(const QStringList &args)
    {
        m_process.start(QCoreApplication::applicationFilePath(), QStringList{HelperFlag} + args);
    }
    ~Helper()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
    }

    bool waitUntilReady()
    {
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(15000))
                return false;
        }
        return m_process.readLine().trimmed() == Ready;
    }
    void finish() { m_process.closeWriteChannel(); m_process.waitForFinished(10000); }

private:
    QProcess m_process;
};

// Restores FIREBIRD and FIREBIRD_LOCK: the helper processes inherit them and
// must use the same lock directory as this process.
class EnvironmentGuard
{
public:
    ~EnvironmentGuard()
    {
        qputenv("FIREBIRD", m_root);
        qputenv("FIREBIRD_LOCK", m_lock);
    }

private:
    QByteArray m_root = qgetenv("FIREBIRD");
    QByteArray m_lock = qgetenv("FIREBIRD_LOCK");
};

mode_t modeOf(const QString &path)
{
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 07777;
}

QString rowsOf(fb::Connection &connection)
{
    QStringList rows;
    for (const QVariantList &row : connection.query(QStringLiteral("SELECT ID, V FROM PRUEBA ORDER BY ID")).rows)
        rows << row.at(0).toString() + u'=' + row.at(1).toString();
    return rows.join(u',');
}

} // namespace

class TstFirebird : public QObject
{
    Q_OBJECT

    QTemporaryDir m_templateDir;
    QString m_template;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path; // this test's own database
    fb::Connection m_db;

    // Stores one value in one column of a new row and reads it back.
    QVariant storeAndRead(const QString &column, const QVariant &value)
    {
        m_db.execute(QStringLiteral("INSERT INTO PRUEBA (ID, %1) VALUES (1, ?)").arg(column), {value});
        return m_db.query(QStringLiteral("SELECT %1 FROM PRUEBA WHERE ID = 1").arg(column)).scalar();
    }

    void addRows(const QStringList &values)
    {
        for (int i = 0; i < values.size(); ++i)
            m_db.execute(QStringLiteral("INSERT INTO PRUEBA (ID, V) VALUES (?, ?)"), {i + 1, values.at(i)});
    }

private slots:
    void initTestCase()
    {
        testsupport::initFirebird();
        m_template = m_templateDir.filePath(QStringLiteral("plantilla.fdb"));
        fb::Connection connection;
        connection.create(m_template);
        connection.execute(QString::fromLatin1(Schema));
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        // A folder name outside ASCII, as Spanish users have, on every path.
        QDir(m_dir->path()).mkdir(QStringLiteral("Datos España"));
        m_path = m_dir->filePath(QStringLiteral("Datos España/prueba.fdb"));
        QVERIFY(QFile::copy(m_template, m_path));
        m_db.open(m_path);
    }

    void cleanup()
    {
        m_db.close();
        m_dir.reset();
    }

    // --- environment and names ----------------------------------------------

    void environmentRefusesBadSetup_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<bool>("lockBelowFile");
        QTest::addColumn<QString>("expected");
        QTest::newRow("sin mensajes") << "firebird.msg" << false << "falta: firebird.msg";
        QTest::newRow("sin juegos de caracteres") << "intl/libfbintl.so" << false << "falta: intl/libfbintl.so";
        QTest::newRow("sin motor") << "plugins" << false << "falta: plugins/libEngine12.so";
        QTest::newRow("bloqueos sin permiso") << QString() << true
                                              << "No se puede escribir en el directorio de bloqueos de la base de datos: ";
    }

    void environmentRefusesBadSetup()
    {
        QFETCH(QString, missing);
        QFETCH(bool, lockBelowFile);
        QFETCH(QString, expected);
        EnvironmentGuard guard;
        const QDir real(testsupport::firebirdRoot());
        const QDir root(m_dir->filePath(QStringLiteral("raiz")));
        root.mkpath(QStringLiteral("intl"));
        for (const char *name : {"firebird.conf", "firebird.msg", "intl/libfbintl.so", "intl/fbintl.conf"}) {
            const QString file = QString::fromLatin1(name);
            if (file != missing)
                QVERIFY(QFile::copy(real.filePath(file), root.filePath(file)));
        }
        if (missing != QLatin1String("plugins"))
            QVERIFY(QFile::link(real.canonicalPath() + QStringLiteral("/plugins"), root.filePath(QStringLiteral("plugins"))));
        // root ignores permissions, so the unwritable place is below a plain file.
        QString lockDir = m_dir->filePath(QStringLiteral("bloqueos"));
        if (lockBelowFile) {
            QFile(m_dir->filePath(QStringLiteral("fichero"))).open(QIODevice::WriteOnly);
            lockDir = m_dir->filePath(QStringLiteral("fichero/bloqueos"));
        }
        try {
            fb::initEmbedded(root.path(), lockDir);
            QFAIL("the setup was accepted");
        } catch (const fb::Error &error) {
            QVERIFY2(error.text().contains(expected), qPrintable(error.text()));
        }
    }

    void lockDirectoryIsSharedByAllUsers()
    {
        EnvironmentGuard guard;
        const QString lockDir = m_dir->filePath(QStringLiteral("nueva/bloqueos"));
        fb::initEmbedded(testsupport::firebirdRoot(), lockDir);
        QCOMPARE(modeOf(lockDir), mode_t(01777));
        QCOMPARE(qgetenv("FIREBIRD_LOCK"), QFile::encodeName(lockDir));
    }

    void win1252Table()
    {
        QByteArray every(256, Qt::Uninitialized);
        for (int byte = 0; byte < 256; ++byte)
            every[byte] = char(byte);
        QCOMPARE(fb::toWin1252(fb::fromWin1252(every)), every);

        QCOMPARE(fb::fromWin1252(QByteArray("\x80\x8C\x99\x93\x94\xF1\xD1\x81")), QString::fromUtf8("€Œ™“”ñÑ\u0081"));
        QCOMPARE(fb::toWin1252(QString::fromUtf8("Peña €Œ™ ñ")), QByteArray("Pe\xF1" "a \x80\x8C\x99 \xF1"));
        // No 1252 code: one '?' per character, even outside the BMP.
        QCOMPARE(fb::toWin1252(QString::fromUtf8("łΩ😀")), QByteArray("???"));
        QVERIFY(fb::representableInWin1252(Spanish));
        QVERIFY(!fb::representableInWin1252(QString::fromUtf8("Łódź")));
    }

    void databaseNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("path");
        QTest::newRow("local") << "/datos/general.gdb" << "" << "/datos/general.gdb";
        QTest::newRow("servidor") << "srv:/datos/general.gdb" << "srv" << "/datos/general.gdb";
        QTest::newRow("servidor windows") << "SRV:C:\\DATOS\\general.gdb" << "SRV" << "C:\\DATOS\\general.gdb";
        QTest::newRow("letra de unidad") << "C:\\DATOS\\general.gdb" << "" << "C:\\DATOS\\general.gdb";
        QTest::newRow("dos puntos en la ruta") << "/datos/a:b.gdb" << "" << "/datos/a:b.gdb";
    }

    void databaseNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, host);
        QFETCH(QString, path);
        const auto parsed = fb::detail::DatabaseName::parse(name);
        QCOMPARE(parsed.host, host);
        QCOMPARE(parsed.path, path);
    }

    // --- values ---------------------------------------------------------------

    void createdDatabaseSettings()
    {
        const QString path = m_dir->filePath(QStringLiteral("Datos España/nueva.fdb"));
        fb::Connection connection;
        connection.create(path);
        QVERIFY(connection.isOpen());
        QCOMPARE(modeOf(path), mode_t(0660));
        const QVariantList settings = connection.query(QStringLiteral(
            "SELECT TRIM(D.RDB$CHARACTER_SET_NAME), M.MON$PAGE_SIZE, M.MON$SQL_DIALECT, TRIM(A.MON$REMOTE_PROTOCOL) "
            "FROM RDB$DATABASE D CROSS JOIN MON$DATABASE M CROSS JOIN MON$ATTACHMENTS A "
            "WHERE A.MON$ATTACHMENT_ID = CURRENT_CONNECTION")).rows.front();
        QCOMPARE(settings.at(0).toString(), QStringLiteral("WIN1252"));
        QCOMPARE(settings.at(1).toInt(), 8192);
        QCOMPARE(settings.at(2).toInt(), 3);
        QVERIFY(!settings.at(3).isValid()); // embedded: no network protocol
    }

    void textRoundTrip_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("asText"); // the column as a string expression in SQL
        QTest::newRow("CHAR(20)") << "C" << Spanish + QString(10, u' ') << "C";
        QTest::newRow("VARCHAR(20)") << "V" << Spanish << "V";
        QTest::newRow("BLOB de texto") << "T" << Spanish << "CAST(T AS VARCHAR(20))";
    }

    void textRoundTrip()
    {
        QFETCH(QString, column);
        QFETCH(QString, expected);
        QFETCH(QString, asText);
        QCOMPARE(storeAndRead(column, Spanish).toString(), expected);
        // Stored as real WIN1252 bytes, one per character: € is 0x80, ™ 0x99.
        const QVariantList codes = m_db.query(QStringLiteral(
            "SELECT OCTET_LENGTH(TRIM(%1)), ASCII_VAL(SUBSTRING(%1 FROM 3 FOR 1)), ASCII_VAL(SUBSTRING(%1 FROM 6 FOR 1)), "
            "ASCII_VAL(SUBSTRING(%1 FROM 7 FOR 1)), ASCII_VAL(SUBSTRING(%1 FROM 8 FOR 1)) FROM PRUEBA").arg(asText)).rows.front();
        QStringList found;
        for (const QVariant &code : codes)
            found << code.toString();
        QCOMPARE(found.join(u' '), QStringLiteral("10 241 128 140 153"));
    }

    void charKeepsTrailingBlanks()
    {
        QCOMPARE(storeAndRead(QStringLiteral("C10"), QStringLiteral("AB")).toString(), QStringLiteral("AB        "));
        const QString find = QStringLiteral("SELECT COUNT(*) FROM PRUEBA WHERE C10 = ?");
        QCOMPARE(m_db.query(find, {QStringLiteral("AB")}).scalar().toInt(), 1);
        // Blanks beyond the length are no reason to refuse the value.
        QCOMPARE(m_db.query(find, {QStringLiteral("AB") + QString(14, u' ')}).scalar().toInt(), 1);
    }

    void numericRounding_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("stored");
        QTest::newRow("2.675") << QVariant(2.675) << "2.68";
        QTest::newRow("-2.675") << QVariant(-2.675) << "-2.68";
        QTest::newRow("0.005") << QVariant(0.005) << "0.01";
        QTest::newRow("1.005") << QVariant(1.005) << "1.01";
        QTest::newRow("-0.004") << QVariant(-0.004) << "0.00";
        QTest::newRow("texto 2.675") << QVariant(QStringLiteral("2.675")) << "2.68";
        QTest::newRow("texto -2,675") << QVariant(QStringLiteral("-2,675")) << "-2.68";
        QTest::newRow("texto 1e3") << QVariant(QStringLiteral("1e3")) << "1000.00";
        QTest::newRow("entero") << QVariant(7) << "7.00";
        QTest::newRow("grande") << QVariant(qlonglong(9999999999999)) << "9999999999999.00";
    }

    void numericRounding()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, stored);
        const QVariant read = storeAndRead(QStringLiteral("N"), value);
        QCOMPARE(m_db.query(QStringLiteral("SELECT CAST(N AS VARCHAR(30)) FROM PRUEBA")).scalar().toString(), stored);
        QCOMPARE(read.typeId(), QMetaType::Double);
        QCOMPARE(read.toDouble(), stored.toDouble());
    }

    void valueConversions_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("texto a INTEGER") << "I" << QVariant(QStringLiteral(" 12 ")) << QVariant(12);
        QTest::newRow("double a INTEGER") << "I" << QVariant(2.5) << QVariant(3);
        QTest::newRow("texto a SMALLINT") << "S" << QVariant(QStringLiteral("-7")) << QVariant(-7);
        QTest::newRow("BIGINT") << "G" << QVariant(qlonglong(1) << 40) << QVariant(qlonglong(1) << 40);
        QTest::newRow("NUMERIC(4,2)") << "P" << QVariant(QStringLiteral("12.345")) << QVariant(12.35);
        QTest::newRow("entero a VARCHAR") << "V" << QVariant(42) << QVariant(QStringLiteral("42"));
        QTest::newRow("double a VARCHAR") << "V" << QVariant(0.1) << QVariant(QStringLiteral("0.1"));
        QTest::newRow("DOUBLE") << "D" << QVariant(0.1) << QVariant(0.1);
        QTest::newRow("texto con coma a DOUBLE") << "D" << QVariant(QStringLiteral("2,5")) << QVariant(2.5);
        QTest::newRow("fecha ISO") << "F" << QVariant(QStringLiteral("2026-12-11")) << QVariant(QDate(2026, 12, 11));
        QTest::newRow("fecha española") << "F" << QVariant(QStringLiteral("11/12/2026")) << QVariant(QDate(2026, 12, 11));
        QTest::newRow("QDate") << "F" << QVariant(QDate(1900, 2, 28)) << QVariant(QDate(1900, 2, 28));
        QTest::newRow("hora") << "H" << QVariant(QStringLiteral("10:30")) << QVariant(QTime(10, 30));
        QTest::newRow("QTime") << "H" << QVariant(QTime(23, 59, 58, 123)) << QVariant(QTime(23, 59, 58, 123));
        const QDateTime moment(QDate(2026, 12, 11), QTime(9, 5, 7, 250));
        QTest::newRow("QDateTime") << "M" << QVariant(moment) << QVariant(moment);
        QTest::newRow("QDate a TIMESTAMP") << "M" << QVariant(QDate(2026, 1, 2))
                                           << QVariant(QDateTime(QDate(2026, 1, 2), QTime(0, 0)));
        QTest::newRow("texto a TIMESTAMP") << "M" << QVariant(QStringLiteral("2026-12-11 09:05:07"))
                                           << QVariant(QDateTime(QDate(2026, 12, 11), QTime(9, 5, 7)));
        QTest::newRow("BOOLEAN") << "L" << QVariant(true) << QVariant(true);
        QTest::newRow("QVariant() es NULL") << "V" << QVariant() << QVariant();
        QTest::newRow("texto vacío a INTEGER es NULL") << "I" << QVariant(QStringLiteral("")) << QVariant();
        QTest::newRow("texto vacío a VARCHAR") << "V" << QVariant(QStringLiteral("")) << QVariant(QStringLiteral(""));
    }

    void valueConversions()
    {
        QFETCH(QString, column);
        QFETCH(QVariant, value);
        QFETCH(QVariant, expected);
        const QVariant read = storeAndRead(column, value);
        QCOMPARE(read.typeId(), expected.typeId());
        QCOMPARE(read, expected);
    }

    void badParametersRefused_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("texto largo") << "V" << QVariant(QString(21, u'x')) << "es demasiado largo";
        QTest::newRow("CHAR largo") << "C10" << QVariant(QStringLiteral("ABCDEFGHIJK")) << "es demasiado largo";
        QTest::newRow("no es un número") << "I" << QVariant(QStringLiteral("12a")) << "no es un número válido";
        QTest::newRow("SMALLINT desbordado") << "S" << QVariant(40000) << "fuera del rango";
        QTest::newRow("NUMERIC(4,2) desbordado") << "P" << QVariant(400.0) << "fuera del rango";
        QTest::newRow("BIGINT desbordado") << "G" << QVariant(1e30) << "fuera del rango";
        QTest::newRow("fecha imposible") << "F" << QVariant(QStringLiteral("31/02/2026")) << "no es una fecha válida";
    }

    void badParametersRefused()
    {
        QFETCH(QString, column);
        QFETCH(QVariant, value);
        QFETCH(QString, expected);
        try {
            storeAndRead(column, value);
            QFAIL("the value was accepted");
        } catch (const fb::Error &error) {
            QVERIFY2(error.text().contains(expected), qPrintable(error.text()));
        }
        QCOMPARE(m_db.query(QStringLiteral("SELECT COUNT(*) FROM PRUEBA")).scalar().toInt(), 0);
    }

    void nullsOfEveryType()
    {
        m_db.execute(QStringLiteral("INSERT INTO PRUEBA (ID) VALUES (1)"));
        const fb::QueryResult result = m_db.query(QStringLiteral("SELECT * FROM PRUEBA"));
        const QVariantList &row = result.rows.front();
        QCOMPARE(row.size(), qsizetype(16));
        for (qsizetype i = 1; i < row.size(); ++i)
            QVERIFY2(!row.at(i).isValid(), qPrintable(result.columns.at(i).name));
        QVERIFY(!m_db.query(QStringLiteral("SELECT MAX(ID) FROM PRUEBA WHERE ID < 0")).scalar().isValid());
    }

    void binaryBlobRoundTrip()
    {
        // Larger than one segment, with every byte value (zeros included).
        QByteArray picture(200000, Qt::Uninitialized);
        for (char &byte : picture)
            byte = char(QRandomGenerator::global()->bounded(256));
        QCOMPARE(storeAndRead(QStringLiteral("B"), picture).toByteArray(), picture);
        m_db.execute(QStringLiteral("UPDATE PRUEBA SET B = ?"), {QByteArray("")});
        const QVariant empty = m_db.query(QStringLiteral("SELECT B FROM PRUEBA")).scalar();
        QVERIFY(empty.isValid());
        QCOMPARE(empty.toByteArray(), QByteArray());
    }

    void columnDescriptions()
    {
        fb::Transaction transaction(m_db);
        fb::Statement statement(transaction, QStringLiteral(
            "SELECT ID, C AS NOMBRE, V, N, P, I + 1 AS SIGUIENTE, T, B FROM PRUEBA WHERE V = ? AND N > ?"));
        const std::vector<fb::ColumnInfo> &columns = statement.columns();
        QCOMPARE(columns.size(), std::size_t(8));
        QCOMPARE(columns[0].name, QStringLiteral("ID"));
        QVERIFY(!columns[0].nullable);
        QCOMPARE(columns[1].name, QStringLiteral("NOMBRE"));
        QCOMPARE(columns[1].relation, QStringLiteral("PRUEBA"));
        QCOMPARE(columns[1].column, QStringLiteral("C"));
        QCOMPARE(columns[1].type, fb::SqlType::Char);
        QCOMPARE(columns[1].length, 20);
        QVERIFY(columns[1].nullable);
        QCOMPARE(columns[2].type, fb::SqlType::Varchar);
        QCOMPARE(columns[3].type, fb::SqlType::Numeric);
        QCOMPARE(columns[3].scale, 2);
        QCOMPARE(columns[4].type, fb::SqlType::Numeric);
        QCOMPARE(columns[5].name, QStringLiteral("SIGUIENTE"));
        QCOMPARE(columns[5].relation, QString());
        QCOMPARE(columns[6].type, fb::SqlType::TextBlob);
        QCOMPARE(columns[7].type, fb::SqlType::Blob);
        QVERIFY(statement.isSelect());
        QCOMPARE(statement.parameters().size(), std::size_t(2));
        QCOMPARE(statement.parameters()[0].type, fb::SqlType::Varchar);
        QCOMPARE(statement.parameters()[1].type, fb::SqlType::Numeric);
    }

    // --- statements and transactions -----------------------------------------

    void statementReuse()
    {
        fb::Transaction transaction(m_db);
        fb::Statement insert(transaction, QStringLiteral("INSERT INTO PRUEBA (ID, V) VALUES (?, ?)"));
        for (int id = 1; id <= 3; ++id) {
            insert.execute({id, QStringLiteral("V%1").arg(id)});
            QCOMPARE(insert.rowsAffected(), 1LL);
        }
        fb::Statement update(transaction, QStringLiteral("UPDATE PRUEBA SET N = 1 WHERE ID >= ?"));
        update.execute({2});
        QCOMPARE(update.rowsAffected(), 2LL);

        // Executed again before the rows ran out: the cursor starts over.
        fb::Statement select(transaction, QStringLiteral("SELECT V FROM PRUEBA WHERE ID >= ? ORDER BY ID"));
        QVariantList row;
        select.execute({1});
        QVERIFY(select.fetch(row));
        select.execute({2});
        QVERIFY(select.fetch(row));
        QCOMPARE(row, QVariantList{QStringLiteral("V2")});
        QVERIFY(select.fetch(row));
        QVERIFY(!select.fetch(row));

        fb::Statement returning(transaction, QStringLiteral("INSERT INTO PRUEBA (ID) VALUES (?) RETURNING ID * 10"));
        returning.execute({4});
        QVERIFY(returning.fetch(row));
        QCOMPARE(row.front().toInt(), 40);
        QVERIFY(!returning.fetch(row));

        QVERIFY_THROWS_EXCEPTION(fb::Error, insert.execute({5}));
        transaction.commit();
        QCOMPARE(rowsOf(m_db), QStringLiteral("1=V1,2=V2,3=V3,4="));
    }

    void transactionsEndProperly()
    {
        fb::Connection other;
        other.open(m_path);
        fb::Transaction reader(other);
        fb::Statement count(reader, QStringLiteral("SELECT COUNT(*) FROM PRUEBA"));
        auto rowsSeen = [&] {
            QVariantList row;
            count.execute();
            count.fetch(row);
            return row.front().toInt();
        };
        {
            fb::Transaction forgotten(m_db);
            fb::Statement(forgotten, QStringLiteral("INSERT INTO PRUEBA (ID) VALUES (1)")).execute();
        }
        fb::Transaction writer(m_db);
        fb::Statement(writer, QStringLiteral("INSERT INTO PRUEBA (ID) VALUES (2)")).execute();
        QCOMPARE(rowsSeen(), 0);
        writer.commit();
        QVERIFY(!writer.isActive());
        // Read committed: the running reader sees the commit at once.
        QCOMPARE(rowsSeen(), 1);
        QCOMPARE(rowsOf(m_db), QStringLiteral("2="));

        m_db.close();
        try {
            fb::Transaction none(m_db);
            QFAIL("a transaction started on a closed connection");
        } catch (const fb::Error &error) {
            QCOMPARE(error.text(), QStringLiteral("No hay ninguna conexión abierta con la base de datos."));
        }
    }

    void closingEndsOpenTransactions()
    {
        fb::Transaction open(m_db);
        fb::Statement(open, QStringLiteral("INSERT INTO PRUEBA (ID) VALUES (1)")).execute();
        m_db.close();
        QVERIFY(!m_db.isOpen());
        QVERIFY(!open.isActive());
        // Nothing of this process is left on the file: a restore may replace it.
        const QString backup = m_dir->filePath(QStringLiteral("copia.fbk"));
        fb::Services::backup(m_path, backup);
        fb::Services::restore(backup, m_path);
        m_db.open(m_path);
        QCOMPARE(rowsOf(m_db), QString());
    }

    void errorsKeepServerCodes()
    {
        addRows({QStringLiteral("A")});
        try {
            addRows({QStringLiteral("B")});
            QFAIL("duplicate key accepted");
        } catch (const fb::Error &error) {
            QVERIFY(error.hasCode(fb::codes::UniqueKeyViolation));
            QVERIFY2(error.text().contains(QStringLiteral("PRUEBA")), qPrintable(error.text()));
            QCOMPARE(error.sqlCode(), -803);
        }
        try {
            m_db.query(QStringLiteral("SELECT * FROM NO_EXISTE"));
            QFAIL("unknown table accepted");
        } catch (const fb::Error &error) {
            QVERIFY2(error.text().contains(QStringLiteral("Table unknown\nNO_EXISTE")), qPrintable(error.text()));
            QCOMPARE(error.sqlCode(), -204);
            QVERIFY(error.codes().size() > 1);
        }
    }

    void notADatabaseIsAnError_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("texto") << QByteArray("esto no es una base de datos\n").repeated(1000);
        QTest::newRow("vacío") << QByteArray();
    }

    void notADatabaseIsAnError()
    {
        QFETCH(QByteArray, contents);
        const QString path = m_dir->filePath(QStringLiteral("falsa.fdb"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        fb::Connection connection;
        QVERIFY_THROWS_EXCEPTION(fb::Error, connection.open(path));
        QVERIFY(!connection.isOpen());
        QVERIFY_THROWS_EXCEPTION(fb::Error, connection.open(m_dir->filePath(QStringLiteral("no-existe.fdb"))));
        QCOMPARE(file.size(), contents.size());
    }

    // --- two processes ----------------------------------------------------------

    void concurrentUpdateWaitsThenConflicts()
    {
        addRows({QStringLiteral("INICIAL")});
        // The other process keeps its change uncommitted for 1.5 s.
        Helper other({QStringLiteral("actualizar"), m_path, QStringLiteral("1500")});
        QVERIFY2(other.waitUntilReady(), "the second process could not open the same file");
        QElapsedTimer waited;
        waited.start();
        try {
            m_db.execute(QStringLiteral("UPDATE PRUEBA SET V = 'MIO' WHERE ID = 1"));
            QFAIL("the update went through without a conflict");
        } catch (const fb::Error &error) {
            QVERIFY2(error.hasCode(fb::codes::UpdateConflict) || error.hasCode(fb::codes::LockConflict),
                     qPrintable(error.text()));
        }
        QVERIFY2(waited.elapsed() >= 1000, "the update did not wait for the other transaction");
        other.finish();
        QCOMPARE(rowsOf(m_db), QStringLiteral("1=OTRO"));
    }

    // --- backup and restore ---------------------------------------------------

    void backupAndRestore()
    {
        addRows({QStringLiteral("UNO"), Spanish});
        const QString backup = m_dir->filePath(QStringLiteral("Datos España/copia.bck"));
        QStringList lines;
        fb::Services::backup(m_path, backup, [&](const QString &line) { lines << line; });
        QVERIFY(QFileInfo(backup).size() > 0);
        QVERIFY(!lines.isEmpty());

        m_db.execute(QStringLiteral("DELETE FROM PRUEBA"));
        m_db.close();
        ::chmod(QFile::encodeName(m_path).constData(), 0640);
        lines.clear();
        fb::Services::restore(backup, m_path, [&](const QString &line) { lines << line; });
        QVERIFY(!lines.isEmpty());
        QVERIFY(!QFile::exists(m_path + QStringLiteral(".restaurando")));
        QCOMPARE(modeOf(m_path), mode_t(0640)); // kept from the file it replaces

        m_db.open(m_path);
        QCOMPARE(rowsOf(m_db), QStringLiteral("1=UNO,2=") + Spanish);
        m_db.execute(QStringLiteral("INSERT INTO PRUEBA (ID) VALUES (3)")); // online and writable
    }

    void restoreIntoNewFile()
    {
        addRows({QStringLiteral("UNO")});
        const QString backup = m_dir->filePath(QStringLiteral("copia.bck"));
        fb::Services::backup(m_path, backup);
        const QString fresh = m_dir->filePath(QStringLiteral("nueva.fdb"));
        fb::Services::restore(backup, fresh);
        fb::Connection connection;
        connection.open(fresh);
        QCOMPARE(rowsOf(connection), QStringLiteral("1=UNO"));
    }

    void failedRestoreLeavesTarget_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("expected");
        const QString inUse = QStringLiteral("La base de datos está en uso; cierre las demás conexiones antes de restaurar.\n");
        QTest::newRow("en uso en este proceso") << "propia" << inUse;
        QTest::newRow("en uso en otro proceso") << "otro proceso" << inUse;
        QTest::newRow("fichero que no es una copia") << "copia falsa" << QString();
    }

    void failedRestoreLeavesTarget()
    {
        QFETCH(QString, situation);
        QFETCH(QString, expected);
        addRows({QStringLiteral("UNO")});
        const QString backup = m_dir->filePath(QStringLiteral("copia.bck"));
        fb::Services::backup(m_path, backup);
        m_db.execute(QStringLiteral("UPDATE PRUEBA SET V = 'DOS'"));
        if (situation == QLatin1String("copia falsa"))
            QFile(backup).resize(QFileInfo(backup).size() / 2);
        std::unique_ptr<Helper> other;
        if (situation == QLatin1String("otro proceso")) {
            m_db.close();
            other = std::make_unique<Helper>(QStringList{QStringLiteral("abrir"), m_path});
            QVERIFY(other->waitUntilReady());
        }
        const qint64 size = QFileInfo(m_path).size();

        try {
            fb::Services::restore(backup, m_path);
            QFAIL("the restore went ahead");
        } catch (const fb::Error &error) {
            QVERIFY2(error.text().startsWith(expected), qPrintable(error.text()));
            QVERIFY(error.text().size() > expected.size()); // the server's own words follow
        }

        other.reset();
        QVERIFY(!QFile::exists(m_path + QStringLiteral(".restaurando")));
        QCOMPARE(QFileInfo(m_path).size(), size);
        m_db.open(m_path);
        QCOMPARE(rowsOf(m_db), QStringLiteral("1=DOS"));
        m_db.execute(QStringLiteral("INSERT INTO PRUEBA (ID) VALUES (2)")); // still online
    }

    void failedBackupLeavesNoFile()
    {
        const QString backup = m_dir->filePath(QStringLiteral("copia.bck"));
        QFile earlier(backup);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("copia anterior");
        earlier.close();
        try {
            fb::Services::backup(m_dir->filePath(QStringLiteral("no-existe.fdb")), backup);
            QFAIL("backup of a missing database reported success");
        } catch (const fb::Error &error) {
            QVERIFY2(error.text().contains(QStringLiteral("no-existe.fdb")), qPrintable(error.text()));
        }
        QCOMPARE(QDir(m_dir->path()).entryList({QStringLiteral("copia*")}), QStringList{QStringLiteral("copia.bck")});
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("copia anterior"));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 1 && args.at(1) == HelperFlag)
        return runHelper(args.mid(2));
    TstFirebird test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_firebird.moc"
