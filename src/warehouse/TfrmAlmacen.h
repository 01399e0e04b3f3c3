#pragma once

#include "framework/TfrmRegistro.h"

class QAction;
class TmdlAlmacenes;

namespace almacen {
class RejillaStocks;
}
namespace fw {
class DBEdit;
class DBMemo;
}

// Record window of a warehouse: code, name and manager on top; tabs
// DIRECCION, STOCKS (every article that has ever had stock here, read-only)
// and COMENTARIO. It opens on DIRECCION.
class TfrmAlmacen final : public TfrmRegistro
{
    Q_OBJECT
public:
    // With the browse window's data module, or none (the window then creates its own).
    TfrmAlmacen(QWidget *owner, bool modal, TmdlAlmacenes *modulo = nullptr);

    TmdlAlmacenes *mdlAlmacenes;

    fw::DBEdit *txtCodigo;
    fw::DBEdit *txtDescripcion;
    fw::DBEdit *txtResponsable;
    fw::DBEdit *txtNResponsable;
    QAction *BuscarResponsable;
    QAction *VerResponsable;
    fw::DBEdit *txtDireccion;
    fw::DBEdit *txtLocalidad;
    fw::DBEdit *txtCodigoPostal;
    fw::DBEdit *txtProvincia;
    fw::DBEdit *txtTelefono1;
    fw::DBEdit *txtTelefono2;
    fw::DBEdit *txtFax;
    fw::DBEdit *txtEmail;
    almacen::RejillaStocks *grdStocks;
    fw::DBMemo *memComentario;

protected:
    // The stock rows are read when the window opens, for the row it shows.
    void showEvent(QShowEvent *event) override;

private:
    void crearCabecera();
    void crearDireccion();
    void crearStocks();
};
