#include "ProgramaPrueba.h"
#include "ScriptedDialogs.h"
#include "SchemaFixture.h"

#include "app/ProcesoNuevo.h"
#include "app/Sesion.h"
#include "app/TfrmPrincipal.h"
#include "app/TfrmSesion.h"
#include "app/TmdlConexiones.h"
#include "platform/firebird/FbConnection.h"
#include "platform/ui/widgets/TraduccionesQt.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>
#include <algorithm>
#include <csignal>

namespace {

QAction *accion(const QWidget &ventana, const char *nombre)
{
    return ventana.findChild<QAction *>(QLatin1String(nombre));
}

QLabel *panel(const QWidget &ventana, int numero)
{
    return ventana.findChild<QStatusBar *>(QStringLiteral("stbEstado"))
        ->findChild<QLabel *>(QStringLiteral("panel%1").arg(numero));
}

QMdiArea *area(const QWidget &ventana)
{
    return ventana.findChild<QMdiArea *>();
}

bool activar(QWidget &ventana)
{
    ventana.show();
    QApplication::setActiveWindow(&ventana);
    return QTest::qWaitForWindowActive(&ventana);
}

// The menu as text, one line per entry: nested entries indented, separators
// as "-", commands with their action's name.
void describir(const QList<QAction *> &acciones, int nivel, QStringList &lineas)
{
    const QString sangria(nivel * 2, u' ');
    for (const QAction *a : acciones) {
        if (a->isSeparator()) {
            lineas << sangria + u'-';
        } else if (a->menu()) {
            lineas << sangria + a->text();
            describir(a->menu()->actions(), nivel + 1, lineas);
        } else {
            lineas << sangria + a->text() + QStringLiteral(" = ") + a->objectName();
        }
    }
}

// A child window of the kind the browse windows are, small enough to see
// which of its commands a key reaches.
class VentanaPrueba : public QWidget
{
public:
    explicit VentanaPrueba(bool dejaCerrar = true) : m_dejaCerrar(dejaCerrar)
    {
        auto *layout = new QVBoxLayout(this);
        auto *etiqueta = new QLabel(QStringLiteral("&Localizar"));
        campo = new QLineEdit;
        etiqueta->setBuddy(campo);
        otro = new QLineEdit;
        layout->addWidget(etiqueta);
        layout->addWidget(campo);
        layout->addWidget(otro);
        for (const char *texto : {"&Nuevo", "&Eliminar"}) {
            auto *boton = new QPushButton(QString::fromUtf8(texto));
            connect(boton, &QPushButton::clicked, this, [this, boton] { pulsados << boton->text(); });
            layout->addWidget(boton);
        }
    }

    QLineEdit *campo;
    QLineEdit *otro;
    QStringList pulsados;

protected:
    void closeEvent(QCloseEvent *event) override { event->setAccepted(m_dejaCerrar); }

private:
    bool m_dejaCerrar;
};

// Opens n test windows through a browse command bound to them.
QList<VentanaPrueba *> abrirHijas(TfrmPrincipal &principal, int n)
{
    QList<VentanaPrueba *> hijas;
    principal.registrarVentana("accClientes", [&hijas] {
        hijas << new VentanaPrueba;
        return hijas.back();
    });
    for (int i = 0; i < n; ++i)
        accion(principal, "accClientes")->trigger();
    // The list ends here; later uses of the command open plain windows.
    principal.registrarVentana("accClientes", [] { return new VentanaPrueba; });
    return hijas;
}

// Records the addresses handed to the system's web browser.
class Navegador : public QObject
{
    Q_OBJECT
public:
    Navegador() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "abrir"); }
    ~Navegador() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    QList<QUrl> abiertas;

public slots:
    void abrir(const QUrl &url) { abiertas << url; }
};

QStringList descriptoresDe(qint64 pid)
{
    QStringList destinos;
    const QDir dir(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QFileInfo &fd : dir.entryInfoList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System))
        destinos << fd.fileName() + QStringLiteral(" -> ") + fd.symLinkTarget();
    return destinos;
}

} // namespace

class TstPrincipal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void menu();
    void comandosSegunSuVentana_data();
    void comandosSegunSuVentana();
    void barraAccesos();
    void ventanasDeLaEmpresa_data();
    void ventanasDeLaEmpresa();
    void ventanasDeAdministracion_data();
    void ventanasDeAdministracion();
    void ventanasHijasEscalonadas();
    void cerrarTodas();
    void cerrarTodasConHijaQueSeNiega();
    void menuOcultoConF11();
    void preguntaAlCerrarConHijas_data();
    void preguntaAlCerrarConHijas();
    void teclaDeAcceso_data();
    void teclaDeAcceso();
    void pistaEnPanel0();
    void ordenesDeEdicion_data();
    void ordenesDeEdicion();
    void enterPasaDeCampoEnCualquierVentana_data();
    void enterPasaDeCampoEnCualquierVentana();
    void ayudaAbreDirecciones();
    void reloj();
    void panelesSiguenLaSesion();
    void cambioDeEmpresaCierraLasHijas_data();
    void cambioDeEmpresaCierraLasHijas();
    void inicioCanceladoSaleSinPreguntar();
    void nuevaSesionNoHeredaDescriptores();
    void nuevaSesionDeProgramaInexistente();
    void traduccionesDeQt();
};

void TstPrincipal::initTestCase()
{
    // Created once: the databases of every test that needs them.
    testsupport::schemaDirectory();
    ui::cargarTraduccionesQt(); // as the program does at start
}

void TstPrincipal::menu()
{
    TfrmPrincipal principal;
    auto *mnuPrincipal = principal.findChild<QMenuBar *>(QStringLiteral("mnuPrincipal"));
    QVERIFY(mnuPrincipal);
    QStringList lineas;
    describir(mnuPrincipal->actions(), 0, lineas);

    const QStringList esperado = {
        QStringLiteral("&Administracion"),
        QStringLiteral("  &Empresas"),
        QStringLiteral("    &Empresas = accEmpresas"),
        QStringLiteral("    -"),
        QStringLiteral("    &Cambiar Empresa de Trabajo = accCambiarEmpresa"),
        QStringLiteral("  &Usuarios"),
        QStringLiteral("    &Usuarios = accUsuarios"),
        QStringLiteral("    -"),
        QStringLiteral("    &Cambio de Usuario = accCambioUsuario"),
        QStringLiteral("  -"),
        QStringLiteral("  &Mantenimiento Datos"),
        QStringLiteral("    &Nueva Copia de Seguridad = accNuevaCopia"),
        QStringLiteral("    &Recuperar Copia de Seguridad = accRecuperarCopia"),
        QStringLiteral("  -"),
        QStringLiteral("  &Nueva Sesión = accSesionNueva"),
        QStringLiteral("  &Finalizar sesión = accFinalizaSesion"),
        QStringLiteral("-"),
        QStringLiteral("&Edicion"),
        QStringLiteral("  &Cortar = accCortarEdicion"),
        QStringLiteral("  C&opiar = accCopiarEdicion"),
        QStringLiteral("  &Pegar = accPegarEdicion"),
        QStringLiteral("  -"),
        QStringLiteral("  &Seleccionar Todo = accSeleccionarEdicion"),
        QStringLiteral("  &Borrar = acBorrarEdicion"),
        QStringLiteral("-"),
        QStringLiteral("&Ver"),
        QStringLiteral("  &Menu = accVErMenu"),
        QStringLiteral("  &Barra de Estado = accVerEstado"),
        QStringLiteral("  B&arra de Accesos Directos = accVerAccesos"),
        QStringLiteral("-"),
        QStringLiteral("C&ompras"),
        QStringLiteral("  &Responsables de Compras = accREspCompras"),
        QStringLiteral("  -"),
        QStringLiteral("  &Proveedores = accProveedores"),
        QStringLiteral("  -"),
        QStringLiteral("  Pe&didos Compra = accPedidosCompra"),
        QStringLiteral("  &Albaranes Compra = accAlbaranesCompra"),
        QStringLiteral("  Fa&cturas Compra = accFacturasCompra"),
        QStringLiteral("  -"),
        QStringLiteral("  &Incidencias de Compra = accIncidenciasCompra"),
        QStringLiteral("-"),
        QStringLiteral("A&lmacen"),
        QStringLiteral("  R&esponsables de Almacen = accRespAlmacen"),
        QStringLiteral("  -"),
        QStringLiteral("  &Almacenes = accAlmacenes"),
        QStringLiteral("  &Familias = accFamilias"),
        QStringLiteral("  A&rticulos = accArticulos"),
        QStringLiteral("  -"),
        QStringLiteral("  &Movimientos de Almacen = accMovimientosAlmacen"),
        QStringLiteral("-"),
        QStringLiteral("Ve&ntas"),
        QStringLiteral("  &Vendedores = acVendedores"),
        QStringLiteral("  -"),
        QStringLiteral("  &Clientes = accClientes"),
        QStringLiteral("  -"),
        QStringLiteral("  &Presupuestos de Venta = accPresupuestosCliente"),
        QStringLiteral("  P&edidos de Venta = accPedidosVenta"),
        QStringLiteral("  &Albaranes de Venta = accAlbaranesVenta"),
        QStringLiteral("  &Facturas de Venta = accFacturasVenta"),
        QStringLiteral("  -"),
        QStringLiteral("  &Incidencias Venta = accIncidenciasVenta"),
        QStringLiteral("-"),
        QStringLiteral("&Tesoreria"),
        QStringLiteral("  &Cuentas Bancarias = accCuentasBancarias"),
        QStringLiteral("  &Formas de Pago = accFormasPago"),
        QStringLiteral("  -"),
        QStringLiteral("  C&obros = accCobros"),
        QStringLiteral("  &Pagos = accPagos"),
        QStringLiteral("-"),
        QStringLiteral("Ventana&s"),
        QStringLiteral("  &Cascada = accCascadaVentanas"),
        QStringLiteral("  &Mosaico Horizontal = accHorizontalVentanas"),
        QStringLiteral("  M&osaico Vertical = accVerticalVentanas"),
        QStringLiteral("  -"),
        QStringLiteral("  M&inimizar todas = accMinimizarVentanas"),
        QStringLiteral("  C&errar Actual = accCerrarVentanas"),
        QStringLiteral("  Ce&rrar Todas = accCerrarTodas"),
        QStringLiteral("-"),
        QStringLiteral("A&yuda"),
        QStringLiteral("  &Zona de Clientes = accClientesAyuda"),
        QStringLiteral("  &Página Producto = accProductoAyuda"),
        QStringLiteral("  &Vantrel Soluciones = accFabricanteAyuda"),
        QStringLiteral("  -"),
        QStringLiteral("  &Acerca de... = accAcercaAyuda"),
    };
    QCOMPARE(lineas, esperado);

    const QList<std::pair<const char *, QKeySequence>> atajos = {
        {"accCortarEdicion", QKeySequence(QStringLiteral("Ctrl+X"))},
        {"accCopiarEdicion", QKeySequence(QStringLiteral("Ctrl+C"))},
        {"accPegarEdicion", QKeySequence(QStringLiteral("Ctrl+V"))},
        {"accSeleccionarEdicion", QKeySequence(QStringLiteral("Ctrl+A"))},
        {"acBorrarEdicion", QKeySequence(QStringLiteral("Del"))},
        {"accVErMenu", QKeySequence(QStringLiteral("F11"))},
    };
    for (const auto &[nombre, atajo] : atajos)
        QCOMPARE(accion(principal, nombre)->shortcut(), atajo);
    for (const char *nombre : {"accVErMenu", "accVerEstado", "accVerAccesos"})
        QVERIFY(accion(principal, nombre)->isCheckable() && accion(principal, nombre)->isChecked());
}

// Commands that open a window are enabled once their window is bound to
// them; the others are enabled from the start, with or without a company.
namespace {

// The company's browse windows the program has so far: command, window and title.
struct VentanaEmpresa
{
    const char *orden;
    const char *ventana;
    const char *titulo;
};
const VentanaEmpresa kVentanasEmpresa[] = {
    {"accFormasPago", "TfrmGestionFormasPago", "FORMAS DE PAGO"},
    {"accCuentasBancarias", "TfrmGestionCuentasBancarias", "CUENTAS BANCARIAS"},
    {"acVendedores", "TfrmGestionVendedores", "VENDEDORES"},
    {"accREspCompras", "TfrmGestionResponsablesCompras", "RESPONSABLES DE COMPRAS"},
    {"accRespAlmacen", "TfrmGestionResponsablesAlmacen", "RESPONSABLES DE ALMACEN"},
    {"accClientes", "TfrmGestionClientes", "CLIENTES"},
    {"accProveedores", "TfrmGestionProveedores", "PROVEEDORES"},
    {"accFamilias", "TfrmGestionFamilias", "FAMILIAS"},
    {"accArticulos", "TfrmGestionArticulos", "ARTICULOS"},
    {"accAlmacenes", "TfrmGestionAlmacenes", "ALMACENES"},
    {"accMovimientosAlmacen", "TfrmGestionMovimientosAlmacen", "MOVIMIENTOS DE ALMACEN"},
    {"accAlbaranesVenta", "TfrmGestionAlbaranesVenta", "ALBARANES DE VENTA"},
    {"accIncidenciasCompra", "TfrmGestionIncidencias", "INCIDENCIAS DE COMPRA"},
    {"accIncidenciasVenta", "TfrmGestionIncidencias", "INCIDENCIAS DE VENTA"},
};

bool tieneVentana(const char *nombre)
{
    return std::any_of(std::begin(kVentanasEmpresa), std::end(kVentanasEmpresa),
                       [nombre](const VentanaEmpresa &v) { return qstrcmp(v.orden, nombre) == 0; });
}

} // namespace

void TstPrincipal::comandosSegunSuVentana_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<bool>("habilitada");
    for (const char *nombre :
         {"accNuevaCopia", "accRecuperarCopia", "accREspCompras", "accProveedores", "accPedidosCompra",
          "accAlbaranesCompra", "accFacturasCompra", "accIncidenciasCompra", "accRespAlmacen", "accAlmacenes",
          "accFamilias", "accArticulos", "accMovimientosAlmacen", "acVendedores", "accClientes",
          "accPresupuestosCliente", "accPedidosVenta", "accAlbaranesVenta", "accFacturasVenta",
          "accIncidenciasVenta", "accCuentasBancarias", "accFormasPago", "accCobros", "accPagos"})
        QTest::newRow(nombre) << QString::fromLatin1(nombre) << tieneVentana(nombre);
    for (const char *nombre :
         {"accEmpresas", "accUsuarios", "accCambiarEmpresa", "accCambioUsuario", "accSesionNueva",
          "accFinalizaSesion", "accVErMenu", "accVerEstado", "accVerAccesos", "accClientesAyuda",
          "accProductoAyuda", "accFabricanteAyuda", "accAcercaAyuda"})
        QTest::newRow(nombre) << QString::fromLatin1(nombre) << true;
}

void TstPrincipal::comandosSegunSuVentana()
{
    QFETCH(QString, nombre);
    QFETCH(bool, habilitada);
    TfrmPrincipal principal;
    QAction *a = accion(principal, qPrintable(nombre));
    QVERIFY(a);
    QCOMPARE(a->isEnabled(), habilitada);
    if (habilitada)
        return;

    // A command whose window comes later works as soon as one is bound.
    principal.registrarVentana(qPrintable(nombre), [] { return new QWidget; });

    QVERIFY(a->isEnabled());
    a->trigger();
    QCOMPARE(area(principal)->subWindowList().size(), 1);
}

void TstPrincipal::barraAccesos()
{
    TfrmPrincipal principal;
    auto *tlbAccesos = principal.findChild<QToolBox *>(QStringLiteral("tlbAccesos"));
    QVERIFY(tlbAccesos);
    QCOMPARE(tlbAccesos->width(), 105);
    QCOMPARE(tlbAccesos->currentIndex(), 0);

    const QStringList paginas = {QStringLiteral("Compras"), QStringLiteral("Almacen"), QStringLiteral("Ventas"),
                                 QStringLiteral("Tesorería")};
    const QList<QStringList> botones = {
        {"Responsables=accREspCompras", "Proveedores=accProveedores", "Pedidos=accPedidosCompra",
         "Albaranes=accAlbaranesCompra", "Facturas=accFacturasCompra", "Incidencias=accIncidenciasCompra"},
        {"Responsables=accRespAlmacen", "Almacenes=accAlmacenes", "Familias=accFamilias",
         "Articulos=accArticulos", "Movimientos=accMovimientosAlmacen"},
        {"Vendedores=acVendedores", "Clientes=accClientes", "Presupuestos=accPresupuestosCliente",
         "Pedidos=accPedidosVenta", "Albaranes=accAlbaranesVenta", "Facturas=accFacturasVenta",
         "Incidencias=accIncidenciasVenta"},
        {"Cuentas=accCuentasBancarias", "Formas Pago=accFormasPago", "Cobros=accCobros", "Pagos=accPagos"},
    };
    QCOMPARE(tlbAccesos->count(), paginas.size());
    for (int i = 0; i < paginas.size(); ++i) {
        QCOMPARE(tlbAccesos->itemText(i), paginas[i]);
        QStringList encontrados;
        for (const QToolButton *b : tlbAccesos->widget(i)->findChildren<QToolButton *>())
            encontrados << b->text() + u'=' + b->defaultAction()->objectName();
        QCOMPARE(encontrados, botones[i]);
    }

    // The menu's hint text is not carried to the buttons: they keep their own captions.
    principal.registrarVentana("accProveedores", [] { return new QWidget; });
    auto *boton = tlbAccesos->widget(0)->findChildren<QToolButton *>().at(1);
    QCOMPARE(boton->text(), QStringLiteral("Proveedores"));
    QVERIFY(boton->isEnabled());
}

void TstPrincipal::ventanasDeLaEmpresa_data()
{
    QTest::addColumn<QString>("orden");
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("titulo");
    for (const VentanaEmpresa &v : kVentanasEmpresa)
        QTest::newRow(v.orden) << QString::fromLatin1(v.orden) << QString::fromLatin1(v.ventana)
                               << QString::fromUtf8(v.titulo);
}

// Each command opens its browse window on the current company's rows.
void TstPrincipal::ventanasDeLaEmpresa()
{
    QFETCH(QString, orden);
    QFETCH(QString, ventana);
    QFETCH(QString, titulo);
    testsupport::Programa programa;
    TfrmPrincipal principal;
    QVERIFY(activar(principal));

    accion(principal, qPrintable(orden))->trigger();

    const QList<QMdiSubWindow *> subs = area(principal)->subWindowList();
    QCOMPARE(subs.size(), 1);
    QCOMPARE(subs[0]->widget()->objectName(), ventana);
    QCOMPARE(subs[0]->widget()->findChild<QLabel *>(QStringLiteral("lblTitulo"))->text(), titulo);
    QVERIFY(subs[0]->widget()->findChild<QTableView *>(QStringLiteral("DBGrid1"))->model());
    QCOMPARE(programa.dialogos.shown, QStringList());
}

void TstPrincipal::ventanasDeAdministracion_data()
{
    QTest::addColumn<QString>("orden");
    QTest::addColumn<QString>("ventana");
    QTest::newRow("empresas") << "accEmpresas" << "TfrmGestionEmpresas";
    QTest::newRow("usuarios") << "accUsuarios" << "TfrmGestionUsuarios";
}

// Each use opens a new browse window with its own rows.
void TstPrincipal::ventanasDeAdministracion()
{
    QFETCH(QString, orden);
    QFETCH(QString, ventana);
    testsupport::Programa programa(false);
    TfrmPrincipal principal;
    QVERIFY(activar(principal));

    accion(principal, qPrintable(orden))->trigger();
    accion(principal, qPrintable(orden))->trigger();

    const QList<QMdiSubWindow *> subs = area(principal)->subWindowList();
    QCOMPARE(subs.size(), 2);
    QVERIFY(subs[0]->widget() != subs[1]->widget());
    for (const QMdiSubWindow *sub : subs) {
        QCOMPARE(sub->widget()->objectName(), ventana);
        QCOMPARE(sub->widget()->findChild<QTableView *>(QStringLiteral("DBGrid1"))->model()->rowCount(), 1);
    }
    QCOMPARE(programa.dialogos.shown, QStringList());

    // Alt+E is the window's "&Eliminar" (which asks or refuses), not the "&Edicion" menu.
    auto *grid = subs[1]->widget()->findChild<QTableView *>(QStringLiteral("DBGrid1"));
    grid->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), grid);
    QTest::keyClick(grid, Qt::Key_E, Qt::AltModifier);
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QCOMPARE(programa.dialogos.shown.size(), 1);
}

void TstPrincipal::ventanasHijasEscalonadas()
{
    TfrmPrincipal principal;
    principal.resize(800, 600);
    QVERIFY(activar(principal));

    const QList<VentanaPrueba *> hijas = abrirHijas(principal, 3);

    const QList<QMdiSubWindow *> subs = area(principal)->subWindowList();
    QCOMPARE(subs.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(subs[i]->widget(), hijas[i]);
        QCOMPARE(subs[i]->pos(), QPoint(i * 20, i * 20));
    }
    QCOMPARE(area(principal)->activeSubWindow(), subs[2]);
}

void TstPrincipal::cerrarTodas()
{
    TfrmPrincipal principal;
    QVERIFY(activar(principal));
    QAction *accCerrarTodas = accion(principal, "accCerrarTodas");
    QVERIFY(!accCerrarTodas->isEnabled());

    abrirHijas(principal, 2);
    QVERIFY(accCerrarTodas->isEnabled());

    accCerrarTodas->trigger();
    QTRY_VERIFY(area(principal)->subWindowList().isEmpty());
    QTRY_VERIFY(!accCerrarTodas->isEnabled());

    // Closing the last one by itself disables the command as well.
    abrirHijas(principal, 1);
    QVERIFY(accCerrarTodas->isEnabled());
    accion(principal, "accCerrarVentanas")->trigger();
    QTRY_VERIFY(!accCerrarTodas->isEnabled());
}

// A change of company closes the child windows first; a window that refuses
// to close must make that known, the others are closed all the same.
void TstPrincipal::cerrarTodasConHijaQueSeNiega()
{
    TfrmPrincipal principal;
    QVERIFY(activar(principal));
    auto *terca = new VentanaPrueba(false);
    principal.abrirVentanaHija(new VentanaPrueba);
    principal.abrirVentanaHija(terca);
    principal.abrirVentanaHija(new VentanaPrueba);

    QVERIFY(!principal.cerrarVentanasHijas());

    QTRY_COMPARE(area(principal)->subWindowList().size(), 1);
    QCOMPARE(area(principal)->subWindowList().front()->widget(), terca);
    QVERIFY(accion(principal, "accCerrarTodas")->isEnabled());
}

void TstPrincipal::menuOcultoConF11()
{
    TfrmPrincipal principal;
    QVERIFY(activar(principal));
    QMenuBar *menu = principal.menuBar();
    QAction *accVErMenu = accion(principal, "accVErMenu");

    QTest::keyClick(&principal, Qt::Key_F11);
    QVERIFY(!menu->isVisible());
    QVERIFY(!accVErMenu->isChecked());

    // With the menu hidden, the shortcut bar still opens the windows.
    abrirHijas(principal, 0);
    auto *tlbAccesos = principal.findChild<QToolBox *>(QStringLiteral("tlbAccesos"));
    tlbAccesos->setCurrentIndex(2);
    QToolButton *clientes = tlbAccesos->widget(2)->findChildren<QToolButton *>().at(1);
    QTest::mouseClick(clientes, Qt::LeftButton);
    QCOMPARE(area(principal)->subWindowList().size(), 1);

    QTest::keyClick(&principal, Qt::Key_F11);
    QVERIFY(menu->isVisible());
    QVERIFY(accVErMenu->isChecked());

    accion(principal, "accVerEstado")->trigger();
    QVERIFY(!principal.statusBar()->isVisible());
    accion(principal, "accVerAccesos")->trigger();
    QVERIFY(!tlbAccesos->isVisible());
}

void TstPrincipal::preguntaAlCerrarConHijas_data()
{
    QTest::addColumn<bool>("si");
    QTest::newRow("sí") << true;
    QTest::newRow("no") << false;
}

void TstPrincipal::preguntaAlCerrarConHijas()
{
    QFETCH(bool, si);
    testsupport::ScriptedDialogs dialogs;
    dialogs.answer(si);
    TfrmPrincipal principal;
    QVERIFY(activar(principal));
    const QList<VentanaPrueba *> hijas = abrirHijas(principal, 2);

    accion(principal, "accFinalizaSesion")->trigger();

    QCOMPARE(dialogs.questions, QStringList{QStringLiteral("¿Desea salir de Vantrel Facturacion?")});
    QCOMPARE(principal.isVisible(), !si);
    if (!si) {
        QCOMPARE(area(principal)->subWindowList().size(), 2);
        QVERIFY(hijas[0]->isVisible() && hijas[1]->isVisible());
    }
}

// Alt+letter goes to the active child window first, and to the menu bar
// only when that window has nothing marked with the letter.
void TstPrincipal::teclaDeAcceso_data()
{
    QTest::addColumn<int>("hijas");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<QString>("pulsado"); // button of the active child, or "" for none
    QTest::addColumn<QString>("menu");    // menu that opens, or "" for none
    QTest::addColumn<bool>("alLocalizar"); // the focus went to the field of "&Localizar"

    QTest::newRow("Alt+N en la hija: Nuevo, no Ventas") << 1 << int(Qt::Key_N) << "&Nuevo" << "" << false;
    QTest::newRow("Alt+E en la hija: Eliminar, no Edicion") << 1 << int(Qt::Key_E) << "&Eliminar" << "" << false;
    QTest::newRow("Alt+N con dos hijas: sólo la activa") << 2 << int(Qt::Key_N) << "&Nuevo" << "" << false;
    QTest::newRow("Alt+L lleva al campo de la etiqueta") << 1 << int(Qt::Key_L) << "" << "" << true;
    QTest::newRow("Alt+V sin dueño en la hija: menú Ver") << 1 << int(Qt::Key_V) << "" << "mnuVer" << false;
    QTest::newRow("Alt+N sin hijas: menú Ventas") << 0 << int(Qt::Key_N) << "" << "mnuVentas" << false;
    QTest::newRow("Alt+E sin hijas: menú Edicion") << 0 << int(Qt::Key_E) << "" << "mnuEdicion" << false;
}

void TstPrincipal::teclaDeAcceso()
{
    QFETCH(int, hijas);
    QFETCH(int, tecla);
    QFETCH(QString, pulsado);
    QFETCH(QString, menu);
    QFETCH(bool, alLocalizar);
    TfrmPrincipal principal;
    principal.resize(900, 700);
    QVERIFY(activar(principal));
    const QList<VentanaPrueba *> ventanas = abrirHijas(principal, hijas);
    QWidget *foco = &principal;
    if (hijas > 0) {
        ventanas.back()->otro->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), ventanas.back()->otro);
        foco = ventanas.back()->otro;
    }

    QTest::keyClick(foco, Qt::Key(tecla), Qt::AltModifier);

    QMenu *abierto = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QCOMPARE(abierto ? abierto->objectName() : QString(), menu);
    if (abierto)
        abierto->close();
    for (int i = 0; i < hijas; ++i) {
        const bool activa = i == hijas - 1;
        QCOMPARE(ventanas[i]->pulsados, activa && !pulsado.isEmpty() ? QStringList{pulsado} : QStringList());
    }
    if (hijas > 0)
        QCOMPARE(QApplication::focusWidget() == ventanas.back()->campo, alLocalizar);
}

void TstPrincipal::pistaEnPanel0()
{
    TfrmPrincipal principal;
    QVERIFY(activar(principal));
    const auto cerrarMenu = qScopeGuard([] {
        if (QWidget *menu = QApplication::activePopupWidget())
            menu->close();
    });

    QTest::keyClick(&principal, Qt::Key_V, Qt::AltModifier);
    auto *ver = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(ver);
    QTest::keyClick(ver, Qt::Key_Down);
    QTRY_COMPARE(panel(principal, 0)->text(), QStringLiteral("Menu"));
    QTest::keyClick(ver, Qt::Key_Down);
    QTRY_COMPARE(panel(principal, 0)->text(), QStringLiteral("Barra de Estado"));
}

// The edit commands act on the focused edit box of any window and are
// enabled only when they have something to act on.
void TstPrincipal::ordenesDeEdicion_data()
{
    QTest::addColumn<QString>("orden");
    QTest::addColumn<bool>("soloLectura");
    QTest::addColumn<bool>("habilitada");
    QTest::addColumn<QString>("texto");        // left in the box
    QTest::addColumn<QString>("portapapeles"); // left on the clipboard

    // The box holds "abcdef" with "cd" selected; the clipboard holds "XY".
    QTest::newRow("cortar") << "accCortarEdicion" << false << true << "abef" << "cd";
    QTest::newRow("copiar") << "accCopiarEdicion" << false << true << "abcdef" << "cd";
    QTest::newRow("pegar") << "accPegarEdicion" << false << true << "abXYef" << "XY";
    QTest::newRow("borrar") << "acBorrarEdicion" << false << true << "abef" << "XY";
    QTest::newRow("cortar de sólo lectura") << "accCortarEdicion" << true << false << "abcdef" << "XY";
    QTest::newRow("pegar en sólo lectura") << "accPegarEdicion" << true << false << "abcdef" << "XY";
    QTest::newRow("copiar de sólo lectura") << "accCopiarEdicion" << true << true << "abcdef" << "cd";
}

void TstPrincipal::ordenesDeEdicion()
{
    QFETCH(QString, orden);
    QFETCH(bool, soloLectura);
    QFETCH(bool, habilitada);
    QFETCH(QString, texto);
    QFETCH(QString, portapapeles);
    TfrmPrincipal principal;
    QVERIFY(activar(principal));
    auto *hija = new VentanaPrueba;
    principal.abrirVentanaHija(hija);
    QGuiApplication::clipboard()->setText(QStringLiteral("XY"));
    hija->campo->setText(QStringLiteral("abcdef"));
    hija->campo->setReadOnly(soloLectura);
    hija->campo->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), hija->campo);
    hija->campo->setSelection(2, 2);

    // As when the menu is opened.
    auto *edicion = principal.findChild<QMenu *>(QStringLiteral("mnuEdicion"));
    emit edicion->aboutToShow();
    QAction *a = accion(principal, qPrintable(orden));
    QCOMPARE(a->isEnabled(), habilitada);
    a->trigger();

    QCOMPARE(hija->campo->text(), texto);
    QCOMPARE(QGuiApplication::clipboard()->text(), portapapeles);
}

void TstPrincipal::enterPasaDeCampoEnCualquierVentana_data()
{
    QTest::addColumn<bool>("hija");
    QTest::newRow("diálogo") << false;
    QTest::newRow("diálogo como ventana hija") << true;
}

// Enter moves on instead of pressing the dialog's default button.
void TstPrincipal::enterPasaDeCampoEnCualquierVentana()
{
    QFETCH(bool, hija);
    TfrmPrincipal principal;
    auto *dialogo = new QDialog;
    auto *layout = new QVBoxLayout(dialogo);
    auto *primero = new QLineEdit;
    auto *segundo = new QLineEdit;
    auto *aceptar = new QPushButton(QStringLiteral("&Aceptar"));
    aceptar->setDefault(true);
    layout->addWidget(primero);
    layout->addWidget(segundo);
    layout->addWidget(aceptar);
    std::unique_ptr<QDialog> suelto(hija ? nullptr : dialogo);
    if (hija) {
        QVERIFY(activar(principal));
        principal.abrirVentanaHija(dialogo);
    } else {
        QVERIFY(activar(*dialogo));
    }
    primero->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), primero);

    QTest::keyClick(primero, Qt::Key_Return);

    QCOMPARE(QApplication::focusWidget(), segundo);
    QVERIFY(dialogo->isVisible());
}

void TstPrincipal::ayudaAbreDirecciones()
{
    Navegador navegador;
    TfrmPrincipal principal;
    for (const char *nombre : {"accClientesAyuda", "accProductoAyuda", "accFabricanteAyuda"})
        accion(principal, nombre)->trigger();

    QCOMPARE(navegador.abiertas.size(), 3);
    for (const QUrl &url : navegador.abiertas)
        QVERIFY2(url.isValid() && url.host().endsWith(QStringLiteral("vantrel.example")), qPrintable(url.toString()));
}

void TstPrincipal::reloj()
{
    TfrmPrincipal principal;
    auto *tmrReloj = principal.findChild<QTimer *>(QStringLiteral("tmrReloj"));
    QVERIFY(tmrReloj);
    QCOMPARE(tmrReloj->interval(), 1000);
    QVERIFY(tmrReloj->isActive());
    QCOMPARE(panel(principal, 3)->text(), QDate::currentDate().toString(QStringLiteral("dd/MM/yy")));

    const QString hora = panel(principal, 4)->text();
    QVERIFY(!hora.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(panel(principal, 4)->text() != hora, 2500);

    const QList<int> anchos = {400, 200, 100, 70, 70, 50};
    for (int i = 0; i < anchos.size(); ++i)
        QCOMPARE(panel(principal, i)->width(), anchos[i]);
}

void TstPrincipal::panelesSiguenLaSesion()
{
    testsupport::Programa programa(false);
    Sesion sesion(programa.conexiones);
    TfrmPrincipal principal(&sesion);

    sesion.EstablecerUsuario(1);
    QCOMPARE(panel(principal, 2)->text(), sesion.nombreUsuario());
    QVERIFY(!sesion.nombreUsuario().isEmpty());

    sesion.EstablecerEmpresa(QStringLiteral("01"));
    QCOMPARE(panel(principal, 1)->text(), sesion.nombreEmpresa());
    QVERIFY(!sesion.nombreEmpresa().isEmpty());

    sesion.EstablecerUsuario(999);
    QCOMPARE(panel(principal, 2)->text(), QString());
}

void TstPrincipal::cambioDeEmpresaCierraLasHijas_data()
{
    QTest::addColumn<bool>("seNiega");
    QTest::newRow("todas se cierran") << false;
    QTest::newRow("una se niega") << true;
}

// The child windows hold rows of the company being left: they are closed
// before the change, and one that will not close keeps the company as it is.
void TstPrincipal::cambioDeEmpresaCierraLasHijas()
{
    QFETCH(bool, seNiega);
    testsupport::Programa programa(false);
    Sesion sesion(programa.conexiones);
    TfrmPrincipal principal(&sesion);
    setElegirEmpresa([](QWidget *) { return QStringLiteral("01"); });
    const auto restaurar = qScopeGuard([] { setElegirEmpresa({}); });
    principal.abrirVentanaHija(new VentanaPrueba);
    principal.abrirVentanaHija(new VentanaPrueba(!seNiega));

    accion(principal, "accCambiarEmpresa")->trigger();

    QTRY_COMPARE(area(principal)->subWindowList().size(), seNiega ? 1 : 0);
    QCOMPARE(sesion.codigoEmpresa().trimmed(), seNiega ? QString() : QStringLiteral("01"));
    QCOMPARE(programa.conexiones.ConexionEmpresa.isOpen(), !seNiega);
    QCOMPARE(panel(principal, 1)->text(), sesion.nombreEmpresa());
}

// Cancel in the login of the start-up ends the program without the closing question.
void TstPrincipal::inicioCanceladoSaleSinPreguntar()
{
    testsupport::Programa programa(false);
    Sesion sesion(programa.conexiones);
    TfrmPrincipal principal(&sesion);
    // The login runs in a loop of its own: it is answered from a timer.
    QString login;
    QTimer espera;
    QObject::connect(&espera, &QTimer::timeout, [&login, &espera] {
        if (QWidget *dialogo = QApplication::activeModalWidget()) {
            espera.stop();
            login = dialogo->objectName();
            QTest::keyClick(dialogo, Qt::Key_Escape);
        }
    });
    espera.start(20);

    principal.show();

    QTRY_VERIFY(!principal.isVisible());
    QCOMPARE(login, QStringLiteral("TfrmLogin"));
    QCOMPARE(programa.dialogos.shown, QStringList());
}

// The new run must not hold the database files this one has open: the
// engine runs inside the program, and a leaked descriptor keeps a file and
// its locks alive in a process that knows nothing of them.
void TstPrincipal::nuevaSesionNoHeredaDescriptores()
{
    QTemporaryDir dir;
    const QString datos = testsupport::freshDatabases(dir);
    fb::Connection conexion;
    conexion.open(datos + QStringLiteral("empresa01.gdb"));
    const auto abiertosAqui = descriptoresDe(QCoreApplication::applicationPid());
    QVERIFY2(abiertosAqui.filter(QStringLiteral("empresa01.gdb")).size() > 0, qPrintable(abiertosAqui.join(u'\n')));

    QString error;
    const qint64 pid = iniciarProcesoNuevo(QStringLiteral("/bin/sleep"), {QStringLiteral("30")}, &error);
    QVERIFY2(pid > 0, qPrintable(error));
    const auto terminar = qScopeGuard([pid] { ::kill(pid_t(pid), SIGTERM); });

    // The new program may itself hold a file for a moment while it starts
    // (its locale data): what must never stay is anything of ours.
    QTRY_COMPARE_WITH_TIMEOUT(descriptoresDe(pid).size(), 3, 5000);
    const QStringList heredados = descriptoresDe(pid);
    for (int fd = 0; fd < 3; ++fd)
        QVERIFY(heredados[fd].startsWith(QString::number(fd) + u' '));
}

void TstPrincipal::nuevaSesionDeProgramaInexistente()
{
    QString error;
    QCOMPARE(iniciarProcesoNuevo(QStringLiteral("/no/existe/VantrelFacturacion"), {}, &error), -1);
    QVERIFY(!error.isEmpty());
}

void TstPrincipal::traduccionesDeQt()
{
    QVERIFY(ui::cargarTraduccionesQt());
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sí"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&No"));
}

QTEST_MAIN(TstPrincipal)
#include "tst_principal.moc"
