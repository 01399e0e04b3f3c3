// The rules every data module shares, against a real database: uniqueness,
// existence, next number, delete guards and cascades, with codes that carry
// quotes.
#include "Rechazada.h"
#include "ScriptedDialogs.h"
#include "TestEnvironment.h"
#include "framework/Reglas.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace ds;

class TestReglas : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    fb::Connection m_db;

    int count(const QString &sql) { return m_db.query(sql).scalar().toInt(); }

private slots:
    void initTestCase()
    {
        testsupport::initFirebird();
        m_db.create(m_dir.filePath(QStringLiteral("reglas.gdb")));
        m_db.execute("CREATE TABLE CLIENTE (CODIGO CHAR(10) NOT NULL, NOMBRE VARCHAR(40), FORMA_PAGO CHAR(4))");
        m_db.execute("CREATE TABLE FORMA_PAGO (CODIGO CHAR(4) NOT NULL, DESCRIPCION VARCHAR(40))");
        m_db.execute("CREATE TABLE NOTA (CODIGO INTEGER NOT NULL, TIPO_DE CHAR(1), DE CHAR(10), TEXTO VARCHAR(40))");
        m_db.execute("CREATE TABLE FACTURA (SERIE CHAR(1), NUMERO INTEGER, CLIENTE CHAR(10))");
    }

    void init()
    {
        for (const char *t : {"CLIENTE", "FORMA_PAGO", "NOTA", "FACTURA"})
            m_db.execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(t)));
    }

    void quotedDoublesQuotes()
    {
        QCOMPARE(fw::quoted("O'BRIEN"), QStringLiteral("'O''BRIEN'"));
        QCOMPARE(fw::quoted(""), QStringLiteral("''"));
    }

    void uniquenessCheck_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("message");
        QTest::newRow("new code") << "C2" << true << "";
        QTest::newRow("existing code") << "C1" << false << "El CODIGO Ya Existe.";
        QTest::newRow("existing with quote") << "O'BRIEN" << false << "El CODIGO Ya Existe.";
        QTest::newRow("new with quote") << "D'ANGELO" << true << "";
        QTest::newRow("empty code") << "" << false << "";
        QTest::newRow("blank code") << "   " << false << "";
    }

    void uniquenessCheck()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, message);
        testsupport::ScriptedDialogs dialogs;
        m_db.execute("INSERT INTO CLIENTE (CODIGO) VALUES ('C1')");
        m_db.execute("INSERT INTO CLIENTE (CODIGO) VALUES (?)", {QStringLiteral("O'BRIEN")});
        RecordSet clientes(QStringLiteral("Clientes"));
        clientes.setConnection(&m_db);
        clientes.field("CODIGO").onValidate = [](Field &f) { fw::checkUnique(f, QStringLiteral("CLIENTE")); };
        clientes.open(QStringLiteral("SELECT * FROM CLIENTE"));
        clientes.append();
        const bool refused = testsupport::rechazada([&] { clientes.setValue("CODIGO", typed); });
        QCOMPARE(!refused, accepted);
        QCOMPARE(dialogs.messages, message.isEmpty() ? QStringList() : QStringList{message});
        if (refused)
            QVERIFY(clientes.field("CODIGO").isNull()); // keeps its previous (empty) value
    }

    void existenceCheck()
    {
        testsupport::ScriptedDialogs dialogs;
        m_db.execute("INSERT INTO FORMA_PAGO (CODIGO, DESCRIPCION) VALUES ('30D', 'A 30 días')");
        RecordSet clientes(QStringLiteral("Clientes"));
        clientes.setConnection(&m_db);
        QVariantList found;
        clientes.field("FORMA_PAGO").onValidate = [&found](Field &f) {
            found = fw::checkExists(f, QStringLiteral("FORMA_PAGO"), QStringLiteral("FORMA DE PAGO no existe."),
                                    QStringLiteral("CODIGO, DESCRIPCION"));
        };
        clientes.open(QStringLiteral("SELECT * FROM CLIENTE"));
        clientes.append();
        clientes.setValue("FORMA_PAGO", "30D");
        QCOMPARE(found.value(1).toString(), QStringLiteral("A 30 días"));
        QVERIFY_THROWS_EXCEPTION(SilentAbort, clientes.setValue("FORMA_PAGO", "X'Y"));
        QCOMPARE(dialogs.messages, QStringList{"FORMA DE PAGO no existe."});
        QCOMPARE(clientes.value("FORMA_PAGO").toString(), QStringLiteral("30D"));
        clientes.setValue("FORMA_PAGO", ""); // empty: accepted without a message
        QCOMPARE(dialogs.messages.size(), 1);
    }

    void nextNumber()
    {
        QCOMPARE(fw::nextNumber(m_db, "NOTA", "CODIGO"), 1);
        for (int n : {1, 2, 7})
            m_db.execute("INSERT INTO NOTA (CODIGO) VALUES (?)", {n});
        QCOMPARE(fw::nextNumber(m_db, "NOTA", "CODIGO"), 8);

        // Rows appended before an apply take successive numbers.
        RecordSet notas(QStringLiteral("Notas"));
        notas.setConnection(&m_db);
        notas.onNewRecord = [](RecordSet &s) {
            s.setValue("CODIGO", fw::nextNumber(*s.connection(), "NOTA", "CODIGO", {}, {}, &s));
        };
        notas.open(QStringLiteral("SELECT * FROM NOTA WHERE DE = 'NADIE'"));
        notas.append();
        QCOMPARE(notas.value("CODIGO").toInt(), 8);
        notas.post();
        notas.append();
        QCOMPARE(notas.value("CODIGO").toInt(), 9);
        notas.post();
        QCOMPARE(notas.applyUpdates(), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM NOTA"), 5);

        // Numbers per series.
        m_db.execute("INSERT INTO FACTURA (SERIE, NUMERO) VALUES ('A', 4)");
        m_db.execute("INSERT INTO FACTURA (SERIE, NUMERO) VALUES ('B', 9)");
        QCOMPARE(fw::nextNumber(m_db, "FACTURA", "NUMERO", "SERIE = ?", {"A"}), 5);
        QCOMPARE(fw::nextNumber(m_db, "FACTURA", "NUMERO", "SERIE = ?", {"C"}), 1);
    }

    void deleteGuardStopsAtTheFirstDependentTable()
    {
        testsupport::ScriptedDialogs dialogs;
        const QString code = QStringLiteral("O'BRIEN");
        m_db.execute("INSERT INTO FACTURA (SERIE, NUMERO, CLIENTE) VALUES ('A', 1, ?)", {code});
        const std::vector<fw::Guard> guards{
            {"SELECT NUMERO FROM FACTURA WHERE CLIENTE = ?", "No se puede eliminar. Tiene Documentos."},
            // Never reached: this table does not even exist.
            {"SELECT CODIGO FROM NO_EXISTE WHERE CLIENTE = ?", "otro"},
        };
        QVERIFY_THROWS_EXCEPTION(SilentAbort, fw::checkDelete(m_db, code, guards));
        QCOMPARE(dialogs.messages, QStringList{"No se puede eliminar. Tiene Documentos."});
        // Another customer with a similar code is not guarded by it.
        fw::checkDelete(m_db, QStringLiteral("O"), {guards.front()});
        QCOMPARE(dialogs.messages.size(), 1);
    }

    void cascadeDeleteRemovesOnlyTheOwnersRows()
    {
        m_db.execute("INSERT INTO NOTA (CODIGO, TIPO_DE, DE) VALUES (1, 'C', 'O''BRIEN')");
        m_db.execute("INSERT INTO NOTA (CODIGO, TIPO_DE, DE) VALUES (2, 'C', 'O''BRIEN')");
        m_db.execute("INSERT INTO NOTA (CODIGO, TIPO_DE, DE) VALUES (3, 'P', 'O''BRIEN')");
        fw::cascadeDelete(m_db, "SELECT * FROM NOTA WHERE TIPO_DE = ? AND DE = ?", {"C", "O'BRIEN"});
        QCOMPARE(count("SELECT COUNT(*) FROM NOTA"), 1);
        QCOMPARE(count("SELECT CODIGO FROM NOTA"), 3);
    }
};

QTEST_GUILESS_MAIN(TestReglas)
#include "tst_reglas.moc"
