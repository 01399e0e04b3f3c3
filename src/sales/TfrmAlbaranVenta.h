#pragma once

#include "sales/TfrmDocumentoVenta.h"

class TmdlAlbaranesVenta;

// Record window of a sales delivery note ("ALBARAN DE VENTA"): opened by the
// browse window on its data module, or alone on a data module of its own
// (the view of an incident's document). Its lines can be changed while the
// note is new or modified; applying them moves the warehouse's stock.
class TfrmAlbaranVenta final : public TfrmDocumentoVenta
{
    Q_OBJECT
public:
    // With the browse window's data module, or none (the window then creates its own).
    TfrmAlbaranVenta(QWidget *owner, bool modal, TmdlAlbaranesVenta *modulo = nullptr);

    TmdlAlbaranesVenta *mdlAlbaranesVenta;

protected:
    void abrirDocumento(const QString &clave) override;
    void abrirLineas(const QString &clave) override;
    QString claveActual() const override;
    TfrmRegistro *crearLinea(QWidget *owner) override;
};
