#pragma once

#include "Definicion.h"

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

namespace rpt {

// A composed report: every page with what goes on it, already placed, in
// millimetres from the top-left corner of the paper. Nothing is left to
// decide when painting, so the same document is painted to the preview, the
// printer and PDF alike, and a test can read it without painting.

struct Trazo
{
    TipoElemento tipo = TipoElemento::Texto; // Texto (any text: fields, totals...), Imagen, Linea, Caja
    QRectF rect;
    QString texto;
    int estilo = 0;      // index in Documento::estilos (texts)
    Alineacion alineacion = Alineacion::Izquierda;
    int imagen = -1;     // index in Documento::imagenes
    double grosor = 0.2;
    std::optional<QColor> relleno;
};

struct Pagina
{
    std::vector<Trazo> trazos;
    // Every text on the page, in the order placed, one per line (for tests
    // and searching in the preview).
    QString textos() const;
};

struct Documento
{
    QString informe;
    QSizeF papel{210, 297}; // as laid out (landscape already applied)
    Orientacion orientacion = Orientacion::Vertical;
    std::vector<Pagina> paginas;
    std::vector<DefFuente> estilos;  // distinct fonts used, so painters build each font once
    std::vector<QImage> imagenes;

    int numPaginas() const { return int(paginas.size()); }
};

} // namespace rpt
