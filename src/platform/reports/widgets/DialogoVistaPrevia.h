#pragma once

#include "platform/reports/Documento.h"

#include <QDialog>
#include <QPrinter>

class QLabel;
class QPrintPreviewWidget;

namespace rpt {

// The screen preview of a composed report: the pages at 100 %, one at a
// time, with first/previous/next/last, the page number, and a print command
// that asks for the printer and the copies in the system's print dialog.
class DialogoVistaPrevia : public QDialog
{
    Q_OBJECT
public:
    DialogoVistaPrevia(const Documento &documento, QWidget *owner);

    int paginaActual() const;

private:
    void irA(int pagina);
    void imprimir();
    void actualizarPagina();

    const Documento &m_documento;
    QPrinter m_impresora; // the preview's own surface, never printed on
    QPrintPreviewWidget *m_vista = nullptr;
    QLabel *m_lblPagina = nullptr;
};

} // namespace rpt
