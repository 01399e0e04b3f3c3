#include "TfrmDocumentoVenta.h"

#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBMemo.h"
#include "framework/widgets/Formularios.h"
#include "framework/widgets/Intentar.h"
#include "incidents/TmdlIncidencias.h"
#include "master/TfrmCliente.h"
#include "master/TfrmFormaPago.h"
#include "master/TfrmGestionClientes.h"
#include "master/TfrmGestionFormasPago.h"
#include "master/TfrmGestionVendedores.h"
#include "master/TfrmVendedor.h"
#include "master/widgets/PestanaSatelites.h"
#include "platform/dataset/RecordSet.h"
#include "framework/widgets/DBComboBox.h"
#include "warehouse/TfrmAlmacen.h"
#include "warehouse/TfrmGestionAlmacenes.h"

#include <QAction>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>

TfrmDocumentoVenta::TfrmDocumentoVenta(QWidget *owner, bool modal, bool moduloPropio,
                                       DescripcionDocumentoVenta descripcion)
    : TfrmRegistro(owner, modal, !moduloPropio, {.caption = descripcion.caption, .titulo = descripcion.titulo}),
      m_descripcion(std::move(descripcion))
{
}

// The lists die with the window's children, a module of the window's own
// among them, and close their record sets then: this window must no longer
// hear of them.
TfrmDocumentoVenta::~TfrmDocumentoVenta()
{
    if (m_lineas)
        m_lineas->disconnect(this);
    if (pestanaIncidencias)
        pestanaIncidencias->mdlIncidencias->Incidencias.disconnect(this);
}

void TfrmDocumentoVenta::iniciar(ds::RecordSet &cabecera, ds::RecordSet &lineas)
{
    setDatos(cabecera);
    m_lineas = &lineas;
    crearCabecera();
    crearTotales();
    crearLineas();
    memObservaciones = fw::agregarPestanaComentario(PageControl1, cabecera);
    pestanaIncidencias = new incidencias::PestanaIncidencias(*cabecera.connection(), m_descripcion.incidencias,
                                                             [this] { return claveActual(); });
    PageControl1->addTab(pestanaIncidencias, QStringLiteral("INCIDENCIAS"));
    // Lines and incidents carry the document's key: once there are any, the
    // series (and so the key) of a new document stays as it is.
    for (ds::RecordSet *lista : {m_lineas, &pestanaIncidencias->mdlIncidencias->Incidencias}) {
        connect(lista, &ds::RecordSet::rowsReset, this, &TfrmDocumentoVenta::actualizarSerie);
        connect(lista, &ds::RecordSet::rowInserted, this, &TfrmDocumentoVenta::actualizarSerie);
        connect(lista, &ds::RecordSet::rowRemoved, this, &TfrmDocumentoVenta::actualizarSerie);
    }
}

void TfrmDocumentoVenta::reabrir(const QVariant &clave) { abrirDocumento(clave.toString()); }

void TfrmDocumentoVenta::crearCabecera()
{
    cmbSerie = new fw::DBComboBox(datos(), QStringLiteral("SERIE"), fw::DBComboBox::series(), this);
    cmbSerie->setObjectName(QStringLiteral("cmbSerie"));
    txtNumero = cajaSoloLectura("txtNumero", QStringLiteral("NUMERO"));
    txtFecha = nuevaCaja("txtFecha", QStringLiteral("FECHA"));
    txtEstado = cajaSoloLectura("txtEstado", QStringLiteral("ESTADO"));

    const Referencia cliente = crearReferencia({
        "txtCliente", QStringLiteral("CLIENTE"), "txtNCliente", QStringLiteral("NCLIENTE"),
        "BuscarCliente", QStringLiteral("Asignar Cliente"),
        [](QWidget *owner) { return new TfrmGestionClientes(owner, true); }, TfrmGestionClientes::kSqlClientes,
        "VerCliente", QStringLiteral("Ver ficha cliente"), [](QWidget *owner) { return new TfrmCliente(owner, true); },
    });
    const Referencia vendedor = crearReferencia({
        "txtVendedor", QStringLiteral("VENDEDOR"), "txtNVendedor", QStringLiteral("NVENDEDOR"),
        "BuscarVendedor", QStringLiteral("Asignar vendedor"),
        [](QWidget *owner) { return new TfrmGestionVendedores(owner, true); },
        TfrmGestionVendedores::sqlVendedores(),
        "VerVendedor", QStringLiteral("Ver ficha vendedor"),
        [](QWidget *owner) { return new TfrmVendedor(owner, true); },
    });
    const Referencia formaPago = crearReferencia({
        "txtFormaPago", QStringLiteral("FORMA_PAGO"), "txtNFormaPago", QStringLiteral("NFORMAPAGO"),
        "BuscarFormaPago", QStringLiteral("Asignar forma de pago"),
        [](QWidget *owner) { return new TfrmGestionFormasPago(owner, true); }, TfrmGestionFormasPago::kSqlFormasPago,
        "VerFormaPago", QStringLiteral("Ver frma de pago"),
        [](QWidget *owner) { return new TfrmFormaPago(owner, true); },
    });
    txtCliente = cliente.codigo;
    txtNCliente = cliente.nombre;
    BuscarCliente = cliente.buscar;
    VerCliente = cliente.ver;
    txtVendedor = vendedor.codigo;
    txtNVendedor = vendedor.nombre;
    BuscarVendedor = vendedor.buscar;
    VerVendedor = vendedor.ver;
    txtFormaPago = formaPago.codigo;
    txtNFormaPago = formaPago.nombre;
    BuscarFormaPago = formaPago.buscar;
    VerFormaPago = formaPago.ver;
    txtSaldoCliente = cajaSoloLectura("txtSaldoCliente", QStringLiteral("SALDOCLIENTE"));
    cliente.fila->addWidget(new QLabel(QStringLiteral("SALDO"), this));
    cliente.fila->addWidget(txtSaldoCliente);

    const Referencia almacen = crearReferencia({
        "txtAlmacen", QStringLiteral("ALMACEN"), "txtNAlmacen", QStringLiteral("NALMACEN"),
        "BuscarAlmacen", QStringLiteral("Asignar Almacen"),
        [](QWidget *owner) { return new TfrmGestionAlmacenes(owner, true); }, TfrmGestionAlmacenes::kSqlAlmacenes,
        "VerAlmacen", QStringLiteral("Ver ficha almacen"), [](QWidget *owner) { return new TfrmAlmacen(owner, true); },
    });
    txtAlmacen = almacen.codigo;
    txtNAlmacen = almacen.nombre;
    BuscarAlmacen = almacen.buscar;
    btnBuscarAlmacen = almacen.btnBuscar;
    VerAlmacen = almacen.ver;
    txtDescuento = nuevaCaja("txtDescuento", QStringLiteral("DESCUENTO"));
    txtDescuentoPP = nuevaCaja("txtDescuentoPP", QStringLiteral("DESCUENTO_PP"));

    auto *campos = new QFormLayout;
    campos->addRow(QStringLiteral("SERIE"),
                   fw::enFila({cmbSerie, new QLabel(QStringLiteral("NUMERO"), this), txtNumero,
                                   new QLabel(QStringLiteral("FECHA"), this), txtFecha,
                                   new QLabel(QStringLiteral("ESTADO"), this), txtEstado}));
    campos->addRow(QStringLiteral("CLIENTE"), cliente.fila);
    campos->addRow(QStringLiteral("VENDEDOR"), vendedor.fila);
    campos->addRow(QStringLiteral("F. PAGO"), formaPago.fila);
    campos->addRow(QStringLiteral("ALMACEN"), almacen.fila);
    campos->addRow(QStringLiteral("DESCUENTO"),
                   fw::enFila(
                       {txtDescuento, new QLabel(QStringLiteral("DTO. PRONTO PAGO"), this), txtDescuentoPP}));
    cuerpo()->addLayout(campos);
}

// The derived totals, read-only; they follow every line stored or removed.
void TfrmDocumentoVenta::crearTotales()
{
    txtBaseImponible = cajaSoloLectura("txtBaseImponible", QStringLiteral("BASE_IMP"));
    txtIva = cajaSoloLectura("txtIva", QStringLiteral("IVA"));
    txtRecargo = cajaSoloLectura("txtRecargo", QStringLiteral("RECARGO"));
    txtTotal = cajaSoloLectura("txtTotal", QStringLiteral("TOTAL"));
    auto *fila = new QHBoxLayout;
    const std::pair<const char *, fw::DBEdit *> totales[] = {
        {"BASE IMPONIBLE", txtBaseImponible}, {"IVA", txtIva}, {"REC. EQUIVAL.", txtRecargo}, {"TOTAL", txtTotal}};
    for (const auto &[etiqueta, caja] : totales) {
        fila->addWidget(new QLabel(QLatin1String(etiqueta), this));
        fila->addWidget(caja);
    }
    cuerpo()->addLayout(fila);
}

void TfrmDocumentoVenta::crearLineas()
{
    m_lineas->field(QStringLiteral("CANTIDAD")).displayLabel = QStringLiteral("UDS");
    pestanaLineas = new master::PestanaSatelites(
        *m_lineas,
        {"accAnnadirLinea", "accModificarLinea", "accEliminarLinea", "accVerLinea", QStringLiteral("Añadir linea"),
         QStringLiteral("Modificar linea"), QStringLiteral("Eliminar linea"), QStringLiteral("Ver linea"),
         m_descripcion.preguntaLinea,
         {QStringLiteral("ARTICULO"), QStringLiteral("DESCRIPCION"), QStringLiteral("CANTIDAD"),
          QStringLiteral("PRECIO"), QStringLiteral("DESCUENTO"), QStringLiteral("IMPORTE")}},
        [this](QWidget *owner) { return crearLinea(owner); }, [] {});
    PageControl1->addTab(pestanaLineas, QStringLiteral("LINEAS"));
}

// A stored document never changes series or warehouse; the lines of a
// stored invoice cannot change either.
void TfrmDocumentoVenta::aplicarModo()
{
    const bool alta = modo() == Modo::Annadir;
    txtAlmacen->setEnabled(alta);
    BuscarAlmacen->setVisible(alta);
    btnBuscarAlmacen->setVisible(alta);
    pestanaLineas->setSoloLectura(modo() == Modo::Ver || (m_descripcion.lineasSoloEnAlta && !alta));
    pestanaIncidencias->setSoloLectura(modo() == Modo::Ver);
    actualizarSerie();
}

void TfrmDocumentoVenta::actualizarSerie()
{
    const bool sinLineas = !m_lineas->isOpen() || m_lineas->isEmpty();
    cmbSerie->setEnabled(modo() == Modo::Annadir && sinLineas && !pestanaIncidencias->hayIncidencias());
}

// Lines and incidents of the document the window stands on (a new one
// already has its series and number, and so its key).
void TfrmDocumentoVenta::alPosicionar()
{
    fw::intentar([this] {
        abrirLineas(claveActual());
        pestanaIncidencias->abrir();
    });
    aplicarModo();
}

// A refusal shows its text and puts the header back in edit, so the user
// may try again or cancel.
bool TfrmDocumentoVenta::aplicarDependientes()
{
    const bool aplicado = (!m_lineas->isOpen() || m_lineas->applyUpdates() == 0) && pestanaIncidencias->aplicar();
    if (!aplicado)
        fw::intentar([this] { datos().edit(); });
    return aplicado;
}

void TfrmDocumentoVenta::cancelarDependientes()
{
    pestanaIncidencias->descartar();
    if (m_lineas->isOpen())
        m_lineas->cancelUpdates();
}

void TfrmDocumentoVenta::reject()
{
    if (modo() == Modo::Ver)
        TfrmRegistro::reject();
    else
        accCancelar->trigger();
}
