// The companies and users windows over a fresh general database (admin and
// company 01): the company chooser, the company record window with its logo
// and its tabs, and the built-in admin user as the windows show its rules.
#include "Controles.h"
#include "ProgramaPrueba.h"
#include "app/TfrmEmpresa.h"
#include "app/TfrmGestionEmpresas.h"
#include "app/TfrmGestionUsuarios.h"
#include "app/TfrmUsuario.h"
#include "app/TmdlEmpresas.h"
#include "framework/widgets/DBCheckBox.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBImage.h"
#include "framework/widgets/DBMemo.h"
#include "platform/dataset/RecordSet.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QtTest>

namespace {

using testsupport::escribir;
using testsupport::pestanas;

} // namespace

class TstVentanasEmpresas : public QObject, private testsupport::ProgramaPrueba
{
    Q_OBJECT

    void nuevaEmpresa(const QString &codigo, const QString &nombre)
    {
        ejecutar(QStringLiteral("INSERT INTO EMPRESA (CODIGO, NOMBRE) VALUES (?, ?)"), {codigo, nombre});
    }

private slots:
    void init()
    {
        // The data folder is also the program folder: general.gdb beside
        // the program, and the template the new companies are copied from.
        arrancar(false);
    }
    void cleanup()
    {
        parar();
    }

    void gestionEmpresas();
    void elegirEmpresa_data();
    void elegirEmpresa();
    void enterEnLaRejillaDeEmpresas_data();
    void enterEnLaRejillaDeEmpresas();
    void nuevaEmpresaCreaSuBase();
    void codigoDeEmpresaRepetido();
    void modificarEmpresa();
    void logoPegadoDelPortapapeles_data();
    void logoPegadoDelPortapapeles();
    void fichaDeEmpresaConSuModulo();
    void gestionUsuarios();
    void nuevoUsuario();
    void adminNoSeRenombra();
    void eliminarUsuario_data();
    void eliminarUsuario();
    void seleccionarUsuario();
};

void TstVentanasEmpresas::gestionEmpresas()
{
    TfrmGestionEmpresas w(nullptr, true);
    QVERIFY(w.Abrir(TfrmGestionEmpresas::kSqlEmpresas, false));
    QCOMPARE(w.windowTitle(), QStringLiteral("GESTION DE EMPRESAS"));
    QCOMPARE(w.lblTitulo->text(), QStringLiteral("EMPRESAS"));
    QCOMPARE(w.cmbOrden->count(), 2);
    QCOMPARE(w.cmbOrden->itemText(1), QStringLiteral("NOMBRE"));
    QCOMPARE(w.DBGrid1->model()->columnCount(), 2);
    QCOMPARE(w.accNuevo->text(), QStringLiteral("&Nueva"));
    QCOMPARE(w.accNuevo->shortcut(), QKeySequence(QStringLiteral("Alt+N")));
    QVERIFY(!w.accListar->isVisible());
    QCOMPARE(w.accCerrar->statusTip(), QStringLiteral("Cerrar Ventana"));
    QCOMPARE(w.datos().rowCount(), 1);

    dialogos().answer(false);
    w.accEliminar->trigger();
    QCOMPARE(dialogos().questions, QStringList{QStringLiteral("¿Desea eliminar la Empresa?")});
    QCOMPARE(contar("SELECT COUNT(*) FROM EMPRESA"), 1);
}

void TstVentanasEmpresas::elegirEmpresa_data()
{
    QTest::addColumn<QStringList>("otras");
    QTest::addColumn<QString>("accion");
    QTest::addColumn<bool>("mostrada");
    QTest::addColumn<QString>("codigo");
    QTest::newRow("una sola") << QStringList() << "" << false << "01";
    QTest::newRow("elegida") << QStringList{"02"} << "seleccionar" << true << "02";
    QTest::newRow("cerrada") << QStringList{"02"} << "cerrar" << true << "";
}

// The chooser of the start of a session: a single company is chosen without
// showing the window.
void TstVentanasEmpresas::elegirEmpresa()
{
    QFETCH(QStringList, otras);
    QFETCH(QString, accion);
    QFETCH(bool, mostrada);
    QFETCH(QString, codigo);
    for (const QString &otra : otras)
        nuevaEmpresa(otra, QStringLiteral("Empresa ") + otra);
    bool vista = false;
    alAbrirse<TfrmGestionEmpresas>([&](TfrmGestionEmpresas &w) {
        vista = true;
        QVERIFY(w.accSeleccionar->isVisible());
        w.DBGrid1->setCurrentIndex(w.DBGrid1->model()->index(w.datos().rowCount() - 1, 0));
        (accion == u"seleccionar" ? w.accSeleccionar : w.accCerrar)->trigger();
    });
    const TfrmGestionEmpresas::Eleccion eleccion = TfrmGestionEmpresas::Elegir(nullptr);
    QCOMPARE(vista, mostrada);
    QCOMPARE(eleccion.codigo, codigo);
    const QString nombre =
        codigo.isEmpty() ? QString()
                         : valor("SELECT NOMBRE FROM EMPRESA WHERE CODIGO = ?", {codigo}).toString().trimmed();
    QCOMPARE(eleccion.nombre, nombre);
}

void TstVentanasEmpresas::enterEnLaRejillaDeEmpresas_data()
{
    QTest::addColumn<bool>("seleccion");
    QTest::newRow("elección") << true;
    QTest::newRow("gestión") << false;
}

// Enter in the companies grid acts as a double click: it chooses in select
// mode and shows the record otherwise.
void TstVentanasEmpresas::enterEnLaRejillaDeEmpresas()
{
    QFETCH(bool, seleccion);
    nuevaEmpresa(QStringLiteral("02"), QStringLiteral("Segunda"));
    TfrmGestionEmpresas w(nullptr, true);
    w.Abrir(TfrmGestionEmpresas::kSqlEmpresas, seleccion);
    int modoFicha = -1;
    alAbrirse<TfrmEmpresa>([&modoFicha](TfrmEmpresa &f) {
        modoFicha = int(f.modo());
        f.accAceptar->trigger();
    });
    alAbrirse<TfrmGestionEmpresas>([](TfrmGestionEmpresas &g) {
        g.DBGrid1->setCurrentIndex(g.DBGrid1->model()->index(1, 0));
        QTest::keyClick(g.DBGrid1, Qt::Key_Return);
        if (g.isVisible())
            g.reject();
    });
    w.exec();
    QCOMPARE(w.CodigoSeleccionado(), seleccion ? QStringLiteral("02") : QString());
    QCOMPARE(modoFicha, seleccion ? -1 : int(TfrmRegistro::Modo::Ver));
}

void TstVentanasEmpresas::nuevaEmpresaCreaSuBase()
{
    TfrmGestionEmpresas w(nullptr, true);
    w.Abrir(TfrmGestionEmpresas::kSqlEmpresas, false);
    alAbrirse<TfrmEmpresa>([](TfrmEmpresa &f) {
        QCOMPARE(f.windowTitle(), QStringLiteral("DATOS DE EMPRESA"));
        QCOMPARE(f.lblTitulo->text(), QStringLiteral("EMPRESA"));
        QCOMPARE(pestanas(f.PageControl1), (QStringList{"DOMICILIO SOCIAL", "COMENTARIO", "CONFIGURAR"}));
        QCOMPARE(f.PageControl1->currentIndex(), 0);
        QVERIFY(f.txtCodigo->isEnabled());
        QVERIFY(!f.chkRecargoEquivalencia->isChecked()); // a new company starts with "N"
        escribir(f.txtCodigo, QStringLiteral("03"));
        escribir(f.txtNombre, QStringLiteral("Tercera"));
        escribir(f.txtCodPostal, QStringLiteral("28001"));
        f.txtCodPostal->editingFinished();
        QCOMPARE(f.txtProvincia->text(), QStringLiteral("Madrid"));
        QTest::keyClicks(f.memObservaciones, QStringLiteral("Linea uno"));
        QTest::keyClick(f.memObservaciones, Qt::Key_Return);
        QTest::keyClicks(f.memObservaciones, QStringLiteral("Linea dos"));
        f.accAceptar->trigger();
    });
    w.accNuevo->trigger();
    QCOMPARE(valor("SELECT NOMBRE FROM EMPRESA WHERE CODIGO = '03'").toString().trimmed(), QStringLiteral("Tercera"));
    QCOMPARE(valor("SELECT REC_EQUIVALENCIA FROM EMPRESA WHERE CODIGO = '03'").toString(), QStringLiteral("N"));
    QCOMPARE(valor("SELECT OBSERVACIONES FROM EMPRESA WHERE CODIGO = '03'").toString(),
             QStringLiteral("Linea uno\nLinea dos"));
    QCOMPARE(valor("SELECT PROVINCIA FROM EMPRESA WHERE CODIGO = '03'").toString(), QStringLiteral("Madrid"));
    QVERIFY(QFileInfo::exists(w.mdlEmpresas->nombreBaseEmpresa(QStringLiteral("03"))));
    QCOMPARE(w.datos().rowCount(), 2);
}

void TstVentanasEmpresas::codigoDeEmpresaRepetido()
{
    TfrmGestionEmpresas w(nullptr, true);
    w.Abrir(TfrmGestionEmpresas::kSqlEmpresas, false);
    bool sigueAbierta = false;
    alAbrirse<TfrmEmpresa>([&sigueAbierta](TfrmEmpresa &f) {
        escribir(f.txtCodigo, QStringLiteral("01"));
        f.accAceptar->trigger();
        sigueAbierta = f.isVisible();
        f.accCancelar->trigger();
    });
    w.accNuevo->trigger();
    QVERIFY(sigueAbierta);
    QCOMPARE(dialogos().messages.value(0), QStringLiteral("El CODIGO Ya Existe."));
    QCOMPARE(contar("SELECT COUNT(*) FROM EMPRESA"), 1);
    QCOMPARE(w.datos().rowCount(), 1);
}

// In modify mode the code box stays enabled, and the read-only code field
// refuses a change; the CONFIGURAR tab sets the surcharge flag.
void TstVentanasEmpresas::modificarEmpresa()
{
    TfrmGestionEmpresas w(nullptr, true);
    w.Abrir(TfrmGestionEmpresas::kSqlEmpresas, false);
    alAbrirse<TfrmEmpresa>([this](TfrmEmpresa &f) {
        QVERIFY(f.txtCodigo->isEnabled());
        escribir(f.txtCodigo, QStringLiteral("09"));
        f.txtCodigo->editingFinished();
        QCOMPARE(dialogos().errors, QStringList{QStringLiteral("El campo 'CODIGO' no puede ser modificado")});
        QCOMPARE(f.txtCodigo->text(), QStringLiteral("01"));
        f.PageControl1->setCurrentIndex(2);
        f.chkRecargoEquivalencia->click();
        escribir(f.txtDatosRegistrales, QStringLiteral("Registro Mercantil"));
        f.accAceptar->trigger();
    });
    w.accModificar->trigger();
    QCOMPARE(valor("SELECT REC_EQUIVALENCIA FROM EMPRESA WHERE CODIGO = '01'").toString(), QStringLiteral("S"));
    QCOMPARE(valor("SELECT DATOS_REGISTRALES FROM EMPRESA WHERE CODIGO = '01'").toString(),
             QStringLiteral("Registro Mercantil"));
    QCOMPARE(contar("SELECT COUNT(*) FROM EMPRESA WHERE CODIGO = '09'"), 0);
}

void TstVentanasEmpresas::logoPegadoDelPortapapeles_data()
{
    QTest::addColumn<QString>("comando");
    QTest::addColumn<bool>("guardado");
    QTest::newRow("modificar") << "accModificar" << true;
    QTest::newRow("ver") << "accVer" << false;
}

void TstVentanasEmpresas::logoPegadoDelPortapapeles()
{
    QFETCH(QString, comando);
    QFETCH(bool, guardado);
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::red);
    QApplication::clipboard()->setImage(logo);

    TfrmGestionEmpresas w(nullptr, true);
    w.Abrir(TfrmGestionEmpresas::kSqlEmpresas, false);
    QSize mostrada;
    alAbrirse<TfrmEmpresa>([&mostrada](TfrmEmpresa &f) {
        f.imgLogo->setFocus();
        QTest::keyClick(f.imgLogo, Qt::Key_V, Qt::ControlModifier);
        if (!f.imgLogo->imagen().isNull())
            mostrada = f.imgLogo->imagen().size();
        f.accAceptar->trigger();
    });
    w.findChild<QAction *>(comando)->trigger();
    QCOMPARE(mostrada, guardado ? logo.size() : QSize());
    const QByteArray blob = valor("SELECT LOGO FROM EMPRESA WHERE CODIGO = '01'").toByteArray();
    QCOMPARE(blob.isEmpty(), !guardado);
    if (guardado) {
        const QImage guardada = QImage::fromData(blob);
        QCOMPARE(guardada.size(), logo.size());
        QCOMPARE(guardada.pixelColor(5, 5), QColor(Qt::red));
    }
}

// Opened on its own (a "Ver" from elsewhere), the record window reopens the
// row by its code and its own data module applies on "Aceptar".
void TstVentanasEmpresas::fichaDeEmpresaConSuModulo()
{
    TfrmEmpresa f(nullptr, true);
    QVERIFY(!f.ModuloCompartido);
    f.Mostrar(QStringLiteral("01"), true);
    QCOMPARE(f.datos().rowCount(), 1);
    escribir(f.txtRazonSocial, QStringLiteral("Demostracion S.L."));
    f.accAceptar->trigger();
    QCOMPARE(valor("SELECT RAZON_SOCIAL FROM EMPRESA WHERE CODIGO = '01'").toString(),
             QStringLiteral("Demostracion S.L."));
}

void TstVentanasEmpresas::gestionUsuarios()
{
    TfrmGestionUsuarios w(nullptr, true);
    QVERIFY(w.Abrir(QStringLiteral("SELECT * FROM USUARIO ORDER BY NOMBRE"), false));
    QCOMPARE(w.windowTitle(), QStringLiteral("GESTION DE USUARIOS"));
    QCOMPARE(w.lblTitulo->text(), QStringLiteral("USUARIOS"));
    QCOMPARE(w.cmbOrden->count(), 1);
    QCOMPARE(w.cmbOrden->itemText(0), QStringLiteral("NOMBRE"));
    QCOMPARE(w.DBGrid1->model()->columnCount(), 1);
    QCOMPARE(w.accNuevo->text(), QStringLiteral("&Nuevo"));
    QCOMPARE(w.accRefrescar->text(), QStringLiteral("Refrescar"));
    QCOMPARE(w.accCerrar->text(), QStringLiteral("Cerrar"));
    QVERIFY(!w.accListar->isVisible());
}

void TstVentanasEmpresas::nuevoUsuario()
{
    TfrmGestionUsuarios w(nullptr, true);
    w.Abrir(QStringLiteral("SELECT * FROM USUARIO ORDER BY NOMBRE"), false);
    alAbrirse<TfrmUsuario>([](TfrmUsuario &f) {
        QCOMPARE(f.windowTitle(), QStringLiteral("DATOS DE USUARIO"));
        QCOMPARE(f.lblTitulo->text(), QStringLiteral("USUARIO"));
        QVERIFY(f.PageControl1->isHidden());
        QCOMPARE(f.txtContrasena->echoMode(), QLineEdit::Password);
        escribir(f.txtNombre, QStringLiteral("ana"));
        escribir(f.txtContrasena, QStringLiteral("secreta"));
        f.accAceptar->trigger();
    });
    w.accNuevo->trigger();
    QCOMPARE(valor("SELECT CODIGO FROM USUARIO WHERE NOMBRE = 'ana'").toInt(), 2);
    QCOMPARE(valor("SELECT CONTRASENA FROM USUARIO WHERE NOMBRE = 'ana'").toString().trimmed(),
             QStringLiteral("secreta"));
}

void TstVentanasEmpresas::adminNoSeRenombra()
{
    TfrmGestionUsuarios w(nullptr, true);
    w.Abrir(QStringLiteral("SELECT * FROM USUARIO ORDER BY NOMBRE"), false);
    alAbrirse<TfrmUsuario>([](TfrmUsuario &f) {
        escribir(f.txtNombre, QStringLiteral("jefe"));
        f.txtNombre->editingFinished();
        QCOMPARE(f.txtNombre->text(), QStringLiteral("admin"));
        escribir(f.txtContrasena, QStringLiteral("nueva"));
        f.accAceptar->trigger();
    });
    w.accModificar->trigger();
    QCOMPARE(dialogos().errors, QStringList{QStringLiteral("El campo 'NOMBRE' no puede ser modificado")});
    QCOMPARE(valor("SELECT CONTRASENA FROM USUARIO WHERE CODIGO = 1").toString().trimmed(), QStringLiteral("nueva"));
    QCOMPARE(valor("SELECT NOMBRE FROM USUARIO WHERE CODIGO = 1").toString().trimmed(), QStringLiteral("admin"));
}

void TstVentanasEmpresas::eliminarUsuario_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<int>("quedan");
    QTest::newRow("admin") << "admin" << "EL usuario ADMIN no se puede eliminar." << 2;
    QTest::newRow("otro") << "pepe" << "" << 1;
}

void TstVentanasEmpresas::eliminarUsuario()
{
    QFETCH(QString, nombre);
    QFETCH(QString, mensaje);
    QFETCH(int, quedan);
    ejecutar(QStringLiteral("INSERT INTO USUARIO (CODIGO, NOMBRE) VALUES (2, 'pepe')"));
    TfrmGestionUsuarios w(nullptr, true);
    w.Abrir(QStringLiteral("SELECT * FROM USUARIO ORDER BY NOMBRE"), false);
    w.txtLocalizar->setText(nombre);
    dialogos().answer(true);
    w.accEliminar->trigger();
    QCOMPARE(dialogos().questions, QStringList{QStringLiteral("¿Desea eliminar el Usuario?")});
    QCOMPARE(dialogos().messages.value(0), mensaje);
    QCOMPARE(w.datos().rowCount(), quedan);
    QCOMPARE(contar("SELECT COUNT(*) FROM USUARIO"), quedan);
}

void TstVentanasEmpresas::seleccionarUsuario()
{
    TfrmGestionUsuarios w(nullptr, true);
    w.Abrir(QStringLiteral("SELECT * FROM USUARIO ORDER BY NOMBRE"), true);
    QVERIFY(w.CodigoSeleccionado().isEmpty()); // only the companies window chooses by itself
    alAbrirse<TfrmGestionUsuarios>([](TfrmGestionUsuarios &g) { g.accSeleccionar->trigger(); });
    w.exec();
    QCOMPARE(w.CodigoSeleccionado(), QStringLiteral("1"));
    QCOMPARE(w.NombreSeleccionado(), QStringLiteral("admin"));
}

QTEST_MAIN(TstVentanasEmpresas)
#include "tst_ventanas_empresas.moc"
