// The record set against a real embedded database: states and events, the
// layer's messages, the silent abort, apply in one transaction, conflicts
// with another process, local order, look-ups and calculated fields.
#include "ScriptedDialogs.h"
#include "TestEnvironment.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "platform/dataset/RecordSetModel.h"
#include "platform/firebird/FbConnection.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace ds;

namespace {

const char *const kSchema[] = {
    "CREATE TABLE FAMILIA (CODIGO CHAR(4) NOT NULL, DESCRIPCION VARCHAR(40), MARGEN NUMERIC(15,2), "
    "UNIDADES INTEGER, PESO DOUBLE PRECISION, ALTA DATE, NOTAS BLOB SUB_TYPE TEXT, CONSTRAINT UQ_FAMILIA UNIQUE (CODIGO))",
    "CREATE TABLE ARTICULO (CODIGO CHAR(10) NOT NULL, DESCRIPCION VARCHAR(40), FAMILIA CHAR(4), "
    "CONSTRAINT UQ_ARTICULO UNIQUE (CODIGO))",
};

// Child process: changes a family's description in its own connection and
// commits, as a second copy of the program would.
int runChild(const QStringList &args)
{
    testsupport::initFirebird();
    fb::Connection db;
    db.open(args.at(2));
    db.execute(QStringLiteral("UPDATE FAMILIA SET DESCRIPCION = ? WHERE CODIGO = ?"), {args.at(4), args.at(3)});
    return 0;
}

} // namespace

class TestRecordSet : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;
    fb::Connection m_db;

    std::unique_ptr<RecordSet> familias()
    {
        auto set = std::make_unique<RecordSet>(QStringLiteral("Familias"));
        set->setConnection(&m_db);
        set->setCommandText(QStringLiteral("SELECT * FROM FAMILIA"));
        return set;
    }

    void addFamily(const QString &code, const QString &name, const QVariant &margin = {})
    {
        m_db.execute(QStringLiteral("INSERT INTO FAMILIA (CODIGO, DESCRIPCION, MARGEN) VALUES (?, ?, ?)"),
                     {code, name, margin});
    }

    int countRows(const QString &table) { return m_db.query("SELECT COUNT(*) FROM " + table).scalar().toInt(); }

private slots:
    void initTestCase()
    {
        testsupport::initFirebird();
        m_path = m_dir.filePath(QStringLiteral("prueba.gdb"));
        m_db.create(m_path);
        for (const char *sql : kSchema)
            m_db.execute(QString::fromLatin1(sql));
    }

    void init()
    {
        m_db.execute(QStringLiteral("DELETE FROM FAMILIA"));
        m_db.execute(QStringLiteral("DELETE FROM ARTICULO"));
    }

    void navigationAndAtEnd()
    {
        auto set = familias();
        set->open();
        QVERIFY(set->atEnd());
        QCOMPARE(set->currentRow(), -1);
        set->close();

        addFamily("F1", "Uno");
        addFamily("F2", "Dos");
        set->open(QStringLiteral("SELECT * FROM FAMILIA ORDER BY CODIGO"));
        QVERIFY(!set->atEnd());
        QCOMPARE(set->value("CODIGO").toString(), QStringLiteral("F1  ")); // CHAR(4) keeps its blanks
        set->next();
        QVERIFY(!set->atEnd());
        set->next(); // past the last row
        QVERIFY(set->atEnd());
        QCOMPARE(set->value("CODIGO").toString(), QStringLiteral("F2  "));
        int visited = 0;
        for (set->first(); !set->atEnd(); set->next())
            ++visited;
        QCOMPARE(visited, 2);
    }

    void eventsRunInOrder()
    {
        auto set = familias();
        QStringList log;
        auto note = [&log](const char *what) { return [&log, what](RecordSet &) { log << what; }; };
        set->beforeInsert = note("beforeInsert");
        set->onNewRecord = [&log](RecordSet &s) {
            log << "newRecord";
            s.setValue("UNIDADES", 1);
        };
        set->afterInsert = note("afterInsert");
        set->beforeEdit = note("beforeEdit");
        set->afterEdit = note("afterEdit");
        set->beforePost = note("beforePost");
        set->afterPost = note("afterPost");
        set->beforeDelete = note("beforeDelete");
        set->afterDelete = note("afterDelete");
        set->beforeApplyUpdates = note("beforeApply");
        set->afterApplyUpdates = note("afterApply");
        set->field("UNIDADES").onValidate = [&log](Field &) { log << "validateUNIDADES"; };
        set->open();
        set->append();
        set->setValue("CODIGO", "F1");
        set->post();
        QCOMPARE(set->applyUpdates(), 0);
        set->edit();
        set->setValue("UNIDADES", 5);
        set->post();
        set->remove();
        QCOMPARE(set->applyUpdates(), 0);
        const QStringList expected{"beforeInsert", "newRecord", "validateUNIDADES", "afterInsert",
                                   "beforePost", "afterPost", "beforeApply", "afterApply",
                                   "beforeEdit", "afterEdit", "validateUNIDADES", "beforePost", "afterPost",
                                   "beforeDelete", "afterDelete", "beforeApply", "afterApply"};
        QCOMPARE(log, expected);
        QCOMPARE(countRows("FAMILIA"), 0);
    }

    void silentAbortKeepsEverythingAsItWas()
    {
        addFamily("F1", "Uno");
        auto set = familias();
        set->field("DESCRIPCION").onValidate = [](Field &f) {
            if (f.asString() == "MAL")
                throw SilentAbort();
        };
        bool refusePost = true, refuseDelete = true;
        set->beforePost = [&](RecordSet &) { if (refusePost) throw SilentAbort(); };
        set->beforeDelete = [&](RecordSet &) { if (refuseDelete) throw SilentAbort(); };
        set->open();

        set->edit();
        QVERIFY_THROWS_EXCEPTION(SilentAbort, set->setValue("DESCRIPCION", "MAL"));
        QCOMPARE(set->value("DESCRIPCION").toString(), QStringLiteral("Uno"));
        set->setValue("DESCRIPCION", "Bien");
        QVERIFY_THROWS_EXCEPTION(SilentAbort, set->post());
        QCOMPARE(set->state(), State::Edit);
        refusePost = false;
        set->post();
        QVERIFY_THROWS_EXCEPTION(SilentAbort, set->remove());
        QCOMPARE(set->rowCount(), 1);
        QCOMPARE(set->applyUpdates(), 0);
        QCOMPARE(m_db.query("SELECT DESCRIPCION FROM FAMILIA").scalar().toString(), QStringLiteral("Bien"));
    }

    void layerMessages_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("integer") << "UNIDADES" << "abc" << "'abc' no es un valor entero valido para el campo 'UNIDADES'";
        QTest::newRow("decimal") << "MARGEN" << "1,2,3" << "'1,2,3' no es un valor decimal valido para el campo 'MARGEN'";
        QTest::newRow("float") << "PESO" << "x" << "'x' no es un valor decimal valido para el campo 'PESO'";
        QTest::newRow("integer range") << "UNIDADES" << "3000000000" << "El valor del campo 'UNIDADES' esta fuera de rango";
        QTest::newRow("numeric range") << "MARGEN" << "10000000000000" << "El valor del campo 'MARGEN' esta fuera de rango";
    }

    void layerMessages()
    {
        QFETCH(QString, column);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        addFamily("F1", "Uno");
        auto set = familias();
        set->open();
        set->edit();
        const QVariant before = set->value(column);
        try {
            set->field(column).setText(typed);
            QFAIL("the typed text was accepted");
        } catch (const DatasetError &e) {
            QCOMPARE(e.text(), message);
        }
        QCOMPARE(set->value(column), before);
    }

    void requiredAndReadOnlyFields()
    {
        auto set = familias();
        set->open();
        set->append();
        set->setValue("DESCRIPCION", "Sin código");
        try {
            set->post();
            QFAIL("posted without CODIGO");
        } catch (const DatasetError &e) {
            QCOMPARE(e.text(), QStringLiteral("El campo 'CODIGO' debe tener un valor"));
        }
        QCOMPARE(set->state(), State::Insert);
        set->setValue("CODIGO", "F9");
        set->post();
        set->field("CODIGO").readOnly = true;
        set->edit();
        try {
            set->setValue("CODIGO", "F8");
            QFAIL("read-only field changed");
        } catch (const DatasetError &e) {
            QCOMPARE(e.text(), QStringLiteral("El campo 'CODIGO' no puede ser modificado"));
        }
    }

    // Typed amounts are rounded half away from zero on the decimal as typed.
    void numericKeepsTwoDecimals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("2,675") << "2,675" << "2.68";
        QTest::newRow("-2,675") << "-2,675" << "-2.68";
        QTest::newRow("0,005") << "0,005" << "0.01";
        QTest::newRow("1.234,5") << "1.234,5" << "1234.50";
    }

    void numericKeepsTwoDecimals()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        auto set = familias();
        set->open();
        set->append();
        set->setValue("CODIGO", "N1");
        set->field("MARGEN").setText(typed);
        QCOMPARE(set->applyUpdates(), 0);
        QCOMPARE(m_db.query("SELECT CAST(MARGEN AS VARCHAR(20)) FROM FAMILIA").scalar().toString(), stored);
        // The row is still found by its (unrounded) former values afterwards.
        set->edit();
        set->setValue("DESCRIPCION", "Otra");
        QCOMPARE(set->applyUpdates(), 0);
        QCOMPARE(m_db.query("SELECT DESCRIPCION FROM FAMILIA").scalar().toString(), QStringLiteral("Otra"));
    }

    void applyWritesEveryKindOfChangeInOneTransaction()
    {
        addFamily("F1", "Uno");
        addFamily("F2", "Dos");
        auto set = familias();
        set->open(QStringLiteral("SELECT * FROM FAMILIA ORDER BY CODIGO"));
        set->edit();
        set->setValue("NOTAS", QStringLiteral("Línea 1\nPeña €"));
        set->setValue("ALTA", QDate(2026, 12, 11));
        set->post();
        set->next();
        set->remove();
        set->append();
        set->setValue("CODIGO", "F3");
        set->post();
        QCOMPARE(set->pendingCount(), 3);
        QCOMPARE(set->applyUpdates(), 0);
        QVERIFY(!set->hasPendingChanges());
        const auto rows = m_db.query("SELECT CODIGO, NOTAS, ALTA FROM FAMILIA ORDER BY CODIGO").rows;
        QCOMPARE(rows.size(), size_t(2));
        QCOMPARE(rows[0][1].toString(), QStringLiteral("Línea 1\nPeña €"));
        QCOMPARE(rows[0][2].toDate(), QDate(2026, 12, 11));
        QCOMPARE(rows[1][0].toString().trimmed(), QStringLiteral("F3"));

        // A row whose BLOB changed is still named by its other columns.
        set->first();
        set->edit();
        set->setValue("NOTAS", QStringLiteral("otra nota"));
        QCOMPARE(set->applyUpdates(), 0);
        QCOMPARE(m_db.query("SELECT NOTAS FROM FAMILIA WHERE CODIGO = 'F1'").scalar().toString(),
                 QStringLiteral("otra nota"));
    }

    void refusedApplyKeepsChangesPendingAndShowsTheDatabaseText()
    {
        testsupport::ScriptedDialogs dialogs;
        addFamily("F1", "Uno");
        auto set = familias();
        set->open();
        set->append();
        set->setValue("CODIGO", "F2");
        set->post();
        set->append();
        set->setValue("CODIGO", "F1"); // duplicate: the unique key refuses it
        set->post();
        QCOMPARE(set->applyUpdates(), 1);
        QCOMPARE(dialogs.errors.size(), 1);
        QVERIFY2(dialogs.errors[0].contains("UQ_FAMILIA"), qPrintable(dialogs.errors[0]));
        QCOMPARE(countRows("FAMILIA"), 1); // F2 rolled back with it
        QCOMPARE(set->pendingCount(), 2);
        // Corrected, the same changes go through.
        set->last();
        set->edit();
        set->setValue("CODIGO", "F3");
        set->post();
        QCOMPARE(set->applyUpdates(), 0);
        QCOMPARE(countRows("FAMILIA"), 3);
    }

    void anotherProcessChangedTheRow()
    {
        testsupport::ScriptedDialogs dialogs;
        addFamily("F1", "Uno");
        auto set = familias();
        set->open();
        // A second copy of the program changes the row after we read it.
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {"--child", m_path, "F1", "Cambiada por otro"});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);

        set->edit();
        set->setValue("DESCRIPCION", "Mía");
        QCOMPARE(set->applyUpdates(), 1);
        QCOMPARE(dialogs.errors.size(), 1);
        QVERIFY(dialogs.errors[0].contains("modificado o eliminado por otro usuario"));
        QCOMPARE(set->value("DESCRIPCION").toString(), QStringLiteral("Mía"));
        QVERIFY(set->hasPendingChanges());
        QCOMPARE(m_db.query("SELECT DESCRIPCION FROM FAMILIA").scalar().toString(), QStringLiteral("Cambiada por otro"));

        // Refreshing with changes pending is refused, so nothing is lost by it.
        QVERIFY_THROWS_EXCEPTION(DatasetError, set->refresh());
        // The user drops the change, refreshes and types it again.
        set->cancelUpdates();
        set->refresh();
        QCOMPARE(set->value("DESCRIPCION").toString(), QStringLiteral("Cambiada por otro"));
        set->edit();
        set->setValue("DESCRIPCION", "Mía");
        QCOMPARE(set->applyUpdates(), 0);
        QCOMPARE(m_db.query("SELECT DESCRIPCION FROM FAMILIA").scalar().toString(), QStringLiteral("Mía"));
    }

    void cancelledNewRowAppliesNothing()
    {
        auto set = familias();
        set->open();
        set->append();
        set->setValue("CODIGO", "F1");
        set->cancel();
        QCOMPARE(set->rowCount(), 0);
        QVERIFY(!set->hasPendingChanges());
        QCOMPARE(set->applyUpdates(), 0);
        QCOMPARE(countRows("FAMILIA"), 0);
    }

    void localOrderAndNearestSearch()
    {
        const QStringList names{"Zapatos", "ñoquis", "Ábaco", "naranjas", "Manzanas", "Nueces", "Olivas"};
        for (int i = 0; i < names.size(); ++i)
            addFamily(QString("F%1").arg(i), names[i]);
        auto set = familias();
        set->open();
        set->setIndexField("DESCRIPCION");
        QStringList ordered;
        for (set->first(); !set->atEnd(); set->next())
            ordered << set->value("DESCRIPCION").toString();
        QCOMPARE(ordered, (QStringList{"Ábaco", "Manzanas", "naranjas", "Nueces", "ñoquis", "Olivas", "Zapatos"}));

        set->findNearest("nu");
        QCOMPARE(set->value("DESCRIPCION").toString(), QStringLiteral("Nueces"));
        set->findNearest("Ñ");
        QCOMPARE(set->value("DESCRIPCION").toString(), QStringLiteral("ñoquis"));
        set->findNearest("zz"); // after every value: the last row
        QCOMPARE(set->value("DESCRIPCION").toString(), QStringLiteral("Zapatos"));

        // A posted row takes its place in the order; refresh keeps the position.
        set->findNearest("Oli");
        set->edit();
        set->setValue("DESCRIPCION", "Aceitunas");
        set->post();
        QCOMPARE(set->currentRow(), 1); // right after "Ábaco"
        QCOMPARE(set->value("DESCRIPCION").toString(), QStringLiteral("Aceitunas"));
        QCOMPARE(set->applyUpdates(), 0);
        set->findNearest("Nue");
        set->refresh();
        QCOMPARE(set->value("DESCRIPCION").toString(), QStringLiteral("Nueces"));
    }

    void lookupAndCalculatedFields()
    {
        addFamily("F1", "Frutas");
        m_db.execute("INSERT INTO ARTICULO (CODIGO, DESCRIPCION, FAMILIA) VALUES ('A1', 'Peras', 'F1')");
        m_db.execute("INSERT INTO ARTICULO (CODIGO, DESCRIPCION, FAMILIA) VALUES ('A2', 'Rarezas', 'ZZ')");
        RecordSet look(QStringLiteral("LookFamilia"));
        look.setConnection(&m_db);
        look.setCommandText(QStringLiteral("SELECT CODIGO, DESCRIPCION FROM FAMILIA"));
        RecordSet articulos(QStringLiteral("Articulos"));
        articulos.setConnection(&m_db);
        articulos.addLookupField("NFAMILIA", "FAMILIA", &look, "DESCRIPCION");
        articulos.addCalculatedField("ETIQUETA", fb::SqlType::Varchar, 60);
        articulos.onCalcFields = [](RecordSet &s) {
            s.field("ETIQUETA").setValue(s.field("CODIGO").asString().trimmed() + " - " + s.field("DESCRIPCION").asString());
        };
        articulos.open(QStringLiteral("SELECT * FROM ARTICULO ORDER BY CODIGO"));
        QCOMPARE(articulos.value("NFAMILIA").toString(), QStringLiteral("Frutas"));
        QCOMPARE(articulos.value("ETIQUETA").toString(), QStringLiteral("A1 - Peras"));
        articulos.next();
        QVERIFY(articulos.field("NFAMILIA").isNull());
        articulos.edit();
        articulos.setValue("FAMILIA", "F1");
        articulos.setValue("DESCRIPCION", "Cerezas");
        QCOMPARE(articulos.value("NFAMILIA").toString(), QStringLiteral("Frutas"));
        QCOMPARE(articulos.value("ETIQUETA").toString(), QStringLiteral("A2 - Cerezas"));

        // Names created after the look-up was read are not shown until reopened.
        addFamily("F2", "Verduras");
        articulos.setValue("FAMILIA", "F2");
        QVERIFY(articulos.field("NFAMILIA").isNull());
    }

    void modelShowsMaskedValues()
    {
        addFamily("F1", "Uno", 1234.5);
        auto set = familias();
        set->field("MARGEN").displayFormat = QStringLiteral("#,##0.00");
        set->open();
        RecordSetModel model(set.get());
        model.setColumns({"CODIGO", "MARGEN"});
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("MARGEN"));
        QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("1.234,50"));
        set->edit();
        set->setValue("MARGEN", -0.004);
        QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("0,00"));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 1 && args.at(1) == QLatin1String("--child"))
        return runChild(args);
    TestRecordSet test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recordset.moc"
