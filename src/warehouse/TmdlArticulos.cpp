#include "TmdlArticulos.h"

#include "app/TmdlConexiones.h"
#include "framework/Reglas.h"
#include "framework/TiposIva.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "platform/ui/Dialogs.h"

#include <QScopedValueRollback>
#include <cmath>

namespace {

const QString kMascara = QStringLiteral("#,##0.00");

// Every table that names articles, in the order the delete guard asks them.
// The stock rows have a message of their own; movements and the lines of
// every document count as movements.
const std::vector<fw::Guard> &guardasArticulo()
{
    static const std::vector<fw::Guard> guardas = [] {
        const QString movimientos = QStringLiteral("No se puede eliminar. Tiene Movimientos.");
        const auto consulta = [](const char *tabla) {
            return QStringLiteral("SELECT FIRST 1 1 FROM %1 WHERE ARTICULO = ?").arg(QLatin1String(tabla));
        };
        std::vector<fw::Guard> lista{{consulta("MOVIMIENTO_ALMACEN"), movimientos},
                                     {consulta("STOCK"), QStringLiteral("No se puede eliminar. Tiene Stock.")}};
        for (const char *lineas : {"LINEA_PEDIDO_COMPRA", "LINEA_ALBARAN_COMPRA", "LINEA_FACTURA_COMPRA",
                                   "LINEA_PRESUPUESTO_VENTA", "LINEA_PEDIDO_VENTA", "LINEA_ALBARAN_VENTA",
                                   "LINEA_FACTURA_VENTA"})
            lista.push_back({consulta(lineas), movimientos});
        return lista;
    }();
    return guardas;
}

} // namespace

TmdlArticulos::TmdlArticulos(QObject *parent) : TmdlArticulos(mdlConexiones().ConexionEmpresa, parent) {}

TmdlArticulos::TmdlArticulos(fb::Connection &empresa, QObject *parent)
    : fw::DataModule(empresa, parent),
      Articulos(addRecordSet(QStringLiteral("Articulos"), QStringLiteral("SELECT * FROM ARTICULO"))),
      LookFamilia(addLookup(QStringLiteral("LookFamilia"), QStringLiteral("select CODIGO, DESCRIPCION from FAMILIA"))),
      LookProveedor(addLookup(QStringLiteral("LookProveedor"), QStringLiteral("select CODIGO, NOMBRE from PROVEEDOR")))
{
    Articulos.addLookupField(QStringLiteral("NFAMILIA"), QStringLiteral("FAMILIA"), &LookFamilia,
                             QStringLiteral("DESCRIPCION"), 50);
    Articulos.addLookupField(QStringLiteral("NPROVEEDOR"), QStringLiteral("PROVEEDOR"), &LookProveedor,
                             QStringLiteral("NOMBRE"), 100);
    for (const char *cifra : {"PRECIO_COMPRA", "MARGEN", "PRECIO_VENTA", "STOCK"})
        Articulos.field(QLatin1String(cifra)).displayFormat = kMascara;
    conectarReglas();
}

void TmdlArticulos::conectarReglas()
{
    Articulos.onNewRecord = [this](ds::RecordSet &set) { ArticulosNewRecord(set); };
    Articulos.beforeDelete = [this](ds::RecordSet &set) { ArticulosBeforeDelete(set); };
    const std::pair<const char *, void (TmdlArticulos::*)(ds::Field &)> reglas[] = {
        {"CODIGO", &TmdlArticulos::ArticulosCODIGOValidate},
        {"PROVEEDOR", &TmdlArticulos::ArticulosPROVEEDORValidate},
        {"FAMILIA", &TmdlArticulos::ArticulosFAMILIAValidate},
        {"P_IVA", &TmdlArticulos::ArticulosIVAValidate},
        {"PRECIO_COMPRA", &TmdlArticulos::ArticulosPRECIO_COMPRAValidate},
        {"PRECIO_VENTA", &TmdlArticulos::ArticulosPRECIO_VENTAValidate},
        {"MARGEN", &TmdlArticulos::ArticulosMARGENValidate},
    };
    for (const auto &[columna, regla] : reglas)
        Articulos.field(QLatin1String(columna)).onValidate = [this, regla](ds::Field &f) { (this->*regla)(f); };
}

double TmdlArticulos::valor(const QString &columna) const { return Articulos.field(columna).asFloat(); }

void TmdlArticulos::fijarCalculado(const QString &columna, double nuevo)
{
    const QScopedValueRollback<bool> calculando(m_calculando, true);
    Articulos.setValue(columna, nuevo);
}

void TmdlArticulos::ArticulosNewRecord(ds::RecordSet &set)
{
    for (const char *cifra : {"PRECIO_COMPRA", "MARGEN", "PRECIO_VENTA", "STOCK", "MINIMO", "MAXIMO",
                              "PDTE_RECIBIR", "PDTE_ENTREGAR"})
        set.setValue(QLatin1String(cifra), 0.0);
    set.setValue(QStringLiteral("P_IVA"), 16.0);
}

void TmdlArticulos::ArticulosCODIGOValidate(ds::Field &field)
{
    fw::checkUnique(field, QStringLiteral("ARTICULO"));
}

void TmdlArticulos::ArticulosPROVEEDORValidate(ds::Field &field)
{
    fw::checkExists(field, QStringLiteral("PROVEEDOR"), QStringLiteral("PROVEEDOR no existe."));
}

void TmdlArticulos::ArticulosFAMILIAValidate(ds::Field &field)
{
    fw::checkExists(field, QStringLiteral("FAMILIA"), QStringLiteral("FAMILIA no existe."));
}

void TmdlArticulos::ArticulosIVAValidate(ds::Field &field)
{
    Articulos.setValue(QStringLiteral("P_RE"), fw::recargoDeIva(field.asFloat(), valor(QStringLiteral("P_RE"))));
}

// The margin is a share of the sale price: the purchase price moves the
// margin and never the sale price.
void TmdlArticulos::ArticulosPRECIO_COMPRAValidate(ds::Field &field)
{
    if (m_calculando)
        return;
    const double compra = field.asFloat();
    const double venta = valor(QStringLiteral("PRECIO_VENTA"));
    if (compra != 0 && venta != 0)
        fijarCalculado(QStringLiteral("MARGEN"), (venta - compra) / venta * 100.0);
}

void TmdlArticulos::ArticulosPRECIO_VENTAValidate(ds::Field &field)
{
    if (m_calculando)
        return;
    const double venta = field.asFloat();
    const double compra = valor(QStringLiteral("PRECIO_COMPRA"));
    if (compra != 0 && venta != 0)
        fijarCalculado(QStringLiteral("MARGEN"), (venta - compra) / venta * 100.0);
}

// A margin of 100 leaves no sale price (it divides by zero) and a larger one
// gives a negative price: both are refused, whoever writes them.
void TmdlArticulos::ArticulosMARGENValidate(ds::Field &field)
{
    const double margen = field.asFloat();
    if (margen >= 100.0) {
        ui::showMessage(QStringLiteral("El MARGEN debe ser menor que 100."));
        throw ds::SilentAbort();
    }
    if (m_calculando)
        return;
    const double compra = valor(QStringLiteral("PRECIO_COMPRA"));
    if (margen == 0 || compra == 0)
        return;
    const double venta = compra / (1.0 - margen / 100.0);
    if (venta != valor(QStringLiteral("PRECIO_VENTA")))
        fijarCalculado(QStringLiteral("PRECIO_VENTA"), venta);
}

void TmdlArticulos::ArticulosBeforeDelete(ds::RecordSet &set)
{
    fw::checkDelete(connection(), set.value(QStringLiteral("CODIGO")), guardasArticulo());
}
