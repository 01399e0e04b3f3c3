#include "DBMemo.h"

#include "EnlaceCampo.h"

namespace fw {

DBMemo::DBMemo(ds::RecordSet &datos, const QString &columna, QWidget *parent)
    : QPlainTextEdit(parent), m_enlace(new EnlaceCampo(this, datos, columna))
{
    setTabChangesFocus(true);
    m_enlace->alGuardar([this] { return guardar(); });
    m_enlace->alMostrar([this] { mostrar(); });
}

void DBMemo::focusOutEvent(QFocusEvent *event)
{
    guardar();
    QPlainTextEdit::focusOutEvent(event);
}

void DBMemo::mostrar()
{
    const bool editable = m_enlace->editable();
    setReadOnly(!editable);
    if (editable && document()->isModified())
        return;
    setPlainText(m_enlace->valor().toString());
    document()->setModified(false);
}

bool DBMemo::guardar()
{
    if (!document()->isModified() || !m_enlace->editable())
        return true;
    const QString texto = toPlainText();
    document()->setModified(false);
    return m_enlace->escribir(texto.isEmpty() ? QVariant() : QVariant(texto));
}

} // namespace fw
