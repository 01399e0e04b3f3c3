#include "ScriptedDialogs.h"
#include "TestEnvironment.h"

#include "app/Configuracion.h"
#include "app/TmdlConexiones.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A fresh folder with its path ending in '/', as program and data directories are.
struct Carpeta
{
    QTemporaryDir dir;
    QString ruta() const { return dir.path() + u'/'; }
};

void escribirFichero(const QString &ruta, const QByteArray &contenido)
{
    QFile file(ruta);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contenido);
}

QByteArray leerFichero(const QString &ruta)
{
    QFile file(ruta);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void crearBase(const QString &ruta)
{
    fb::Connection conexion;
    conexion.create(ruta);
}

void escribirConfig(const QString &directorio, const QString &rutaDatos)
{
    escribirFichero(directorio + QStringLiteral("config.dat"),
                    "[Ruta Datos]\nRuta Datos=" + rutaDatos.toUtf8() + '\n');
}

// The engine's own text for a database that cannot be opened: what the user
// must see in the error box.
QString errorAlAbrir(const QString &base)
{
    try {
        fb::Connection conexion;
        conexion.open(base);
    } catch (const fb::Error &e) {
        return e.text();
    }
    return {};
}

// Attachments to a database other than the one made to count them.
int conexionesA(const QString &base)
{
    fb::Connection conexion;
    conexion.open(base);
    return conexion
        .query(QStringLiteral("SELECT COUNT(*) FROM MON$ATTACHMENTS "
                              "WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION AND MON$SYSTEM_FLAG = 0"))
        .scalar()
        .toInt();
}

// Stands for the data-path dialog: counts its calls and, when it "accepts",
// writes the data path as the dialog's OK does.
struct DialogoGuionado
{
    int llamadas = 0;
    QString rutaAceptada; // empty: closed without OK

    TmdlConexiones::PedirRutaDatos callback()
    {
        return [this](const Configuracion &configuracion) {
            ++llamadas;
            if (!rutaAceptada.isEmpty())
                QVERIFY(configuracion.escribirRutaDatos(rutaAceptada, nullptr));
        };
    }
};

} // namespace

class TstConexiones : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void leerRutaDatos_data();
    void leerRutaDatos();
    void escribirRutaDatos_data();
    void escribirRutaDatos();
    void escribirRutaDatosEnCarpetaInexistente();
    void componerRutaDatos_data();
    void componerRutaDatos();

    void primerArranqueConGeneralJuntoAlPrograma();
    void primerArranqueSinGeneral_data();
    void primerArranqueSinGeneral();
    void generalQueNoSePuedeAbrir_data();
    void generalQueNoSePuedeAbrir();

    void conectarEmpresaCambiaDeFichero();
    void conectarEmpresaInexistenteLaDejaCerrada();
    void dataModuleDestroy_data();
    void dataModuleDestroy();
    void unSoloModuloDeConexiones();

private:
    // The relative name "general.gdb" (empty data path) is resolved against
    // the working directory: keep it in an empty folder of the test's own.
    std::unique_ptr<Carpeta> m_trabajo;
    QString m_directorioAnterior;
};

void TstConexiones::initTestCase()
{
    testsupport::initFirebird();
    m_directorioAnterior = QDir::currentPath();
}

void TstConexiones::init()
{
    m_trabajo = std::make_unique<Carpeta>();
    QVERIFY(QDir::setCurrent(m_trabajo->dir.path()));
}

void TstConexiones::cleanup()
{
    QDir::setCurrent(m_directorioAnterior);
    m_trabajo.reset();
}

void TstConexiones::leerRutaDatos_data()
{
    QTest::addColumn<QByteArray>("contenido"); // null: there is no config.dat
    QTest::addColumn<QString>("esperada");

    const QString datos = QStringLiteral("/datos/");
    QTest::newRow("escrito por el programa") << QByteArray("[Ruta Datos]\nRuta Datos=/datos/\n") << datos;
    QTest::newRow("fin de línea de Windows") << QByteArray("[Ruta Datos]\r\nRuta Datos=/datos/\r\n") << datos;
    QTest::newRow("blancos alrededor de =") << QByteArray("[Ruta Datos]\n  Ruta Datos = /datos/ \n") << datos;
    QTest::newRow("sin distinguir mayúsculas") << QByteArray("[RUTA DATOS]\nruta datos=/datos/") << datos;
    QTest::newRow("marca de orden de bytes") << QByteArray("\xEF\xBB\xBF[Ruta Datos]\nRuta Datos=/datos/\n")
                                             << datos;
    QTest::newRow("otras secciones y claves")
        << QByteArray("[Otra]\nRuta Datos=/no/\n\n[Ruta Datos]\nOtra=/no/\nRuta Datos=/datos/\n[Fin]\nRuta Datos=/no/\n")
        << datos;
    QTest::newRow("valor entre comillas") << QByteArray("[Ruta Datos]\nRuta Datos=\"/mis datos/\"\n")
                                          << QStringLiteral("/mis datos/");
    QTest::newRow("servidor y = en el valor") << QByteArray("[Ruta Datos]\nRuta Datos=SRV:/a=b/\n")
                                              << QStringLiteral("SRV:/a=b/");
    QTest::newRow("acentos") << QByteArray("[Ruta Datos]\nRuta Datos=/datos/compañía/\n")
                             << QStringLiteral("/datos/compañía/");
    QTest::newRow("valor vacío") << QByteArray("[Ruta Datos]\nRuta Datos=\n") << QString();
    QTest::newRow("sin la clave") << QByteArray("[Ruta Datos]\n") << QString();
    QTest::newRow("clave fuera de la sección") << QByteArray("Ruta Datos=/datos/\n[Ruta Datos]\n") << QString();
    QTest::newRow("sin fichero") << QByteArray() << QString();
}

void TstConexiones::leerRutaDatos()
{
    QFETCH(QByteArray, contenido);
    QFETCH(QString, esperada);
    Carpeta programa;
    const Configuracion configuracion(programa.ruta());
    if (!contenido.isNull())
        escribirFichero(configuracion.fichero(), contenido);

    QCOMPARE(configuracion.existe(), !contenido.isNull());
    QCOMPARE(configuracion.rutaDatos(), esperada);
}

void TstConexiones::escribirRutaDatos_data()
{
    QTest::addColumn<QString>("ruta");
    QTest::addColumn<QByteArray>("fichero");

    QTest::newRow("local") << QStringLiteral("/srv/datos/") << QByteArray("[Ruta Datos]\nRuta Datos=/srv/datos/\n");
    QTest::newRow("servidor") << QStringLiteral("SRV:/datos/") << QByteArray("[Ruta Datos]\nRuta Datos=SRV:/datos/\n");
    QTest::newRow("acentos") << QStringLiteral("/datos/compañía/")
                             << QByteArray("[Ruta Datos]\nRuta Datos=/datos/compa\xC3\xB1\xC3\xAD" "a/\n");
}

void TstConexiones::escribirRutaDatos()
{
    QFETCH(QString, ruta);
    QFETCH(QByteArray, fichero);
    Carpeta programa;
    const Configuracion configuracion(programa.ruta());

    QString error;
    QVERIFY(configuracion.escribirRutaDatos(ruta, &error));
    QCOMPARE(leerFichero(programa.ruta() + QStringLiteral("config.dat")), fichero);
    QCOMPARE(configuracion.rutaDatos(), ruta);
}

void TstConexiones::escribirRutaDatosEnCarpetaInexistente()
{
    Carpeta base;
    const Configuracion configuracion(base.ruta() + QStringLiteral("no-existe/"));

    QString error;
    QVERIFY(!configuracion.escribirRutaDatos(QStringLiteral("/datos/"), &error));
    QVERIFY2(error.contains(configuracion.fichero()), qPrintable(error));
    QVERIFY(!configuracion.existe());
}

void TstConexiones::componerRutaDatos_data()
{
    QTest::addColumn<QString>("equipo");
    QTest::addColumn<QString>("ruta");
    QTest::addColumn<QString>("esperada");

    QTest::newRow("servidor y ruta") << "SRV" << "/datos" << "SRV:/datos/";
    QTest::newRow("sin servidor") << "" << "D:/F" << "D:/F/";
    QTest::newRow("ruta acabada en /") << "" << "/datos/" << "/datos//";
    QTest::newRow("servidor y ruta acabada en /") << "SRV" << "/datos/" << "SRV:/datos//";
    QTest::newRow("blancos alrededor") << " SRV " << "  /datos  " << "SRV:/datos/";
    QTest::newRow("servidor en blanco") << "   " << "/datos" << "/datos/";
}

void TstConexiones::componerRutaDatos()
{
    QFETCH(QString, equipo);
    QFETCH(QString, ruta);
    QFETCH(QString, esperada);
    QCOMPARE(Configuracion::componerRutaDatos(equipo, ruta), esperada);
}

void TstConexiones::primerArranqueConGeneralJuntoAlPrograma()
{
    Carpeta programa;
    crearBase(programa.ruta() + QStringLiteral("general.gdb"));
    testsupport::ScriptedDialogs dialogs;
    DialogoGuionado dialogo;

    TmdlConexiones mdl(programa.ruta(), dialogo.callback());

    QCOMPARE(dialogo.llamadas, 0);
    QCOMPARE(leerFichero(programa.ruta() + QStringLiteral("config.dat")),
             "[Ruta Datos]\nRuta Datos=" + programa.ruta().toUtf8() + '\n');
    QCOMPARE(mdl.RutaDatos(), programa.ruta());
    QVERIFY(mdl.ConexionGeneral.isOpen());
    QCOMPARE(mdl.ConexionGeneral.database(), programa.ruta() + QStringLiteral("general.gdb"));
    QVERIFY(!mdl.ConexionEmpresa.isOpen());
    QCOMPARE(dialogs.shown, QStringList());
}

void TstConexiones::primerArranqueSinGeneral_data()
{
    QTest::addColumn<bool>("aceptado");
    QTest::newRow("diálogo cerrado sin OK") << false;
    QTest::newRow("OK con la ruta de los datos") << true;
}

void TstConexiones::primerArranqueSinGeneral()
{
    QFETCH(bool, aceptado);
    Carpeta programa;
    Carpeta datos;
    crearBase(datos.ruta() + QStringLiteral("general.gdb"));
    testsupport::ScriptedDialogs dialogs;
    DialogoGuionado dialogo;
    if (aceptado)
        dialogo.rutaAceptada = datos.ruta();
    const QString rutaEsperada = aceptado ? datos.ruta() : QString();
    const QString general = rutaEsperada + QStringLiteral("general.gdb");
    const QString errorEsperado = aceptado ? QString() : errorAlAbrir(general);

    TmdlConexiones mdl(programa.ruta(), dialogo.callback());

    QCOMPARE(dialogo.llamadas, 1);
    QCOMPARE(mdl.RutaDatos(), rutaEsperada);
    QCOMPARE(mdl.ConexionGeneral.isOpen(), aceptado);
    if (aceptado) {
        QCOMPARE(mdl.ConexionGeneral.database(), general);
        QCOMPARE(dialogs.shown, QStringList());
    } else {
        QVERIFY(!errorEsperado.isEmpty());
        QCOMPARE(dialogs.shown, QStringList{QStringLiteral("err:") + errorEsperado});
    }
}

void TstConexiones::generalQueNoSePuedeAbrir_data()
{
    QTest::addColumn<QString>("ruta");          // "%1" stands for a data folder
    QTest::addColumn<QByteArray>("contenido"); // of its general.gdb; null: no such file

    QTest::newRow("ruta vacía") << QString() << QByteArray();
    QTest::newRow("carpeta inexistente") << QStringLiteral("%1no-existe/") << QByteArray();
    QTest::newRow("no es una base de datos") << QStringLiteral("%1") << QByteArray("esto no es una base de datos");
}

// A config.dat that leads nowhere is reported and left as it is, even with a
// good general.gdb beside the program: start-up goes on without the general
// database.
void TstConexiones::generalQueNoSePuedeAbrir()
{
    QFETCH(QString, ruta);
    QFETCH(QByteArray, contenido);
    Carpeta programa;
    Carpeta datos;
    if (ruta.contains(QStringLiteral("%1")))
        ruta = ruta.arg(datos.ruta());
    if (!contenido.isNull())
        escribirFichero(datos.ruta() + QStringLiteral("general.gdb"), contenido);
    crearBase(programa.ruta() + QStringLiteral("general.gdb"));
    escribirConfig(programa.ruta(), ruta);
    const QByteArray config = leerFichero(programa.ruta() + QStringLiteral("config.dat"));
    const QString errorEsperado = errorAlAbrir(ruta + QStringLiteral("general.gdb"));
    QVERIFY(!errorEsperado.isEmpty());
    testsupport::ScriptedDialogs dialogs;
    DialogoGuionado dialogo;

    TmdlConexiones mdl(programa.ruta(), dialogo.callback());

    QCOMPARE(dialogo.llamadas, 0);
    QCOMPARE(mdl.RutaDatos(), ruta);
    QVERIFY(!mdl.ConexionGeneral.isOpen());
    QCOMPARE(dialogs.shown, QStringList{QStringLiteral("err:") + errorEsperado});
    QCOMPARE(leerFichero(programa.ruta() + QStringLiteral("config.dat")), config);
}

void TstConexiones::conectarEmpresaCambiaDeFichero()
{
    Carpeta programa;
    Carpeta datos;
    for (const char *base : {"general.gdb", "empresa01.gdb", "empresa02.gdb"})
        crearBase(datos.ruta() + QLatin1String(base));
    escribirConfig(programa.ruta(), datos.ruta());
    const QString empresa01 = datos.ruta() + QStringLiteral("empresa01.gdb");
    const QString empresa02 = datos.ruta() + QStringLiteral("empresa02.gdb");
    testsupport::ScriptedDialogs dialogs;
    TmdlConexiones mdl(programa.ruta());

    mdl.ConectarEmpresa(QStringLiteral("01"));
    QVERIFY(mdl.ConexionEmpresa.isOpen());
    QCOMPARE(mdl.ConexionEmpresa.database(), empresa01);
    QCOMPARE(conexionesA(empresa01), 1);

    // Codes are CHAR(2): the blanks they come with are not part of the file name.
    mdl.ConectarEmpresa(QStringLiteral(" 02 "));
    QVERIFY(mdl.ConexionEmpresa.isOpen());
    QCOMPARE(mdl.ConexionEmpresa.database(), empresa02);
    QCOMPARE(conexionesA(empresa01), 0);
    QCOMPARE(conexionesA(empresa02), 1);
    QVERIFY(mdl.ConexionGeneral.isOpen());
    QCOMPARE(dialogs.shown, QStringList());
}

void TstConexiones::conectarEmpresaInexistenteLaDejaCerrada()
{
    Carpeta programa;
    crearBase(programa.ruta() + QStringLiteral("general.gdb"));
    crearBase(programa.ruta() + QStringLiteral("empresa01.gdb"));
    testsupport::ScriptedDialogs dialogs;
    TmdlConexiones mdl(programa.ruta());
    mdl.ConectarEmpresa(QStringLiteral("01"));

    QVERIFY_THROWS_EXCEPTION(fb::Error, mdl.ConectarEmpresa(QStringLiteral("03")));

    QVERIFY(!mdl.ConexionEmpresa.isOpen());
    QCOMPARE(conexionesA(programa.ruta() + QStringLiteral("empresa01.gdb")), 0);
    QVERIFY(mdl.ConexionGeneral.isOpen());
    // The caller reports the error, not the module.
    QCOMPARE(dialogs.shown, QStringList());
}

void TstConexiones::dataModuleDestroy_data()
{
    QTest::addColumn<bool>("conEmpresa");
    QTest::newRow("sin empresa abierta") << false;
    QTest::newRow("con empresa abierta") << true;
}

void TstConexiones::dataModuleDestroy()
{
    QFETCH(bool, conEmpresa);
    Carpeta programa;
    crearBase(programa.ruta() + QStringLiteral("general.gdb"));
    crearBase(programa.ruta() + QStringLiteral("empresa01.gdb"));
    testsupport::ScriptedDialogs dialogs;
    {
        TmdlConexiones mdl(programa.ruta());
        if (conEmpresa)
            mdl.ConectarEmpresa(QStringLiteral("01"));

        mdl.DataModuleDestroy();

        QVERIFY(!mdl.ConexionEmpresa.isOpen());
        QVERIFY(!mdl.ConexionGeneral.isOpen());
    } // the destructor finds both closed and has nothing more to do
    QCOMPARE(conexionesA(programa.ruta() + QStringLiteral("general.gdb")), 0);
    QCOMPARE(conexionesA(programa.ruta() + QStringLiteral("empresa01.gdb")), 0);
    QCOMPARE(dialogs.shown, QStringList());
}

void TstConexiones::unSoloModuloDeConexiones()
{
    Carpeta programa;
    crearBase(programa.ruta() + QStringLiteral("general.gdb"));
    testsupport::ScriptedDialogs dialogs;
    {
        TmdlConexiones mdl(programa.ruta());
        QCOMPARE(&mdlConexiones(), &mdl);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, TmdlConexiones otro(programa.ruta()));
        QCOMPARE(&mdlConexiones(), &mdl);
    }
    QVERIFY_THROWS_EXCEPTION(std::logic_error, mdlConexiones());
}

QTEST_GUILESS_MAIN(TstConexiones)
#include "tst_conexiones.moc"
