// Families and articles through their data modules on a real company
// database: unique codes, existence of supplier and family, the surcharge
// that follows the VAT rate, the price triangle, and the delete guards.
#include "AlmacenPrueba.h"
#include "Rechazada.h"
#include "TestEnvironment.h"

#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "warehouse/TmdlAlmacenes.h"
#include "warehouse/TmdlArticulos.h"
#include "warehouse/TmdlFamilias.h"

#include <QtTest>
#include <functional>
#include <memory>

using testsupport::AlmacenPrueba;

namespace {

// An article being added, through its data module.
struct ArticuloNuevo
{
    AlmacenPrueba &empresa;
    TmdlArticulos modulo{empresa.conexion};
    ds::RecordSet &Articulos = modulo.Articulos;

    explicit ArticuloNuevo(AlmacenPrueba &e) : empresa(e)
    {
        Articulos.open(QStringLiteral("SELECT * FROM ARTICULO WHERE CODIGO = ''"));
        Articulos.append();
    }
    double cifra(const char *columna) const { return Articulos.field(QLatin1String(columna)).asFloat(); }
    // Sets a value as a box does; false when the rules refused it.
    bool poner(const char *columna, const QVariant &valor)
    {
        return !testsupport::rechazada([&] { Articulos.setValue(QLatin1String(columna), valor); });
    }
};

} // namespace

class TestArticulos : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::initFirebird(); }

    void codigoUnico_data();
    void codigoUnico();
    void codigoDeOtraTabla_data();
    void codigoDeOtraTabla();
    void articuloNuevo();
    void recargoSegunIva_data();
    void recargoSegunIva();
    void trianguloDePrecios();
    void margenNoAplicableSinPrecioCompra();
    void margenDeCienOMasRechazado_data();
    void margenDeCienOMasRechazado();
    void borrarArticulo_data();
    void borrarArticulo();
    void borrarFamilia();
};

using Abrir = std::function<ds::RecordSet &(std::unique_ptr<QObject> &, fb::Connection &)>;

template<typename Modulo>
Abrir abrirCon(ds::RecordSet &(*conjunto)(Modulo &))
{
    return [conjunto](std::unique_ptr<QObject> &dueno, fb::Connection &c) -> ds::RecordSet & {
        auto *modulo = new Modulo(c);
        dueno.reset(modulo);
        return conjunto(*modulo);
    };
}

void TestArticulos::codigoUnico_data()
{
    QTest::addColumn<Abrir>("abrir");
    QTest::addColumn<QString>("tabla");
    QTest::newRow("familia") << abrirCon<TmdlFamilias>([](TmdlFamilias &m) -> ds::RecordSet & { return m.Familias; })
                             << "FAMILIA";
    QTest::newRow("articulo") << abrirCon<TmdlArticulos>(
        [](TmdlArticulos &m) -> ds::RecordSet & { return m.Articulos; }) << "ARTICULO";
    QTest::newRow("almacen") << abrirCon<TmdlAlmacenes>(
        [](TmdlAlmacenes &m) -> ds::RecordSet & { return m.Almacenes; }) << "ALMACEN";
}

// A code already stored is refused with the message; an empty one is
// refused silently; a code with a quote is a code like any other.
void TestArticulos::codigoUnico()
{
    QFETCH(Abrir, abrir);
    QFETCH(QString, tabla);
    AlmacenPrueba empresa;
    empresa.sql(QStringLiteral("INSERT INTO %1 (CODIGO) VALUES ('X1')").arg(tabla));
    std::unique_ptr<QObject> modulo;
    ds::RecordSet &datos = abrir(modulo, empresa.conexion);
    datos.open();
    datos.append();
    ds::Field &codigo = datos.field(QStringLiteral("CODIGO"));

    QVERIFY_THROWS_EXCEPTION(ds::SilentAbort, codigo.setValue(QStringLiteral("X1")));
    QCOMPARE(empresa.dialogos.messages, QStringList{QStringLiteral("El CODIGO Ya Existe.")});
    QVERIFY(codigo.isNull());

    empresa.dialogos.clear();
    QVERIFY_THROWS_EXCEPTION(ds::SilentAbort, codigo.setValue(QString()));
    QVERIFY(empresa.dialogos.shown.isEmpty());

    codigo.setValue(QStringLiteral("O'B"));
    datos.post();
    QCOMPARE(datos.applyUpdates(), 0);
    QCOMPARE(empresa.contar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(tabla)), 2);
}

void TestArticulos::codigoDeOtraTabla_data()
{
    QTest::addColumn<QString>("columna");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("proveedor") << "PROVEEDOR" << "PROVEEDOR no existe.";
    QTest::newRow("familia") << "FAMILIA" << "FAMILIA no existe.";
}

void TestArticulos::codigoDeOtraTabla()
{
    QFETCH(QString, columna);
    QFETCH(QString, mensaje);
    AlmacenPrueba empresa;
    empresa.sql(QStringLiteral("INSERT INTO %1 (CODIGO) VALUES ('P1')").arg(columna));
    ArticuloNuevo nuevo(empresa);

    QVERIFY(!nuevo.poner(columna.toLatin1(), QStringLiteral("NOHAY")));
    QCOMPARE(empresa.dialogos.messages, QStringList{mensaje});
    QVERIFY(nuevo.Articulos.field(columna).isNull());

    empresa.dialogos.clear();
    QVERIFY(nuevo.poner(columna.toLatin1(), QStringLiteral("P1")));
    QVERIFY(nuevo.poner(columna.toLatin1(), QVariant()));
    QVERIFY(empresa.dialogos.shown.isEmpty());
}

void TestArticulos::articuloNuevo()
{
    AlmacenPrueba empresa;
    ArticuloNuevo nuevo(empresa);
    QCOMPARE(nuevo.cifra("P_IVA"), 16.0);
    QCOMPARE(nuevo.cifra("P_RE"), 4.0);
    for (const char *cero : {"PRECIO_COMPRA", "MARGEN", "PRECIO_VENTA", "STOCK", "MINIMO", "MAXIMO",
                             "PDTE_RECIBIR", "PDTE_ENTREGAR"})
        QVERIFY2(nuevo.Articulos.field(QLatin1String(cero)).value() == QVariant(0.0), cero);
    QVERIFY(nuevo.Articulos.field(QStringLiteral("CODIGO")).isNull());
}

void TestArticulos::recargoSegunIva_data()
{
    QTest::addColumn<double>("iva");
    QTest::addColumn<double>("recargo");
    QTest::newRow("16") << 16.0 << 4.0;
    QTest::newRow("7") << 7.0 << 1.0;
    QTest::newRow("4") << 4.0 << 0.5;
    QTest::newRow("0") << 0.0 << 0.0;
    QTest::newRow("otro tipo: sin cambio") << 21.0 << 1.0;
}

void TestArticulos::recargoSegunIva()
{
    QFETCH(double, iva);
    QFETCH(double, recargo);
    AlmacenPrueba empresa;
    ArticuloNuevo nuevo(empresa);
    QVERIFY(nuevo.poner("P_IVA", 7.0));
    QVERIFY(nuevo.poner("P_IVA", iva));
    QCOMPARE(nuevo.cifra("P_RE"), recargo);
}

// The worked example: purchase 60 and margin 25 give 80; sale 100 gives
// margin 40; purchase 75 keeps the sale price and gives margin 25.
void TestArticulos::trianguloDePrecios()
{
    AlmacenPrueba empresa;
    ArticuloNuevo nuevo(empresa);
    QVERIFY(nuevo.poner("PRECIO_COMPRA", 60.0));
    QCOMPARE(nuevo.cifra("MARGEN"), 0.0);
    QVERIFY(nuevo.poner("MARGEN", 25.0));
    QCOMPARE(nuevo.cifra("PRECIO_VENTA"), 80.0);
    QCOMPARE(nuevo.cifra("MARGEN"), 25.0);
    QVERIFY(nuevo.poner("PRECIO_VENTA", 100.0));
    QCOMPARE(nuevo.cifra("MARGEN"), 40.0);
    QVERIFY(nuevo.poner("PRECIO_COMPRA", 75.0));
    QCOMPARE(nuevo.cifra("PRECIO_VENTA"), 100.0);
    QCOMPARE(nuevo.cifra("MARGEN"), 25.0);
    // A typed margin is kept as typed, whatever the division gives back.
    QVERIFY(nuevo.poner("MARGEN", 33.33));
    QCOMPARE(nuevo.cifra("MARGEN"), 33.33);
    QCOMPARE(nuevo.cifra("PRECIO_VENTA"), 75.0 / (1 - 33.33 / 100));
}

void TestArticulos::margenNoAplicableSinPrecioCompra()
{
    AlmacenPrueba empresa;
    ArticuloNuevo nuevo(empresa);
    QVERIFY(nuevo.poner("MARGEN", 30.0));
    QCOMPARE(nuevo.cifra("PRECIO_VENTA"), 0.0);
    QVERIFY(nuevo.poner("PRECIO_COMPRA", 50.0));
    QCOMPARE(nuevo.cifra("MARGEN"), 30.0);
    QCOMPARE(nuevo.cifra("PRECIO_VENTA"), 0.0);
    QVERIFY(nuevo.poner("PRECIO_VENTA", 0.0));
    QVERIFY(nuevo.poner("PRECIO_COMPRA", 0.0));
    QVERIFY(nuevo.poner("PRECIO_VENTA", 40.0));
    QCOMPARE(nuevo.cifra("MARGEN"), 30.0);
}

void TestArticulos::margenDeCienOMasRechazado_data()
{
    QTest::addColumn<double>("margen");
    QTest::newRow("100") << 100.0;
    QTest::newRow("150") << 150.0;
}

void TestArticulos::margenDeCienOMasRechazado()
{
    QFETCH(double, margen);
    AlmacenPrueba empresa;
    ArticuloNuevo nuevo(empresa);
    QVERIFY(nuevo.poner("PRECIO_COMPRA", 60.0));
    QVERIFY(nuevo.poner("MARGEN", 25.0));
    QVERIFY(!nuevo.poner("MARGEN", margen));
    QCOMPARE(empresa.dialogos.messages, QStringList{QStringLiteral("El MARGEN debe ser menor que 100.")});
    QCOMPARE(nuevo.cifra("MARGEN"), 25.0);
    QCOMPARE(nuevo.cifra("PRECIO_VENTA"), 80.0);
    QVERIFY(nuevo.poner("MARGEN", 99.5));
    QCOMPARE(nuevo.cifra("PRECIO_VENTA"), 60.0 / 0.005);
}

void TestArticulos::borrarArticulo_data()
{
    QTest::addColumn<QStringList>("usos");
    QTest::addColumn<QString>("mensaje");
    const QString movimientos = QStringLiteral("No se puede eliminar. Tiene Movimientos.");
    QTest::newRow("sin uso") << QStringList{} << QString();
    QTest::newRow("movimiento") << QStringList{"MOVIMIENTO_ALMACEN"} << movimientos;
    QTest::newRow("fila de stock a 0") << QStringList{"STOCK"} << "No se puede eliminar. Tiene Stock.";
    QTest::newRow("movimiento antes que stock") << QStringList{"STOCK", "MOVIMIENTO_ALMACEN"} << movimientos;
    for (const char *lineas : {"LINEA_PEDIDO_COMPRA", "LINEA_ALBARAN_COMPRA", "LINEA_FACTURA_COMPRA",
                               "LINEA_PRESUPUESTO_VENTA", "LINEA_PEDIDO_VENTA", "LINEA_ALBARAN_VENTA",
                               "LINEA_FACTURA_VENTA"})
        QTest::newRow(lineas) << QStringList{QLatin1String(lineas)} << movimientos;
}

// The first table that names the article refuses the delete with its
// message, and nothing is deleted; an unused article goes.
void TestArticulos::borrarArticulo()
{
    QFETCH(QStringList, usos);
    QFETCH(QString, mensaje);
    AlmacenPrueba empresa;
    const QString codigo = QStringLiteral("O'A");
    empresa.articulo(codigo);
    for (const QString &tabla : usos)
        empresa.sql(QStringLiteral("INSERT INTO %1 (CODIGO, ARTICULO) VALUES (1, ?)").arg(tabla), {codigo});
    TmdlArticulos modulo(empresa.conexion);
    modulo.Articulos.open();

    if (mensaje.isEmpty()) {
        modulo.Articulos.remove();
        QCOMPARE(modulo.Articulos.applyUpdates(), 0);
        QVERIFY(empresa.dialogos.shown.isEmpty());
    } else {
        QVERIFY_THROWS_EXCEPTION(ds::SilentAbort, modulo.Articulos.remove());
        QCOMPARE(empresa.dialogos.messages, QStringList{mensaje});
    }
    QCOMPARE(empresa.contar(QStringLiteral("SELECT COUNT(*) FROM ARTICULO")), mensaje.isEmpty() ? 0 : 1);
}

void TestArticulos::borrarFamilia()
{
    AlmacenPrueba empresa;
    empresa.sql(QStringLiteral("INSERT INTO FAMILIA (CODIGO) VALUES ('CON')"));
    empresa.sql(QStringLiteral("INSERT INTO FAMILIA (CODIGO) VALUES ('SIN')"));
    empresa.sql(QStringLiteral("INSERT INTO ARTICULO (CODIGO, FAMILIA) VALUES ('A1', 'CON')"));
    TmdlFamilias modulo(empresa.conexion);
    modulo.Familias.open(QStringLiteral("SELECT * FROM FAMILIA ORDER BY CODIGO"));

    QVERIFY_THROWS_EXCEPTION(ds::SilentAbort, modulo.Familias.remove());
    QCOMPARE(empresa.dialogos.messages, QStringList{QStringLiteral("No se puede eliminar. Tiene artículos.")});
    modulo.Familias.next();
    modulo.Familias.remove();
    QCOMPARE(modulo.Familias.applyUpdates(), 0);
    QCOMPARE(empresa.valor(QStringLiteral("SELECT LIST(CODIGO) FROM FAMILIA")).toString(), QStringLiteral("CON "));
}

QTEST_GUILESS_MAIN(TestArticulos)
#include "tst_articulos.moc"
