#pragma once

#include <initializer_list>

class QHBoxLayout;
class QTabWidget;
class QWidget;

namespace ds {
class RecordSet;
}

namespace fw {
class DBEdit;
class DBMemo;
}

namespace master {

// Pieces the record windows of customers, suppliers and their owned rows
// lay out alike.

// Controls side by side in one row of a form (two telephones, a box and its button).
QHBoxLayout *enFila(std::initializer_list<QWidget *> controles);

// The "COMENTARIO" tab: the free comment (OBSERVACIONES) filling the page.
fw::DBMemo *agregarPestanaComentario(QTabWidget *paginas, ds::RecordSet &datos);

// The e-mail box with its button beside it (the button named "btnEmail").
QHBoxLayout *filaEmail(fw::DBEdit *email);

} // namespace master
