#include "Pintor.h"

#include "ErrorInforme.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>

namespace rpt {

namespace {

const QString kLetra = QStringLiteral("DejaVu Sans");

Qt::Alignment alineacionQt(Alineacion a)
{
    switch (a) {
    case Alineacion::Centro:
        return Qt::AlignHCenter;
    case Alineacion::Derecha:
        return Qt::AlignRight;
    case Alineacion::Izquierda:
        break;
    }
    return Qt::AlignLeft;
}

// One font per style of the document, with its metrics on the device, built
// once per page rather than per text: a listing of thousands of rows uses two
// or three fonts in all.
struct Estilo
{
    QFont fuente;
    QFontMetricsF medidas;
    QRawFont cruda; // glyph advances without shaping, at the device's size, to measure quickly
};

std::vector<Estilo> estilos(const Documento &documento, QPaintDevice *dispositivo)
{
    std::vector<Estilo> lista;
    lista.reserve(documento.estilos.size());
    for (const DefFuente &f : documento.estilos) {
        QFont fuente(kLetra);
        fuente.setPointSizeF(f.tamano);
        fuente.setBold(f.negrita);
        fuente.setItalic(f.cursiva);
        QRawFont cruda = QRawFont::fromFont(fuente);
        cruda.setPixelSize(f.tamano * dispositivo->logicalDpiY() / 72.0);
        lista.push_back({fuente, QFontMetricsF(fuente, dispositivo), cruda});
    }
    return lista;
}

// A text as glyphs of the style's font placed one after another. Listings
// are thousands of short texts, and shaping each one (twice: to measure it
// and to draw it) was most of the cost of painting; our texts are Spanish
// words and figures, which need neither kerning nor ligatures. A character
// the font lacks leaves the run empty, and the text goes through the
// general drawing, which finds it in another font.
struct Glifos
{
    QGlyphRun run;
    double ancho = 0;
};

bool aGlifos(const Estilo &estilo, const QString &texto, Glifos &g)
{
    const QList<quint32> indices = estilo.cruda.glyphIndexesForString(texto);
    if (indices.contains(0u))
        return false;
    const QList<QPointF> avances = estilo.cruda.advancesForGlyphIndexes(indices, QRawFont::UseDesignMetrics);
    QList<QPointF> posiciones;
    posiciones.reserve(avances.size());
    double x = 0;
    for (const QPointF &a : avances) {
        posiciones.append(QPointF(x, 0));
        x += a.x();
    }
    g.run.setRawFont(estilo.cruda);
    g.run.setGlyphIndexes(indices);
    g.run.setPositions(posiciones);
    g.ancho = x;
    return true;
}

// A text that fits its box is drawn as glyphs at its baseline; one that
// overflows (or needs another font) goes through the general, several times
// slower, boxed drawing, which clips it to the box.
void pintarTexto(QPainter &pintor, const Estilo &estilo, const QRectF &r, Alineacion alineacion, const QString &texto)
{
    Glifos g;
    // A box without width (a label whose size nobody gave) does not clip:
    // the text starts at its left edge.
    if (!aGlifos(estilo, texto, g) || (r.width() > 0 && g.ancho > r.width())) {
        const QRectF caja = r.width() > 0 ? r : QRectF(r.topLeft(), QSizeF(1e6, r.height()));
        pintor.drawText(caja, int(alineacionQt(alineacion) | Qt::AlignVCenter | Qt::TextSingleLine), texto);
        return;
    }
    double x = r.left();
    if (alineacion == Alineacion::Derecha && r.width() > 0)
        x = r.right() - g.ancho;
    else if (alineacion == Alineacion::Centro && r.width() > 0)
        x = r.left() + (r.width() - g.ancho) / 2;
    const double y = r.top() + (r.height() - estilo.medidas.height()) / 2 + estilo.medidas.ascent();
    pintor.drawGlyphRun(QPointF(x, y), g.run);
}

} // namespace

void pintarPagina(const Documento &documento, int pagina, QPainter &pintor)
{
    const QPaintDevice &dispositivo = *pintor.device();
    const double kx = dispositivo.logicalDpiX() / 25.4;
    const double ky = dispositivo.logicalDpiY() / 25.4;
    const auto aDispositivo = [kx, ky](const QRectF &mm) {
        return QRectF(mm.x() * kx, mm.y() * ky, mm.width() * kx, mm.height() * ky);
    };
    const std::vector<Estilo> lista = estilos(documento, pintor.device());
    int estiloActual = -1;
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    for (const Trazo &t : documento.paginas.at(size_t(pagina)).trazos) {
        const QRectF r = aDispositivo(t.rect);
        switch (t.tipo) {
        case TipoElemento::Linea:
            pintor.setPen(QPen(Qt::black, t.grosor * kx));
            pintor.drawLine(r.topLeft(), r.bottomRight());
            break;
        case TipoElemento::Caja:
            pintor.setPen(t.grosor > 0 ? QPen(Qt::black, t.grosor * kx) : QPen(Qt::NoPen));
            pintor.setBrush(t.relleno ? QBrush(*t.relleno) : QBrush(Qt::NoBrush));
            pintor.drawRect(r);
            break;
        case TipoElemento::Imagen: {
            const QImage &imagen = documento.imagenes.at(size_t(t.imagen));
            const QSizeF tam = imagen.size().scaled(r.size().toSize(), Qt::KeepAspectRatio);
            pintor.drawImage(QRectF(r.topLeft(), tam), imagen);
            break;
        }
        default:
            if (t.texto.isEmpty())
                break;
            if (t.estilo != estiloActual) {
                pintor.setFont(lista.at(size_t(t.estilo)).fuente);
                pintor.setPen(Qt::black);
                estiloActual = t.estilo;
            }
            pintarTexto(pintor, lista.at(size_t(t.estilo)), r, t.alineacion, t.texto);
        }
        if (t.tipo == TipoElemento::Linea || t.tipo == TipoElemento::Caja)
            estiloActual = -1; // the pen changed
    }
    pintor.restore();
}

QPageLayout disposicionPagina(const Documento &documento)
{
    const bool vertical = documento.orientacion == Orientacion::Vertical;
    return QPageLayout(QPageSize(vertical ? documento.papel : documento.papel.transposed(), QPageSize::Millimeter),
                       vertical ? QPageLayout::Portrait : QPageLayout::Landscape, QMarginsF());
}

void escribirPdf(const Documento &documento, const QString &fichero)
{
    QPdfWriter pdf(fichero);
    pdf.setPageLayout(disposicionPagina(documento));
    pdf.setTitle(documento.informe);
    pdf.setCreator(QStringLiteral("Vantrel Facturacion"));
    QPainter pintor;
    if (!pintor.begin(&pdf))
        throw ErrorInforme(QStringLiteral("No se puede escribir el fichero '%1'.").arg(fichero));
    pintarDocumento(documento, pintor, pdf);
    pintor.end();
}

} // namespace rpt
