#include "ImagenesPrograma.h"

#include "platform/ui/widgets/Colores.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace imagenes {
namespace {

const QString kFuente = QStringLiteral("DejaVu Sans");

QFont fuente(int pixeles, bool negrita)
{
    QFont font(kFuente);
    font.setPixelSize(pixeles);
    font.setBold(negrita);
    return font;
}

// Largest font, up to pixeles, in which the text fits the width.
QFont fuenteAjustada(const QString &texto, int pixeles, qreal ancho)
{
    QFont font = fuente(pixeles, true);
    const qreal necesario = QFontMetricsF(font).horizontalAdvance(texto);
    if (necesario > ancho)
        font.setPixelSize(qMax(1, int(pixeles * ancho / necesario)));
    return font;
}

QPixmap lienzo(const QSize &size, QPainter &painter)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    painter.begin(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    return pixmap;
}

// A sheet with a header, ruled lines and a total box.
void dibujarFactura(QPainter &painter, const QRectF &hoja)
{
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(hoja);
    const QRectF cabecera(hoja.left() + 8, hoja.top() + 8, hoja.width() - 16, 18);
    painter.fillRect(cabecera, ui::kColorPrograma);
    painter.setPen(Qt::white);
    painter.setFont(fuente(11, true));
    painter.drawText(cabecera, Qt::AlignCenter, QStringLiteral("FACTURA"));
    painter.setPen(QPen(QColor(170, 170, 170), 1));
    for (qreal y = cabecera.bottom() + 12; y < hoja.bottom() - 34; y += 10)
        painter.drawLine(QPointF(hoja.left() + 10, y), QPointF(hoja.right() - 10, y));
    const QRectF total(hoja.right() - 62, hoja.bottom() - 28, 54, 18);
    painter.setPen(QPen(ui::kColorPrograma, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(total);
    painter.setFont(fuente(10, true));
    painter.drawText(total, Qt::AlignCenter, QStringLiteral("TOTAL"));
}

// Rising bars on a base line.
void dibujarGrafico(QPainter &painter, const QRectF &zona)
{
    const qreal alturas[] = {0.35, 0.55, 0.45, 0.75, 0.95};
    const qreal ancho = zona.width() / (2 * std::size(alturas));
    for (size_t i = 0; i < std::size(alturas); ++i) {
        const qreal alto = zona.height() * alturas[i];
        const QRectF barra(zona.left() + (2 * i + 0.5) * ancho, zona.bottom() - alto, ancho, alto);
        painter.fillRect(barra, i + 1 == std::size(alturas) ? QColor(250, 190, 40) : QColor(255, 255, 255, 215));
    }
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(zona.bottomLeft(), zona.bottomRight());
}

} // namespace

QPixmap bannerTitulo(const QSize &size)
{
    QPainter painter;
    QPixmap pixmap = lienzo(size, painter);
    QLinearGradient degradado(0, 0, 0, size.height());
    degradado.setColorAt(0, QColor(5, 60, 100));
    degradado.setColorAt(1, QColor(3, 38, 66));
    painter.setPen(QPen(QColor(250, 190, 40), 2));
    painter.setBrush(degradado);
    painter.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 6, 6);
    painter.setPen(Qt::white);
    const QString titulo = QStringLiteral("VANTREL FACTURACION");
    painter.setFont(fuenteAjustada(titulo, size.height() * 2 / 5, size.width() - 20));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, titulo);
    return pixmap;
}

QPixmap portada(const QSize &size)
{
    QPainter painter;
    QPixmap pixmap = lienzo(size, painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ui::kColorPrograma.lighter(130));
    painter.drawRoundedRect(QRectF(0, 0, size.width(), size.height()), 8, 8);
    const qreal margen = size.height() / 10.0;
    const QRectF hoja(margen, margen, size.width() * 0.45, size.height() - 2 * margen);
    painter.save();
    painter.translate(hoja.center());
    painter.rotate(-4);
    painter.translate(-hoja.center());
    dibujarFactura(painter, hoja);
    painter.restore();
    const QRectF grafico(hoja.right() + margen, margen * 2, size.width() - hoja.right() - 2 * margen,
                         size.height() - 3 * margen);
    dibujarGrafico(painter, grafico);
    return pixmap;
}

} // namespace imagenes
