#include "DocumentosTitular.h"

#include "platform/dataset/RecordSet.h"
#include "sales/FamiliasVenta.h"

namespace master {

namespace {

void agregarClave(ds::RecordSet &documentos)
{
    documentos.addCalculatedField(QStringLiteral("ID"), fb::SqlType::Varchar, 10);
    documentos.onCalcFields = [](ds::RecordSet &set) {
        set.setValue(QStringLiteral("ID"), doc::clave(set.field(QStringLiteral("SERIE")).asString(),
                                                      set.field(QStringLiteral("NUMERO")).asInteger()));
    };
}

} // namespace

DocumentosTitular::DocumentosTitular(fb::Connection &conexion, QString columnaTitular,
                                     std::vector<DocumentoTitular> tipos, QObject *parent)
    : QObject(parent), m_columnaTitular(std::move(columnaTitular)), m_tipos(std::move(tipos))
{
    for (const DocumentoTitular &tipo : m_tipos) {
        auto *documentos = new ds::RecordSet(tipo.tabla, this);
        documentos->setConnection(&conexion);
        if (tipo.familia)
            doc::agregarTotales(*documentos, *tipo.familia);
        else if (tipo.columnas.contains(QStringLiteral("ID")))
            agregarClave(*documentos);
        m_documentos.push_back(documentos);
    }
}

void DocumentosTitular::abrir(const QVariant &codigo)
{
    for (size_t i = 0; i < m_tipos.size(); ++i)
        m_documentos[i]->open(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(m_tipos[i].tabla, m_columnaTitular),
                              {codigo.toString().trimmed()});
}

const std::vector<DocumentoTitular> &documentosCliente()
{
    static const QStringList ventas{"ID", "ESTADO", "FECHA", "TOTAL"};
    static const std::vector<DocumentoTitular> tipos{
        {QStringLiteral("PRESUPUESTOS"), QStringLiteral("PRESUPUESTO_VENTA"), {"NUMERO", "ESTADO", "FECHA", "TOTAL"},
         &doc::presupuestosVenta()},
        {QStringLiteral("PEDIDOS"), QStringLiteral("PEDIDO_VENTA"), ventas, &doc::pedidosVenta()},
        {QStringLiteral("ALBARANES"), QStringLiteral("ALBARAN_VENTA"), ventas, &doc::albaranesVenta()},
        {QStringLiteral("FACTURAS"), QStringLiteral("FACTURA_VENTA"), ventas, &doc::facturasVenta()},
        {QStringLiteral("COBROS"), QStringLiteral("COBRO"),
         {"NUMERO", "ESTADO", "FACTURA", "FECHA_EMISION", "FECHA_VENCIMIENTO", "IMPORTE"}},
    };
    return tipos;
}

const std::vector<DocumentoTitular> &documentosProveedor()
{
    static const std::vector<DocumentoTitular> tipos{
        {QStringLiteral("PEDIDOS"),
         QStringLiteral("PEDIDO_COMPRA"),
         {"ID", "REFERENCIA", "SUPEDIDO", "FECHA", "ESTADO", "TOTAL"}},
        {QStringLiteral("ALBARANES"),
         QStringLiteral("ALBARAN_COMPRA"),
         {"ID", "ESTADO", "FECHA", "SUALBARAN", "TOTAL"}},
        {QStringLiteral("FACTURAS"), QStringLiteral("FACTURA_COMPRA"), {"ID", "ESTADO", "FECHA", "SUFACTURA", "TOTAL"}},
        {QStringLiteral("PAGOS"),
         QStringLiteral("PAGO"),
         {"NUMERO", "FACTURA", "FECHA_EMISION", "FECHA_VENCIMIENTO", "ESTADO", "IMPORTE"}},
    };
    return tipos;
}

} // namespace master
