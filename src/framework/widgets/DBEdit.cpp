#include "DBEdit.h"

#include "EnlaceCampo.h"
#include "platform/dataset/Field.h"

namespace fw {

DBEdit::DBEdit(ds::RecordSet &datos, const QString &columna, QWidget *parent)
    : QLineEdit(parent), m_enlace(new EnlaceCampo(this, datos, columna))
{
    connect(this, &QLineEdit::editingFinished, this, &DBEdit::guardar);
    m_enlace->alGuardar([this] { return guardar(); });
    m_enlace->alMostrar([this] { mostrar(); });
}

void DBEdit::mostrar()
{
    const bool editable = m_enlace->editable();
    setReadOnly(!editable);
    // Typing not yet handed over stays while other fields change.
    if (editable && isModified())
        return;
    if (const ds::Field *f = m_enlace->campo(); f && f->size > 0)
        setMaxLength(f->size);
    setText(m_enlace->texto());
    setModified(false);
}

bool DBEdit::guardar()
{
    if (!isModified() || !m_enlace->editable())
        return true;
    const QString texto = text();
    setModified(false);
    return m_enlace->escribir(texto.isEmpty() ? QVariant() : QVariant(texto));
}

} // namespace fw
