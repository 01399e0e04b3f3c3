#include "Controles.h"
#include "ProgramaPrueba.h"
#include "TestEnvironment.h"

#include "app/Sesion.h"
#include "app/TfrmLogin.h"
#include "app/TfrmSesion.h"
#include "app/TmdlConexiones.h"
#include "app/TmdlEmpresas.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

// A data path that is also the program directory, its connections module,
// and a session on it. Besides "admin"/"admin" (1) there are the users
// "ana"/"clave" (2) and "O'Brien"/"o'k" (3).
struct Puesto : testsupport::Programa
{
    Sesion sesion{conexiones};
    QSignalSpy usuarios{&sesion, &Sesion::usuarioCambiado};
    QSignalSpy empresas{&sesion, &Sesion::empresaCambiada};
    QObject esperas; // the waits for the login dialog end with the test

    Puesto() : Programa(false)
    {
        conexiones.ConexionGeneral.execute(
            QStringLiteral("INSERT INTO USUARIO (CODIGO, NOMBRE, CONTRASENA) VALUES (2, 'ana', 'clave')"));
        conexiones.ConexionGeneral.execute(
            QStringLiteral("INSERT INTO USUARIO (CODIGO, NOMBRE, CONTRASENA) VALUES (3, 'O''Brien', 'o''k')"));
    }
    ~Puesto() { setElegirEmpresa({}); }

    // Plays `accion` on the login dialog once it is shown modally.
    void alAbrirseLogin(std::function<void(TfrmLogin &)> accion)
    {
        testsupport::alAbrirse<TfrmLogin>(&esperas, std::move(accion));
    }

    // The chooser plays these answers in turn, counting its calls.
    void elector(QStringList respuestas, std::function<void()> antes = {})
    {
        setElegirEmpresa([this, respuestas, antes](QWidget *) mutable {
            ++elecciones;
            if (antes)
                antes();
            return respuestas.takeFirst();
        });
    }
    int elecciones = 0;
};

using testsupport::control;

// Types into each box in turn, as the user does (the focus moves with the typing).
void escribir(TfrmLogin &login, const QString &nombre, const QString &contrasena)
{
    for (const auto &[campo, texto] : {std::pair{"txtNombre", nombre}, std::pair{"txtContrasena", contrasena}}) {
        auto *edit = control<QLineEdit>(login, campo);
        edit->setFocus();
        QTest::keyClicks(edit, texto);
    }
}

void entrar(TfrmLogin &login, const QString &nombre, const QString &contrasena)
{
    escribir(login, nombre, contrasena);
    control<QPushButton>(login, "btnAceptar")->click();
}

void cancelar(TfrmLogin &login)
{
    QTest::keyClick(control<QLineEdit>(login, "txtNombre"), Qt::Key_Escape);
}

} // namespace

class TstLogin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::initFirebird(); }

    void aspecto()
    {
        Puesto puesto;
        TfrmLogin login(puesto.conexiones.ConexionGeneral);
        QCOMPARE(login.windowTitle(), QStringLiteral("Entrada al sistema"));
        QVERIFY(login.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(login.palette().color(QPalette::Window), QColor(10, 114, 169));
        auto *nombre = control<QLineEdit>(login, "txtNombre");
        auto *contrasena = control<QLineEdit>(login, "txtContrasena");
        QCOMPARE(nombre->maxLength(), 10);
        QCOMPARE(contrasena->maxLength(), 10);
        QCOMPARE(contrasena->echoMode(), QLineEdit::Password);
        QVERIFY(control<QPushButton>(login, "btnAceptar")->isDefault());
        QVERIFY(!control<QLabel>(login, "lblError")->isVisibleTo(&login));
        QCOMPARE(login.CodigoUsuario, -1);
        QStringList textos;
        for (const QLabel *label : login.findChildren<QLabel *>())
            textos << label->text();
        for (const char *texto : {"VANTREL FACTURACION", "IDENTIFICACION DE USUARIO", "ERROR"})
            QVERIFY2(textos.contains(QLatin1String(texto)), texto);
    }

    void entrada_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("contrasena");
        QTest::addColumn<int>("codigo"); // -1: refused
        QTest::newRow("correcta") << "admin" << "admin" << 1;
        QTest::newRow("blancos al final") << "admin   " << "admin  " << 1;
        QTest::newRow("otro usuario") << "ana" << "clave" << 2;
        QTest::newRow("comillas") << "O'Brien" << "o'k" << 3;
        QTest::newRow("mayusculas en el nombre") << "Admin" << "admin" << -1;
        QTest::newRow("mayusculas en la contrasena") << "admin" << "ADMIN" << -1;
        QTest::newRow("contrasena de otro") << "admin" << "clave" << -1;
        QTest::newRow("blanco delante") << " admin" << "admin" << -1;
        QTest::newRow("comilla inyectada") << "admin" << "' OR ''='" << -1;
    }
    void entrada()
    {
        QFETCH(QString, nombre);
        QFETCH(QString, contrasena);
        QFETCH(int, codigo);
        Puesto puesto;
        TfrmLogin login(puesto.conexiones.ConexionGeneral);
        login.show();
        QVERIFY(QTest::qWaitForWindowActive(&login));
        entrar(login, nombre, contrasena);

        QCOMPARE(login.CodigoUsuario, codigo);
        QCOMPARE(login.isVisible(), codigo == -1);
        QCOMPARE(puesto.dialogos.shown, QStringList());
        if (codigo != -1) {
            QCOMPARE(login.result(), int(QDialog::Accepted));
            return;
        }
        // Refused: "ERROR", the password cleared, the name kept and focused.
        QVERIFY(control<QLabel>(login, "lblError")->isVisible());
        QCOMPARE(control<QLineEdit>(login, "txtContrasena")->text(), QString());
        QCOMPARE(control<QLineEdit>(login, "txtNombre")->text(), nombre);
        QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(login, "txtNombre"));
        // As many tries as wanted.
        control<QLineEdit>(login, "txtNombre")->clear();
        entrar(login, QStringLiteral("ana"), QStringLiteral("clave"));
        QCOMPARE(login.CodigoUsuario, 2);
    }

    // Without the mouse: Enter in the name moves to the password, Enter in
    // the password logs in.
    void entradaConTeclado()
    {
        Puesto puesto;
        TfrmLogin login(puesto.conexiones.ConexionGeneral);
        login.show();
        QVERIFY(QTest::qWaitForWindowActive(&login));
        auto *nombre = control<QLineEdit>(login, "txtNombre");
        nombre->setFocus();
        QTest::keyClicks(nombre, QStringLiteral("admin"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(login, "txtContrasena"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("admin"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(login.CodigoUsuario, 1);
        QCOMPARE(login.result(), int(QDialog::Accepted));
    }

    void sinNombreNoHaceNada()
    {
        Puesto puesto;
        TfrmLogin login(puesto.conexiones.ConexionGeneral);
        login.show();
        entrar(login, QString(), QStringLiteral("admin"));
        QVERIFY(login.isVisible());
        QVERIFY(!control<QLabel>(login, "lblError")->isVisible());
        QCOMPARE(control<QLineEdit>(login, "txtContrasena")->text(), QStringLiteral("admin"));
    }

    // The general database is unreachable: its error is shown and the dialog stays.
    void errorDeLaBaseDeDatos()
    {
        Puesto puesto;
        puesto.conexiones.ConexionGeneral.close();
        TfrmLogin login(puesto.conexiones.ConexionGeneral);
        login.show();
        entrar(login, QStringLiteral("admin"), QStringLiteral("admin"));
        QCOMPARE(puesto.dialogos.errors.size(), 1);
        QVERIFY(login.isVisible());
        QVERIFY(!control<QLabel>(login, "lblError")->isVisible());
    }

    void inicioSinUsuario_data()
    {
        QTest::addColumn<bool>("conCancelar");
        QTest::addColumn<ResultadoInicio>("resultado");
        QTest::newRow("Cancelar") << true << ResultadoInicio::Cancelada;
        QTest::newRow("cerrada de otro modo") << false << ResultadoInicio::SinUsuario;
    }
    void inicioSinUsuario()
    {
        QFETCH(bool, conCancelar);
        QFETCH(ResultadoInicio, resultado);
        Puesto puesto;
        puesto.elector({QStringLiteral("01")});
        puesto.alAbrirseLogin([conCancelar](TfrmLogin &login) {
            escribir(login, QStringLiteral("admin"), QStringLiteral("admin"));
            if (conCancelar)
                cancelar(login);
            else
                login.close();
        });
        QCOMPARE(iniciarSesion(puesto.sesion, nullptr), resultado);
        QCOMPARE(puesto.elecciones, 0);
        QCOMPARE(puesto.usuarios.size(), 0);
        QCOMPARE(puesto.empresas.size(), 0);
        QVERIFY(!puesto.conexiones.ConexionEmpresa.isOpen());
        QCOMPARE(puesto.dialogos.shown, QStringList());
    }

    void inicioCompleto()
    {
        Puesto puesto;
        puesto.elector({QStringLiteral("01")});
        puesto.alAbrirseLogin([](TfrmLogin &login) { entrar(login, QStringLiteral("ana"), QStringLiteral("clave")); });
        QCOMPARE(iniciarSesion(puesto.sesion, nullptr), ResultadoInicio::Iniciada);
        QCOMPARE(puesto.usuarios.takeFirst().front().toString(), QStringLiteral("ana"));
        QCOMPARE(puesto.empresas.takeFirst().front().toString(), QStringLiteral("Comercial Peñalara"));
        QCOMPARE(puesto.sesion.codigoEmpresa(), QStringLiteral("01"));
        QCOMPARE(puesto.conexiones.ConexionEmpresa.database(), puesto.carpeta + QStringLiteral("empresa01.gdb"));
        QVERIFY(puesto.conexiones.ConexionEmpresa.isOpen());
        QCOMPARE(puesto.dialogos.shown, QStringList());
    }

    // No company yet: closing the chooser brings it back (after declining to
    // leave) until a company is created in it and chosen.
    void inicioSinEmpresas()
    {
        Puesto puesto;
        puesto.conexiones.ConexionGeneral.execute(QStringLiteral("DELETE FROM EMPRESA"));
        TmdlEmpresas empresas(puesto.conexiones.ConexionGeneral);
        puesto.elector({QString(), QString(), QStringLiteral("07")}, [&] {
            if (puesto.elecciones < 3)
                return;
            empresas.Empresas.open();
            empresas.Empresas.append();
            empresas.Empresas.setValue(QStringLiteral("CODIGO"), QStringLiteral("07"));
            empresas.Empresas.setValue(QStringLiteral("NOMBRE"), QStringLiteral("Nueva"));
            empresas.Empresas.post();
            QCOMPARE(empresas.Empresas.applyUpdates(), 0);
        });
        puesto.alAbrirseLogin(
            [](TfrmLogin &login) { entrar(login, QStringLiteral("admin"), QStringLiteral("admin")); });
        QCOMPARE(iniciarSesion(puesto.sesion, nullptr), ResultadoInicio::Iniciada);
        QCOMPARE(puesto.elecciones, 3);
        QCOMPARE(puesto.dialogos.questions,
                 QStringList(2, QStringLiteral("¿Desea salir de Vantrel Facturacion?")));
        QCOMPARE(puesto.dialogos.questionIcons.front(), ui::Dialogs::Icon::Question);
        QCOMPARE(puesto.sesion.nombreEmpresa(), QStringLiteral("Nueva"));
        QCOMPARE(puesto.conexiones.ConexionEmpresa.database(), puesto.carpeta + QStringLiteral("empresa07.gdb"));
        QVERIFY(puesto.conexiones.ConexionEmpresa.isOpen());
    }

    // Leaving instead of choosing a company ends the program.
    void inicioSinElegirEmpresa()
    {
        Puesto puesto;
        puesto.elector({QString()});
        puesto.dialogos.answer(true);
        puesto.alAbrirseLogin(
            [](TfrmLogin &login) { entrar(login, QStringLiteral("admin"), QStringLiteral("admin")); });
        QCOMPARE(iniciarSesion(puesto.sesion, nullptr), ResultadoInicio::Cancelada);
        QCOMPARE(puesto.elecciones, 1);
        QCOMPARE(puesto.empresas.size(), 0);
        QVERIFY(!puesto.conexiones.ConexionEmpresa.isOpen());
    }

    // With the real chooser and a single company, the chooser never shows.
    void inicioConUnaSolaEmpresa()
    {
        Puesto puesto;
        QStringList modales;
        QTimer vigia;
        connect(&vigia, &QTimer::timeout, [&modales] {
            if (QWidget *modal = QApplication::activeModalWidget(); modal && !qobject_cast<TfrmLogin *>(modal)) {
                modales << modal->objectName();
                modal->close();
            }
        });
        vigia.start(5);
        puesto.alAbrirseLogin(
            [](TfrmLogin &login) { entrar(login, QStringLiteral("admin"), QStringLiteral("admin")); });
        QCOMPARE(iniciarSesion(puesto.sesion, nullptr), ResultadoInicio::Iniciada);
        QCOMPARE(modales, QStringList());
        QCOMPARE(puesto.sesion.codigoEmpresa(), QStringLiteral("01"));
        QVERIFY(puesto.conexiones.ConexionEmpresa.isOpen());
        QCOMPARE(puesto.dialogos.shown, QStringList());
    }

    // The company's name is shown, but its database stays closed, with the error shown.
    void empresaSinBaseDeDatos_data()
    {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("nombre");
        QTest::newRow("falta su fichero") << "02" << "Sin fichero";
        QTest::newRow("no esta en EMPRESA") << "09" << "";
    }
    void empresaSinBaseDeDatos()
    {
        QFETCH(QString, codigo);
        QFETCH(QString, nombre);
        Puesto puesto;
        puesto.conexiones.ConexionGeneral.execute(
            QStringLiteral("INSERT INTO EMPRESA (CODIGO, NOMBRE) VALUES ('02', 'Sin fichero')"));
        QVERIFY(puesto.sesion.EstablecerEmpresa(QStringLiteral("01")));
        QVERIFY(puesto.conexiones.ConexionEmpresa.isOpen());
        puesto.empresas.clear();

        QVERIFY(!puesto.sesion.EstablecerEmpresa(codigo));
        QCOMPARE(puesto.empresas.takeFirst().front().toString(), nombre);
        QCOMPARE(puesto.dialogos.errors.size(), 1);
        QVERIFY(!puesto.conexiones.ConexionEmpresa.isOpen());
    }

    void cambioDeUsuario()
    {
        Puesto puesto;
        puesto.sesion.EstablecerUsuario(1);
        puesto.usuarios.clear();

        puesto.alAbrirseLogin([](TfrmLogin &login) {
            QVERIFY(login.CambioUsuario);
            escribir(login, QStringLiteral("ana"), QStringLiteral("clave"));
            cancelar(login);
        });
        cambioUsuario(puesto.sesion, nullptr);
        QCOMPARE(puesto.usuarios.size(), 0);
        QCOMPARE(puesto.sesion.nombreUsuario(), QStringLiteral("admin"));

        puesto.alAbrirseLogin([](TfrmLogin &login) { entrar(login, QStringLiteral("ana"), QStringLiteral("clave")); });
        cambioUsuario(puesto.sesion, nullptr);
        QCOMPARE(puesto.usuarios.takeFirst().front().toString(), QStringLiteral("ana"));
        QCOMPARE(puesto.sesion.nombreUsuario(), QStringLiteral("ana"));
    }

    void cambioDeEmpresa_data()
    {
        QTest::addColumn<QString>("eleccion");
        QTest::addColumn<bool>("hijasSeCierran");
        QTest::addColumn<bool>("cambiada");
        QTest::addColumn<int>("cierres");
        QTest::newRow("elegida") << "02" << true << true << 1;
        QTest::newRow("una hija no se cierra") << "02" << false << false << 1;
        QTest::newRow("sin elegir") << "" << true << false << 0;
    }
    void cambioDeEmpresa()
    {
        QFETCH(QString, eleccion);
        QFETCH(bool, hijasSeCierran);
        QFETCH(bool, cambiada);
        QFETCH(int, cierres);
        Puesto puesto;
        QVERIFY(QFile::copy(puesto.carpeta + "empresabase.gdb", puesto.carpeta + "empresa02.gdb"));
        puesto.conexiones.ConexionGeneral.execute(
            QStringLiteral("INSERT INTO EMPRESA (CODIGO, NOMBRE) VALUES ('02', 'Segunda')"));
        QVERIFY(puesto.sesion.EstablecerEmpresa(QStringLiteral("01")));
        puesto.elector({eleccion});

        int cerradas = 0;
        const bool resultado = cambiarEmpresa(puesto.sesion, nullptr, [&] {
            ++cerradas;
            // The child windows close while the company they work on is still open.
            return puesto.conexiones.ConexionEmpresa.database().endsWith(QStringLiteral("empresa01.gdb"))
                && hijasSeCierran;
        });
        QCOMPARE(resultado, cambiada);
        QCOMPARE(cerradas, cierres);
        QCOMPARE(puesto.sesion.codigoEmpresa(), cambiada ? QStringLiteral("02") : QStringLiteral("01"));
        QVERIFY(puesto.conexiones.ConexionEmpresa.isOpen());
        QCOMPARE(puesto.conexiones.ConexionEmpresa.database(),
                 puesto.carpeta + (cambiada ? QStringLiteral("empresa02.gdb") : QStringLiteral("empresa01.gdb")));
    }
};

QTEST_MAIN(TstLogin)
#include "tst_login.moc"
