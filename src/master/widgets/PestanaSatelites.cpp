#include "PestanaSatelites.h"

#include "framework/TfrmRegistro.h"
#include "framework/widgets/Intentar.h"
#include "platform/dataset/RecordSet.h"
#include "platform/dataset/RecordSetModel.h"
#include "platform/ui/Dialogs.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

namespace master {

PestanaSatelites::PestanaSatelites(ds::RecordSet &lista, const ComandosSatelites &comandos, FabricaFicha fabrica,
                                   std::function<void()> marcarNueva, QWidget *parent)
    : QWidget(parent), m_lista(lista), m_pregunta(comandos.pregunta), m_fabrica(std::move(fabrica)),
      m_marcarNueva(std::move(marcarNueva))
{
    rejilla = new QTableView(this);
    rejilla->setObjectName(QStringLiteral("DBGrid") + lista.name());
    rejilla->setSelectionBehavior(QAbstractItemView::SelectRows);
    rejilla->setSelectionMode(QAbstractItemView::SingleSelection);
    rejilla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rejilla->verticalHeader()->hide();
    rejilla->horizontalHeader()->setStretchLastSection(true);
    auto *modelo = new ds::RecordSetModel(&lista, this);
    modelo->setColumns(comandos.columnas);
    rejilla->setModel(modelo);

    auto *botones = new QVBoxLayout;
    accNueva = nuevoComando(comandos.nueva, comandos.hintNueva, QStyle::SP_FileIcon);
    accModificar = nuevoComando(comandos.modificar, comandos.hintModificar, QStyle::SP_FileDialogDetailedView);
    accEliminar = nuevoComando(comandos.eliminar, comandos.hintEliminar, QStyle::SP_TrashIcon);
    accVer = nuevoComando(comandos.ver, comandos.hintVer, QStyle::SP_FileDialogContentsView);
    for (QAction *accion : {accNueva, accModificar, accEliminar, accVer}) {
        auto *boton = new QToolButton(this);
        boton->setObjectName(QStringLiteral("btn") + accion->objectName());
        boton->setDefaultAction(accion);
        boton->setAutoRaise(true);
        botones->addWidget(boton);
    }
    botones->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(botones);
    layout->addWidget(rejilla, 1);

    connect(accNueva, &QAction::triggered, this, [this] { abrirFicha(true, true); });
    connect(accModificar, &QAction::triggered, this, [this] { abrirFicha(false, true); });
    connect(accVer, &QAction::triggered, this, [this] { abrirFicha(false, false); });
    connect(accEliminar, &QAction::triggered, this, &PestanaSatelites::eliminar);
    connect(&lista, &ds::RecordSet::rowsReset, this, &PestanaSatelites::actualizarComandos);
    connect(&lista, &ds::RecordSet::rowInserted, this, &PestanaSatelites::actualizarComandos);
    connect(&lista, &ds::RecordSet::rowRemoved, this, &PestanaSatelites::actualizarComandos);
    actualizarComandos();
}

QAction *PestanaSatelites::nuevoComando(const char *nombre, const QString &hint, QStyle::StandardPixmap icono)
{
    auto *accion = new QAction(hint, this);
    accion->setObjectName(QLatin1String(nombre));
    accion->setToolTip(hint);
    accion->setStatusTip(hint);
    accion->setIcon(style()->standardIcon(icono));
    return accion;
}

void PestanaSatelites::setSoloLectura(bool soloLectura)
{
    m_soloLectura = soloLectura;
    actualizarComandos();
}

// The commands act on the row the grid highlights.
bool PestanaSatelites::irAFilaElegida()
{
    const int fila = rejilla->currentIndex().isValid() ? rejilla->currentIndex().row() : m_lista.currentRow();
    return fila >= 0 && fw::intentar([&] { m_lista.moveTo(fila); });
}

void PestanaSatelites::abrirFicha(bool nueva, bool editable)
{
    if (!nueva && !irAFilaElegida())
        return;
    std::unique_ptr<TfrmRegistro> ficha(m_fabrica(window()));
    const bool lista = fw::intentar([&] {
        if (nueva) {
            ficha->Nuevo();
            m_marcarNueva();
        } else {
            ficha->Mostrar({}, editable);
        }
    });
    if (lista)
        ficha->exec();
    else
        m_lista.cancel();
}

void PestanaSatelites::eliminar()
{
    if (irAFilaElegida() && ui::ask(m_pregunta, ui::Dialogs::Icon::Question))
        fw::intentar([this] { m_lista.remove(); });
}

void PestanaSatelites::actualizarComandos()
{
    const bool hayFila = m_lista.isOpen() && !m_lista.isEmpty();
    accNueva->setEnabled(!m_soloLectura && m_lista.isOpen());
    accModificar->setEnabled(!m_soloLectura && hayFila);
    accEliminar->setEnabled(!m_soloLectura && hayFila);
    accVer->setEnabled(hayFila);
}

} // namespace master
