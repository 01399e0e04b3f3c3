#include "TmdlAlbaranesVenta.h"

#include "app/TmdlConexiones.h"
#include "framework/Reglas.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbError.h"
#include "platform/ui/Dialogs.h"
#include "sales/FamiliasVenta.h"
#include "warehouse/TmdlStocks.h"

namespace {

bool vacio(const QVariant &v) { return v.isNull() || v.toString().trimmed().isEmpty(); }

QString texto(const ds::RowView &fila, const char *columna) { return fila.value(QLatin1String(columna)).toString().trimmed(); }

double cantidad(const QVariant &v) { return v.isNull() ? 0.0 : v.toDouble(); }

} // namespace

const doc::Familia &TmdlAlbaranesVenta::familia() { return doc::albaranesVenta(); }

TmdlAlbaranesVenta::TmdlAlbaranesVenta(QObject *parent)
    : TmdlAlbaranesVenta(mdlConexiones().ConexionEmpresa, parent)
{
}

TmdlAlbaranesVenta::TmdlAlbaranesVenta(fb::Connection &empresa, QObject *parent)
    : fw::DataModule(empresa, parent),
      AlbaranesVenta(addRecordSet(familia().conjuntoCabecera, QStringLiteral("SELECT * FROM ALBARAN_VENTA"))),
      Ventas(addRecordSet(familia().conjuntoLineas, QStringLiteral("SELECT * FROM LINEA_ALBARAN_VENTA"))),
      LookClientes(addLookup(QStringLiteral("LookClientes"), QStringLiteral("select CODIGO, NOMBRE, SALDO from CLIENTE"))),
      LookAlmacenes(addLookup(QStringLiteral("LookAlmacenes"), QStringLiteral("select CODIGO, DESCRIPCION from ALMACEN"))),
      LookVendedores(addLookup(QStringLiteral("LookVendedores"), QStringLiteral("select CODIGO, NOMBRE from VENDEDOR"))),
      LookFormasPago(
          addLookup(QStringLiteral("LookFormasPago"), QStringLiteral("select CODIGO, DESCRIPCION from FORMA_PAGO")))
{
    m_modelo = std::make_unique<doc::ModeloDocumento>(
        familia(), AlbaranesVenta, Ventas,
        doc::ModeloDocumento::Busquedas{&LookClientes, &LookAlmacenes, &LookVendedores, &LookFormasPago});
    AlbaranesVenta.field(QStringLiteral("FACTURA")).onValidate = [this](ds::Field &f) {
        AlbaranesVentaFACTURAValidate(f);
    };
    AlbaranesVenta.beforeDelete = [this](ds::RecordSet &set) { AlbaranesVentaBeforeDelete(set); };
    Ventas.beforeApplyUpdates = [this](ds::RecordSet &set) { VentasBeforeApplyUpdates(set); };
    Ventas.afterApplyUpdates = [this](ds::RecordSet &set) { VentasAfterApplyUpdates(set); };
}

TmdlAlbaranesVenta::~TmdlAlbaranesVenta() = default;

void TmdlAlbaranesVenta::abrirAlbaran(const QString &clave)
{
    AlbaranesVenta.close();
    if (clave.isEmpty()) {
        AlbaranesVenta.open(QStringLiteral("SELECT * FROM ALBARAN_VENTA WHERE SERIE = ''"));
        return;
    }
    const doc::PartesClave p = doc::partes(clave);
    AlbaranesVenta.open(QStringLiteral("SELECT * FROM ALBARAN_VENTA WHERE SERIE = ? AND NUMERO = ?"),
                        {p.serie, p.numero});
}

void TmdlAlbaranesVenta::abrirLineas(const QString &clave)
{
    Ventas.close();
    Ventas.open(QStringLiteral("SELECT * FROM LINEA_ALBARAN_VENTA WHERE ALBARAN = ?"), {clave});
}

// Emptying the link makes the note pending again; linking it to a stored
// invoice marks it invoiced. A key of an invoice not stored yet changes
// nothing: whoever links a note to a new invoice marks it themselves.
void TmdlAlbaranesVenta::AlbaranesVentaFACTURAValidate(ds::Field &field)
{
    if (vacio(field.value())) {
        AlbaranesVenta.setValue(QStringLiteral("ESTADO"), QStringLiteral("PENDIENTE"));
        return;
    }
    const doc::PartesClave p = doc::partes(field.asString());
    if (p.valida
        && !connection()
                .query(QStringLiteral("SELECT SERIE FROM FACTURA_VENTA WHERE SERIE = ? AND NUMERO = ?"), {p.serie, p.numero})
                .isEmpty())
        AlbaranesVenta.setValue(QStringLiteral("ESTADO"), QStringLiteral("FACTURADO"));
}

// The note's lines go first, giving their goods back to stock; then its
// incidents. When either cannot be removed the note stays as well.
void TmdlAlbaranesVenta::AlbaranesVentaBeforeDelete(ds::RecordSet &)
{
    const QString clave = claveActual();
    abrirLineas(clave);
    while (!Ventas.isEmpty())
        Ventas.remove();
    if (Ventas.applyUpdates() != 0) {
        Ventas.cancelUpdates();
        throw ds::SilentAbort();
    }
    fw::cascadeDelete(connection(),
                      QStringLiteral("SELECT * FROM INCIDENCIA WHERE TIPO = 'V' AND TIPO_DOC = 'A' AND DOCUMENTO = ?"),
                      {clave});
}

// What the lines being applied take from or give back to the note's
// warehouse: a new line takes its quantity, a changed line the difference
// from what was stored, a removed line gives its stored quantity back. A
// stored line whose article was changed gives the former article's quantity
// back and takes the new one's, so no article keeps goods that left with
// another. An unchanged line still passes by its row, which creates a
// missing one at 0.
void TmdlAlbaranesVenta::VentasBeforeApplyUpdates(ds::RecordSet &set)
{
    m_movimientos.clear();
    const QString almacen = AlbaranesVenta.value(QStringLiteral("ALMACEN")).toString().trimmed();
    if (almacen.isEmpty())
        return;
    auto mover = [&](const QString &articulo, double unidades) {
        if (!articulo.isEmpty())
            m_movimientos.push_back({almacen, articulo, unidades});
    };
    for (const ds::RowView &fila : set.liveRows()) {
        const QString articulo = texto(fila, "ARTICULO");
        const double ahora = cantidad(fila.value(QStringLiteral("CANTIDAD")));
        switch (fila.status()) {
        case ds::RowStatus::Inserted:
            mover(articulo, -ahora);
            break;
        case ds::RowStatus::Modified: {
            const QString antes = fila.oldValue(QStringLiteral("ARTICULO")).toString().trimmed();
            const double antesCantidad = cantidad(fila.oldValue(QStringLiteral("CANTIDAD")));
            if (antes == articulo) {
                mover(articulo, -(ahora - antesCantidad));
            } else {
                mover(antes, antesCantidad);
                mover(articulo, -ahora);
            }
            break;
        }
        default:
            mover(articulo, 0);
        }
    }
    for (const ds::RowView &fila : set.deletedRows())
        mover(fila.oldValue(QStringLiteral("ARTICULO")).toString().trimmed(),
              cantidad(fila.oldValue(QStringLiteral("CANTIDAD"))));
}

// Carried out only once the lines are stored, so a refused apply, tried
// again, never moves the same goods twice.
void TmdlAlbaranesVenta::VentasAfterApplyUpdates(ds::RecordSet &)
{
    const std::vector<MovimientoStock> movimientos = std::move(m_movimientos);
    m_movimientos.clear();
    for (const MovimientoStock &m : movimientos) {
        try {
            TmdlStocks::AjustarStock(connection(), m.almacen, m.articulo, m.cantidad);
        } catch (const ds::SilentAbort &) {
            // The user has been told; the other lines still move their goods.
        } catch (const fb::Error &e) {
            ui::showError(e.text());
        }
    }
}
