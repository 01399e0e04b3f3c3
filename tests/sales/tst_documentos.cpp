#include "ScriptedDialogs.h"
#include "SchemaFixture.h"

#include "incidents/TmdlIncidencias.h"
#include "master/DocumentosTitular.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"
#include "sales/ModeloDocumento.h"
#include "sales/TmdlAlbaranesVenta.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using ds::RecordSet;

// The commercial document model through the delivery notes' data module, and
// the stock its lines move, against a real company database. Every figure is
// checked by difference from a small known fixture.
class TestDocumentos : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_plantilla;
    fb::Connection m_db;
    std::unique_ptr<testsupport::ScriptedDialogs> m_dialogos;

    double valor(const QString &sql, const QVariantList &params = {})
    {
        const QVariant v = m_db.query(sql, params).scalar();
        return v.isNull() ? 0.0 : v.toDouble();
    }
    double stock(const char *almacen, const char *articulo)
    {
        return valor("SELECT STOCK FROM STOCK WHERE ALMACEN = ? AND ARTICULO = ?", {almacen, articulo});
    }
    double total(const char *articulo) { return valor("SELECT STOCK FROM ARTICULO WHERE CODIGO = ?", {articulo}); }

    // A new note of customer `cliente` in warehouse W1, header open, lines open.
    void nuevoAlbaran(TmdlAlbaranesVenta &m, const char *cliente = "C1")
    {
        m.abrirAlbaran({});
        m.AlbaranesVenta.append();
        m.AlbaranesVenta.setValue("CLIENTE", cliente);
        m.AlbaranesVenta.setValue("ALMACEN", "W1");
        m.abrirLineas(m.claveActual());
    }
    void linea(TmdlAlbaranesVenta &m, const QVariant &articulo, double cantidad)
    {
        m.Ventas.append();
        if (articulo.isValid())
            m.Ventas.setValue("ARTICULO", articulo);
        m.Ventas.setValue("CANTIDAD", cantidad);
        m.Ventas.post();
    }
    // The window's Aceptar: header stored and applied, then the lines.
    void aceptar(TmdlAlbaranesVenta &m)
    {
        m.AlbaranesVenta.post();
        QCOMPARE(m.AlbaranesVenta.applyUpdates(), 0);
        QCOMPARE(m.Ventas.applyUpdates(), 0);
    }
    double cabecera(TmdlAlbaranesVenta &m, const char *nombre) { return m.AlbaranesVenta.value(nombre).toDouble(); }

private slots:
    void initTestCase()
    {
        m_plantilla = testsupport::freshDatabases(m_dir) + QStringLiteral("empresa01.gdb");
        m_db.open(m_plantilla);
    }

    void init()
    {
        for (const char *tabla : {"LINEA_ALBARAN_VENTA", "ALBARAN_VENTA", "FACTURA_VENTA", "STOCK", "ARTICULO",
                                  "CLIENTE", "ALMACEN", "INCIDENCIA", "VENDEDOR", "FORMA_PAGO"})
            m_db.execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(tabla)));
        m_db.execute("INSERT INTO ALMACEN (CODIGO, DESCRIPCION) VALUES ('W1', 'Central')");
        m_db.execute("INSERT INTO VENDEDOR (CODIGO, NOMBRE) VALUES ('V1', 'Ana')");
        m_db.execute("INSERT INTO FORMA_PAGO (CODIGO, DESCRIPCION, NUMERO_VENCIMIENTOS) VALUES ('G30', '30 días', 1)");
        // C1 pays the surcharge; C2 is exempt; C3 general without surcharge;
        // C4 general with the surcharge column empty.
        m_db.execute("INSERT INTO CLIENTE (CODIGO, NOMBRE, VENDEDOR, FORMA_PAGO, REGIMEN_IVA, RECARGO_EQUIVALENCIA, SALDO)"
                     " VALUES ('C1', 'Uno', 'V1', 'G30', 1, 'S', 0)");
        m_db.execute("INSERT INTO CLIENTE (CODIGO, NOMBRE, REGIMEN_IVA, RECARGO_EQUIVALENCIA) VALUES ('C2', 'Dos', 0, 'N')");
        m_db.execute("INSERT INTO CLIENTE (CODIGO, NOMBRE, REGIMEN_IVA, RECARGO_EQUIVALENCIA) VALUES ('C3', 'Tres', 1, 'N')");
        m_db.execute("INSERT INTO CLIENTE (CODIGO, NOMBRE, REGIMEN_IVA) VALUES ('C4', 'Cuatro', 1)");
        m_db.execute("INSERT INTO ARTICULO (CODIGO, DESCRIPCION, PRECIO_VENTA, P_IVA, P_RE, CODIGO_BARRAS, STOCK)"
                     " VALUES ('A1', 'Tornillo', 10, 16, 4, '8400001', 20)");
        m_db.execute("INSERT INTO ARTICULO (CODIGO, DESCRIPCION, PRECIO_VENTA, P_IVA, P_RE, STOCK)"
                     " VALUES ('A7', 'Libro', 5, 7, 1, 0)");
        m_db.execute("INSERT INTO ARTICULO (CODIGO, DESCRIPCION, PRECIO_VENTA, P_IVA, P_RE, STOCK)"
                     " VALUES ('A21', 'Importado', 8, 21, 5.2, 0)");
        m_db.execute("INSERT INTO STOCK (CODIGO, ALMACEN, ARTICULO, STOCK) VALUES (1, 'W1', 'A1', 20)");
        m_dialogos = std::make_unique<testsupport::ScriptedDialogs>();
    }

    void cleanup() { m_dialogos.reset(); }

    void claves()
    {
        QCOMPARE(doc::clave("A", 5), QStringLiteral("A        5"));
        QCOMPARE(doc::clave("Z", 999999999), QStringLiteral("Z999999999"));
        const doc::PartesClave p = doc::partes(QStringLiteral("B      123"));
        QVERIFY(p.valida);
        QCOMPARE(p.serie, QStringLiteral("B"));
        QCOMPARE(p.numero, 123);
        QVERIFY(!doc::partes(QStringLiteral("B")).valida);
    }

    // The worked example: 2 × 10.00 at 16 % with discounts 10 and 2.
    void totalesDelEjemplo()
    {
        TmdlAlbaranesVenta m(m_db);
        nuevoAlbaran(m);
        QCOMPARE(m.AlbaranesVenta.value("VENDEDOR").toString().trimmed(), QStringLiteral("V1"));
        QCOMPARE(m.AlbaranesVenta.value("FORMA_PAGO").toString().trimmed(), QStringLiteral("G30"));
        linea(m, "A1", 2);
        QCOMPARE(m.Ventas.value("IMPORTE").toDouble(), 20.0);
        QCOMPARE(m.Ventas.value("DESCRIPCION").toString(), QStringLiteral("Tornillo"));
        QCOMPARE(m.Ventas.value("P_RE").toDouble(), 4.0);
        QCOMPARE(cabecera(m, "BASE1"), 20.0);
        m.AlbaranesVenta.setValue("DESCUENTO", 10);
        m.AlbaranesVenta.setValue("DESCUENTO_PP", 2);
        QVERIFY(qFuzzyCompare(cabecera(m, "BASEIMP1"), 17.64));
        QVERIFY(qFuzzyCompare(cabecera(m, "IVA1"), 2.8224));
        QVERIFY(qFuzzyCompare(cabecera(m, "RECARGO1"), 0.7056));
        QVERIFY(qFuzzyCompare(cabecera(m, "TOTAL"), 21.168));
        QCOMPARE(m.AlbaranesVenta.field("TOTAL").displayText(), QStringLiteral("21,17"));
        QCOMPARE(m.AlbaranesVenta.field("IVA1").displayText(), QStringLiteral("2,82"));
        aceptar(m);
        QCOMPARE(valor("SELECT BASE1 FROM ALBARAN_VENTA"), 20.0);
        QCOMPARE(m.AlbaranesVenta.field("NCLIENTE").asString(), QStringLiteral("Uno"));
    }

    // The customer's regime settles the header's rates; choosing another
    // customer afterwards puts nothing back.
    void regimenDelCliente_data()
    {
        QTest::addColumn<QStringList>("clientes");
        QTest::addColumn<double>("iva");
        QTest::addColumn<double>("recargo");
        QTest::newRow("con recargo") << QStringList{"C1"} << 3.2 << 0.8;
        QTest::newRow("exento") << QStringList{"C2"} << 0.0 << 0.0;
        QTest::newRow("sin recargo") << QStringList{"C3"} << 3.2 << 0.0;
        QTest::newRow("recargo vacío") << QStringList{"C4"} << 3.2 << 0.8;
        QTest::newRow("exento y luego general") << QStringList{"C2", "C1"} << 0.0 << 0.0;
    }
    void regimenDelCliente()
    {
        QFETCH(QStringList, clientes);
        QFETCH(double, iva);
        QFETCH(double, recargo);
        TmdlAlbaranesVenta m(m_db);
        nuevoAlbaran(m, qPrintable(clientes.takeFirst()));
        for (const QString &otro : clientes)
            m.AlbaranesVenta.setValue("CLIENTE", otro);
        linea(m, "A1", 2);
        QVERIFY(qFuzzyCompare(1 + cabecera(m, "IVA"), 1 + iva));
        QVERIFY(qFuzzyCompare(1 + cabecera(m, "RECARGO"), 1 + recargo));
        QVERIFY(qFuzzyCompare(cabecera(m, "TOTAL"), 20 + iva + recargo));
    }

    void codigosQueNoExisten_data()
    {
        QTest::addColumn<QString>("columna");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("cliente") << "CLIENTE" << "CLIENTE no existe.";
        QTest::newRow("almacen") << "ALMACEN" << "ALMACEN no existe.";
        QTest::newRow("vendedor") << "VENDEDOR" << "VENDEDOR no existe.";
        QTest::newRow("forma de pago") << "FORMA_PAGO" << "FORMA DE PAGO no existe.";
    }
    void codigosQueNoExisten()
    {
        QFETCH(QString, columna);
        QFETCH(QString, mensaje);
        TmdlAlbaranesVenta m(m_db);
        nuevoAlbaran(m, "C3");
        const QVariant antes = m.AlbaranesVenta.value(columna);
        QVERIFY_THROWS_EXCEPTION(ds::SilentAbort, m.AlbaranesVenta.setValue(columna, "NO'HAY"));
        QCOMPARE(m_dialogos->messages, QStringList{mensaje});
        QCOMPARE(m.AlbaranesVenta.value(columna), antes);
        QCOMPARE(m.AlbaranesVenta.value("PRE1").toDouble(), 0.0); // a refused customer changes no rate
    }

    void numeracionPorSerie()
    {
        m_db.execute("INSERT INTO ALBARAN_VENTA (SERIE, NUMERO, ALMACEN) VALUES ('B', 7, 'W1')");
        TmdlAlbaranesVenta m(m_db);
        nuevoAlbaran(m);
        QCOMPARE(m.claveActual(), QStringLiteral("A        1"));
        QCOMPARE(m.AlbaranesVenta.value("ID").toString(), QStringLiteral("A        1"));
        QCOMPARE(m.AlbaranesVenta.field("NUMERO").displayText(), QStringLiteral("000000001"));
        m.AlbaranesVenta.setValue("SERIE", "B");
        QCOMPARE(m.AlbaranesVenta.value("NUMERO").toInt(), 8);
    }

    // Lines take distinct, successive numbers before anything is applied;
    // the line table's highest number counts across documents.
    void numerosDeLinea()
    {
        m_db.execute("INSERT INTO LINEA_ALBARAN_VENTA (CODIGO, ALBARAN) VALUES (41, 'Z        9')");
        TmdlAlbaranesVenta m(m_db);
        nuevoAlbaran(m);
        linea(m, "A1", 1);
        linea(m, {}, 1);
        QCOMPARE(m.Ventas.rowCount(), 2);
        QCOMPARE(m.Ventas.rowValue(0, m.Ventas.field("CODIGO")).toInt(), 42);
        QCOMPARE(m.Ventas.rowValue(1, m.Ventas.field("CODIGO")).toInt(), 43);
        QCOMPARE(m.Ventas.rowValue(1, m.Ventas.field("ALBARAN")).toString(), QStringLiteral("A        1"));
    }

    void articuloPorCodigoDeBarras()
    {
        TmdlAlbaranesVenta m(m_db);
        nuevoAlbaran(m);
        m.Ventas.append();
        m.Ventas.setValue("ARTICULO", "8400001");
        QCOMPARE(m.Ventas.value("ARTICULO").toString().trimmed(), QStringLiteral("A1"));
        QCOMPARE(m.Ventas.value("PRECIO").toDouble(), 10.0);
        QVERIFY_THROWS_EXCEPTION(ds::SilentAbort, m.Ventas.setValue("ARTICULO", "9999"));
        QCOMPARE(m_dialogos->messages, QStringList{"ARTICULO no existe."});
        QCOMPARE(m.Ventas.value("ARTICULO").toString().trimmed(), QStringLiteral("A1"));
    }

    // A rate of no slot keeps the RE of the default rate and moves no base.
    void tipoSinHueco()
    {
        TmdlAlbaranesVenta m(m_db);
        nuevoAlbaran(m);
        linea(m, "A21", 3);
        QCOMPARE(m.Ventas.value("P_IVA").toDouble(), 21.0);
        QCOMPARE(m.Ventas.value("P_RE").toDouble(), 4.0);
        QCOMPARE(cabecera(m, "TOTAL"), 0.0);
        for (const char *base : {"BASE1", "BASE2", "BASE3", "BASE4"})
            QVERIFY(m.AlbaranesVenta.value(base).isNull() || cabecera(m, base) == 0);
    }

    // Changing and removing lines of an open document moves the bases at
    // once; a line moved to another slot's rate takes its whole amount along.
    void huecosSiguenALasLineas()
    {
        TmdlAlbaranesVenta m(m_db);
        nuevoAlbaran(m);
        linea(m, "A1", 2);
        linea(m, "A7", 2); // 10 in slot 2
        aceptar(m);
        m.AlbaranesVenta.edit();
        m.Ventas.first();
        m.Ventas.edit();
        m.Ventas.setValue("CANTIDAD", 3);
        m.Ventas.post();
        QCOMPARE(cabecera(m, "BASE1"), 30.0);
        m.Ventas.edit(); // a second edit before applying counts once
        m.Ventas.setValue("CANTIDAD", 4);
        m.Ventas.post();
        QCOMPARE(cabecera(m, "BASE1"), 40.0);
        m.Ventas.edit();
        m.Ventas.setValue("P_IVA", 7);
        m.Ventas.post();
        QCOMPARE(m.Ventas.value("P_RE").toDouble(), 1.0);
        QCOMPARE(cabecera(m, "BASE1"), 0.0);
        QCOMPARE(cabecera(m, "BASE2"), 50.0);
        m.Ventas.remove();
        QCOMPARE(cabecera(m, "BASE2"), 10.0);
        // Lines changed while the header is not open leave the bases alone.
        m.AlbaranesVenta.post();
        m.Ventas.first();
        m.Ventas.remove();
        QCOMPARE(cabecera(m, "BASE2"), 10.0);
    }

    void descuentoTotal()
    {
        TmdlAlbaranesVenta m(m_db);
        nuevoAlbaran(m);
        linea(m, "A1", 2);
        linea(m, "A7", 2);
        m.AlbaranesVenta.setValue("DESCUENTO", 100);
        QCOMPARE(cabecera(m, "TOTAL"), 0.0);
    }

    // 5 units from a row of 20, changed to 3, the line removed; then a new
    // note removed whole. Row and article total after each step.
    void existenciasDelAlbaran()
    {
        TmdlAlbaranesVenta m(m_db);
        nuevoAlbaran(m);
        linea(m, "A1", 5);
        aceptar(m);
        QCOMPARE(stock("W1", "A1"), 15.0);
        QCOMPARE(total("A1"), 15.0);

        m.AlbaranesVenta.edit();
        m.Ventas.first();
        m.Ventas.edit();
        m.Ventas.setValue("CANTIDAD", 3);
        m.Ventas.post();
        aceptar(m);
        QCOMPARE(stock("W1", "A1"), 17.0);
        QCOMPARE(total("A1"), 17.0);

        m.AlbaranesVenta.edit();
        m.Ventas.remove();
        aceptar(m);
        QCOMPARE(stock("W1", "A1"), 20.0);
        QCOMPARE(total("A1"), 20.0);

        nuevoAlbaran(m);
        linea(m, "A1", 4);
        linea(m, "A1", 6);
        linea(m, {}, 9); // a line without article moves no stock
        aceptar(m);
        QCOMPARE(stock("W1", "A1"), 10.0);
        m.AlbaranesVenta.remove();
        QCOMPARE(m.AlbaranesVenta.applyUpdates(), 0);
        QCOMPARE(stock("W1", "A1"), 20.0);
        QCOMPARE(total("A1"), 20.0);
        QCOMPARE(valor("SELECT COUNT(*) FROM LINEA_ALBARAN_VENTA"), 0.0);
        QCOMPARE(valor("SELECT COUNT(*) FROM ALBARAN_VENTA"), 1.0);
    }

    // An article without a row in the warehouse gets one, negative, with
    // the warning; a stored line given another article moves both articles.
    void existenciasSinFilaYCambioDeArticulo()
    {
        TmdlAlbaranesVenta m(m_db);
        nuevoAlbaran(m);
        linea(m, "A7", 5);
        aceptar(m);
        QCOMPARE(stock("W1", "A7"), -5.0);
        QCOMPARE(m_dialogos->messages,
                 QStringList{"El Articulo A7 en el Almacen W1 tiene stock negativo."});

        m.AlbaranesVenta.edit();
        m.Ventas.first();
        m.Ventas.edit();
        m.Ventas.setValue("ARTICULO", "A1");
        m.Ventas.setValue("CANTIDAD", 2);
        m.Ventas.post();
        aceptar(m);
        QCOMPARE(stock("W1", "A7"), 0.0);
        QCOMPARE(stock("W1", "A1"), 18.0);
        QCOMPARE(total("A7"), 0.0);
        QCOMPARE(total("A1"), 18.0);
    }

    // A refused apply of the lines moves no stock; trying again moves it once.
    void lineasRechazadasNoMuevenExistencias()
    {
        TmdlAlbaranesVenta m(m_db);
        nuevoAlbaran(m);
        linea(m, "A1", 5);
        m.AlbaranesVenta.post();
        QCOMPARE(m.AlbaranesVenta.applyUpdates(), 0);
        // Another user takes the line's number meanwhile.
        const int numero = m.Ventas.value("CODIGO").toInt();
        m_db.execute("INSERT INTO LINEA_ALBARAN_VENTA (CODIGO, ALBARAN) VALUES (?, 'Z        1')", {numero});
        QVERIFY(m.Ventas.applyUpdates() != 0);
        QCOMPARE(stock("W1", "A1"), 20.0);
        m_db.execute("DELETE FROM LINEA_ALBARAN_VENTA WHERE ALBARAN = 'Z        1'");
        QCOMPARE(m.Ventas.applyUpdates(), 0);
        QCOMPARE(stock("W1", "A1"), 15.0);
    }

    // The customer window's lists of documents show each one's key and total.
    void documentosDelCliente()
    {
        m_db.execute("INSERT INTO ALBARAN_VENTA (SERIE, NUMERO, CLIENTE, ALMACEN, DESCUENTO, DESCUENTO_PP, BASE1, PIVA1,"
                     " PRE1, BASE2, PIVA2, PRE2) VALUES ('B', 12, 'C1', 'W1', 10, 0, 20, 16, 4, 10, 7, 1)");
        m_db.execute("INSERT INTO PRESUPUESTO_VENTA (NUMERO, CLIENTE, DESCUENTO, BASE4, PIVA4, PRE4)"
                     " VALUES (3, 'C1', 0, 50, 0, 0)");
        master::DocumentosTitular documentos(m_db, QStringLiteral("CLIENTE"), master::documentosCliente());
        documentos.abrir(QStringLiteral("C1"));
        RecordSet &presupuestos = documentos.documentos(0);
        RecordSet &albaranes = documentos.documentos(2);
        QCOMPARE(albaranes.rowCount(), 1);
        QCOMPARE(albaranes.value("ID").toString(), QStringLiteral("B       12"));
        // (20 × 1.20 + 10 × 1.08) × 0.9
        QVERIFY(qFuzzyCompare(albaranes.value("TOTAL").toDouble(), 31.32));
        QCOMPARE(albaranes.field("TOTAL").displayText(), QStringLiteral("31,32"));
        QCOMPARE(presupuestos.value("TOTAL").toDouble(), 50.0);
    }

    void enlaceConFactura()
    {
        m_db.execute("INSERT INTO FACTURA_VENTA (SERIE, NUMERO) VALUES ('A', 3)");
        TmdlAlbaranesVenta m(m_db);
        nuevoAlbaran(m);
        m.AlbaranesVenta.setValue("FACTURA", doc::clave("A", 4)); // not stored: nothing changes
        QCOMPARE(m.AlbaranesVenta.value("ESTADO").toString(), QStringLiteral("PENDIENTE"));
        m.AlbaranesVenta.setValue("FACTURA", doc::clave("A", 3));
        QCOMPARE(m.AlbaranesVenta.value("ESTADO").toString(), QStringLiteral("FACTURADO"));
        m.AlbaranesVenta.setValue("FACTURA", QString());
        QCOMPARE(m.AlbaranesVenta.value("ESTADO").toString(), QStringLiteral("PENDIENTE"));
    }

    void borrarAlbaranBorraSusIncidencias()
    {
        TmdlAlbaranesVenta m(m_db);
        nuevoAlbaran(m);
        aceptar(m);
        const QString clave = m.claveActual();
        m_db.execute("INSERT INTO INCIDENCIA (CODIGO, TIPO, TIPO_DOC, DOCUMENTO) VALUES (1, 'V', 'A', ?)", {clave});
        m_db.execute("INSERT INTO INCIDENCIA (CODIGO, TIPO, TIPO_DOC, DOCUMENTO) VALUES (2, 'V', 'F', ?)", {clave});
        m_db.execute("INSERT INTO INCIDENCIA (CODIGO, TIPO, TIPO_DOC, DOCUMENTO) VALUES (3, 'C', 'A', ?)", {clave});
        m.AlbaranesVenta.remove();
        QCOMPARE(m.AlbaranesVenta.applyUpdates(), 0);
        QCOMPARE(valor("SELECT COUNT(*) FROM INCIDENCIA"), 2.0);
        QCOMPARE(valor("SELECT COUNT(*) FROM INCIDENCIA WHERE CODIGO = 1"), 0.0);
    }

    // Solution date: each post from one state to another.
    void fechaDeSolucion_data()
    {
        QTest::addColumn<QString>("leido");
        QTest::addColumn<QDate>("fechaLeida");
        QTest::addColumn<QString>("nuevo");
        QTest::addColumn<QDate>("esperada");
        const QDate hoy = QDate::currentDate();
        const QDate antes(2026, 1, 15);
        QTest::newRow("pendiente a solucionada") << "PENDIENTE" << QDate() << "SOLUCIONADA" << hoy;
        QTest::newRow("solucionada a pendiente") << "SOLUCIONADA" << antes << "PENDIENTE" << QDate();
        QTest::newRow("solucionada sigue") << "SOLUCIONADA" << antes << "SOLUCIONADA" << antes;
        QTest::newRow("pendiente sigue, fecha escrita") << "PENDIENTE" << antes << "PENDIENTE" << QDate();
    }
    void fechaDeSolucion()
    {
        QFETCH(QString, leido);
        QFETCH(QDate, fechaLeida);
        QFETCH(QString, nuevo);
        QFETCH(QDate, esperada);
        m_db.execute("INSERT INTO INCIDENCIA (CODIGO, TIPO, ESTADO, FECHA_SOLUCION) VALUES (5, 'V', ?, ?)",
                     {leido, fechaLeida.isValid() ? QVariant(fechaLeida) : QVariant()});
        TmdlIncidencias m(m_db);
        m.Incidencias.open();
        m.Incidencias.edit();
        m.Incidencias.setValue("ESTADO", nuevo);
        m.Incidencias.post();
        QCOMPARE(m.Incidencias.applyUpdates(), 0);
        QCOMPARE(m_db.query("SELECT FECHA_SOLUCION FROM INCIDENCIA").scalar().toDate(), esperada);
    }

    void incidenciaNueva()
    {
        m_db.execute("INSERT INTO INCIDENCIA (CODIGO, TIPO) VALUES (8, 'C')");
        TmdlIncidencias m(m_db);
        m.Incidencias.open(TmdlIncidencias::sqlDe("V", "A", "A'       1"));
        m.Incidencias.append();
        QCOMPARE(m.Incidencias.value("CODIGO").toInt(), 9);
        QCOMPARE(m.Incidencias.value("ESTADO").toString(), QStringLiteral("PENDIENTE"));
        QCOMPARE(m.Incidencias.value("FECHA_APERTURA").toDate(), QDate::currentDate());
        m.Incidencias.post();
        m.Incidencias.append();
        QCOMPARE(m.Incidencias.value("CODIGO").toInt(), 10);
        m.Incidencias.post();
        QCOMPARE(m.Incidencias.applyUpdates(), 0);
        QVERIFY(m_db.query("SELECT FECHA_SOLUCION FROM INCIDENCIA WHERE CODIGO = 9").scalar().isNull());
    }
};

QTEST_GUILESS_MAIN(TestDocumentos)
#include "tst_documentos.moc"
