#pragma once

#include "platform/reports/Documento.h"

class QPrinter;
class QWidget;

namespace rpt {

// Shows the document in the screen preview: a maximised modal dialog at
// 100 % zoom with page navigation and a print button (which opens the
// system's print dialog and prints the document). Returns when it closes.
void mostrarVistaPrevia(const Documento &documento, QWidget *owner);

// Prints the document on a printer already set up (the print dialog's
// "Configurar"), `copias` times (at least once). When the printer cannot make
// the copies itself, the pages are sent again for each copy.
void imprimir(const Documento &documento, QPrinter &impresora, int copias);

} // namespace rpt
