#pragma once

#include <QFrame>
#include <QPixmap>

namespace ds {
class RecordSet;
}

namespace fw {

class EnlaceCampo;

// Picture box bound to a BLOB column, the picture stretched to the box. The
// user sets it by pasting a picture from the clipboard (Ctrl+V or the edit
// command) while the box has the focus and the record set is in edit or
// insert; the picture is stored as PNG.
class DBImage final : public QFrame
{
    Q_OBJECT
public:
    DBImage(ds::RecordSet &datos, const QString &columna, QWidget *parent = nullptr);

    EnlaceCampo &enlace() const { return *m_enlace; }
    const QPixmap &imagen() const { return m_imagen; }

public slots:
    // Pastes the clipboard's picture; nothing when it holds none or the
    // record set is not being edited.
    void pegar();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void mostrar();

    EnlaceCampo *m_enlace;
    QPixmap m_imagen;
};

} // namespace fw
