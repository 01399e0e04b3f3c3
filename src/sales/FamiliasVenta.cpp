#include "FamiliasVenta.h"

namespace doc {

const Familia &presupuestosVenta()
{
    static const Familia f{
        .cabecera = QStringLiteral("PRESUPUESTO_VENTA"),
        .lineas = QStringLiteral("LINEA_PRESUPUESTO_VENTA"),
        .enlace = QStringLiteral("PRESUPUESTO"),
        .conjuntoCabecera = QStringLiteral("PresupuestosVenta"),
        .conjuntoLineas = QStringLiteral("LineasPresupuestoVenta"),
        .columnaTexto = QStringLiteral("CONCEPTO"),
        .conSerie = false,
        .conFormaPago = false,
        .conAlmacen = false,
        .conDescuentoPP = false,
    };
    return f;
}

const Familia &pedidosVenta()
{
    static const Familia f{
        .cabecera = QStringLiteral("PEDIDO_VENTA"),
        .lineas = QStringLiteral("LINEA_PEDIDO_VENTA"),
        .enlace = QStringLiteral("PEDIDO"),
        .conjuntoCabecera = QStringLiteral("PedidosVenta"),
        .conjuntoLineas = QStringLiteral("Ventas"),
        .columnaIva = QStringLiteral("PIVA"),
        .columnaRecargo = QStringLiteral("PRE"),
    };
    return f;
}

const Familia &albaranesVenta()
{
    static const Familia f{
        .cabecera = QStringLiteral("ALBARAN_VENTA"),
        .lineas = QStringLiteral("LINEA_ALBARAN_VENTA"),
        .enlace = QStringLiteral("ALBARAN"),
        .conjuntoCabecera = QStringLiteral("AlbaranesVenta"),
        .conjuntoLineas = QStringLiteral("Ventas"),
        .basesVacias = true,
    };
    return f;
}

const Familia &facturasVenta()
{
    static const Familia f{
        .cabecera = QStringLiteral("FACTURA_VENTA"),
        .lineas = QStringLiteral("LINEA_FACTURA_VENTA"),
        .enlace = QStringLiteral("FACTURA"),
        .conjuntoCabecera = QStringLiteral("FacturasVenta"),
        .conjuntoLineas = QStringLiteral("Ventas"),
        .conPendiente = true,
    };
    return f;
}

} // namespace doc
