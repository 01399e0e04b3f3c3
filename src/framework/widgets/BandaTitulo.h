#pragma once

#include <QFrame>

class QHBoxLayout;
class QLabel;

namespace fw {

// The white band at the top of browse and record windows: the title
// (`lblTitulo`) on the left and, on the right, whatever the window adds (the
// mode pictures of a record window).
class BandaTitulo final : public QFrame
{
    Q_OBJECT
public:
    explicit BandaTitulo(QWidget *parent = nullptr);

    QLabel *lblTitulo() const { return m_titulo; }
    // A picture on the right of the band, named as the window's member.
    QLabel *agregarImagen(const char *nombre, const QIcon &icono);

private:
    QLabel *m_titulo;
    QHBoxLayout *m_layout;
};

} // namespace fw
