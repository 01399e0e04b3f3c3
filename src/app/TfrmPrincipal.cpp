#include "TfrmPrincipal.h"

#include "app/ImagenesPrograma.h"
#include "platform/ui/widgets/Colores.h"
#include "app/ProcesoNuevo.h"
#include "app/Sesion.h"
#include "app/TfrmAcerca.h"
#include "app/TfrmGestionEmpresas.h"
#include "app/TfrmGestionUsuarios.h"
#include "app/TfrmSesion.h"
#include "incidents/TfrmGestionIncidencias.h"
#include "master/TfrmGestionClientes.h"
#include "master/TfrmGestionCuentasBancarias.h"
#include "master/TfrmGestionFormasPago.h"
#include "master/TfrmGestionResponsablesAlmacen.h"
#include "master/TfrmGestionProveedores.h"
#include "master/TfrmGestionResponsablesCompras.h"
#include "master/TfrmGestionVendedores.h"
#include "sales/TfrmGestionAlbaranesVenta.h"
#include "warehouse/TfrmGestionAlmacenes.h"
#include "warehouse/TfrmGestionArticulos.h"
#include "warehouse/TfrmGestionFamilias.h"
#include "warehouse/TfrmGestionMovimientosAlmacen.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/widgets/ComandosEdicion.h"
#include "platform/ui/widgets/EnterAsTabPrograma.h"
#include "platform/ui/widgets/TeclasAccesoMdi.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>
#include <QToolBox>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

struct DefinicionAccion
{
    const char *nombre;
    const char *texto;
    QKeySequence atajo = {};
};

// Every command of the main window with its menu caption.
const DefinicionAccion kAcciones[] = {
    {"accEmpresas", "&Empresas"},
    {"accCambiarEmpresa", "&Cambiar Empresa de Trabajo"},
    {"accUsuarios", "&Usuarios"},
    {"accCambioUsuario", "&Cambio de Usuario"},
    {"accNuevaCopia", "&Nueva Copia de Seguridad"},
    {"accRecuperarCopia", "&Recuperar Copia de Seguridad"},
    {"accSesionNueva", "&Nueva Sesión"},
    {"accFinalizaSesion", "&Finalizar sesión"},
    {"accCortarEdicion", "&Cortar", QKeySequence(Qt::CTRL | Qt::Key_X)},
    {"accCopiarEdicion", "C&opiar", QKeySequence(Qt::CTRL | Qt::Key_C)},
    {"accPegarEdicion", "&Pegar", QKeySequence(Qt::CTRL | Qt::Key_V)},
    {"accSeleccionarEdicion", "&Seleccionar Todo", QKeySequence(Qt::CTRL | Qt::Key_A)},
    {"acBorrarEdicion", "&Borrar", QKeySequence(Qt::Key_Delete)},
    {"accVErMenu", "&Menu", QKeySequence(Qt::Key_F11)},
    {"accVerEstado", "&Barra de Estado"},
    {"accVerAccesos", "B&arra de Accesos Directos"},
    {"accREspCompras", "&Responsables de Compras"},
    {"accProveedores", "&Proveedores"},
    {"accPedidosCompra", "Pe&didos Compra"},
    {"accAlbaranesCompra", "&Albaranes Compra"},
    {"accFacturasCompra", "Fa&cturas Compra"},
    {"accIncidenciasCompra", "&Incidencias de Compra"},
    {"accRespAlmacen", "R&esponsables de Almacen"},
    {"accAlmacenes", "&Almacenes"},
    {"accFamilias", "&Familias"},
    {"accArticulos", "A&rticulos"},
    {"accMovimientosAlmacen", "&Movimientos de Almacen"},
    {"acVendedores", "&Vendedores"},
    {"accClientes", "&Clientes"},
    {"accPresupuestosCliente", "&Presupuestos de Venta"},
    {"accPedidosVenta", "P&edidos de Venta"},
    {"accAlbaranesVenta", "&Albaranes de Venta"},
    {"accFacturasVenta", "&Facturas de Venta"},
    {"accIncidenciasVenta", "&Incidencias Venta"},
    {"accCuentasBancarias", "&Cuentas Bancarias"},
    {"accFormasPago", "&Formas de Pago"},
    {"accCobros", "C&obros"},
    {"accPagos", "&Pagos"},
    {"accCascadaVentanas", "&Cascada"},
    {"accHorizontalVentanas", "&Mosaico Horizontal"},
    {"accVerticalVentanas", "M&osaico Vertical"},
    {"accMinimizarVentanas", "M&inimizar todas"},
    {"accCerrarVentanas", "C&errar Actual"},
    {"accCerrarTodas", "Ce&rrar Todas"},
    {"accClientesAyuda", "&Zona de Clientes"},
    {"accProductoAyuda", "&Página Producto"},
    {"accFabricanteAyuda", "&Vantrel Soluciones"},
    {"accAcercaAyuda", "&Acerca de..."},
};

// Commands that open a window of their own (browse windows, the backup
// dialogs): they start disabled and are enabled when their window is bound.
const char *const kComandosConVentana[] = {
    "accNuevaCopia", "accRecuperarCopia", "accEmpresas", "accUsuarios", "accREspCompras", "accProveedores",
    "accPedidosCompra", "accAlbaranesCompra", "accFacturasCompra", "accIncidenciasCompra", "accRespAlmacen",
    "accAlmacenes", "accFamilias", "accArticulos", "accMovimientosAlmacen", "acVendedores", "accClientes",
    "accPresupuestosCliente", "accPedidosVenta", "accAlbaranesVenta", "accFacturasVenta", "accIncidenciasVenta",
    "accCuentasBancarias", "accFormasPago", "accCobros", "accPagos",
};

const char *const kComandosOrdenVentanas[] = {
    "accCascadaVentanas", "accHorizontalVentanas", "accVerticalVentanas", "accMinimizarVentanas",
};

struct DireccionAyuda
{
    const char *accion;
    const char *url;
};

const DireccionAyuda kAyuda[] = {
    {"accClientesAyuda", "https://clientes.vantrel.example/"},
    {"accProductoAyuda", "https://www.vantrel.example/facturacion/"},
    {"accFabricanteAyuda", "https://www.vantrel.example/"},
};

struct OrdenDeEdicion
{
    const char *accion;
    ui::OrdenEdicion orden;
};

const OrdenDeEdicion kEdicion[] = {
    {"accCortarEdicion", ui::OrdenEdicion::Cortar},
    {"accCopiarEdicion", ui::OrdenEdicion::Copiar},
    {"accPegarEdicion", ui::OrdenEdicion::Pegar},
    {"accSeleccionarEdicion", ui::OrdenEdicion::SeleccionarTodo},
    {"acBorrarEdicion", ui::OrdenEdicion::Borrar},
};

struct BotonAcceso
{
    const char *accion;
    const char *texto;
};

struct PaginaAccesos
{
    const char *titulo;
    std::initializer_list<BotonAcceso> botones;
};

const PaginaAccesos kPaginas[] = {
    {"Compras",
     {{"accREspCompras", "Responsables"}, {"accProveedores", "Proveedores"}, {"accPedidosCompra", "Pedidos"},
      {"accAlbaranesCompra", "Albaranes"}, {"accFacturasCompra", "Facturas"},
      {"accIncidenciasCompra", "Incidencias"}}},
    {"Almacen",
     {{"accRespAlmacen", "Responsables"}, {"accAlmacenes", "Almacenes"}, {"accFamilias", "Familias"},
      {"accArticulos", "Articulos"}, {"accMovimientosAlmacen", "Movimientos"}}},
    {"Ventas",
     {{"acVendedores", "Vendedores"}, {"accClientes", "Clientes"}, {"accPresupuestosCliente", "Presupuestos"},
      {"accPedidosVenta", "Pedidos"}, {"accAlbaranesVenta", "Albaranes"}, {"accFacturasVenta", "Facturas"},
      {"accIncidenciasVenta", "Incidencias"}}},
    {"Tesorería",
     {{"accCuentasBancarias", "Cuentas"}, {"accFormasPago", "Formas Pago"}, {"accCobros", "Cobros"},
      {"accPagos", "Pagos"}}},
};

const int kAnchosPaneles[] = {400, 200, 100, 70, 70, 50};
const int kPanelHint = 0;
const int kPanelEmpresa = 1;
const int kPanelUsuario = 2;
const int kPanelFecha = 3;
const int kPanelHora = 4;

// The system's long time format without the time zone, which would not fit
// in its panel.
QString formatoHora()
{
    QString formato = QLocale().timeFormat(QLocale::LongFormat);
    formato.remove(QRegularExpression(QStringLiteral("\\s*\\(?t+\\)?")));
    return formato.trimmed();
}

// A browse command: a new window of that class each time, opened on its
// command text outside select mode. An error while opening is shown by the
// window, which opens all the same.
template<typename Gestion>
TfrmPrincipal::FabricaVentana gestion(TfrmPrincipal *principal, const QString &sql)
{
    return [principal, sql] {
        auto *ventana = new Gestion(principal, false);
        ventana->Abrir(sql, false);
        return ventana;
    };
}

} // namespace

TfrmPrincipal::TfrmPrincipal(Sesion *sesion, QWidget *parent)
    : QMainWindow(parent), m_sesion(sesion), m_area(new QMdiArea), tlbAccesos(new QToolBox),
      tmrReloj(new QTimer(this))
{
    setObjectName(QStringLiteral("TfrmPrincipal"));
    setWindowTitle(QStringLiteral("Vantrel Facturacion"));
    m_area->setBackground(ui::kColorPrograma);
    crearAcciones();
    crearMenus();
    crearBarraAccesos();
    crearBarraEstado();
    conectarComandos();
    conectarSesion();
    registrarVentanas();
    ui::EnterAsTabPrograma::install(this);
    ui::TeclasAccesoMdi::install(m_area, menuBar());
    actualizarVentanas();
    actualizarEdicion();
}

// The child windows are destroyed after this class's part of the window is
// gone: none of their signals may reach it any more.
TfrmPrincipal::~TfrmPrincipal()
{
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(m_area, nullptr, this, nullptr);
    for (QMdiSubWindow *sub : m_area->subWindowList())
        disconnect(sub, nullptr, this, nullptr);
}

QAction *TfrmPrincipal::crearAccion(const char *nombre, const QString &texto, const QKeySequence &atajo)
{
    auto *a = new QAction(texto, this);
    a->setObjectName(QLatin1String(nombre));
    a->setShortcut(atajo);
    a->setStatusTip(QString(texto).remove(u'&'));
    // Also on the window itself, so the shortcuts keep working with the menu bar hidden.
    addAction(a);
    return a;
}

QAction *TfrmPrincipal::accion(const char *nombre) const
{
    return findChild<QAction *>(QLatin1String(nombre), Qt::FindDirectChildrenOnly);
}

void TfrmPrincipal::crearAcciones()
{
    for (const DefinicionAccion &d : kAcciones)
        crearAccion(d.nombre, QString::fromUtf8(d.texto), d.atajo);
    for (const char *nombre : kComandosConVentana)
        accion(nombre)->setEnabled(false);
    for (const char *nombre : {"accVErMenu", "accVerEstado", "accVerAccesos"}) {
        accion(nombre)->setCheckable(true);
        accion(nombre)->setChecked(true);
    }
}

// Entries are action names, "-" for a separator.
QMenu *TfrmPrincipal::crearMenu(QMenu *padre, const QString &titulo, std::initializer_list<const char *> entradas)
{
    QMenu *menu = padre ? padre->addMenu(titulo) : menuBar()->addMenu(titulo);
    menu->setObjectName(QStringLiteral("mnu") + QString(titulo).remove(u'&').remove(u' '));
    for (const char *entrada : entradas) {
        if (qstrcmp(entrada, "-") == 0)
            menu->addSeparator();
        else
            menu->addAction(accion(entrada));
    }
    return menu;
}

void TfrmPrincipal::crearMenus()
{
    menuBar()->setObjectName(QStringLiteral("mnuPrincipal"));
    QMenu *administracion = crearMenu(nullptr, QStringLiteral("&Administracion"), {});
    crearMenu(administracion, QStringLiteral("&Empresas"), {"accEmpresas", "-", "accCambiarEmpresa"});
    crearMenu(administracion, QStringLiteral("&Usuarios"), {"accUsuarios", "-", "accCambioUsuario"});
    administracion->addSeparator();
    crearMenu(administracion, QStringLiteral("&Mantenimiento Datos"), {"accNuevaCopia", "accRecuperarCopia"});
    administracion->addSeparator();
    administracion->addAction(accion("accSesionNueva"));
    administracion->addAction(accion("accFinalizaSesion"));

    const auto separar = [this] { menuBar()->addSeparator(); };
    separar();
    QMenu *edicion = crearMenu(nullptr, QStringLiteral("&Edicion"),
                               {"accCortarEdicion", "accCopiarEdicion", "accPegarEdicion", "-",
                                "accSeleccionarEdicion", "acBorrarEdicion"});
    connect(edicion, &QMenu::aboutToShow, this, &TfrmPrincipal::actualizarEdicion);
    separar();
    crearMenu(nullptr, QStringLiteral("&Ver"), {"accVErMenu", "accVerEstado", "accVerAccesos"});
    separar();
    crearMenu(nullptr, QStringLiteral("C&ompras"),
              {"accREspCompras", "-", "accProveedores", "-", "accPedidosCompra", "accAlbaranesCompra",
               "accFacturasCompra", "-", "accIncidenciasCompra"});
    separar();
    crearMenu(nullptr, QStringLiteral("A&lmacen"),
              {"accRespAlmacen", "-", "accAlmacenes", "accFamilias", "accArticulos", "-",
               "accMovimientosAlmacen"});
    separar();
    crearMenu(nullptr, QStringLiteral("Ve&ntas"),
              {"acVendedores", "-", "accClientes", "-", "accPresupuestosCliente", "accPedidosVenta",
               "accAlbaranesVenta", "accFacturasVenta", "-", "accIncidenciasVenta"});
    separar();
    crearMenu(nullptr, QStringLiteral("&Tesoreria"),
              {"accCuentasBancarias", "accFormasPago", "-", "accCobros", "accPagos"});
    separar();
    crearMenu(nullptr, QStringLiteral("Ventana&s"),
              {"accCascadaVentanas", "accHorizontalVentanas", "accVerticalVentanas", "-", "accMinimizarVentanas",
               "accCerrarVentanas", "accCerrarTodas"});
    separar();
    crearMenu(nullptr, QStringLiteral("A&yuda"),
              {"accClientesAyuda", "accProductoAyuda", "accFabricanteAyuda", "-", "accAcercaAyuda"});
}

// Each button shows its own short caption (the action's icon text) and
// follows its command's enabling.
void TfrmPrincipal::crearBarraAccesos()
{
    tlbAccesos->setObjectName(QStringLiteral("tlbAccesos"));
    tlbAccesos->setFixedWidth(105);
    for (const PaginaAccesos &pagina : kPaginas) {
        auto *columna = new QWidget;
        auto *layout = new QVBoxLayout(columna);
        layout->setContentsMargins(2, 2, 2, 2);
        for (const BotonAcceso &b : pagina.botones) {
            QAction *a = accion(b.accion);
            a->setIconText(QString::fromUtf8(b.texto));
            auto *boton = new QToolButton;
            boton->setDefaultAction(a);
            boton->setAutoRaise(true);
            boton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            // As wide as the bar, whatever the caption: never a scroll bar across.
            boton->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
            layout->addWidget(boton);
        }
        layout->addStretch();
        tlbAccesos->addItem(columna, QString::fromUtf8(pagina.titulo));
    }
    tlbAccesos->setCurrentIndex(0);

    auto *centro = new QWidget;
    auto *layout = new QHBoxLayout(centro);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tlbAccesos);
    layout->addWidget(m_area, 1);
    setCentralWidget(centro);
}

void TfrmPrincipal::crearBarraEstado()
{
    statusBar()->setObjectName(QStringLiteral("stbEstado"));
    statusBar()->setSizeGripEnabled(false);
    for (int i = 0; i < int(std::size(kAnchosPaneles)); ++i) {
        auto *panel = new QLabel;
        panel->setObjectName(QStringLiteral("panel%1").arg(i));
        panel->setFixedWidth(kAnchosPaneles[i]);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(panel);
        m_paneles << panel;
    }
    tmrReloj->setObjectName(QStringLiteral("tmrReloj"));
    tmrReloj->setInterval(1000);
    connect(tmrReloj, &QTimer::timeout, this, &TfrmPrincipal::actualizarReloj);
    actualizarReloj();
    tmrReloj->start();
}

void TfrmPrincipal::conectarComandos()
{
    const auto al = [this](const char *nombre, auto funcion) {
        connect(accion(nombre), &QAction::triggered, this, funcion);
    };
    al("accSesionNueva", &TfrmPrincipal::accSesionNuevaExecute);
    al("accFinalizaSesion", &QWidget::close);
    al("accAcercaAyuda", &TfrmPrincipal::accAcercaAyudaExecute);
    al("accVErMenu", [this](bool visible) { menuBar()->setVisible(visible); });
    al("accVerEstado", [this](bool visible) { statusBar()->setVisible(visible); });
    al("accVerAccesos", [this](bool visible) { tlbAccesos->setVisible(visible); });
    al("accCascadaVentanas", [this] { m_area->cascadeSubWindows(); });
    al("accHorizontalVentanas", [this] { mosaico(Qt::Vertical); });
    al("accVerticalVentanas", [this] { mosaico(Qt::Horizontal); });
    al("accMinimizarVentanas", [this] {
        for (QMdiSubWindow *sub : m_area->subWindowList())
            sub->showMinimized();
    });
    al("accCerrarVentanas", [this] { m_area->closeActiveSubWindow(); });
    al("accCerrarTodas", [this] { cerrarVentanasHijas(); });
    for (const DireccionAyuda &ayuda : kAyuda) {
        const QUrl url(QLatin1String(ayuda.url));
        al(ayuda.accion, [url] { QDesktopServices::openUrl(url); });
    }
    for (const OrdenDeEdicion &e : kEdicion) {
        const ui::OrdenEdicion orden = e.orden;
        al(e.accion, [orden] { ui::ejecutarOrden(orden, QApplication::focusWidget()); });
    }
    connect(qApp, &QApplication::focusChanged, this, &TfrmPrincipal::actualizarEdicion);
    connect(m_area, &QMdiArea::subWindowActivated, this, &TfrmPrincipal::actualizarVentanas);
}

void TfrmPrincipal::conectarSesion()
{
    if (!m_sesion)
        return;
    m_paneles[kPanelEmpresa]->setText(m_sesion->nombreEmpresa());
    m_paneles[kPanelUsuario]->setText(m_sesion->nombreUsuario());
    connect(m_sesion, &Sesion::empresaCambiada, m_paneles[kPanelEmpresa], &QLabel::setText);
    connect(m_sesion, &Sesion::usuarioCambiado, m_paneles[kPanelUsuario], &QLabel::setText);
    connect(accion("accCambioUsuario"), &QAction::triggered, this, [this] { cambioUsuario(*m_sesion, this); });
    connect(accion("accCambiarEmpresa"), &QAction::triggered, this,
            [this] { cambiarEmpresa(*m_sesion, this, [this] { return cerrarVentanasHijas(); }); });
}

// The browse windows that are part of the program; one line per command.
void TfrmPrincipal::registrarVentanas()
{
    registrarVentana("accEmpresas", gestion<TfrmGestionEmpresas>(this, TfrmGestionEmpresas::kSqlEmpresas));
    registrarVentana("accUsuarios",
                     gestion<TfrmGestionUsuarios>(this, QStringLiteral("SELECT * FROM USUARIO ORDER BY NOMBRE")));
    registrarVentana("accFormasPago", gestion<TfrmGestionFormasPago>(this, TfrmGestionFormasPago::kSqlFormasPago));
    registrarVentana("accCuentasBancarias",
                     gestion<TfrmGestionCuentasBancarias>(this, TfrmGestionCuentasBancarias::kSqlCuentasBancarias));
    registrarVentana("acVendedores", gestion<TfrmGestionVendedores>(this, TfrmGestionVendedores::sqlVendedores()));
    registrarVentana("accREspCompras", gestion<TfrmGestionResponsablesCompras>(
                                           this, TfrmGestionResponsablesCompras::sqlResponsablesCompras()));
    registrarVentana("accRespAlmacen", gestion<TfrmGestionResponsablesAlmacen>(
                                           this, TfrmGestionResponsablesAlmacen::sqlResponsablesAlmacen()));
    registrarVentana("accClientes", gestion<TfrmGestionClientes>(this, TfrmGestionClientes::kSqlClientes));
    registrarVentana("accProveedores", gestion<TfrmGestionProveedores>(this, TfrmGestionProveedores::kSqlProveedores));
    registrarVentana("accFamilias", gestion<TfrmGestionFamilias>(this, TfrmGestionFamilias::kSqlFamilias));
    registrarVentana("accArticulos", gestion<TfrmGestionArticulos>(this, TfrmGestionArticulos::kSqlArticulos));
    registrarVentana("accAlmacenes", gestion<TfrmGestionAlmacenes>(this, TfrmGestionAlmacenes::kSqlAlmacenes));
    registrarVentana("accMovimientosAlmacen",
                     gestion<TfrmGestionMovimientosAlmacen>(this, TfrmGestionMovimientosAlmacen::kSqlMovimientos));
    registrarVentana("accAlbaranesVenta",
                     gestion<TfrmGestionAlbaranesVenta>(this, TfrmGestionAlbaranesVenta::kSqlAlbaranesVenta));
    registrarVentana("accIncidenciasCompra",
                     [this] { return TfrmGestionIncidencias::abrirCiclo(this, QStringLiteral("C")); });
    registrarVentana("accIncidenciasVenta",
                     [this] { return TfrmGestionIncidencias::abrirCiclo(this, QStringLiteral("V")); });
}

void TfrmPrincipal::registrarOrden(const char *nombre, std::function<void()> orden)
{
    QAction *a = accion(nombre);
    if (!m_ordenes.contains(a))
        connect(a, &QAction::triggered, this, [this, a] { m_ordenes.value(a)(); });
    m_ordenes.insert(a, std::move(orden));
    a->setEnabled(true);
}

void TfrmPrincipal::registrarVentana(const char *nombre, FabricaVentana fabrica)
{
    registrarOrden(nombre, [this, fabrica = std::move(fabrica)] { abrirVentanaHija(fabrica()); });
}

void TfrmPrincipal::abrirVentanaHija(QWidget *ventana)
{
    QMdiSubWindow *sub = m_area->addSubWindow(ventana);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // Once gone, the commands that need child windows may have to be disabled.
    connect(sub, &QObject::destroyed, this, &TfrmPrincipal::actualizarVentanas, Qt::QueuedConnection);
    const int desplazamiento = (int(m_area->subWindowList().size()) - 1) * 20;
    sub->move(desplazamiento, desplazamiento);
    sub->show();
    m_area->setActiveSubWindow(sub);
    actualizarVentanas();
}

bool TfrmPrincipal::cerrarVentanasHijas()
{
    bool todas = true;
    for (QMdiSubWindow *sub : m_area->subWindowList())
        todas = sub->close() && todas;
    actualizarVentanas();
    return todas;
}

void TfrmPrincipal::actualizarVentanas()
{
    const bool hay = !m_area->subWindowList().isEmpty();
    for (const char *nombre : kComandosOrdenVentanas)
        accion(nombre)->setEnabled(hay);
    accion("accCerrarTodas")->setEnabled(hay);
    accion("accCerrarVentanas")->setEnabled(m_area->activeSubWindow() != nullptr);
}

void TfrmPrincipal::actualizarEdicion()
{
    QWidget *enfocado = QApplication::focusWidget();
    for (const OrdenDeEdicion &e : kEdicion)
        accion(e.accion)->setEnabled(ui::ordenPosible(e.orden, enfocado));
}

// Vertical: one above the other, each as wide as the area; Horizontal: side by side.
void TfrmPrincipal::mosaico(Qt::Orientation orientacion)
{
    QList<QMdiSubWindow *> visibles;
    for (QMdiSubWindow *sub : m_area->subWindowList()) {
        if (!sub->isMinimized())
            visibles << sub;
    }
    if (visibles.isEmpty())
        return;
    const QRect area = m_area->viewport()->rect();
    const int n = int(visibles.size());
    for (int i = 0; i < n; ++i) {
        visibles[i]->showNormal();
        if (orientacion == Qt::Vertical) {
            const int alto = area.height() / n;
            visibles[i]->setGeometry(0, i * alto, area.width(), alto);
        } else {
            const int ancho = area.width() / n;
            visibles[i]->setGeometry(i * ancho, 0, ancho, area.height());
        }
    }
}

void TfrmPrincipal::actualizarReloj()
{
    const QLocale local = QLocale();
    const QDateTime ahora = QDateTime::currentDateTime();
    m_paneles[kPanelFecha]->setText(local.toString(ahora.date(), QLocale::ShortFormat));
    m_paneles[kPanelHora]->setText(local.toString(ahora.time(), formatoHora()));
}

// The hint of the command or control under the mouse or the keyboard.
bool TfrmPrincipal::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        m_paneles[kPanelHint]->setText(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TfrmPrincipal::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_iniciado || !m_sesion)
        return;
    m_iniciado = true;
    // After the show has finished, so the login appears over the window.
    QMetaObject::invokeMethod(this, &TfrmPrincipal::inicioSesion, Qt::QueuedConnection);
}

void TfrmPrincipal::inicioSesion()
{
    switch (iniciarSesion(*m_sesion, this)) {
    case ResultadoInicio::Cancelada:
        salirSinPreguntar();
        break;
    case ResultadoInicio::Iniciada:
        tlbAccesos->setCurrentIndex(0);
        break;
    case ResultadoInicio::SinUsuario:
    case ResultadoInicio::SinEmpresa:
        break;
    }
}

void TfrmPrincipal::salirSinPreguntar()
{
    m_salirSinPreguntar = true;
    close();
}

void TfrmPrincipal::closeEvent(QCloseEvent *event)
{
    if (m_salirSinPreguntar
        || ui::ask(QStringLiteral("¿Desea salir de Vantrel Facturacion?"), ui::Dialogs::Icon::Question))
        event->accept();
    else
        event->ignore();
}

void TfrmPrincipal::accSesionNuevaExecute()
{
    QString error;
    if (iniciarProcesoNuevo(QCoreApplication::applicationFilePath(), {}, &error) < 0)
        ui::showError(QStringLiteral("No se pudo iniciar una nueva sesión: ") + error);
}

void TfrmPrincipal::accAcercaAyudaExecute()
{
    if (m_acerca)
        m_acerca->exec();
}
