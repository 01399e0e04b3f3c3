#include "Rechazada.h"
#include "ScriptedDialogs.h"
#include "SchemaFixture.h"
#include "TestEnvironment.h"

#include "app/TmdlEmpresas.h"
#include "app/TmdlUsuarios.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbError.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>
#include <memory>

namespace {

// --- another copy of the program ---------------------------------------------
// The test program runs itself with "--conexion <database>" to play another
// copy of the program working on a company: it holds a connection to the
// database until its input is closed.
const QString OtraCopia = QStringLiteral("--conexion");
const QByteArray Lista = "LISTA";

int mantenerConexion(const QString &base)
{
    testsupport::initFirebird();
    fb::Connection conexion;
    conexion.open(base);
    QTextStream(stdout) << Lista << Qt::endl;
    QFile entrada;
    entrada.open(stdin, QIODevice::ReadOnly);
    entrada.readAll();
    return 0;
}

class OtroProceso
{
public:
    explicit OtroProceso(const QString &base)
    {
        m_proceso.start(QCoreApplication::applicationFilePath(), {OtraCopia, base});
    }
    ~OtroProceso() { terminar(); }

    bool conectado()
    {
        while (!m_proceso.canReadLine())
            if (!m_proceso.waitForReadyRead(15000))
                return false;
        return m_proceso.readLine().trimmed() == Lista;
    }
    void terminar()
    {
        m_proceso.closeWriteChannel();
        if (!m_proceso.waitForFinished(10000))
            m_proceso.kill();
    }

private:
    QProcess m_proceso;
};

// --- fixture -------------------------------------------------------------------

// A complete data path (general.gdb with company "01" and user "admin",
// empresabase.gdb, empresa01.gdb) that is also the program directory, as in
// a default installation, and the two data modules open on it.
struct Instalacion
{
    QTemporaryDir dir;
    QString ruta = testsupport::freshDatabases(dir);
    fb::Connection general;
    testsupport::ScriptedDialogs dialogos;
    std::unique_ptr<TmdlEmpresas> empresas;
    std::unique_ptr<TmdlUsuarios> usuarios;

    Instalacion()
    {
        general.open(ruta + QStringLiteral("general.gdb"));
        empresas = std::make_unique<TmdlEmpresas>(general);
        usuarios = std::make_unique<TmdlUsuarios>(general);
        empresas->Empresas.open();
        usuarios->Usuarios.open();
    }

    ds::RecordSet &Empresas() { return empresas->Empresas; }
    ds::RecordSet &Usuarios() { return usuarios->Usuarios; }
    QString base(const QString &codigo) const { return ruta + QStringLiteral("empresa%1.gdb").arg(codigo); }
    QStringList ficheros() const { return QDir(ruta).entryList(QDir::Files, QDir::Name); }

    // A new company with this code, posted (which creates its database) but not applied.
    void nuevaEmpresa(const QString &codigo)
    {
        Empresas().append();
        Empresas().setValue(QStringLiteral("CODIGO"), codigo);
        Empresas().setValue(QStringLiteral("NOMBRE"), QStringLiteral("Empresa ") + codigo);
        Empresas().post();
    }
    int filasEmpresa(const QString &codigo)
    {
        return general.query(QStringLiteral("SELECT COUNT(*) FROM EMPRESA WHERE CODIGO = ?"), {codigo}).scalar().toInt();
    }
};

// A company database holding one family, to tell it from an empty copy of the template.
void marcarBase(const QString &base)
{
    fb::Connection conexion;
    conexion.open(base);
    conexion.execute(QStringLiteral("INSERT INTO FAMILIA (CODIGO, DESCRIPCION) VALUES ('MARC', 'marca')"));
}

int familias(const QString &base)
{
    fb::Connection conexion;
    conexion.open(base);
    return conexion.query(QStringLiteral("SELECT COUNT(*) FROM FAMILIA")).scalar().toInt();
}

using testsupport::rechazada;

} // namespace

class TstEmpresasUsuarios : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::initFirebird(); }

    // --- companies -----------------------------------------------------------

    void nuevaEmpresaCreaSuBaseDeDatos()
    {
        Instalacion inst;
        inst.Empresas().append();
        QCOMPARE(inst.Empresas().value(QStringLiteral("REC_EQUIVALENCIA")).toString(), QStringLiteral("N"));
        inst.Empresas().setValue(QStringLiteral("CODIGO"), QStringLiteral("03"));
        inst.Empresas().post();

        // Exactly the name ConectarEmpresa opens; nothing else left beside it.
        QCOMPARE(inst.ficheros(), QStringList({"empresa01.gdb", "empresa03.gdb", "empresabase.gdb", "general.gdb"}));
        const auto accesoOtros = QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(int(QFile::permissions(inst.base("03")) & accesoOtros), 0);
        QCOMPARE(familias(inst.base("03")), 0);
        QCOMPARE(inst.Empresas().applyUpdates(), 0);
        QCOMPARE(inst.filasEmpresa("03"), 1);
        QVERIFY(inst.dialogos.shown.isEmpty());

        // A change of the stored row creates nothing.
        marcarBase(inst.base("03"));
        QVERIFY(inst.Empresas().locate(QStringLiteral("CODIGO"), QStringLiteral("03")));
        inst.Empresas().edit();
        inst.Empresas().setValue(QStringLiteral("NOMBRE"), QStringLiteral("Otra"));
        inst.Empresas().post();
        QCOMPARE(familias(inst.base("03")), 1);
    }

    void codigoRechazado_data()
    {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QStringList>("mostrado");
        QTest::newRow("existente") << "01" << QStringList{"msg:El CODIGO Ya Existe."};
        QTest::newRow("vacio") << "" << QStringList{};
        const QStringList nombreFichero{"msg:El CODIGO de empresa no puede llevar espacios ni los signos / \\ :"};
        QTest::newRow("barra") << "0/" << nombreFichero;
        QTest::newRow("blanco delante") << " 3" << nombreFichero;
        QTest::newRow("dos puntos") << "3:" << nombreFichero;
    }
    void codigoRechazado()
    {
        QFETCH(QString, codigo);
        QFETCH(QStringList, mostrado);
        Instalacion inst;
        inst.Empresas().append();
        QVERIFY(rechazada([&] { inst.Empresas().setValue(QStringLiteral("CODIGO"), codigo); }));
        QCOMPARE(inst.dialogos.shown, mostrado);
        QVERIFY(inst.Empresas().value(QStringLiteral("CODIGO")).isNull());
        // Without a code the row cannot be posted, so no database is made.
        QVERIFY_THROWS_EXCEPTION(ds::DatasetError, inst.Empresas().post());
        QCOMPARE(inst.ficheros(), QStringList({"empresa01.gdb", "empresabase.gdb", "general.gdb"}));
    }

    void codigoSoloSeEscribeAlCrear()
    {
        Instalacion inst;
        inst.Empresas().edit();
        QVERIFY_THROWS_EXCEPTION(ds::DatasetError, inst.Empresas().setValue(QStringLiteral("CODIGO"), "02"));
        inst.Empresas().cancel();
        // A new row after an edit gets a writable code again.
        inst.nuevaEmpresa(QStringLiteral("02"));
        QVERIFY(QFile::exists(inst.base("02")));
    }

    void plantillaInservible_data()
    {
        QTest::addColumn<QByteArray>("contenido"); // empty: no template at all
        QTest::newRow("falta") << QByteArray();
        QTest::newRow("no es una base de datos") << QByteArray("esto no es una base de datos");
    }
    void plantillaInservible()
    {
        QFETCH(QByteArray, contenido);
        Instalacion inst;
        const QString plantilla = inst.ruta + QStringLiteral("empresabase.gdb");
        QVERIFY(QFile::remove(plantilla));
        if (!contenido.isEmpty()) {
            QFile fichero(plantilla);
            QVERIFY(fichero.open(QIODevice::WriteOnly));
            fichero.write(contenido);
        }
        const QStringList antes = inst.ficheros();

        QVERIFY(rechazada([&] { inst.nuevaEmpresa(QStringLiteral("04")); }));
        QCOMPARE(inst.dialogos.messages.size(), 1);
        QVERIFY2(inst.dialogos.messages.front().contains(QStringLiteral("La empresa no se ha creado")),
                 qPrintable(inst.dialogos.messages.front()));
        // The row stays in the window to be corrected or cancelled; nothing is left on disk.
        QCOMPARE(inst.Empresas().state(), ds::State::Insert);
        QCOMPARE(inst.ficheros(), antes);
        inst.Empresas().cancel();
        QVERIFY(!inst.Empresas().hasPendingChanges());
    }

    // A database left under the new company's name (a company whose row never
    // reached EMPRESA) is replaced by the template; one still in use is not.
    void baseQueYaExistia()
    {
        Instalacion inst;
        QVERIFY(QFile::copy(inst.ruta + "empresabase.gdb", inst.base("05")));
        marcarBase(inst.base("05"));
        inst.nuevaEmpresa(QStringLiteral("05"));
        QCOMPARE(familias(inst.base("05")), 0);
        inst.Empresas().cancelUpdates();

        marcarBase(inst.base("05"));
        fb::Connection enUso;
        enUso.open(inst.base("05"));
        QVERIFY(rechazada([&] { inst.nuevaEmpresa(QStringLiteral("05")); }));
        QCOMPARE(inst.dialogos.messages.size(), 1);
        QVERIFY2(inst.dialogos.messages.front().contains(QStringLiteral("está abierta")),
                 qPrintable(inst.dialogos.messages.front()));
        enUso.close();
        QCOMPARE(familias(inst.base("05")), 1);

        // Another copy stored the code after it was typed here.
        inst.dialogos.clear();
        inst.Empresas().cancel();
        inst.Empresas().append();
        inst.Empresas().setValue(QStringLiteral("CODIGO"), QStringLiteral("05"));
        inst.general.execute(QStringLiteral("INSERT INTO EMPRESA (CODIGO) VALUES ('05')"));
        QVERIFY(rechazada([&] { inst.Empresas().post(); }));
        QCOMPARE(inst.dialogos.messages, QStringList{"El CODIGO Ya Existe."});
        QCOMPARE(familias(inst.base("05")), 1);
    }

    void cif_data()
    {
        QTest::addColumn<QString>("cif");
        QTest::addColumn<QStringList>("mensajes");
        QTest::newRow("correcto") << "B12345674" << QStringList{};
        QTest::newRow("incorrecto") << "B12345670" << QStringList{"CIF Incorrecto"};
        QTest::newRow("vacio") << "" << QStringList{};
    }
    void cif()
    {
        QFETCH(QString, cif);
        QFETCH(QStringList, mensajes);
        Instalacion inst;
        inst.Empresas().edit();
        inst.Empresas().setValue(QStringLiteral("CIF"), cif);
        QCOMPARE(inst.dialogos.messages, mensajes);
        // Only a warning: the value is stored all the same.
        inst.Empresas().post();
        QCOMPARE(inst.Empresas().applyUpdates(), 0);
        QCOMPARE(inst.general.query("SELECT CIF FROM EMPRESA").scalar().toString().trimmed(), cif);
    }

    void provinciaDelCodigoPostal_data()
    {
        QTest::addColumn<QString>("codigoPostal");
        QTest::addColumn<QString>("provincia");
        QTest::newRow("Madrid") << "28001" << "Madrid";
        QTest::newRow("Barcelona") << "08001" << "Barcelona";
        QTest::newRow("sin provincia") << "99000" << "(la de antes)";
    }
    void provinciaDelCodigoPostal()
    {
        QFETCH(QString, codigoPostal);
        QFETCH(QString, provincia);
        Instalacion inst;
        inst.Empresas().edit();
        inst.Empresas().setValue(QStringLiteral("PROVINCIA"), QStringLiteral("(la de antes)"));
        inst.Empresas().setValue(QStringLiteral("COD_POSTAL"), codigoPostal);
        QCOMPARE(inst.Empresas().value(QStringLiteral("PROVINCIA")).toString(), provincia);
        QCOMPARE(inst.Empresas().value(QStringLiteral("COD_POSTAL")).toString().trimmed(), codigoPostal);
    }

    void eliminarEmpresaEliminaSuBase()
    {
        Instalacion inst;
        inst.nuevaEmpresa(QStringLiteral("03"));
        QCOMPARE(inst.Empresas().applyUpdates(), 0);
        QVERIFY(inst.Empresas().locate(QStringLiteral("CODIGO"), QStringLiteral("03")));
        inst.Empresas().remove();
        QVERIFY(!QFile::exists(inst.base("03")));
        QCOMPARE(inst.Empresas().applyUpdates(), 0);
        QCOMPARE(inst.filasEmpresa("03"), 0);

        // A company whose database is already gone is deleted all the same.
        QVERIFY(QFile::remove(inst.base("01")));
        QVERIFY(inst.Empresas().locate(QStringLiteral("CODIGO"), QStringLiteral("01")));
        inst.Empresas().remove();
        QCOMPARE(inst.Empresas().applyUpdates(), 0);
        QVERIFY(inst.dialogos.shown.isEmpty());
    }

    // While the company is being worked on, here or in another copy of the
    // program, neither its database nor its row may go.
    void eliminarEmpresaAbierta_data()
    {
        QTest::addColumn<bool>("otroProceso");
        QTest::newRow("en este proceso") << false;
        QTest::newRow("en otro proceso") << true;
    }
    void eliminarEmpresaAbierta()
    {
        QFETCH(bool, otroProceso);
        Instalacion inst;
        marcarBase(inst.base("01"));
        fb::Connection aqui;
        std::unique_ptr<OtroProceso> otro;
        if (otroProceso) {
            otro = std::make_unique<OtroProceso>(inst.base("01"));
            QVERIFY(otro->conectado());
        } else {
            aqui.open(inst.base("01"));
        }

        QVERIFY(rechazada([&] { inst.Empresas().remove(); }));
        QCOMPARE(inst.dialogos.messages,
                 QStringList{"La empresa 01 no se puede eliminar: su base de datos está abierta en este u otro "
                             "puesto del programa. Elija otra empresa de trabajo en todos los puestos e "
                             "inténtelo de nuevo."});
        QCOMPARE(inst.Empresas().rowCount(), 1);
        QVERIFY(!inst.Empresas().hasPendingChanges());

        // Once nobody works on it, it can be deleted.
        aqui.close();
        otro.reset();
        QCOMPARE(familias(inst.base("01")), 1);
        inst.Empresas().remove();
        QVERIFY(!QFile::exists(inst.base("01")));
    }

    // The engine's own delete: refused while another connection is attached,
    // leaving this one usable.
    void dropDeLaConexion()
    {
        Instalacion inst;
        fb::Connection conexion, otra;
        conexion.open(inst.base("01"));
        otra.open(inst.base("01"));
        QVERIFY_THROWS_EXCEPTION(fb::Error, conexion.drop());
        QVERIFY(conexion.isOpen());
        QCOMPARE(conexion.query("SELECT COUNT(*) FROM FAMILIA").scalar().toInt(), 0);
        otra.close();
        conexion.drop();
        QVERIFY(!conexion.isOpen());
        QVERIFY(!QFile::exists(inst.base("01")));
        QVERIFY_THROWS_EXCEPTION(fb::Error, conexion.drop());
    }

    // --- users ---------------------------------------------------------------

    void adminNoSeElimina()
    {
        Instalacion inst;
        QVERIFY(rechazada([&] { inst.Usuarios().remove(); }));
        QCOMPARE(inst.dialogos.messages, QStringList{"EL usuario ADMIN no se puede eliminar."});
        QCOMPARE(inst.Usuarios().rowCount(), 1);

        // Any other user is deleted.
        inst.dialogos.clear();
        inst.Usuarios().append();
        inst.Usuarios().setValue(QStringLiteral("NOMBRE"), QStringLiteral("ana"));
        inst.Usuarios().post();
        inst.Usuarios().remove();
        QCOMPARE(inst.Usuarios().rowCount(), 1);
        QVERIFY(inst.dialogos.shown.isEmpty());
    }

    void nombreDeAdminNoCambia()
    {
        Instalacion inst;
        inst.Usuarios().edit();
        QVERIFY_THROWS_EXCEPTION(ds::DatasetError, inst.Usuarios().setValue(QStringLiteral("NOMBRE"), "jefe"));
        inst.Usuarios().setValue(QStringLiteral("CONTRASENA"), QStringLiteral("nueva"));
        inst.Usuarios().post();

        // Right after editing admin, a new user and another user's name are writable.
        inst.Usuarios().append();
        inst.Usuarios().setValue(QStringLiteral("NOMBRE"), QStringLiteral("ana"));
        inst.Usuarios().post();
        inst.Usuarios().edit();
        inst.Usuarios().setValue(QStringLiteral("NOMBRE"), QStringLiteral("anabel"));
        inst.Usuarios().post();
        QCOMPARE(inst.Usuarios().applyUpdates(), 0);
        QCOMPARE(inst.general.query("SELECT NOMBRE FROM USUARIO ORDER BY CODIGO").rows.size(), 2u);
    }

    void numeroSiguienteDeUsuario()
    {
        Instalacion inst;
        auto nuevo = [&](const QString &nombre) {
            inst.Usuarios().append();
            const int codigo = inst.Usuarios().value(QStringLiteral("CODIGO")).toInt();
            inst.Usuarios().setValue(QStringLiteral("NOMBRE"), nombre);
            inst.Usuarios().post();
            return codigo;
        };
        QCOMPARE(nuevo("ana"), 2);
        QCOMPARE(nuevo("luis"), 3); // not yet applied, still counted
        QCOMPARE(inst.Usuarios().applyUpdates(), 0);
        inst.Usuarios().remove();
        QCOMPARE(inst.Usuarios().applyUpdates(), 0);
        QCOMPARE(nuevo("eva"), 3);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 2 && args.at(1) == OtraCopia)
        return mantenerConexion(args.at(2));
    TstEmpresasUsuarios test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_empresas_usuarios.moc"
