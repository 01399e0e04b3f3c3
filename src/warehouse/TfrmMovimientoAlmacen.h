#pragma once

#include "framework/TfrmRegistro.h"

class QAction;
class QToolButton;
class TmdlMovimientosAlmacen;

namespace fw {
class DBEdit;
class DBRadioGroup;
}

// Record window of a stock movement, one page without tabs. A stored
// movement never changes warehouse or article: in modify and view mode their
// boxes are disabled and their Buscar buttons hidden.
class TfrmMovimientoAlmacen final : public TfrmRegistro
{
    Q_OBJECT
public:
    // With the browse window's data module, or none (the window then creates its own).
    TfrmMovimientoAlmacen(QWidget *owner, bool modal, TmdlMovimientosAlmacen *modulo = nullptr);

    TmdlMovimientosAlmacen *mdlMovimientosAlmacen;

    fw::DBEdit *txtFecha;
    fw::DBEdit *txtCausa;
    fw::DBEdit *txtAlmacen;
    QAction *BuscarAlmacen;
    QAction *accVerAlmacen;
    fw::DBEdit *txtArticulo;
    QAction *BuscarArticulo;
    QAction *accVerArticulo;
    fw::DBEdit *txtCantidad;
    fw::DBEdit *txtValor;
    fw::DBRadioGroup *rgTipo;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QToolButton *m_buscarAlmacen;
    QToolButton *m_buscarArticulo;
};
