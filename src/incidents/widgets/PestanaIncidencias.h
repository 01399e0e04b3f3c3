#pragma once

#include <QWidget>
#include <functional>

class TmdlIncidencias;

namespace fb {
class Connection;
}
namespace master {
class PestanaSatelites;
}

namespace incidencias {

// Which incidents a document window shows: its cycle ("V", "C"), its kind
// ("P", "A", "F") and the question asked before one of them is removed.
struct DocumentoIncidencias
{
    QString tipo;
    QString tipoDoc;
    QString preguntaEliminar;
};

// The "INCIDENCIAS" tab of a document's record window: the incidents of the
// document in an incidents data module of the tab's own, with add, modify,
// remove and view through the incident window on that module. A new
// incident is given the document's cycle, kind and key before its window
// shows. The document window opens the list once its key is known, and
// stores or drops it with the document.
class PestanaIncidencias final : public QWidget
{
    Q_OBJECT
public:
    // `clave`: the document key of the window's document.
    PestanaIncidencias(fb::Connection &empresa, DocumentoIncidencias documento, std::function<QString()> clave,
                       QWidget *parent = nullptr);

    TmdlIncidencias *mdlIncidencias;
    master::PestanaSatelites *lista;

    void abrir();
    // Stores the pending changes; false (the error has been shown) when refused.
    bool aplicar();
    void descartar();
    // View mode of the document: only "Ver" stays.
    void setSoloLectura(bool soloLectura);
    bool hayIncidencias() const;

private:
    void marcarNueva();

    DocumentoIncidencias m_documento;
    std::function<QString()> m_clave;
};

} // namespace incidencias
