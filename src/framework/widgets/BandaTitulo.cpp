#include "BandaTitulo.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>

namespace fw {

BandaTitulo::BandaTitulo(QWidget *parent) : QFrame(parent), m_titulo(new QLabel(this)), m_layout(new QHBoxLayout(this))
{
    setAutoFillBackground(true);
    QPalette blanco = palette();
    blanco.setColor(QPalette::Window, Qt::white);
    blanco.setColor(QPalette::WindowText, Qt::black);
    setPalette(blanco);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);

    m_titulo->setObjectName(QStringLiteral("lblTitulo"));
    QFont letra = m_titulo->font();
    letra.setPointSize(letra.pointSize() + 6);
    letra.setBold(true);
    m_titulo->setFont(letra);
    m_layout->addWidget(m_titulo);
    m_layout->addStretch();
}

QLabel *BandaTitulo::agregarImagen(const char *nombre, const QIcon &icono)
{
    auto *imagen = new QLabel(this);
    imagen->setObjectName(QLatin1String(nombre));
    imagen->setPixmap(icono.pixmap(32, 32));
    m_layout->addWidget(imagen);
    return imagen;
}

} // namespace fw
