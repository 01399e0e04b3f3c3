#pragma once

#include "Documento.h"

#include <QPageLayout>

class QPainter;

namespace rpt {

// The paint pass: draws one page of a composed document on a painter that is
// already active on any paint device (PDF writer, printer, preview, image).
// Millimetres are turned into the device's own units from its resolution;
// fonts are "DejaVu Sans" in the document's styles. The page is drawn from
// the paper's top-left corner: a printer painter must use full-page mode.
void pintarPagina(const Documento &documento, int pagina, QPainter &pintor);

// Draws the document on an active painter page after page; `nuevaPagina`
// is called between pages (QPdfWriter::newPage, QPrinter::newPage).
template <typename Dispositivo>
void pintarDocumento(const Documento &documento, QPainter &pintor, Dispositivo &dispositivo)
{
    for (int i = 0; i < documento.numPaginas(); ++i) {
        if (i > 0)
            dispositivo.newPage();
        pintarPagina(documento, i, pintor);
    }
}

// The paper of the document for a PDF writer or a printer: its size and
// orientation, no margins (the report places everything itself).
QPageLayout disposicionPagina(const Documento &documento);

// Writes the document to a PDF file (overwriting it). Throws ErrorInforme
// when the file cannot be written.
void escribirPdf(const Documento &documento, const QString &fichero);

} // namespace rpt
