// Warehouses, stock rows and stock movements through their data modules on a
// real company database: the warehouse rules, the stock adjustment (first
// row of a pair, negative stock, unknown codes, two copies creating the same
// pair at once), movements (article by code or barcode, the stock effect of
// storing, changing and deleting), and the invariant that every article's
// total equals the sum of its stock rows after any sequence of changes.
#include "AlmacenPrueba.h"
#include "Rechazada.h"
#include "TestEnvironment.h"

#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "warehouse/TmdlAlmacenes.h"
#include "warehouse/TmdlMovimientosAlmacen.h"
#include "warehouse/TmdlStocks.h"

#include <QDate>
#include <QRandomGenerator>
#include <QtTest>
#include <map>

using testsupport::AlmacenPrueba;

namespace {

QString aviso(const QString &articulo, const QString &almacen)
{
    return QStringLiteral("El Articulo %1 en el Almacen %2 tiene stock negativo.").arg(articulo, almacen);
}

// Movements as the browse window handles them: one module over the table,
// each change posted and applied at once.
struct Movimientos
{
    TmdlMovimientosAlmacen modulo;
    ds::RecordSet &datos = modulo.MovimientosAlmacen;

    explicit Movimientos(fb::Connection &c) : modulo(c) { datos.open(); }

    int nuevo(const QString &almacen, const QString &articulo, const QString &tipo, double cantidad)
    {
        datos.append();
        datos.setValue(QStringLiteral("ALMACEN"), almacen);
        datos.setValue(QStringLiteral("ARTICULO"), articulo);
        datos.setValue(QStringLiteral("TIPO"), tipo);
        datos.setValue(QStringLiteral("CANTIDAD"), cantidad);
        datos.post();
        aplicar();
        return datos.value(QStringLiteral("CODIGO")).toInt();
    }
    void modificar(int codigo, const QString &tipo, double cantidad)
    {
        QVERIFY(datos.locate(QStringLiteral("CODIGO"), codigo));
        datos.edit();
        datos.setValue(QStringLiteral("TIPO"), tipo);
        datos.setValue(QStringLiteral("CANTIDAD"), cantidad);
        datos.post();
        aplicar();
    }
    void eliminar(int codigo)
    {
        QVERIFY(datos.locate(QStringLiteral("CODIGO"), codigo));
        datos.remove();
        aplicar();
    }
    void aplicar() { QCOMPARE(datos.applyUpdates(), 0); }
};

bool ajustar(AlmacenPrueba &empresa, const QString &almacen, const QString &articulo, double cantidad)
{
    return !testsupport::rechazada([&] { TmdlStocks::AjustarStock(empresa.conexion, almacen, articulo, cantidad); });
}

} // namespace

class TestStock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::initFirebird(); }

    void borrarAlmacen_data();
    void borrarAlmacen();
    void responsableDelAlmacen();
    void primeraFilaDelPar();
    void totalSobreAlmacenes();
    void ajusteConCodigoInexistente_data();
    void ajusteConCodigoInexistente();
    void dosCopiasCreanLaFila_data();
    void dosCopiasCreanLaFila();
    void movimientoNuevo();
    void articuloPorCodigoOBarras_data();
    void articuloPorCodigoOBarras();
    void movimientoEjemploResuelto();
    void movimientoSinParNoTocaStock();
    void totalIgualASumaTrasCualquierSecuencia();
};

void TestStock::borrarAlmacen_data()
{
    QTest::addColumn<QStringList>("usos");
    QTest::addColumn<QString>("mensaje");
    const QString movimiento = QStringLiteral("INSERT INTO MOVIMIENTO_ALMACEN (CODIGO, ALMACEN) VALUES (1, ?)");
    const QString filaACero = QStringLiteral("INSERT INTO STOCK (CODIGO, ALMACEN, STOCK) VALUES (1, ?, 0)");
    const QString documentos = QStringLiteral("No se puede eliminar. Tiene documentos.");
    QTest::newRow("sin uso") << QStringList{} << QString();
    QTest::newRow("movimiento") << QStringList{movimiento} << documentos;
    QTest::newRow("fila de stock a 0") << QStringList{filaACero} << "No se puede eliminar. Tiene stock.";
    QTest::newRow("movimiento antes que stock") << QStringList{filaACero, movimiento} << documentos;
    QTest::newRow("solo en albaranes")
        << QStringList{QStringLiteral("INSERT INTO ALBARAN_VENTA (SERIE, NUMERO, ALMACEN) VALUES ('A', 1, ?)")}
        << QString();
}

void TestStock::borrarAlmacen()
{
    QFETCH(QStringList, usos);
    QFETCH(QString, mensaje);
    AlmacenPrueba empresa;
    empresa.almacen(QStringLiteral("W'1"));
    for (const QString &uso : usos)
        empresa.sql(uso, {QStringLiteral("W'1")});
    TmdlAlmacenes modulo(empresa.conexion);
    modulo.Almacenes.open();

    if (mensaje.isEmpty()) {
        modulo.Almacenes.remove();
        QCOMPARE(modulo.Almacenes.applyUpdates(), 0);
    } else {
        QVERIFY_THROWS_EXCEPTION(ds::SilentAbort, modulo.Almacenes.remove());
    }
    QCOMPARE(empresa.dialogos.messages, mensaje.isEmpty() ? QStringList{} : QStringList{mensaje});
    QCOMPARE(empresa.contar(QStringLiteral("SELECT COUNT(*) FROM ALMACEN")), mensaje.isEmpty() ? 0 : 1);
}

void TestStock::responsableDelAlmacen()
{
    AlmacenPrueba empresa;
    empresa.sql(QStringLiteral("INSERT INTO RESPONSABLE_ALMACEN (CODIGO, NOMBRE) VALUES ('R1', 'Rosa')"));
    TmdlAlmacenes modulo(empresa.conexion);
    modulo.Almacenes.open();
    modulo.Almacenes.append();
    QVERIFY_THROWS_EXCEPTION(ds::SilentAbort, modulo.Almacenes.setValue(QStringLiteral("RESPONSABLE"), "R9"));
    QCOMPARE(empresa.dialogos.messages, QStringList{QStringLiteral("RESPONSABLE no existe.")});
    modulo.Almacenes.setValue(QStringLiteral("RESPONSABLE"), QStringLiteral("R1"));
    QCOMPARE(modulo.Almacenes.value(QStringLiteral("NRESPONSABLE")).toString(), QStringLiteral("Rosa"));
}

// The first adjustment of a pair creates its row with the next number; an
// exit from nothing leaves it below zero, with the warning, and is stored.
void TestStock::primeraFilaDelPar()
{
    AlmacenPrueba empresa;
    empresa.almacen(QStringLiteral("01"));
    for (const char *a : {"A1", "A2", "A3"})
        empresa.articulo(QLatin1String(a));
    for (int codigo : {1, 2, 7})
        empresa.sql(QStringLiteral("INSERT INTO STOCK (CODIGO, ALMACEN, ARTICULO, STOCK) VALUES (?, '01', ?, 0)"),
                    {codigo, QStringLiteral("A%1").arg(codigo == 7 ? 3 : codigo)});

    QVERIFY(ajustar(empresa, QStringLiteral("01"), QStringLiteral("A1"), 5));
    QCOMPARE(empresa.stock(QStringLiteral("01"), QStringLiteral("A1")).toDouble(), 5.0);
    QCOMPARE(empresa.stockArticulo(QStringLiteral("A1")), 5.0);
    QVERIFY(empresa.dialogos.shown.isEmpty());

    empresa.sql(QStringLiteral("DELETE FROM STOCK WHERE ARTICULO = 'A2'"));
    QVERIFY(ajustar(empresa, QStringLiteral("01"), QStringLiteral("A2"), -5));
    QCOMPARE(empresa.valor(QStringLiteral("SELECT CODIGO FROM STOCK WHERE ARTICULO = 'A2'")).toInt(), 8);
    QCOMPARE(empresa.stock(QStringLiteral("01"), QStringLiteral("A2")).toDouble(), -5.0);
    QCOMPARE(empresa.stockArticulo(QStringLiteral("A2")), -5.0);
    QCOMPARE(empresa.dialogos.messages, QStringList{aviso(QStringLiteral("A2"), QStringLiteral("01"))});
}

void TestStock::totalSobreAlmacenes()
{
    AlmacenPrueba empresa;
    empresa.almacen(QStringLiteral("01"));
    empresa.almacen(QStringLiteral("02"));
    empresa.articulo(QStringLiteral("A1"));
    QVERIFY(ajustar(empresa, QStringLiteral("01"), QStringLiteral("A1"), 5));
    QVERIFY(ajustar(empresa, QStringLiteral("02"), QStringLiteral("A1"), 7));
    QCOMPARE(empresa.stockArticulo(QStringLiteral("A1")), 12.0);
    QVERIFY(ajustar(empresa, QStringLiteral("01"), QStringLiteral("A1"), -2));
    QCOMPARE(empresa.stock(QStringLiteral("01"), QStringLiteral("A1")).toDouble(), 3.0);
    QCOMPARE(empresa.stockArticulo(QStringLiteral("A1")), 10.0);
}

void TestStock::ajusteConCodigoInexistente_data()
{
    QTest::addColumn<QString>("almacen");
    QTest::addColumn<QString>("articulo");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("almacen") << "09" << "A1" << "ALMACEN no existe.";
    QTest::newRow("articulo") << "01" << "A9" << "ARTICULO no existe.";
}

void TestStock::ajusteConCodigoInexistente()
{
    QFETCH(QString, almacen);
    QFETCH(QString, articulo);
    QFETCH(QString, mensaje);
    AlmacenPrueba empresa;
    empresa.almacen(QStringLiteral("01"));
    empresa.articulo(QStringLiteral("A1"));
    QVERIFY(!ajustar(empresa, almacen, articulo, 3));
    QCOMPARE(empresa.dialogos.messages, QStringList{mensaje});
    QCOMPARE(empresa.contar(QStringLiteral("SELECT COUNT(*) FROM STOCK")), 0);
    QCOMPARE(empresa.stockArticulo(QStringLiteral("A1")), 0.0);
}

void TestStock::dosCopiasCreanLaFila_data()
{
    QTest::addColumn<QString>("articuloDeLaOtra");
    QTest::newRow("el mismo par") << "A1";
    QTest::newRow("el mismo numero para otro par") << "A2";
}

// Another copy of the program creates a row at the worst moment: after this
// copy found no row for its pair and before its own row is written. The
// trigger plays that copy in a transaction of its own, committed at once,
// with the number this copy is about to use and a stock of 7 already carried
// to its article. The adjustment must end with one row per pair holding
// every quantity, and totals that still add up.
void TestStock::dosCopiasCreanLaFila()
{
    QFETCH(QString, articuloDeLaOtra);
    AlmacenPrueba empresa;
    empresa.almacen(QStringLiteral("01"));
    empresa.articulo(QStringLiteral("A1"));
    empresa.articulo(QStringLiteral("A2"));
    empresa.sql(QStringLiteral(
        "CREATE TRIGGER OTRA_COPIA FOR STOCK BEFORE INSERT AS "
        "BEGIN "
        "  IF (NEW.STOCK = 0 AND NOT EXISTS (SELECT 1 FROM STOCK WHERE ARTICULO = '%1')) THEN "
        "    IN AUTONOMOUS TRANSACTION DO "
        "    BEGIN "
        "      INSERT INTO STOCK (CODIGO, ALMACEN, ARTICULO, STOCK) VALUES (NEW.CODIGO, NEW.ALMACEN, '%1', 7); "
        "      UPDATE ARTICULO SET STOCK = STOCK + 7 WHERE CODIGO = '%1'; "
        "    END "
        "END").arg(articuloDeLaOtra));

    QVERIFY(ajustar(empresa, QStringLiteral("01"), QStringLiteral("A1"), 5));

    QVERIFY(empresa.dialogos.shown.isEmpty());
    QCOMPARE(empresa.filasStock(QStringLiteral("01"), QStringLiteral("A1")), 1);
    QCOMPARE(empresa.filasStock(QStringLiteral("01"), QStringLiteral("A2")), articuloDeLaOtra == u"A2" ? 1 : 0);
    const bool mismoPar = articuloDeLaOtra == u"A1";
    QCOMPARE(empresa.stock(QStringLiteral("01"), QStringLiteral("A1")).toDouble(), mismoPar ? 12.0 : 5.0);
    QCOMPARE(empresa.stockArticulo(QStringLiteral("A1")), mismoPar ? 12.0 : 5.0);
    QCOMPARE(empresa.stockArticulo(QStringLiteral("A2")), mismoPar ? 0.0 : 7.0);
}

void TestStock::movimientoNuevo()
{
    AlmacenPrueba empresa;
    empresa.sql(QStringLiteral("INSERT INTO MOVIMIENTO_ALMACEN (CODIGO) VALUES (4)"));
    Movimientos movimientos(empresa.conexion);
    movimientos.datos.append();
    QCOMPARE(movimientos.datos.value(QStringLiteral("CODIGO")).toInt(), 5);
    QCOMPARE(movimientos.datos.value(QStringLiteral("FECHA")).toDate(), QDate::currentDate());
    QCOMPARE(movimientos.datos.value(QStringLiteral("TIPO")).toString(), QStringLiteral("E"));
    QCOMPARE(movimientos.datos.value(QStringLiteral("CANTIDAD")).toDouble(), 1.0);
    QCOMPARE(movimientos.datos.value(QStringLiteral("VALOR")).toDouble(), 0.0);
}

void TestStock::articuloPorCodigoOBarras_data()
{
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<QStringList>("articulos"); // any of them is right
    QTest::addColumn<double>("valor");
    QTest::newRow("codigo") << "A1" << QStringList{"A1"} << 12.5;
    QTest::newRow("codigo de barras propio de 13 cifras") << "8412345678905" << QStringList{"A2"} << 3.0;
    QTest::newRow("codigo de barras del proveedor") << "PRV-77" << QStringList{"A3"} << 7.25;
    QTest::newRow("codigo de barras compartido") << "COMUN" << QStringList{"A1", "A3"} << -1.0;
    QTest::newRow("nada") << "NOHAY" << QStringList{} << 0.0;
}

// Whatever is typed, the field ends with an article's own code and the value
// with its purchase price; what matches nothing is refused.
void TestStock::articuloPorCodigoOBarras()
{
    QFETCH(QString, tecleado);
    QFETCH(QStringList, articulos);
    QFETCH(double, valor);
    AlmacenPrueba empresa;
    empresa.articulo(QStringLiteral("A1"), 12.5, QStringLiteral("COMUN"));
    empresa.articulo(QStringLiteral("A2"), 3, QStringLiteral("8412345678905"));
    empresa.articulo(QStringLiteral("A3"), 7.25, QStringLiteral("X"), QStringLiteral("COMUN"));
    empresa.sql(QStringLiteral("UPDATE ARTICULO SET CODIGO_BARRAS_PROVEEDOR = 'PRV-77' WHERE CODIGO = 'A3'"));
    Movimientos movimientos(empresa.conexion);
    movimientos.datos.append();
    ds::Field &articulo = movimientos.datos.field(QStringLiteral("ARTICULO"));

    if (articulos.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(ds::SilentAbort, articulo.setValue(tecleado));
        QCOMPARE(empresa.dialogos.messages, QStringList{QStringLiteral("ARTICULO no existe.")});
        QVERIFY(articulo.isNull());
        return;
    }
    articulo.setValue(tecleado);
    const QString elegido = articulo.asString().trimmed();
    QVERIFY2(articulos.contains(elegido), qPrintable(elegido));
    const double precio = empresa.valor(QStringLiteral("SELECT PRECIO_COMPRA FROM ARTICULO WHERE CODIGO = ?"),
                                        {elegido}).toDouble();
    QCOMPARE(movimientos.datos.value(QStringLiteral("VALOR")).toDouble(), valor < 0 ? precio : valor);
    QVERIFY(empresa.dialogos.shown.isEmpty());
}

// Entry 10, changed into an exit of 4, then deleted.
void TestStock::movimientoEjemploResuelto()
{
    AlmacenPrueba empresa;
    empresa.almacen(QStringLiteral("01"));
    empresa.articulo(QStringLiteral("A1"));
    Movimientos movimientos(empresa.conexion);

    const int codigo = movimientos.nuevo(QStringLiteral("01"), QStringLiteral("A1"), QStringLiteral("E"), 10);
    QCOMPARE(empresa.stock(QStringLiteral("01"), QStringLiteral("A1")).toDouble(), 10.0);
    QCOMPARE(empresa.stockArticulo(QStringLiteral("A1")), 10.0);

    movimientos.modificar(codigo, QStringLiteral("S"), 4);
    QCOMPARE(empresa.stock(QStringLiteral("01"), QStringLiteral("A1")).toDouble(), -4.0);
    QCOMPARE(empresa.stockArticulo(QStringLiteral("A1")), -4.0);
    QCOMPARE(empresa.dialogos.messages, QStringList{aviso(QStringLiteral("A1"), QStringLiteral("01"))});

    movimientos.eliminar(codigo);
    QCOMPARE(empresa.stock(QStringLiteral("01"), QStringLiteral("A1")).toDouble(), 0.0);
    QCOMPARE(empresa.stockArticulo(QStringLiteral("A1")), 0.0);
    QCOMPARE(empresa.filasStock(QStringLiteral("01"), QStringLiteral("A1")), 1);
}

void TestStock::movimientoSinParNoTocaStock()
{
    AlmacenPrueba empresa;
    empresa.almacen(QStringLiteral("01"));
    empresa.articulo(QStringLiteral("A1"));
    Movimientos movimientos(empresa.conexion);
    const int codigo = movimientos.nuevo(QString(), QStringLiteral("A1"), QStringLiteral("E"), 3);
    movimientos.modificar(codigo, QStringLiteral("S"), 2);
    movimientos.eliminar(codigo);
    QCOMPARE(empresa.contar(QStringLiteral("SELECT COUNT(*) FROM STOCK")), 0);
    QCOMPARE(empresa.stockArticulo(QStringLiteral("A1")), 0.0);
}

// A few hundred new, changed and deleted movements and direct adjustments
// (as delivery notes make them), with quantities in cents, over three
// articles and two warehouses. After each step every article's total is
// exactly the sum of its rows, and every row holds what a simple tally of
// the same steps says, in one row per pair.
void TestStock::totalIgualASumaTrasCualquierSecuencia()
{
    AlmacenPrueba empresa;
    const QStringList almacenes{QStringLiteral("01"), QStringLiteral("02")};
    const QStringList articulos{QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("A3")};
    for (const QString &w : almacenes)
        empresa.almacen(w);
    for (const QString &a : articulos)
        empresa.articulo(a);
    Movimientos movimientos(empresa.conexion);
    QRandomGenerator azar(20261211);
    const double cantidades[] = {0.1, 0.25, 1, 2.5, 3.33, 10, 0.07};
    auto elegir = [&azar](const auto &lista) { return lista[int(azar.bounded(int(std::size(lista))))]; };
    auto tipo = [&azar] { return azar.bounded(2) ? QStringLiteral("E") : QStringLiteral("S"); };
    auto centimos = [](double v) { return qRound64(v * 100); };

    struct Registro { QString almacen, articulo; qint64 efecto; };
    std::map<int, Registro> registrados;           // movement code -> what it carries
    std::map<std::pair<QString, QString>, qint64> cuenta; // pair -> expected cents

    for (int paso = 0; paso < 250; ++paso) {
        const int operacion = int(azar.bounded(4));
        if (operacion == 0 || registrados.empty()) {
            const QString w = elegir(almacenes), a = elegir(articulos), t = tipo();
            const double q = elegir(cantidades);
            const int codigo = movimientos.nuevo(w, a, t, q);
            registrados[codigo] = {w, a, (t == u"E" ? 1 : -1) * centimos(q)};
            cuenta[{w, a}] += registrados[codigo].efecto;
        } else if (operacion == 3) {
            const QString w = elegir(almacenes), a = elegir(articulos);
            const double q = elegir(cantidades) * (azar.bounded(2) ? 1 : -1);
            QVERIFY(ajustar(empresa, w, a, q));
            cuenta[{w, a}] += centimos(q);
        } else {
            auto it = std::next(registrados.begin(), int(azar.bounded(int(registrados.size()))));
            Registro &r = it->second;
            cuenta[{r.almacen, r.articulo}] -= r.efecto;
            if (operacion == 1) {
                const QString t = tipo();
                const double q = elegir(cantidades);
                movimientos.modificar(it->first, t, q);
                r.efecto = (t == u"E" ? 1 : -1) * centimos(q);
                cuenta[{r.almacen, r.articulo}] += r.efecto;
            } else {
                movimientos.eliminar(it->first);
                registrados.erase(it);
            }
        }
        if (QTest::currentTestFailed())
            return;

        const auto totales = empresa.conexion.query(QStringLiteral(
            "SELECT a.CODIGO, a.STOCK, (SELECT COALESCE(SUM(s.STOCK), 0) FROM STOCK s WHERE s.ARTICULO = a.CODIGO) "
            "FROM ARTICULO a"));
        for (const QVariantList &fila : totales.rows)
            QVERIFY2(fila.at(1).toDouble() == fila.at(2).toDouble(),
                     qPrintable(QStringLiteral("paso %1, %2: total %3, filas %4")
                                    .arg(paso).arg(fila.at(0).toString(), fila.at(1).toString(), fila.at(2).toString())));
    }
    for (const auto &[par, centimosEsperados] : cuenta) {
        QCOMPARE(empresa.filasStock(par.first, par.second), 1);
        QCOMPARE(centimos(empresa.stock(par.first, par.second).toDouble()), centimosEsperados);
    }
}

QTEST_GUILESS_MAIN(TestStock)
#include "tst_stock.moc"
