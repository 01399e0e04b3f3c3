#pragma once

class QWidget;

namespace ui {

// The clipboard commands of an Edit menu, acting on whatever edit box has
// the keyboard focus (single-line edits, also inside spin and combo boxes,
// and memos).
enum class OrdenEdicion { Cortar, Copiar, Pegar, SeleccionarTodo, Borrar };

// Whether the order has something to act on in this focused widget: a
// selection to cut, copy or delete, text to select, a writable box and text
// on the clipboard to paste. False when the widget is no edit box.
bool ordenPosible(OrdenEdicion orden, QWidget *enfocado);

// Carries out the order when it is possible; does nothing otherwise.
void ejecutarOrden(OrdenEdicion orden, QWidget *enfocado);

} // namespace ui
