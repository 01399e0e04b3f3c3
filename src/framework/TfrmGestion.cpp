#include "TfrmGestion.h"

#include "TfrmRegistro.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "platform/dataset/RecordSetModel.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/widgets/EnterAsTab.h"
#include "widgets/BandaTitulo.h"
#include "widgets/Intentar.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace {

QString sinBlancosFinales(QString texto)
{
    while (texto.endsWith(u' '))
        texto.chop(1);
    return texto;
}

QLabel *nuevaEtiqueta(const QString &texto, QWidget *companero, QWidget *parent)
{
    auto *etiqueta = new QLabel(texto, parent);
    etiqueta->setBuddy(companero);
    return etiqueta;
}

} // namespace

TfrmGestion::TfrmGestion(QWidget *owner, bool modal, DescripcionGestion descripcion)
    : QDialog(owner), Modal(modal), m_descripcion(std::move(descripcion))
{
    setWindowTitle(m_descripcion.caption);
    if (!Modal)
        setAttribute(Qt::WA_DeleteOnClose);
    construir();
    conectarComandos();
    ui::EnterAsTab::install(this);
}

TfrmGestion::~TfrmGestion()
{
    // An own data module dies with the window's children and closes its
    // record set then: this window must no longer hear of it.
    if (m_datos)
        m_datos->disconnect(this);
}

ds::RecordSet &TfrmGestion::datos() const { return *m_datos; }

void TfrmGestion::construir()
{
    auto *banda = new fw::BandaTitulo(this);
    lblTitulo = banda->lblTitulo();
    lblTitulo->setText(m_descripcion.titulo);

    cmbOrden = new QComboBox(this);
    cmbOrden->setObjectName(QStringLiteral("cmbOrden"));
    cmbOrden->addItems(m_descripcion.orden);
    cmbOrden->setCurrentIndex(-1); // nothing chosen: the command text's order stays
    txtLocalizar = new QLineEdit(this);
    txtLocalizar->setObjectName(QStringLiteral("txtLocalizar"));

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setContextMenuPolicy(Qt::ActionsContextMenu);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->installEventFilter(this);
    DBGrid1->setFocus(); // the window opens on the rows, for the arrows and Enter

    auto *columna = new QFrame(this);
    columna->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    m_botones = new QVBoxLayout(columna);
    m_botones->setSpacing(2);

    auto *busqueda = new QHBoxLayout;
    busqueda->addWidget(nuevaEtiqueta(QStringLiteral("ORDENAR"), cmbOrden, this));
    busqueda->addWidget(cmbOrden, 1);
    busqueda->addSpacing(12);
    busqueda->addWidget(nuevaEtiqueta(QStringLiteral("LOCALIZAR"), txtLocalizar, this));
    busqueda->addWidget(txtLocalizar, 2);
    auto *derecha = new QVBoxLayout;
    derecha->addLayout(busqueda);
    derecha->addWidget(DBGrid1, 1);
    auto *centro = new QHBoxLayout;
    centro->setContentsMargins(6, 6, 6, 6);
    centro->addWidget(columna);
    centro->addLayout(derecha, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(banda);
    layout->addLayout(centro, 1);
    resize(760, 480);
}

// A flat button of the command column; the grid keeps the focus.
QToolButton *TfrmGestion::nuevoBoton(QAction *accion, bool conTexto)
{
    auto *boton = new QToolButton(this);
    boton->setDefaultAction(accion);
    boton->setAutoRaise(true);
    boton->setToolButtonStyle(conTexto ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    boton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    boton->setFocusPolicy(Qt::NoFocus);
    // A tool button follows its action's caption and enabling, not whether it is shown.
    boton->setVisible(accion->isVisible());
    connect(accion, &QAction::visibleChanged, boton, [boton, accion] { boton->setVisible(accion->isVisible()); });
    return boton;
}

QAction *TfrmGestion::nuevoComando(const char *nombre, const QString &texto, const QString &hint, Habilitado habilitado)
{
    auto *accion = new QAction(texto.isEmpty() ? hint : texto, this);
    accion->setObjectName(QLatin1String(nombre));
    accion->setToolTip(hint.isEmpty() ? QString(texto).remove(u'&') : hint);
    accion->setStatusTip(hint);
    // The access key of the caption works from anywhere in the window, as
    // the button's own would (the button shows the caption without it).
    // Where two captions share a key ("&Eliminar" and "&Etiquetas"), the
    // common command keeps it: an ambiguous key would run neither.
    const QKeySequence tecla = QKeySequence::mnemonic(texto);
    const bool ocupada = std::any_of(m_comandos.begin(), m_comandos.end(),
                                     [&tecla](const auto &comando) { return comando.first->shortcut() == tecla; });
    if (!ocupada)
        accion->setShortcut(tecla);
    accion->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(accion);
    DBGrid1->addAction(accion);
    m_botones->addWidget(nuevoBoton(accion, !texto.isEmpty()));
    m_comandos.emplace_back(accion, habilitado);
    return accion;
}

void TfrmGestion::conectarComandos()
{
    const auto icono = [this](QStyle::StandardPixmap cual) { return style()->standardIcon(cual); };
    accNuevo = nuevoComando("accNuevo", m_descripcion.textoNuevo, {}, Habilitado::Siempre);
    accNuevo->setIcon(icono(QStyle::SP_FileIcon));
    accNuevo->setVisible(!m_descripcion.textoNuevo.isEmpty());
    accModificar = nuevoComando("accModificar", QStringLiteral("&Modificar"), {}, Habilitado::ConFila);
    accModificar->setIcon(icono(QStyle::SP_FileDialogDetailedView));
    accVer = nuevoComando("accVer", QStringLiteral("&Ver"), {}, Habilitado::ConFila);
    accVer->setIcon(icono(QStyle::SP_FileDialogContentsView));
    accEliminar = nuevoComando("accEliminar", QStringLiteral("&Eliminar"), {}, Habilitado::ConFila);
    accEliminar->setIcon(icono(QStyle::SP_TrashIcon));
    accListar = nuevoComando("accListar", QStringLiteral("&Listado"), {}, Habilitado::Siempre);
    accListar->setIcon(icono(QStyle::SP_FileDialogListView));
    accListar->setVisible(false); // until the entity has a listing window
    m_posicionExtras = m_botones->count();
    accSeleccionar = nuevoComando("accSeleccionar", QStringLiteral("&Seleccionar"), {}, Habilitado::ConFila);
    accSeleccionar->setIcon(icono(QStyle::SP_DialogApplyButton));
    accSeleccionar->setVisible(false);
    m_botones->addStretch();
    accRefrescar = nuevoComando("accRefrescar", m_descripcion.textoRefrescar, m_descripcion.hintRefrescar,
                                Habilitado::Siempre);
    accRefrescar->setIcon(icono(QStyle::SP_BrowserReload));
    if (m_descripcion.refrescarConF5)
        accRefrescar->setShortcut(Qt::Key_F5);
    accCerrar = nuevoComando("accCerrar", m_descripcion.textoCerrar, m_descripcion.hintCerrar, Habilitado::Siempre);
    accCerrar->setIcon(icono(QStyle::SP_DialogCloseButton));

    connect(accNuevo, &QAction::triggered, this, &TfrmGestion::accNuevoExecute);
    connect(accModificar, &QAction::triggered, this, &TfrmGestion::accModificarExecute);
    connect(accVer, &QAction::triggered, this, &TfrmGestion::accVerExecute);
    connect(accEliminar, &QAction::triggered, this, &TfrmGestion::accEliminarExecute);
    connect(accListar, &QAction::triggered, this, [this] {
        if (m_listar)
            m_listar();
    });
    connect(accSeleccionar, &QAction::triggered, this, &TfrmGestion::accSeleccionarExecute);
    connect(accRefrescar, &QAction::triggered, this, &TfrmGestion::accRefrescarExecute);
    connect(accCerrar, &QAction::triggered, this, &TfrmGestion::cerrar);
    connect(cmbOrden, &QComboBox::activated, this, &TfrmGestion::cmbOrdenChange);
    connect(txtLocalizar, &QLineEdit::textChanged, this, &TfrmGestion::txtLocalizarChange);
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, &TfrmGestion::DBGrid1DblClick);
    connect(DBGrid1, &QAbstractItemView::pressed, this, &TfrmGestion::DBGrid1CellClick);
}

QAction *TfrmGestion::agregarComando(const char *nombre, const QString &texto, Habilitado habilitado,
                                     std::function<void()> ejecutar)
{
    QAction *accion = nuevoComando(nombre, texto, {}, habilitado);
    // Entity commands go after the common ones, before "Seleccionar".
    QLayoutItem *boton = m_botones->takeAt(m_botones->count() - 1);
    m_botones->insertItem(m_posicionExtras++, boton);
    DBGrid1->removeAction(accion);
    DBGrid1->insertAction(accSeleccionar, accion);
    connect(accion, &QAction::triggered, this, [ejecutar = std::move(ejecutar)] { fw::intentar(ejecutar); });
    actualizarComandos();
    return accion;
}

void TfrmGestion::setListado(std::function<void()> listar)
{
    m_listar = std::move(listar);
    accListar->setVisible(bool(m_listar));
}

void TfrmGestion::setDatos(ds::RecordSet &datos)
{
    m_datos = &datos;
    m_modelo = new ds::RecordSetModel(&datos, this);
    m_modelo->setColumns(m_descripcion.columnas);
    DBGrid1->setModel(m_modelo);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &actual) {
                if (m_sincronizando || !actual.isValid())
                    return;
                fw::intentar([&] { m_datos->moveTo(actual.row()); });
                actualizarComandos();
            });
    connect(&datos, &ds::RecordSet::rowsReset, this, &TfrmGestion::sincronizarRejilla);
    connect(&datos, &ds::RecordSet::rowInserted, this, &TfrmGestion::sincronizarRejilla);
    connect(&datos, &ds::RecordSet::rowRemoved, this, &TfrmGestion::sincronizarRejilla);
    connect(&datos, &ds::RecordSet::currentChanged, this, &TfrmGestion::sincronizarRejilla);
    connect(&datos, &ds::RecordSet::stateChanged, this, &TfrmGestion::actualizarComandos);
    actualizarComandos();
}

// The grid's highlighted row follows the record set's current row.
void TfrmGestion::sincronizarRejilla()
{
    const int fila = m_datos->currentRow();
    if (fila >= 0 && DBGrid1->currentIndex().row() != fila) {
        m_sincronizando = true;
        const int columna = std::max(DBGrid1->currentIndex().column(), 0);
        DBGrid1->setCurrentIndex(m_modelo->index(fila, columna));
        m_sincronizando = false;
    }
    actualizarComandos();
}

void TfrmGestion::actualizarComandos()
{
    const bool hayFila = m_datos && m_datos->isOpen() && !m_datos->atEnd();
    for (const auto &[accion, habilitado] : m_comandos)
        accion->setEnabled(habilitado == Habilitado::Siempre || hayFila);
}

bool TfrmGestion::Abrir(const QString &sql, bool seleccion)
{
    m_seleccion = seleccion;
    accSeleccionar->setVisible(seleccion);
    m_codigo.clear();
    m_nombre.clear();
    const bool abierto = fw::intentar([&] {
        m_datos->close();
        m_datos->open(sql);
    });
    if (abierto && seleccion && m_descripcion.seleccionUnica && m_datos->rowCount() == 1)
        elegir();
    actualizarComandos();
    return abierto;
}

void TfrmGestion::setTitulo(const QString &titulo) { lblTitulo->setText(titulo); }

QString TfrmGestion::claveSeleccionada() const
{
    return sinBlancosFinales(m_datos->field(m_descripcion.campoCodigo).asString());
}

void TfrmGestion::elegir()
{
    m_codigo = claveSeleccionada();
    m_nombre = m_descripcion.campoNombre.isEmpty()
                   ? QString()
                   : sinBlancosFinales(m_datos->field(m_descripcion.campoNombre).asString());
}

void TfrmGestion::abrirRegistro(bool nuevo, bool editable)
{
    std::unique_ptr<TfrmRegistro> registro(crearRegistro());
    const QVariant codigo = nuevo ? QVariant() : m_datos->field(m_descripcion.campoCodigo).value();
    const bool listo = fw::intentar([&] {
        if (nuevo)
            registro->Nuevo();
        else
            registro->Mostrar(codigo, editable);
    });
    if (!listo)
        return;
    registro->exec();
    registro.reset();
    if ((nuevo || editable) && m_descripcion.aplicarTrasRegistro)
        aplicar();
}

void TfrmGestion::aplicar()
{
    fw::intentar([this] { m_datos->applyUpdates(); });
    actualizarComandos();
}

void TfrmGestion::accNuevoExecute() { abrirRegistro(true, true); }

void TfrmGestion::accModificarExecute() { abrirRegistro(false, true); }

void TfrmGestion::accVerExecute() { abrirRegistro(false, false); }

void TfrmGestion::accEliminarExecute()
{
    if (!ui::ask(m_descripcion.preguntaEliminar, ui::Dialogs::Icon::Warning))
        return;
    if (fw::intentar([this] { m_datos->remove(); }))
        aplicar();
    actualizarComandos();
}

void TfrmGestion::accSeleccionarExecute()
{
    elegir();
    accept();
}

// A child window closes its frame in the main window's window area, which
// takes the window with it; otherwise the window closes by itself.
void TfrmGestion::cerrar()
{
    if (auto *marco = qobject_cast<QMdiSubWindow *>(parentWidget()))
        marco->close();
    else
        close();
}

void TfrmGestion::accRefrescarExecute()
{
    fw::intentar([this] { m_datos->refresh(); });
    actualizarComandos();
}

void TfrmGestion::cmbOrdenChange(int entrada)
{
    if (entrada < 0 || !m_datos->isOpen() || m_datos->atEnd())
        return;
    fw::intentar([&] { m_datos->setIndexField(cmbOrden->itemText(entrada)); });
}

// The column the search box looks in: the chosen order, or the first entry
// of "ORDENAR" while none has been chosen (the rows are then put in that
// order, since the search runs on an ordered record set).
QString TfrmGestion::columnaBusqueda()
{
    if (cmbOrden->currentIndex() < 0 && cmbOrden->count() > 0)
        cmbOrden->setCurrentIndex(0);
    return cmbOrden->currentText();
}

void TfrmGestion::txtLocalizarChange(const QString &texto)
{
    if (texto.isEmpty() || !m_datos->isOpen() || m_datos->atEnd())
        return;
    const QString columna = columnaBusqueda();
    if (columna.isEmpty())
        return;
    try {
        if (m_datos->indexField() != columna)
            m_datos->setIndexField(columna);
        m_datos->findNearest(texto);
    } catch (const ds::DatasetError &) {
        // A text that is not yet a number or a date of the column: the grid
        // stays where it is until the text makes sense.
    }
}

void TfrmGestion::DBGrid1DblClick()
{
    QAction *accion = m_seleccion ? accSeleccionar : accVer;
    if (accion->isEnabled())
        accion->trigger();
}

// A click on the row that is already current brings a record set that was
// moved past its last row back onto it.
void TfrmGestion::DBGrid1CellClick(const QModelIndex &indice)
{
    if (indice.isValid() && m_datos->atEnd())
        fw::intentar([&] { m_datos->moveTo(indice.row()); });
    actualizarComandos();
}

bool TfrmGestion::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != DBGrid1 || event->type() != QEvent::KeyPress || !m_datos)
        return QDialog::eventFilter(watched, event);
    const auto *tecla = static_cast<QKeyEvent *>(event);
    const bool enter = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
    if (enter && m_descripcion.enterComoDobleClic) {
        DBGrid1DblClick();
        return true;
    }
    // Down on the last row moves the record set past it: at end, the row
    // commands wait until the user moves back onto a row.
    if (tecla->key() == Qt::Key_Down && m_datos->isOpen() && !m_datos->isEmpty()
        && m_datos->currentRow() == m_datos->rowCount() - 1) {
        fw::intentar([this] { m_datos->next(); });
        actualizarComandos();
    }
    return false;
}

void TfrmGestion::keyPressEvent(QKeyEvent *event)
{
    // Escape closes a modal search, not a child window of the main window.
    if (event->key() == Qt::Key_Escape && !Modal) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
