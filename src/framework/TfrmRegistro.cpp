#include "TfrmRegistro.h"

#include "TfrmGestion.h"
#include "Reglas.h"
#include "platform/dataset/RecordSet.h"
#include "platform/ui/widgets/EnterAsTab.h"
#include "widgets/BandaTitulo.h"
#include "widgets/DBEdit.h"
#include "widgets/EnlaceCampo.h"
#include "widgets/Formularios.h"
#include "widgets/Intentar.h"

#include <QAction>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <memory>

namespace {

// The command of a Buscar or Ver button beside a box: icon only, the hint
// tells what it does.
QAction *accionDeBoton(QWidget *ventana, QAbstractButton *boton, const char *nombre, const QString &hint,
                       const QIcon &icono)
{
    auto *accion = fw::accionDeVentana(nombre, hint, ventana);
    accion->setToolTip(hint);
    accion->setStatusTip(hint);
    accion->setIcon(icono);
    if (auto *herramienta = qobject_cast<QToolButton *>(boton))
        herramienta->setDefaultAction(accion);
    else
        QObject::connect(boton, &QAbstractButton::clicked, accion, &QAction::trigger);
    return accion;
}

} // namespace

TfrmRegistro::TfrmRegistro(QWidget *owner, bool modal, bool moduloCompartido, DescripcionRegistro descripcion)
    : QDialog(owner), Modal(modal), ModuloCompartido(moduloCompartido), m_descripcion(std::move(descripcion))
{
    setWindowTitle(m_descripcion.caption);
    setModal(true);

    auto *banda = new fw::BandaTitulo(this);
    lblTitulo = banda->lblTitulo();
    lblTitulo->setText(m_descripcion.titulo);
    imgAnnadir = banda->agregarImagen("imgAnnadir", style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    imgModificar = banda->agregarImagen("imgModificar", style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    imgVer = banda->agregarImagen("imgVer", style()->standardIcon(QStyle::SP_FileDialogContentsView));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    QFrame *botones = fw::crearBandaAceptar(this, btnAceptar, btnCancelar, accAceptar, accCancelar);
    connect(accAceptar, &QAction::triggered, this, &TfrmRegistro::accAceptarExecute);
    connect(accCancelar, &QAction::triggered, this, &TfrmRegistro::accCancelarExecute);

    m_cuerpo = new QVBoxLayout;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(banda);
    auto *centro = new QVBoxLayout;
    centro->setContentsMargins(9, 9, 9, 9);
    centro->addLayout(m_cuerpo);
    centro->addWidget(PageControl1, 1);
    layout->addLayout(centro, 1);
    layout->addWidget(botones);

    resize(560, 0);
    ui::EnterAsTab::install(this);
}

TfrmRegistro::~TfrmRegistro()
{
    // An own data module dies with the window's children and closes its
    // record set then: this window must no longer hear of it.
    if (m_datos)
        m_datos->disconnect(this);
}

ds::RecordSet &TfrmRegistro::datos() const { return *m_datos; }

void TfrmRegistro::setDatos(ds::RecordSet &datos)
{
    m_datos = &datos;
    connect(&datos, &ds::RecordSet::rowChanged, this, &TfrmRegistro::actualizarComandos);
    connect(&datos, &ds::RecordSet::currentChanged, this, &TfrmRegistro::actualizarComandos);
    connect(&datos, &ds::RecordSet::rowsReset, this, &TfrmRegistro::actualizarComandos);
}

fw::DBEdit *TfrmRegistro::nuevaCaja(const char *nombre, const QString &columna)
{
    return fw::crearCaja(*m_datos, nombre, columna, this);
}

fw::DBEdit *TfrmRegistro::cajaSoloLectura(const char *nombre, const QString &columna)
{
    fw::DBEdit *caja = nuevaCaja(nombre, columna);
    caja->setEnabled(false);
    return caja;
}

void TfrmRegistro::Nuevo()
{
    setModo(Modo::Annadir);
    if (!ModuloCompartido)
        reabrir(QVariant());
    m_datos->append();
    alPosicionar();
}

void TfrmRegistro::Mostrar(const QVariant &codigo, bool editable)
{
    setModo(editable ? Modo::Modificar : Modo::Ver);
    if (!ModuloCompartido)
        reabrir(codigo);
    if (editable)
        m_datos->edit();
    alPosicionar();
}

// Numeric codes go into the statement as numbers (0 for none); text codes
// between quotes, doubled inside, so a code holding a quote stays one value.
void TfrmRegistro::reabrir(const QVariant &codigo)
{
    const QString literal = m_descripcion.codigoNumerico ? QString::number(codigo.toInt())
                                                         : fw::quoted(codigo.toString());
    m_datos->close();
    m_datos->open(QStringLiteral("SELECT * FROM %1 WHERE CODIGO = %2").arg(m_descripcion.tabla, literal));
}

// The focus (and Enter) goes through the boxes first, top part then tabs,
// and only then to the tab bar and the buttons, which the base window
// creates before the subclass adds its boxes.
void TfrmRegistro::ordenarTabulacion()
{
    QList<QWidget *> cadena;
    QList<QWidget *> alFinal;
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        // The tab widget and its bar (its own child); the boxes of a page are the page's.
        const bool alPie =
            w == btnAceptar || w == btnCancelar || w == PageControl1 || w->parentWidget() == PageControl1;
        (alPie ? alFinal : cadena) << w;
    }
    cadena << alFinal;
    for (qsizetype i = 1; i < cadena.size(); ++i)
        setTabOrder(cadena[i - 1], cadena[i]);
}

void TfrmRegistro::setModo(Modo modo)
{
    if (!m_tabulacionOrdenada) {
        ordenarTabulacion();
        m_tabulacionOrdenada = true;
    }
    m_modo = modo;
    m_modificado = false;
    imgAnnadir->setVisible(modo == Modo::Annadir);
    imgModificar->setVisible(modo == Modo::Modificar);
    imgVer->setVisible(modo == Modo::Ver);
    btnCancelar->setVisible(modo != Modo::Ver);
    accCancelar->setVisible(modo != Modo::Ver);
    if (m_cajaCodigo)
        m_cajaCodigo->setEnabled(modo == Modo::Annadir || !m_descripcion.bloquearCodigo);
    PageControl1->setVisible(PageControl1->count() > 0);
    PageControl1->setCurrentIndex(0);
    enfocarPrimeraCaja();
    for (fw::EnlaceCampo *enlace : findChildren<fw::EnlaceCampo *>())
        connect(enlace, &fw::EnlaceCampo::escrito, this, &TfrmRegistro::marcarModificado, Qt::UniqueConnection);
    actualizarComandos();
}

// The window opens on its first box that takes typing in this mode.
void TfrmRegistro::enfocarPrimeraCaja()
{
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this)) {
            w->setFocus();
            return;
        }
}

void TfrmRegistro::marcarModificado() { m_modificado = true; }

bool TfrmRegistro::guardarControles()
{
    for (fw::EnlaceCampo *enlace : findChildren<fw::EnlaceCampo *>())
        if (!enlace->guardar())
            return false;
    return true;
}

void TfrmRegistro::accAceptarExecute()
{
    if (m_modo == Modo::Ver) {
        accept();
        return;
    }
    if (!guardarControles() || !fw::intentar([this] { m_datos->post(); }))
        return; // refused: the user may correct or cancel
    if (!ModuloCompartido && m_datos->applyUpdates() != 0) {
        // The database refused the row (its text has been shown): back to
        // editing it, so it can be corrected rather than lost with the window.
        fw::intentar([this] { m_datos->edit(); });
        return;
    }
    if (aplicarDependientes())
        accept();
}

void TfrmRegistro::accCancelarExecute()
{
    if (m_modo != Modo::Ver) {
        cancelarDependientes();
        m_datos->cancel();
    }
    QDialog::reject();
}

void TfrmRegistro::reject()
{
    if (m_datos && m_datos->isEditing()) {
        if (!m_modificado || !fw::intentar([this] { m_datos->post(); }))
            m_datos->cancel();
    }
    QDialog::reject();
}

QAction *TfrmRegistro::agregarBuscar(QAbstractButton *boton, const char *nombre, const QString &hint,
                                     const QString &columna, FabricaGestion fabrica, const QString &sql)
{
    auto *accion = accionDeBoton(this, boton, nombre, hint, style()->standardIcon(QStyle::SP_FileDialogContentsView));
    connect(accion, &QAction::triggered, this, [this, fabrica, sql, columna] {
        std::unique_ptr<TfrmGestion> gestion(fabrica(this));
        gestion->Abrir(sql, true);
        gestion->exec();
        const QString codigo = gestion->CodigoSeleccionado();
        if (!codigo.isEmpty() && fw::intentar([&] { m_datos->field(columna).setValue(codigo); }))
            m_modificado = true;
    });
    m_buscar.push_back(accion);
    return accion;
}

QAction *TfrmRegistro::agregarVer(QAbstractButton *boton, const char *nombre, const QString &hint,
                                  const QString &columna, FabricaRegistro fabrica)
{
    auto *accion = accionDeBoton(this, boton, nombre, hint, style()->standardIcon(QStyle::SP_FileDialogInfoView));
    connect(accion, &QAction::triggered, this, [this, fabrica, columna] {
        std::unique_ptr<TfrmRegistro> registro(fabrica(this));
        const QVariant codigo = m_datos->field(columna).value();
        if (fw::intentar([&] { registro->Mostrar(codigo, false); }))
            registro->exec();
    });
    m_ver.emplace_back(accion, columna);
    return accion;
}

QFormLayout *TfrmRegistro::crearCabeceraCodigo(fw::DBEdit *&codigo, fw::DBEdit *&descripcion)
{
    codigo = nuevaCaja("txtCodigo", QStringLiteral("CODIGO"));
    descripcion = nuevaCaja("txtDescripcion", QStringLiteral("DESCRIPCION"));
    auto *campos = new QFormLayout;
    campos->addRow(QStringLiteral("CODIGO"), codigo);
    campos->addRow(QStringLiteral("DESCRIPCION"), descripcion);
    m_cuerpo->addLayout(campos);
    setCajaCodigo(codigo);
    return campos;
}

TfrmRegistro::Referencia TfrmRegistro::crearReferencia(const DescripcionReferencia &d)
{
    Referencia r{};
    r.codigo = nuevaCaja(d.caja, d.columna);
    if (d.cajaNombre)
        r.nombre = cajaSoloLectura(d.cajaNombre, d.columnaNombre); // the name follows the code
    r.btnBuscar = fw::botonDeCodigo((QByteArrayLiteral("btn") + d.buscar).constData(), this, d.botonesConFoco);
    r.btnVer = fw::botonDeCodigo((QByteArrayLiteral("btn") + d.ver).constData(), this, d.botonesConFoco);
    r.buscar = agregarBuscar(r.btnBuscar, d.buscar, d.hintBuscar, d.columna, d.gestion, d.sqlGestion);
    r.ver = agregarVer(r.btnVer, d.ver, d.hintVer, d.columna, d.registro);
    if (!r.nombre)
        r.fila = fw::enFila({r.codigo, r.btnBuscar, r.btnVer});
    else if (d.nombreTrasCodigo)
        r.fila = fw::enFila({r.codigo, r.nombre, r.btnBuscar, r.btnVer});
    else
        r.fila = fw::enFila({r.codigo, r.btnBuscar, r.btnVer, r.nombre});
    return r;
}

void TfrmRegistro::actualizarComandos()
{
    for (QAction *buscar : m_buscar)
        buscar->setEnabled(m_modo != Modo::Ver);
    for (const auto &[ver, columna] : m_ver) {
        const ds::Field *campo = m_datos && m_datos->isOpen() ? m_datos->findField(columna) : nullptr;
        const bool hayFila = m_datos && (m_datos->currentRow() >= 0 || m_datos->isEditing());
        ver->setEnabled(campo && hayFila && !campo->asString().trimmed().isEmpty());
    }
}
