#include "TmdlMovimientosAlmacen.h"

#include "TmdlStocks.h"
#include "app/TmdlConexiones.h"
#include "framework/Reglas.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"
#include "platform/ui/Dialogs.h"

#include <QDate>

namespace {

// ARTICULO holds an article code (CHAR(10)) but accepts a barcode typed in
// its place (VARCHAR(50)), which the look-up turns into the code.
constexpr int kLargoCodigo = 10;
constexpr int kLargoCodigoBarras = 50;

QString texto(const ds::RecordSet &set, const char *columna)
{
    return set.value(QLatin1String(columna)).toString().trimmed();
}

TmdlMovimientosAlmacen::Efecto efectoDe(const ds::RecordSet &set)
{
    const QString tipo = texto(set, "TIPO");
    const double cantidad = set.value(QStringLiteral("CANTIDAD")).toDouble();
    const double signo = tipo == u"E" ? 1.0 : tipo == u"S" ? -1.0 : 0.0;
    return {texto(set, "ALMACEN"), texto(set, "ARTICULO"), signo * cantidad};
}

bool mismoPar(const TmdlMovimientosAlmacen::Efecto &a, const TmdlMovimientosAlmacen::Efecto &b)
{
    return a.almacen == b.almacen && a.articulo == b.articulo;
}

} // namespace

TmdlMovimientosAlmacen::TmdlMovimientosAlmacen(QObject *parent)
    : TmdlMovimientosAlmacen(mdlConexiones().ConexionEmpresa, parent)
{
}

TmdlMovimientosAlmacen::TmdlMovimientosAlmacen(fb::Connection &empresa, QObject *parent)
    : fw::DataModule(empresa, parent),
      MovimientosAlmacen(addRecordSet(QStringLiteral("MovimientosAlmacen"),
                                      QStringLiteral("SELECT * FROM MOVIMIENTO_ALMACEN")))
{
    ds::RecordSet &set = MovimientosAlmacen;
    for (const char *cifra : {"CANTIDAD", "VALOR"})
        set.field(QLatin1String(cifra)).displayFormat = QStringLiteral("#,##0.00");
    set.onNewRecord = [this](ds::RecordSet &s) { MovimientosAlmacenNewRecord(s); };
    set.afterEdit = [this](ds::RecordSet &s) { MovimientosAlmacenAfterEdit(s); };
    set.beforePost = [this](ds::RecordSet &s) { MovimientosAlmacenBeforePost(s); };
    set.beforeDelete = [this](ds::RecordSet &s) { MovimientosAlmacenBeforeDelete(s); };
    set.field(QStringLiteral("ALMACEN")).onValidate = [this](ds::Field &f) { MovimientosAlmacenALMACENValidate(f); };
    set.field(QStringLiteral("ARTICULO")).onValidate = [this](ds::Field &f) { MovimientosAlmacenARTICULOValidate(f); };
    // Each reading of the rows gives the column its own width again.
    connect(&set, &ds::RecordSet::rowsReset, this, &TmdlMovimientosAlmacen::admitirCodigosDeBarras);
}

// A barcode is usually longer than an article code: the field (and its box)
// takes one whole, and the look-up leaves the article's code in it.
void TmdlMovimientosAlmacen::admitirCodigosDeBarras()
{
    MovimientosAlmacen.field(QStringLiteral("ARTICULO")).size = kLargoCodigoBarras;
}

void TmdlMovimientosAlmacen::MovimientosAlmacenNewRecord(ds::RecordSet &set)
{
    set.setValue(QStringLiteral("CODIGO"), fw::nextNumber(connection(), QStringLiteral("MOVIMIENTO_ALMACEN"),
                                                          QStringLiteral("CODIGO"), {}, {}, &set));
    set.setValue(QStringLiteral("FECHA"), QDate::currentDate());
    set.setValue(QStringLiteral("TIPO"), QStringLiteral("E"));
    set.setValue(QStringLiteral("CANTIDAD"), 1.0);
    set.setValue(QStringLiteral("VALOR"), 0.0);
}

void TmdlMovimientosAlmacen::MovimientosAlmacenAfterEdit(ds::RecordSet &set)
{
    m_alEditar = efectoDe(set);
}

void TmdlMovimientosAlmacen::MovimientosAlmacenALMACENValidate(ds::Field &field)
{
    fw::checkExists(field, QStringLiteral("ALMACEN"), QStringLiteral("ALMACEN no existe."));
}

// An article's code takes its purchase price as the movement's value; a
// barcode (the article's own or its supplier's) is replaced by the code of
// the first article that has it, which brings its price the same way.
void TmdlMovimientosAlmacen::MovimientosAlmacenARTICULOValidate(ds::Field &field)
{
    const QString valor = field.asString().trimmed();
    if (valor.isEmpty())
        return;
    if (valor.size() <= kLargoCodigo) {
        const auto articulo =
            connection().query(QStringLiteral("SELECT CODIGO,PRECIO_COMPRA FROM ARTICULO WHERE CODIGO = ?"), {valor});
        if (!articulo.isEmpty()) {
            MovimientosAlmacen.setValue(QStringLiteral("VALOR"), articulo.rows.front().at(1));
            return;
        }
    }
    const auto porCodigoBarras = connection().query(
        QStringLiteral("SELECT CODIGO FROM ARTICULO WHERE CODIGO_BARRAS = ? OR CODIGO_BARRAS_PROVEEDOR = ?"),
        {valor, valor});
    if (porCodigoBarras.isEmpty()) {
        ui::showMessage(QStringLiteral("ARTICULO no existe."));
        throw ds::SilentAbort();
    }
    field.setValue(porCodigoBarras.rows.front().at(0).toString().trimmed());
}

// Stock follows the movement as it now stands: what the stored movement had
// carried comes off (where it reached a stock row) and the new quantity goes
// on, as one change when the pair is the same, so the row is written once
// and warns only of where it really ends.
void TmdlMovimientosAlmacen::MovimientosAlmacenBeforePost(ds::RecordSet &set)
{
    const Efecto nuevo = efectoDe(set);
    Efecto anterior = set.state() == ds::State::Edit ? m_alEditar : Efecto{};
    if (anterior.cantidad != 0 && !TmdlStocks::ExisteStock(connection(), anterior.almacen, anterior.articulo))
        anterior = {};
    if (mismoPar(anterior, nuevo)) {
        ajustar(nuevo, nuevo.cantidad - anterior.cantidad);
    } else {
        ajustar(anterior, -anterior.cantidad);
        ajustar(nuevo, nuevo.cantidad);
    }
    // A second post before the apply starts from what this one carried.
    m_alEditar = nuevo;
}

void TmdlMovimientosAlmacen::MovimientosAlmacenBeforeDelete(ds::RecordSet &set)
{
    const Efecto efecto = efectoDe(set);
    if (TmdlStocks::ExisteStock(connection(), efecto.almacen, efecto.articulo))
        ajustar(efecto, -efecto.cantidad);
}

// A movement without warehouse or article has no effect on stock.
void TmdlMovimientosAlmacen::ajustar(const Efecto &efecto, double cantidad)
{
    if (efecto.almacen.isEmpty() || efecto.articulo.isEmpty())
        return;
    TmdlStocks::AjustarStock(connection(), efecto.almacen, efecto.articulo, cantidad);
}
