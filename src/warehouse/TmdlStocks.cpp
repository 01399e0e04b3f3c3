#include "TmdlStocks.h"

#include "app/TmdlConexiones.h"
#include "framework/Reglas.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbError.h"
#include "platform/ui/Dialogs.h"

#include <cmath>

namespace {

const QString kSqlPar = QStringLiteral("SELECT * FROM STOCK WHERE ALMACEN = ? AND ARTICULO = ?");

// A creation that meets another copy's row for the same pair (or the same
// row number) retries; this many times means something else is wrong.
constexpr int kIntentosCrear = 5;

// Stock rows keep two decimals; the article's total is a floating-point
// column, kept at the same two decimals so that it stays the exact sum of
// the rows however many changes it adds up.
double centimos(double valor)
{
    return std::round(valor * 100.0) / 100.0;
}

bool claveRepetida(const fb::Error &e)
{
    return e.hasCode(fb::codes::UniqueKeyViolation) || e.hasCode(fb::codes::NoDuplicate);
}

QString texto(const ds::RecordSet &set, const char *columna)
{
    return set.value(QLatin1String(columna)).toString().trimmed();
}

} // namespace

TmdlStocks::TmdlStocks(QObject *parent) : TmdlStocks(mdlConexiones().ConexionEmpresa, parent) {}

TmdlStocks::TmdlStocks(fb::Connection &empresa, QObject *parent) : TmdlStocks(empresa, true, parent) {}

TmdlStocks::TmdlStocks(fb::Connection &empresa, bool conNombres, QObject *parent)
    : fw::DataModule(empresa, parent),
      Stocks(addRecordSet(QStringLiteral("Stocks"), QStringLiteral("select * from STOCK"))),
      LookArticulo(addLookup(QStringLiteral("LookArticulo"), QStringLiteral("select CODIGO, DESCRIPCION from ARTICULO"))),
      LookAlmacen(addLookup(QStringLiteral("LookAlmacen"), QStringLiteral("select CODIGO, DESCRIPCION from ALMACEN")))
{
    if (conNombres) {
        Stocks.addLookupField(QStringLiteral("NARTICULO"), QStringLiteral("ARTICULO"), &LookArticulo,
                              QStringLiteral("DESCRIPCION"), 100);
        Stocks.addLookupField(QStringLiteral("NALMACEN"), QStringLiteral("ALMACEN"), &LookAlmacen,
                              QStringLiteral("DESCRIPCION"), 50);
    }
    Stocks.field(QStringLiteral("STOCK")).displayFormat = QStringLiteral("#,##0.00");
    Stocks.onNewRecord = [this](ds::RecordSet &set) { StocksNewRecord(set); };
    Stocks.afterEdit = [this](ds::RecordSet &set) { StocksAfterEdit(set); };
    Stocks.beforePost = [this](ds::RecordSet &set) { StocksBeforePost(set); };
    Stocks.field(QStringLiteral("ALMACEN")).onValidate = [this](ds::Field &f) { StocksALMACENValidate(f); };
    Stocks.field(QStringLiteral("ARTICULO")).onValidate = [this](ds::Field &f) { StocksARTICULOValidate(f); };
}

void TmdlStocks::StocksNewRecord(ds::RecordSet &set)
{
    set.setValue(QStringLiteral("CODIGO"),
                 fw::nextNumber(connection(), QStringLiteral("STOCK"), QStringLiteral("CODIGO"), {}, {}, &set));
    set.setValue(QStringLiteral("STOCK"), 0.0);
}

void TmdlStocks::StocksAfterEdit(ds::RecordSet &set)
{
    m_stockAlEditar = set.field(QStringLiteral("STOCK")).asFloat();
}

void TmdlStocks::StocksALMACENValidate(ds::Field &field)
{
    fw::checkExists(field, QStringLiteral("ALMACEN"), QStringLiteral("ALMACEN no existe."));
}

void TmdlStocks::StocksARTICULOValidate(ds::Field &field)
{
    fw::checkExists(field, QStringLiteral("ARTICULO"), QStringLiteral("ARTICULO no existe."));
}

// The stock row rule: warns of negative stock (the post goes ahead) and
// carries the row's change to the article's total, stored at once. When the
// article cannot be stored the post is refused, so row and total never part.
void TmdlStocks::StocksBeforePost(ds::RecordSet &set)
{
    const double stock = set.field(QStringLiteral("STOCK")).asFloat();
    if (stock < 0)
        ui::showMessage(QStringLiteral("El Articulo ") + texto(set, "ARTICULO") + QStringLiteral(" en el Almacen ")
                        + texto(set, "ALMACEN") + QStringLiteral(" tiene stock negativo."));
    const double antes = set.state() == ds::State::Insert ? 0.0 : m_stockAlEditar;
    trasladarAlArticulo(texto(set, "ARTICULO"), stock - antes);
    // A second post of the same row before its apply starts from here.
    m_stockAlEditar = stock;
}

// Only the article's total is written here, so the article row is read
// alone, without the rules and look-up sets of the articles' module.
void TmdlStocks::trasladarAlArticulo(const QString &articulo, double diferencia)
{
    if (diferencia == 0)
        return;
    ds::RecordSet articulos(QStringLiteral("Articulos"));
    articulos.setConnection(&connection());
    articulos.open(QStringLiteral("SELECT * FROM ARTICULO WHERE CODIGO = ?"), {articulo});
    if (articulos.isEmpty())
        return;
    articulos.edit();
    const ds::Field &stock = articulos.field(QStringLiteral("STOCK"));
    articulos.setValue(QStringLiteral("STOCK"), centimos(stock.asFloat() + diferencia));
    articulos.post();
    if (articulos.applyUpdates() != 0)
        throw ds::SilentAbort();
}

void TmdlStocks::AjustarStock(fb::Connection &empresa, const QString &almacen, const QString &articulo,
                              double cantidad)
{
    TmdlStocks stocks(empresa, false, nullptr);
    stocks.ajustar(almacen.trimmed(), articulo.trimmed(), cantidad);
}

bool TmdlStocks::ExisteStock(fb::Connection &empresa, const QString &almacen, const QString &articulo)
{
    return !empresa.query(QStringLiteral("SELECT FIRST 1 CODIGO FROM STOCK WHERE ALMACEN = ? AND ARTICULO = ?"),
                          {almacen.trimmed(), articulo.trimmed()})
                .isEmpty();
}

void TmdlStocks::ajustar(const QString &almacen, const QString &articulo, double cantidad)
{
    if (almacen.isEmpty() || articulo.isEmpty())
        return;
    abrirOCrearFila(almacen, articulo);
    ds::Field &stock = Stocks.field(QStringLiteral("STOCK"));
    const double antes = stock.asFloat();
    try {
        Stocks.edit();
        stock.setValue(centimos(antes + cantidad));
        if (stock.asFloat() == antes) {
            Stocks.cancel();
            return;
        }
        Stocks.post();
    } catch (...) {
        Stocks.cancel();
        throw;
    }
    if (Stocks.applyUpdates() != 0) {
        // Another copy changed the row since it was read; its change is
        // kept and ours is refused (the error box has said so). The article
        // got our change already: take it back so the total stays the sum.
        trasladarAlArticulo(articulo, antes - stock.asFloat());
        Stocks.cancelUpdates();
        throw ds::SilentAbort();
    }
}

void TmdlStocks::abrirPar(const QString &almacen, const QString &articulo)
{
    Stocks.close();
    Stocks.open(kSqlPar, {almacen, articulo});
}

// The pair's row, created at 0 when it has none yet: creating it changes no
// total, and the quantity is then added as to any existing row.
void TmdlStocks::abrirOCrearFila(const QString &almacen, const QString &articulo)
{
    for (int intento = 1;; ++intento) {
        abrirPar(almacen, articulo);
        if (!Stocks.isEmpty())
            return;
        try {
            crearFila(almacen, articulo);
        } catch (const fb::Error &e) {
            // Another copy created the pair's row (or took the row number)
            // since the pair was looked up: look again.
            if (!claveRepetida(e) || intento == kIntentosCrear)
                throw;
        }
    }
}

// The new row is filled in the record set first, so that it gets its number
// and the warehouse and the article pass their existence checks with their
// own messages. It is then written by a statement of its own: when another
// copy of the program has just created the same pair, the unique key of the
// pair refuses it with an error the caller recognises, where the apply of
// the record set would show an error box and leave the change pending.
void TmdlStocks::crearFila(const QString &almacen, const QString &articulo)
{
    QVariantList valores;
    Stocks.append();
    try {
        Stocks.setValue(QStringLiteral("ALMACEN"), almacen);
        Stocks.setValue(QStringLiteral("ARTICULO"), articulo);
        for (const char *columna : {"CODIGO", "ALMACEN", "ARTICULO", "STOCK"})
            valores << Stocks.value(QLatin1String(columna));
    } catch (...) {
        Stocks.cancel();
        throw;
    }
    Stocks.cancel();
    connection().execute(QStringLiteral("INSERT INTO STOCK (CODIGO, ALMACEN, ARTICULO, STOCK) VALUES (?, ?, ?, ?)"),
                         valores);
}
