#pragma once

#include "framework/DataModule.h"
#include "sales/ModeloDocumento.h"

#include <memory>
#include <vector>

// The sales delivery notes data module: the header record set
// `AlbaranesVenta` over ALBARAN_VENTA and the line record set `Ventas` over
// LINEA_ALBARAN_VENTA, with the rules every commercial document shares and
// those of its own: the invoice link, deletion, and the stock its lines take
// out of the note's warehouse.
class TmdlAlbaranesVenta : public fw::DataModule
{
    Q_OBJECT
public:
    // Bound to the company connection of the program.
    explicit TmdlAlbaranesVenta(QObject *parent = nullptr);
    // Bound to any company database (tests).
    explicit TmdlAlbaranesVenta(fb::Connection &empresa, QObject *parent = nullptr);
    ~TmdlAlbaranesVenta() override;

    ds::RecordSet &AlbaranesVenta;
    ds::RecordSet &Ventas;
    ds::RecordSet &LookClientes;
    ds::RecordSet &LookAlmacenes;
    ds::RecordSet &LookVendedores;
    ds::RecordSet &LookFormasPago;

    static const doc::Familia &familia();

    // The document key of the current note.
    QString claveActual() const { return m_modelo->claveActual(); }

    // Reopens the header on the note of this key (empty: on no note, ready
    // for a new one) and the lines on its lines.
    void abrirAlbaran(const QString &clave);
    void abrirLineas(const QString &clave);

private:
    void AlbaranesVentaFACTURAValidate(ds::Field &field);
    void AlbaranesVentaBeforeDelete(ds::RecordSet &set);
    void VentasBeforeApplyUpdates(ds::RecordSet &set);
    void VentasAfterApplyUpdates(ds::RecordSet &set);

    struct MovimientoStock
    {
        QString almacen;
        QString articulo;
        double cantidad;
    };

    std::unique_ptr<doc::ModeloDocumento> m_modelo;
    // Stock effects of the lines being applied, worked out before they are
    // written and carried out once they are stored.
    std::vector<MovimientoStock> m_movimientos;
};
