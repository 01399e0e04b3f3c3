#pragma once

#include "framework/TfrmRegistro.h"

class QHBoxLayout;
class QShowEvent;
class QToolButton;

namespace fw {
class DBComboBox;
class DBEdit;
class DBMemo;
}

// What sets the line windows of the sales documents apart: captions, the
// line table (reopened when the window owns its data module) and the name of
// the line's VAT rate column.
struct DescripcionLineaVenta
{
    QString caption;
    QString titulo;
    QString tabla;
    QString columnaIva = QStringLiteral("P_IVA");
};

// The line window the sales documents share: the article with its Buscar
// and Ver commands, text, quantity ("UDS"), price, discount, the read-only
// amount, observations and the VAT rate chosen from the four the documents
// know. Storing the line brings the document's totals up to date (a rule of
// the data module). A line that already names an article keeps it: when it
// is modified, the article box is disabled and "Asignar Articulo" hidden.
class TfrmLineaVenta : public TfrmRegistro
{
    Q_OBJECT
public:
    fw::DBEdit *txtArticulo = nullptr;
    QAction *BuscarArticulo = nullptr;
    QToolButton *btnBuscarArticulo = nullptr;
    QAction *VerArticulo = nullptr;
    fw::DBEdit *txtDescripcion = nullptr;
    fw::DBEdit *txtCantidad = nullptr;
    fw::DBEdit *txtPrecio = nullptr;
    fw::DBEdit *txtDescuento = nullptr;
    fw::DBEdit *txtImporte = nullptr;
    fw::DBMemo *memObservaciones = nullptr;
    fw::DBComboBox *cmbIva = nullptr;

protected:
    TfrmLineaVenta(QWidget *owner, bool modal, bool moduloCompartido, const DescripcionLineaVenta &descripcion);

    // The document's line record set; builds the window.
    void iniciar(ds::RecordSet &lineas);

    void showEvent(QShowEvent *event) override;

private:
    QHBoxLayout *crearArticulo();

    QString m_columnaIva;
};
