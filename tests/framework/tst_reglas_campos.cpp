// The field rules built on the identity and bank-code utilities, attached to
// a record set over a real database: province from the postal code, NIF with
// completion, CIF in its three variants and the account-code proposal. None
// of them refuses a value; they set other columns, warn or ask.
#include "Rechazada.h"
#include "ScriptedDialogs.h"
#include "TestEnvironment.h"
#include "framework/ReglasCampos.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"

#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using namespace ds;

using Regla = std::function<void(Field &)>;
Q_DECLARE_METATYPE(Regla)

class TestReglasCampos : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    fb::Connection m_db;

    // A record set on the test table with one rule attached to `columns`,
    // open and inserting a row.
    std::unique_ptr<RecordSet> fichaNueva(const QStringList &columns, const Regla &regla)
    {
        auto set = std::make_unique<RecordSet>(QStringLiteral("Fichas"));
        set->setConnection(&m_db);
        for (const QString &column : columns)
            set->field(column).onValidate = regla;
        set->open(QStringLiteral("SELECT * FROM FICHA"));
        set->append();
        return set;
    }

    // Assigns a value the way a window does and reports whether the field
    // accepted it (the rules only warn, so they always should).
    static bool asignar(RecordSet &set, const QString &column, const QString &value)
    {
        return !testsupport::rechazada([&] { set.setValue(column, value); });
    }

private slots:
    void initTestCase()
    {
        testsupport::initFirebird();
        m_db.create(m_dir.filePath(QStringLiteral("reglas_campos.gdb")));
        m_db.execute("CREATE TABLE FICHA (CODIGO CHAR(10), CODIGO_POSTAL CHAR(10), PROVINCIA VARCHAR(30), "
                     "NIF CHAR(20), NIF_CORTO CHAR(9), CIF VARCHAR(20), CIF_NIF CHAR(20), "
                     "COD_ENTIDAD CHAR(4), COD_AGENCIA CHAR(4), DC CHAR(2), NCUENTA CHAR(10))");
    }

    void provincia_data()
    {
        QTest::addColumn<QString>("codigoPostal");
        QTest::addColumn<QString>("provincia");
        QTest::newRow("Madrid") << "28001" << "Madrid";
        QTest::newRow("accents") << "29001" << "Málaga";
        QTest::newRow("unknown code keeps the province") << "53000" << "Provincia escrita";
        QTest::newRow("letters keep the province") << "ABC" << "Provincia escrita";
        QTest::newRow("emptied keeps the province") << "" << "Provincia escrita";
    }

    void provincia()
    {
        QFETCH(QString, codigoPostal);
        QFETCH(QString, provincia);
        testsupport::ScriptedDialogs dialogs;
        auto set = fichaNueva({"CODIGO_POSTAL"}, [](Field &f) { fw::reglaProvincia(f); });
        set->setValue("PROVINCIA", "Provincia escrita");
        QVERIFY(asignar(*set, "CODIGO_POSTAL", codigoPostal));
        QCOMPARE(set->field("CODIGO_POSTAL").asString(), codigoPostal);
        QCOMPARE(set->field("PROVINCIA").asString(), provincia);
        QVERIFY(dialogs.shown.isEmpty());
    }

    void identidad_data()
    {
        QTest::addColumn<Regla>("regla");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("message");

        const Regla nif = [](Field &f) { fw::reglaNif(f); };
        const Regla nifResponsableCompras = [](Field &f) { fw::reglaNif(f, QStringLiteral("NIF Incorrecto")); };
        const Regla cifEmpresa = [](Field &f) { fw::reglaCif(f, QStringLiteral("CIF Incorrecto")); };
        const Regla cifProveedor = [](Field &f) { fw::reglaCif(f, QStringLiteral("CIF Incorrecto.")); };
        const Regla cifNif = [](Field &f) { fw::reglaCifNif(f); };
        const QString blancos(11, QLatin1Char(' '));

        QTest::newRow("nif completed") << nif << "NIF" << "12345678" << "12345678Z" << "";
        QTest::newRow("nif completed, outer blanks") << nif << "NIF" << " 12345678 " << "12345678Z" << "";
        QTest::newRow("nif valid") << nif << "NIF" << "12345678z" << "12345678z" << "";
        QTest::newRow("nif as read back from the column")
            << nif << "NIF" << "12345678Z" + blancos << "12345678Z" + blancos << "";
        QTest::newRow("nif wrong letter") << nif << "NIF" << "12345678A" << "12345678A" << "NIF Incorrecto.";
        QTest::newRow("nif foreigner") << nif << "NIF" << "X1234567L" << "X1234567L" << "NIF Incorrecto.";
        QTest::newRow("nif empty") << nif << "NIF" << "" << "" << "";
        QTest::newRow("nif completion does not fit")
            << nif << "NIF_CORTO" << "123456789" << "123456789" << "NIF Incorrecto.";
        QTest::newRow("nif purchase manager")
            << nifResponsableCompras << "NIF" << "12345678A" << "12345678A" << "NIF Incorrecto";

        QTest::newRow("cif company valid") << cifEmpresa << "CIF" << "b12345674" << "b12345674" << "";
        QTest::newRow("cif company wrong") << cifEmpresa << "CIF" << "B12345675" << "B12345675" << "CIF Incorrecto";
        QTest::newRow("cif company empty") << cifEmpresa << "CIF" << "" << "" << "";
        QTest::newRow("cif as read back from the column")
            << cifEmpresa << "CIF_NIF" << "B12345674" + blancos << "B12345674" + blancos << "";
        QTest::newRow("cif supplier wrong") << cifProveedor << "CIF" << "P12345674" << "P12345674" << "CIF Incorrecto.";
        QTest::newRow("cif supplier not completed as a nif")
            << cifProveedor << "CIF" << "12345678" << "12345678" << "CIF Incorrecto.";

        QTest::newRow("customer cif") << cifNif << "CIF_NIF" << "P1234567D" << "P1234567D" << "";
        QTest::newRow("customer nif completed") << cifNif << "CIF_NIF" << "12345678" << "12345678Z" << "";
        QTest::newRow("customer nif valid") << cifNif << "CIF_NIF" << "12345678Z" << "12345678Z" << "";
        QTest::newRow("customer wrong") << cifNif << "CIF_NIF" << "B12345675" << "B12345675" << "CIF/NIF incorrecto";
        QTest::newRow("customer emptied") << cifNif << "CIF_NIF" << "" << "" << "CIF/NIF incorrecto";
    }

    // The value always stays (completed when it was a bare NIF number); a
    // wrong one draws its message once, a right one nothing.
    void identidad()
    {
        QFETCH(Regla, regla);
        QFETCH(QString, column);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, message);
        testsupport::ScriptedDialogs dialogs;
        auto set = fichaNueva({column}, regla);
        QVERIFY(asignar(*set, column, typed));
        QCOMPARE(set->field(column).asString(), stored);
        QCOMPARE(dialogs.shown, message.isEmpty() ? QStringList() : QStringList{"msg:" + message});
    }

    // A completed NIF is stored in the database as typed plus its letter.
    void nifCompletadoSeGuarda()
    {
        testsupport::ScriptedDialogs dialogs;
        auto set = fichaNueva({"NIF"}, [](Field &f) { fw::reglaNif(f); });
        set->setValue("CODIGO", "NIF1");
        set->setValue("NIF", "87654321");
        set->post();
        QCOMPARE(set->applyUpdates(), 0);
        QCOMPARE(m_db.query("SELECT TRIM(NIF) FROM FICHA WHERE CODIGO = 'NIF1'").scalar().toString(),
                 QStringLiteral("87654321X"));
        QVERIFY(dialogs.shown.isEmpty());
    }

    void propuestaDigitoControl_data()
    {
        QTest::addColumn<QString>("parte");       // typed last
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("dcAntes");
        QTest::addColumn<bool>("respuesta");
        QTest::addColumn<QString>("dcDespues");
        QTest::addColumn<bool>("pregunta");

        for (const char *parte : {"COD_ENTIDAD", "COD_AGENCIA", "NCUENTA"}) {
            const QString valor = QString::fromLatin1(parte) == "COD_ENTIDAD" ? "2100"
                                  : QString::fromLatin1(parte) == "COD_AGENCIA" ? "0418"
                                                                                 : "0200051332";
            QTest::addRow("%s: empty DC is filled", parte) << parte << valor << "" << false << "45" << false;
            QTest::addRow("%s: right DC", parte) << parte << valor << "45" << false << "45" << false;
            QTest::addRow("%s: wrong DC, Yes corrects", parte) << parte << valor << "12" << true << "45" << true;
            QTest::addRow("%s: wrong DC, No keeps", parte) << parte << valor << "12" << false << "12" << true;
        }
        QTest::newRow("incomplete account: nothing") << "NCUENTA" << "02000513" << "12" << true << "12" << false;
        QTest::newRow("letter in entity: nothing") << "COD_ENTIDAD" << "21A0" << "" << true << "" << false;
    }

    void propuestaDigitoControl()
    {
        QFETCH(QString, parte);
        QFETCH(QString, valor);
        QFETCH(QString, dcAntes);
        QFETCH(bool, respuesta);
        QFETCH(QString, dcDespues);
        QFETCH(bool, pregunta);
        testsupport::ScriptedDialogs dialogs;
        auto set = fichaNueva({}, {});
        // The other parts and DC are there before the rule is attached, as in
        // a row read from the database.
        set->setValue("COD_ENTIDAD", "2100");
        set->setValue("COD_AGENCIA", "0418");
        set->setValue("NCUENTA", "0200051332");
        set->setValue("DC", dcAntes);
        for (const char *column : {"COD_ENTIDAD", "COD_AGENCIA", "NCUENTA"})
            set->field(column).onValidate = [](Field &f) { fw::proponerDigitoControl(f); };
        dialogs.answer(respuesta);

        QVERIFY(asignar(*set, parte, valor));
        QCOMPARE(set->field(parte).asString(), valor);
        QCOMPARE(set->field("DC").asString(), dcDespues);
        if (pregunta) {
            QCOMPARE(dialogs.shown,
                     QStringList{QStringLiteral("ask:El Digito de Control es Incorrecto, ¿desea corregirlo?")});
            QCOMPARE(dialogs.questionIcons, QList<ui::Dialogs::Icon>{ui::Dialogs::Icon::Warning});
        } else {
            QVERIFY(dialogs.shown.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestReglasCampos)
#include "tst_reglas_campos.moc"
