#include "ComandosEdicion.h"

#include <QAbstractSpinBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace ui {
namespace {

// What the commands need to know about an edit box, whatever its class.
struct Editor
{
    QWidget *widget = nullptr;
    bool seleccion = false;
    bool soloLectura = true;
    bool conTexto = false;
    bool oculto = false; // password boxes never give their text away
};

template<typename TextoLargo>
Editor editorDe(TextoLargo *memo)
{
    return {memo, memo->textCursor().hasSelection(), memo->isReadOnly(), !memo->document()->isEmpty(),
            false};
}

Editor editorDe(QWidget *enfocado)
{
    // Spin and editable combo boxes take the focus themselves; the text lives in their inner edit.
    QLineEdit *linea = qobject_cast<QLineEdit *>(enfocado);
    if (!linea && (qobject_cast<QAbstractSpinBox *>(enfocado) || qobject_cast<QComboBox *>(enfocado)))
        linea = enfocado->findChild<QLineEdit *>();
    if (linea)
        return {linea, linea->hasSelectedText(), linea->isReadOnly(), !linea->text().isEmpty(),
                linea->echoMode() != QLineEdit::Normal};
    if (auto *memo = qobject_cast<QPlainTextEdit *>(enfocado))
        return editorDe(memo);
    if (auto *memo = qobject_cast<QTextEdit *>(enfocado))
        return editorDe(memo);
    return {};
}

bool portapapelesConTexto()
{
    return !QGuiApplication::clipboard()->text().isEmpty();
}

void borrarSeleccion(QWidget *widget)
{
    if (auto *linea = qobject_cast<QLineEdit *>(widget)) {
        linea->del();
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(widget)) {
        memo->textCursor().removeSelectedText();
    } else if (auto *memo = qobject_cast<QTextEdit *>(widget)) {
        memo->textCursor().removeSelectedText();
    }
}

} // namespace

bool ordenPosible(OrdenEdicion orden, QWidget *enfocado)
{
    const Editor e = editorDe(enfocado);
    if (!e.widget)
        return false;
    switch (orden) {
    case OrdenEdicion::Cortar: return e.seleccion && !e.soloLectura && !e.oculto;
    case OrdenEdicion::Copiar: return e.seleccion && !e.oculto;
    case OrdenEdicion::Pegar: return !e.soloLectura && portapapelesConTexto();
    case OrdenEdicion::SeleccionarTodo: return e.conTexto;
    case OrdenEdicion::Borrar: return e.seleccion && !e.soloLectura;
    }
    return false;
}

void ejecutarOrden(OrdenEdicion orden, QWidget *enfocado)
{
    if (!ordenPosible(orden, enfocado))
        return;
    QWidget *widget = editorDe(enfocado).widget;
    // The three edit classes share these slot names.
    switch (orden) {
    case OrdenEdicion::Cortar: QMetaObject::invokeMethod(widget, "cut"); break;
    case OrdenEdicion::Copiar: QMetaObject::invokeMethod(widget, "copy"); break;
    case OrdenEdicion::Pegar: QMetaObject::invokeMethod(widget, "paste"); break;
    case OrdenEdicion::SeleccionarTodo: QMetaObject::invokeMethod(widget, "selectAll"); break;
    case OrdenEdicion::Borrar: borrarSeleccion(widget); break;
    }
}

} // namespace ui
