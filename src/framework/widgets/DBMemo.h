#pragma once

#include <QPlainTextEdit>

namespace ds {
class RecordSet;
}

namespace fw {

class EnlaceCampo;

// Multi-line box bound to a text column (free comments). Enter starts a new
// line; the text goes to the field when the box loses the focus or the window
// posts.
class DBMemo final : public QPlainTextEdit
{
    Q_OBJECT
public:
    DBMemo(ds::RecordSet &datos, const QString &columna, QWidget *parent = nullptr);

    EnlaceCampo &enlace() const { return *m_enlace; }

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void mostrar();
    bool guardar();

    EnlaceCampo *m_enlace;
};

} // namespace fw
