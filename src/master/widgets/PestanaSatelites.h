#pragma once

#include <QStringList>
#include <QStyle>
#include <QWidget>
#include <functional>

class QAction;
class QTableView;
class TfrmRegistro;

namespace ds {
class RecordSet;
}

namespace master {

// What one owner's window calls the four commands of a tab of owned rows,
// the question before removing a row and the grid's columns.
struct ComandosSatelites
{
    const char *nueva;
    const char *modificar;
    const char *eliminar;
    const char *ver;
    QString hintNueva;
    QString hintModificar;
    QString hintEliminar;
    QString hintVer;
    QString pregunta;
    QStringList columnas;
};

// A tab of an owner's record window with the grid of one list of owned rows
// (addresses, contacts or notes) and four commands: add, modify, remove and
// view a row, through the row's small record window on the same list. The
// small window only stores the row in the list; the owner's window applies
// or drops the list as a whole.
class PestanaSatelites final : public QWidget
{
    Q_OBJECT
public:
    // The small record window of a row, modal, on the list.
    using FabricaFicha = std::function<TfrmRegistro *(QWidget *owner)>;

    // `marcarNueva` runs right after a row is appended, before its window
    // shows: it makes the row the owner's.
    PestanaSatelites(ds::RecordSet &lista, const ComandosSatelites &comandos, FabricaFicha fabrica,
                     std::function<void()> marcarNueva, QWidget *parent = nullptr);

    // View mode of the owner: only "Ver" stays.
    void setSoloLectura(bool soloLectura);

    QTableView *rejilla;
    QAction *accNueva;
    QAction *accModificar;
    QAction *accEliminar;
    QAction *accVer;

private:
    QAction *nuevoComando(const char *nombre, const QString &hint, QStyle::StandardPixmap icono);
    void abrirFicha(bool nueva, bool editable);
    void eliminar();
    bool irAFilaElegida();
    void actualizarComandos();

    ds::RecordSet &m_lista;
    QString m_pregunta;
    FabricaFicha m_fabrica;
    std::function<void()> m_marcarNueva;
    bool m_soloLectura = false;
};

} // namespace master
