#pragma once

#include "framework/TfrmRegistro.h"

class QAction;
class TmdlArticulos;

namespace almacen {
class RejillaStocks;
}
namespace fw {
class DBComboBox;
class DBEdit;
class DBImage;
class DBMemo;
}

// Record window of an article: identity on top; tabs GENERAL (VAT rate,
// family), COMPRA (purchase price, supplier and the supplier's references),
// ALMACEN (stock figures and the article's stock rows, read-only), VENTA
// (margin and sale price), IMAGEN and COMENTARIO. It opens on GENERAL.
class TfrmArticulo final : public TfrmRegistro
{
    Q_OBJECT
public:
    // With the browse window's data module, or none (the window then creates its own).
    TfrmArticulo(QWidget *owner, bool modal, TmdlArticulos *modulo = nullptr);

    TmdlArticulos *mdlArticulos;

    fw::DBEdit *txtCodigo;
    fw::DBEdit *txtDescripcion;
    fw::DBEdit *txtCodigoBarras;
    fw::DBComboBox *cmbTipoIva;
    fw::DBEdit *txtFamilia;
    fw::DBEdit *txtNFamilia;
    QAction *BuscarFamilia;
    QAction *VerFamilia;
    fw::DBEdit *txtPrecioCompra;
    fw::DBEdit *txtProveedor;
    fw::DBEdit *txtNProveedor;
    QAction *BuscarProveedor;
    QAction *VerProveedor;
    fw::DBEdit *txtCodigoProveedor;
    fw::DBEdit *txtDescripcionProveedor;
    fw::DBEdit *txtCodigoBarrasProveedor;
    fw::DBEdit *txtFechaUltCompra;
    fw::DBEdit *txtStock;
    fw::DBEdit *txtMinimo;
    fw::DBEdit *txtMaximo;
    fw::DBEdit *txtPdteRecibir;
    fw::DBEdit *txtPdteEntregar;
    almacen::RejillaStocks *grdStocks;
    fw::DBEdit *txtMargen;
    fw::DBEdit *txtPrecioVenta;
    fw::DBImage *imgImagen;
    fw::DBMemo *memObservaciones;

protected:
    // The stock rows are read when the window opens, for the row it shows.
    void showEvent(QShowEvent *event) override;

private:
    void crearCabecera();
    void crearGeneral();
    void crearCompra();
    void crearAlmacen();
    void crearVenta();
    void crearImagen();
};
