#pragma once

#include "framework/DataModule.h"

namespace fb {
class Connection;
}

// The stock movements data module: the record set `MovimientosAlmacen` over
// MOVIMIENTO_ALMACEN. A movement enters ("E") or takes out ("S") a quantity
// of one article in one warehouse; posting it carries it to the stock at
// once (a changed movement first takes off what it had carried), and
// deleting it takes it back. The article may be typed as its code, its own
// barcode or its supplier's barcode.
class TmdlMovimientosAlmacen : public fw::DataModule
{
    Q_OBJECT
public:
    // Bound to the current company (mdlConexiones().ConexionEmpresa).
    explicit TmdlMovimientosAlmacen(QObject *parent = nullptr);
    explicit TmdlMovimientosAlmacen(fb::Connection &empresa, QObject *parent = nullptr);

    ds::RecordSet &MovimientosAlmacen;

    // What a movement does to stock: the pair it names and the signed quantity.
    struct Efecto
    {
        QString almacen;
        QString articulo;
        double cantidad = 0;
    };

private:
    void MovimientosAlmacenNewRecord(ds::RecordSet &set);
    void MovimientosAlmacenAfterEdit(ds::RecordSet &set);
    void MovimientosAlmacenALMACENValidate(ds::Field &field);
    void MovimientosAlmacenARTICULOValidate(ds::Field &field);
    void MovimientosAlmacenBeforePost(ds::RecordSet &set);
    void MovimientosAlmacenBeforeDelete(ds::RecordSet &set);

    void admitirCodigosDeBarras();
    void ajustar(const Efecto &efecto, double cantidad);

    // The movement as its edit began: what stock already holds of it.
    Efecto m_alEditar;
};
