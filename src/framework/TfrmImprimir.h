#pragma once

#include "platform/reports/Conexiones.h"

#include <QDialog>
#include <QPrinter>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The print dialog ("IMPRIMIR") of listings and documents: runs a report of
// Listados.rav, in the program directory, over the data connections its
// caller hands over, to the screen preview or to the printer with a number
// of copies. The engine's own output dialog is never shown; this one
// replaces it.
//
// The company's row is there for every report as the connection
// "Listado_Empresas" (its name heads listings and documents) unless the
// caller supplies one of its own.
class TfrmImprimir : public QDialog
{
    Q_OBJECT
public:
    TfrmImprimir(QWidget *owner, rpt::Conexiones conexiones, const QString &informe);

    // The copies a text in "Nº Copias" asks for: a whole number of at least
    // one, otherwise 1.
    static int numeroCopias(const QString &texto);

    // The printer "Imprimir" prints on, as "Configurar" leaves it.
    QPrinter &impresora() { return m_impresora; }

    QLineEdit *txtNombreInforme;
    QLineEdit *Copias;
    QCheckBox *chkPrevia;
    QPushButton *btnImprimir;
    QPushButton *btnConfigurar;
    QPushButton *btnCancelar;

private:
    void btnImprimirClick();
    void btnConfigurarClick();
    void ejecutar();

    rpt::Conexiones m_conexiones;
    QPrinter m_impresora{QPrinter::HighResolution};
};
