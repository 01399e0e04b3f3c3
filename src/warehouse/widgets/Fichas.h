#pragma once

#include <QString>
#include <initializer_list>

class QFormLayout;
class QHBoxLayout;
class QTabWidget;
class QToolButton;
class QWidget;

namespace ds {
class RecordSet;
}

namespace fw {
class DBEdit;
class DBMemo;
}

namespace almacen {

// Pieces the record windows of families, articles, warehouses and movements
// lay out alike.

// Controls side by side in one row of a form (a code, its name, its buttons).
QHBoxLayout *enFila(std::initializer_list<QWidget *> controles);

// A box that shows a column the user never types: a name looked up beside a
// code, or a figure other rules keep.
fw::DBEdit *cajaDeSoloLectura(ds::RecordSet &datos, const QString &columna, const char *nombre, QWidget *parent);

// The small button beside a code box that a Buscar or Ver command takes.
QToolButton *botonDeCodigo(const char *nombre, QWidget *parent);

// A tab holding a form; the form is returned to be filled.
QFormLayout *agregarPestana(QTabWidget *paginas, const QString &titulo);

// A tab holding only the free comment in `columna`, filling the page.
fw::DBMemo *agregarPestanaComentario(QTabWidget *paginas, ds::RecordSet &datos, const QString &columna);

} // namespace almacen
