#include "DBImage.h"

#include "EnlaceCampo.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>

namespace fw {

DBImage::DBImage(ds::RecordSet &datos, const QString &columna, QWidget *parent)
    : QFrame(parent), m_enlace(new EnlaceCampo(this, datos, columna))
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    m_enlace->alMostrar([this] { mostrar(); });
}

void DBImage::pegar()
{
    const QImage imagen = QGuiApplication::clipboard()->image();
    if (imagen.isNull() || !m_enlace->editable())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    imagen.save(&buffer, "PNG");
    m_enlace->escribir(png);
}

bool DBImage::event(QEvent *event)
{
    // Paste belongs to the focused box, not to a window's edit command that
    // carries the same key.
    if (event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste)) {
        event->accept();
        return true;
    }
    return QFrame::event(event);
}

void DBImage::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste))
        pegar();
    else
        QFrame::keyPressEvent(event);
}

void DBImage::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (m_imagen.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(contentsRect(), m_imagen);
}

void DBImage::mostrar()
{
    m_imagen = QPixmap();
    const QByteArray datos = m_enlace->valor().toByteArray();
    if (!datos.isEmpty())
        m_imagen.loadFromData(datos);
    update();
}

} // namespace fw
