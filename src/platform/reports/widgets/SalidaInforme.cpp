#include "SalidaInforme.h"

#include "DialogoVistaPrevia.h"
#include "platform/reports/ErrorInforme.h"
#include "platform/reports/Pintor.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace rpt {

void mostrarVistaPrevia(const Documento &documento, QWidget *owner)
{
    DialogoVistaPrevia dialogo(documento, owner);
    dialogo.exec();
}

void imprimir(const Documento &documento, QPrinter &impresora, int copias)
{
    copias = std::max(1, copias);
    impresora.setFullPage(true);
    impresora.setPageLayout(disposicionPagina(documento));
    impresora.setDocName(documento.informe);
    impresora.setCopyCount(copias);
    // A printer that cannot make copies (or a PDF printer) gets the pages
    // once per copy, each copy complete before the next.
    const int vueltas = impresora.supportsMultipleCopies() ? 1 : copias;
    if (vueltas > 1)
        impresora.setCopyCount(1);
    QPainter pintor;
    if (!pintor.begin(&impresora))
        throw ErrorInforme(QStringLiteral("No se puede imprimir en la impresora '%1'.").arg(impresora.printerName()));
    for (int copia = 0; copia < vueltas; ++copia) {
        if (copia > 0)
            impresora.newPage();
        pintarDocumento(documento, pintor, impresora);
    }
    pintor.end();
}

} // namespace rpt
