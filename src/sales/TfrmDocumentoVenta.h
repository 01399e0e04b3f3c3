#pragma once

#include "framework/TfrmRegistro.h"
#include "incidents/widgets/PestanaIncidencias.h"

class QToolButton;

namespace fw {
class DBComboBox;
class DBEdit;
class DBMemo;
}
namespace master {
class PestanaSatelites;
}

// What sets the record windows of the sales documents apart in the parts
// they share.
struct DescripcionDocumentoVenta
{
    QString caption;
    QString titulo;
    QString preguntaLinea;                        // asked before a line is removed
    incidencias::DocumentoIncidencias incidencias; // cycle, kind and question of the "INCIDENCIAS" tab
    // Lines can be added, changed and removed only while the document is
    // new (invoices); otherwise also while it is modified (delivery notes).
    bool lineasSoloEnAlta = false;
};

// The record window the sales documents share: the header (series, number,
// date, customer with name and balance, salesperson, payment method,
// warehouse, state, the two discounts and the totals, which follow every
// line), and the tabs "LINEAS" (lines through the document's line window, on
// the same data module), "COMENTARIO" and "INCIDENCIAS".
//
// Documents are found by their key, not by a code column: a window with a
// data module of its own reopens its document through the module (Mostrar
// with the key). "Aceptar" stores the header, applies it when the module is
// the window's own, then applies the lines and the incidents; "Cancelar" — and
// closing the window, which would otherwise leave a header whose bases count
// lines never stored — drops incidents, lines and header changes.
class TfrmDocumentoVenta : public TfrmRegistro
{
    Q_OBJECT
public:
    ~TfrmDocumentoVenta() override;

    fw::DBComboBox *cmbSerie = nullptr;
    fw::DBEdit *txtNumero = nullptr;
    fw::DBEdit *txtFecha = nullptr;
    fw::DBEdit *txtEstado = nullptr;
    fw::DBEdit *txtCliente = nullptr;
    fw::DBEdit *txtNCliente = nullptr;
    fw::DBEdit *txtSaldoCliente = nullptr;
    fw::DBEdit *txtVendedor = nullptr;
    fw::DBEdit *txtNVendedor = nullptr;
    fw::DBEdit *txtFormaPago = nullptr;
    fw::DBEdit *txtNFormaPago = nullptr;
    fw::DBEdit *txtAlmacen = nullptr;
    fw::DBEdit *txtNAlmacen = nullptr;
    fw::DBEdit *txtDescuento = nullptr;
    fw::DBEdit *txtDescuentoPP = nullptr;
    fw::DBEdit *txtBaseImponible = nullptr;
    fw::DBEdit *txtIva = nullptr;
    fw::DBEdit *txtRecargo = nullptr;
    fw::DBEdit *txtTotal = nullptr;
    QAction *BuscarCliente = nullptr;
    QAction *VerCliente = nullptr;
    QAction *BuscarVendedor = nullptr;
    QAction *VerVendedor = nullptr;
    QAction *BuscarFormaPago = nullptr;
    QAction *VerFormaPago = nullptr;
    QAction *BuscarAlmacen = nullptr;
    QAction *VerAlmacen = nullptr;
    QToolButton *btnBuscarAlmacen = nullptr;
    master::PestanaSatelites *pestanaLineas = nullptr;
    fw::DBMemo *memObservaciones = nullptr;
    incidencias::PestanaIncidencias *pestanaIncidencias = nullptr;

protected:
    TfrmDocumentoVenta(QWidget *owner, bool modal, bool moduloPropio, DescripcionDocumentoVenta descripcion);

    // The document's header and line record sets; builds the window.
    void iniciar(ds::RecordSet &cabecera, ds::RecordSet &lineas);

    // The data module's ways to its document: reopen the header on a key
    // (empty: on no document), the lines on a key, and the current key.
    virtual void abrirDocumento(const QString &clave) = 0;
    virtual void abrirLineas(const QString &clave) = 0;
    virtual QString claveActual() const = 0;
    // The document's line window, modal, on this window's data module.
    virtual TfrmRegistro *crearLinea(QWidget *owner) = 0;

    // Enabling that depends on the mode, set once the window stands on its document.
    virtual void aplicarModo();

    bool aplicarDependientes() override;
    void cancelarDependientes() override;
    void reject() override;
    void reabrir(const QVariant &clave) override;
    void alPosicionar() override;

private:
    void crearCabecera();
    void crearTotales();
    void crearLineas();
    void actualizarSerie();

    DescripcionDocumentoVenta m_descripcion;
    ds::RecordSet *m_lineas = nullptr;
};
