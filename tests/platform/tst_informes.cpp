// The report engine: project files and their errors, the layout pass (page
// breaks, headings on every page, "Página X de Y", groups with totals,
// master/detail lines, labels), masks and amounts in words, and the painted
// output read back from PDF.
#include "TestEnvironment.h"
#include "VentanasModales.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"
#include "platform/reports/Informes.h"
#include "platform/reports/Mascaras.h"
#include "platform/reports/widgets/DialogoVistaPrevia.h"
#include "platform/reports/widgets/SalidaInforme.h"

#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace rpt;

namespace {

// A 100 x 100 mm paper with 10 mm margins: 80 mm for bands. With a 10 mm
// report header, 5 mm page header and footer and 5 mm rows, the first page
// holds 12 rows and the next ones 14.
QByteArray listado(const QByteArray &extra = {}, const QByteArray &detalle = {})
{
    return R"({"informes": [{
        "nombre": "Clientes", "datos": "Clientes",
        "pagina": {"tamano": {"ancho": 100, "alto": 100},
                   "margenes": {"izquierdo": 10, "derecho": 10, "superior": 10, "inferior": 10}},
        "cabeceraInforme": {"alto": 10, "elementos": [
            {"tipo": "campo", "datos": "Empresa", "columna": "NOMBRE", "x": 0, "y": 0, "ancho": 60, "alto": 5},
            {"tipo": "imagen", "datos": "Empresa", "columna": "LOGO", "x": 60, "y": 0, "ancho": 20, "alto": 10},
            {"tipo": "texto", "texto": "LISTADO DE CLIENTES", "x": 0, "y": 5, "ancho": 80, "alto": 5}]},
        "cabeceraPagina": {"alto": 5, "elementos": [
            {"tipo": "texto", "texto": "CODIGO  NOMBRE", "x": 0, "y": 0, "ancho": 80, "alto": 5}]},
        "detalle": {"alto": 5, "elementos": )"
           + (detalle.isEmpty() ? QByteArray(R"([
            {"tipo": "campo", "columna": "CODIGO", "x": 0, "y": 0, "ancho": 20, "alto": 5},
            {"tipo": "campo", "columna": "SALDO", "mascara": "#,##0.00", "x": 50, "y": 0, "ancho": 30, "alto": 5}])")
                                : detalle)
           + R"(},
        "piePagina": {"alto": 5, "elementos": [
            {"tipo": "texto", "texto": "Página {pagina} de {paginas}", "x": 0, "y": 0, "ancho": 80, "alto": 5}]},
        "resumen": {"alto": 5, "elementos": [
            {"tipo": "total", "funcion": "cuenta", "x": 0, "y": 0, "ancho": 20, "alto": 5},
            {"tipo": "total", "columna": "SALDO", "mascara": "#,##0.00", "x": 50, "y": 0, "ancho": 30, "alto": 5}]})"
           + extra + "}]}";
}

// Texts of every page, one list per page.
QList<QStringList> textos(const Documento &doc)
{
    QList<QStringList> paginas;
    for (const Pagina &p : doc.paginas)
        paginas << p.textos().split(u'\n');
    return paginas;
}

QString pdfATexto(const QString &fichero)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fichero, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int paginasPdf(const QString &fichero)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {fichero});
    p.waitForFinished(30000);
    const QString info = QString::fromUtf8(p.readAllStandardOutput());
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace

class TestInformes : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    fb::Connection m_db;

    // Customers C001.. with balances 1, 2, 3...; salesperson V1 for the first
    // `enV1` of them and V2 for the rest.
    void clientes(int cuantos, int enV1 = 0)
    {
        m_db.execute(QStringLiteral("DELETE FROM CLI"));
        for (int i = 1; i <= cuantos; ++i)
            m_db.execute(QStringLiteral("INSERT INTO CLI (CODIGO, VENDEDOR, SALDO, ALTA) VALUES (?, ?, ?, ?)"),
                         {QStringLiteral("C%1").arg(i, 3, 10, QLatin1Char('0')),
                          i <= enV1 ? QStringLiteral("V1") : QStringLiteral("V2"), double(i), QDate(2026, 3, i % 28 + 1)});
    }

    // Composes a report over the customers (and the company row).
    Documento componerSobre(const QByteArray &json, const QString &informe = QStringLiteral("Clientes"),
                            const QString &sql = QStringLiteral("SELECT * FROM CLI ORDER BY CODIGO"))
    {
        ds::RecordSet cli(QStringLiteral("Clientes")), emp(QStringLiteral("Empresa"));
        cli.setConnection(&m_db);
        emp.setConnection(&m_db);
        cli.setCommandText(sql);
        emp.setCommandText(QStringLiteral("SELECT * FROM EMP"));
        Conexiones conexiones;
        conexiones.agregar(QStringLiteral("Clientes"), cli);
        conexiones.agregar(QStringLiteral("Empresa"), emp);
        return componer(Proyecto::desdeTexto(json, QStringLiteral("prueba.rav")), informe, conexiones, QDate(2026, 12, 11));
    }

private slots:
    void initTestCase()
    {
        testsupport::initFirebird();
        m_db.create(m_dir.filePath(QStringLiteral("informes.gdb")));
        m_db.execute("CREATE TABLE CLI (CODIGO CHAR(10), VENDEDOR CHAR(4), SALDO NUMERIC(15,2), ALTA DATE, IMPORTE VARCHAR(20))");
        m_db.execute("CREATE TABLE EMP (NOMBRE VARCHAR(40), LOGO BLOB)");
        m_db.execute("CREATE TABLE LIN (CLIENTE CHAR(10), ARTICULO VARCHAR(10))");
        m_db.execute("INSERT INTO EMP (NOMBRE) VALUES ('DISTRIBUCIONES PEÑA, S.L.')");
    }

    void pageBreaks_data()
    {
        QTest::addColumn<int>("filas");
        QTest::addColumn<int>("paginas");
        QTest::addColumn<int>("filasPrimera");
        QTest::newRow("no rows") << 0 << 1 << 0;
        QTest::newRow("summary fits") << 11 << 1 << 11;
        QTest::newRow("summary to next page") << 12 << 2 << 12;
        QTest::newRow("second page full") << 26 << 3 << 12;
        QTest::newRow("third page") << 27 << 3 << 12;
    }

    // Rows flow over pages under the page header repeated on every page; the
    // report header only opens the first; the footer counts the pages.
    void pageBreaks()
    {
        QFETCH(int, filas);
        QFETCH(int, paginas);
        QFETCH(int, filasPrimera);
        clientes(filas);
        const Documento doc = componerSobre(listado());
        const auto porPagina = textos(doc);
        QCOMPARE(doc.numPaginas(), paginas);
        for (int p = 0; p < paginas; ++p) {
            const QStringList &t = porPagina[p];
            QCOMPARE(t.contains(QStringLiteral("LISTADO DE CLIENTES")), p == 0);
            QVERIFY(t.contains(QStringLiteral("CODIGO  NOMBRE")));
            QCOMPARE(t.last(), QStringLiteral("Página %1 de %2").arg(p + 1).arg(paginas));
        }
        QCOMPARE(porPagina[0].filter(QRegularExpression(QStringLiteral("^C\\d{3}$"))).size(), filasPrimera);
        // The summary closes the last page: count and sum of 1..n.
        const QStringList &ultima = porPagina.last();
        QCOMPARE(ultima.at(ultima.size() - 3), QString::number(filas));
        QCOMPARE(ultima.at(ultima.size() - 2), ds::format::number(filas * (filas + 1) / 2.0, "#,##0.00"));
    }

    // Group footers total their own rows (fields showing the group's last
    // row), headers show the new value, the summary totals everything.
    void groupFootersAndTotals()
    {
        clientes(5, 2); // V1: 1 + 2; V2: 3 + 4 + 5
        const QByteArray grupos = R"(, "grupos": [{"campo": "VENDEDOR",
            "cabecera": {"alto": 5, "elementos": [
                {"tipo": "texto", "texto": "Vendedor:", "x": 0, "y": 0, "ancho": 20, "alto": 5},
                {"tipo": "campo", "columna": "VENDEDOR", "x": 20, "y": 0, "ancho": 20, "alto": 5}]},
            "pie": {"alto": 5, "elementos": [
                {"tipo": "campo", "columna": "CODIGO", "x": 0, "y": 0, "ancho": 20, "alto": 5},
                {"tipo": "total", "funcion": "cuenta", "x": 20, "y": 0, "ancho": 10, "alto": 5},
                {"tipo": "total", "columna": "SALDO", "mascara": "#,##0.00", "x": 50, "y": 0, "ancho": 30, "alto": 5},
                {"tipo": "total", "columna": "SALDO", "ambito": "informe", "x": 80, "y": 0, "ancho": 20, "alto": 5}]}}])";
        const Documento doc = componerSobre(listado(grupos));
        QCOMPARE(doc.numPaginas(), 1);
        const QStringList esperado = {
            "DISTRIBUCIONES PEÑA, S.L.", "LISTADO DE CLIENTES", "CODIGO  NOMBRE",
            "Vendedor:", "V1", "C001", "1,00", "C002", "2,00", "C002", "2", "3,00", "3",
            "Vendedor:", "V2", "C003", "3,00", "C004", "4,00", "C005", "5,00", "C005", "3", "12,00", "15",
            "5", "15,00", "Página 1 de 1"};
        QCOMPARE(textos(doc).first(), esperado);
    }

    // A header row with its lines from a second connection, linked by a field
    // of each; and labels laid side by side.
    void masterDetailAndColumns()
    {
        clientes(3);
        m_db.execute("DELETE FROM LIN");
        m_db.execute("INSERT INTO LIN VALUES ('C003', 'A1')");
        m_db.execute("INSERT INTO LIN VALUES ('C001', 'A2')");
        m_db.execute("INSERT INTO LIN VALUES ('C003', 'A3')");
        ds::RecordSet cli(QStringLiteral("Clientes")), lin(QStringLiteral("Lineas"));
        cli.setConnection(&m_db);
        lin.setConnection(&m_db);
        cli.setCommandText(QStringLiteral("SELECT * FROM CLI ORDER BY CODIGO"));
        lin.setCommandText(QStringLiteral("SELECT * FROM LIN"));
        Conexiones conexiones;
        conexiones.agregar(QStringLiteral("Clientes"), cli);
        conexiones.agregar(QStringLiteral("Lineas"), lin);
        const Proyecto proyecto = Proyecto::desdeTexto(R"({"informes": [
            {"nombre": "Doc", "datos": "Clientes",
             "detalle": {"alto": 5, "elementos": [{"tipo": "campo", "columna": "CODIGO", "x": 0, "y": 0, "ancho": 20, "alto": 5}]},
             "lineas": {"datos": "Lineas", "campoMaestro": "CODIGO", "campoDetalle": "CLIENTE",
                        "banda": {"alto": 5, "elementos": [
                            {"tipo": "campo", "columna": "ARTICULO", "x": 5, "y": 0, "ancho": 20, "alto": 5}]}},
             "resumen": {"alto": 5, "elementos": [{"tipo": "total", "funcion": "cuenta", "datos": "Lineas", "x": 0, "y": 0, "ancho": 20, "alto": 5}]}},
            {"nombre": "Etiquetas", "datos": "Clientes",
             "detalle": {"alto": 30, "columnas": 2, "elementos": [{"tipo": "campo", "columna": "CODIGO", "x": 2, "y": 2, "ancho": 20, "alto": 5}]}}]})",
                                                       QStringLiteral("doc.rav"));
        const Documento doc = componer(proyecto, QStringLiteral("Doc"), conexiones);
        QCOMPARE(doc.paginas[0].textos(), QStringLiteral("C001\nA2\nC002\nC003\nA1\nA3\n3"));

        const Documento etiquetas = componer(proyecto, QStringLiteral("Etiquetas"), conexiones);
        const auto &t = etiquetas.paginas[0].trazos;
        QCOMPARE(int(t.size()), 3);
        // Default margins of 15 mm: two columns of 90 mm, rows 30 mm apart.
        QCOMPARE(t[0].rect.topLeft(), QPointF(17, 17));
        QCOMPARE(t[1].rect.topLeft(), QPointF(107, 17));
        QCOMPARE(t[2].rect.topLeft(), QPointF(17, 47));
    }

    void masks_data()
    {
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<QString>("mascara");
        QTest::addColumn<QString>("texto");
        QTest::newRow("amount") << QVariant(1234.56) << "#,##0.00" << "1.234,56";
        QTest::newRow("negative amount") << QVariant(-1234567.5) << "#,##0.00" << "-1.234.567,50";
        QTest::newRow("document number") << QVariant(27) << "000000000" << "000000027";
        QTest::newRow("date") << QVariant(QDate(2026, 3, 5)) << "dd/mm/yyyy" << "05/03/2026";
        QTest::newRow("date without mask") << QVariant(QDate(2026, 3, 5)) << "" << "05/03/2026";
        QTest::newRow("CHAR blanks") << QVariant(QStringLiteral("C001      ")) << "" << "C001";
        QTest::newRow("null") << QVariant() << "#,##0.00" << "";
        QTest::newRow("number without mask") << QVariant(2.5) << "" << "2,5";
    }

    void masks()
    {
        QFETCH(QVariant, valor);
        QFETCH(QString, mascara);
        QFETCH(QString, texto);
        QCOMPARE(formatear(valor, mascara), texto);
    }

    void moneyText_data()
    {
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("amount") << QVariant(1234.5) << "MIL DOSCIENTOS TREINTA Y CUATRO CON CINCUENTA";
        QTest::newRow("masculine one") << QVariant(21) << "VEINTIUNO";
        QTest::newRow("text with comma") << QVariant(QStringLiteral("12,50")) << "DOCE CON CINCUENTA";
        QTest::newRow("not a number") << QVariant(QStringLiteral("abc")) << "CERO";
        QTest::newRow("null") << QVariant() << "CERO";
        QTest::newRow("out of limits") << QVariant(-1.0) << "ERROR EN ARGUMENTOS";
    }

    void moneyText()
    {
        QFETCH(QVariant, valor);
        QFETCH(QString, texto);
        QCOMPARE(importeEnLetras(valor), texto);
    }

    // The amount-in-words element prints the row's text read as an amount and
    // is shown as MoneyText(...) where the definition is displayed.
    void moneyTextElement()
    {
        clientes(0);
        m_db.execute("INSERT INTO CLI (CODIGO, IMPORTE) VALUES ('A', '100')");
        m_db.execute("INSERT INTO CLI (CODIGO, IMPORTE) VALUES ('B', 'mucho')");
        const QByteArray detalle = R"([{"tipo": "letras", "columna": "IMPORTE", "x": 0, "y": 0, "ancho": 80, "alto": 5}])";
        const Proyecto proyecto = Proyecto::desdeTexto(listado({}, detalle), QStringLiteral("p.rav"));
        QCOMPARE(describir(proyecto.informe(QStringLiteral("Clientes")).detalle.elementos.at(0)),
                 QStringLiteral("MoneyText(IMPORTE)"));
        const QStringList t = textos(componerSobre(listado({}, detalle))).first();
        QVERIFY(t.contains(QStringLiteral("CIEN")));
        QVERIFY(t.contains(QStringLiteral("CERO")));
    }

    void errors_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("texto");
        QTest::newRow("missing file") << "sin fichero" << "No se encuentra el fichero de informes '%1'.";
        QTest::newRow("unreadable") << "carpeta" << "El fichero de informes '%1' no es válido: no se puede leer.";
        QTest::newRow("not JSON") << "roto"
                                  << "El fichero de informes '%1' no es válido: no es un JSON correcto cerca del carácter 15.";
        QTest::newRow("misspelt key") << "clave"
                                      << "El fichero de informes '%1' no es válido: clave desconocida 'ancha' en el "
                                         "elemento 1 de 'detalle' del informe 'Clientes'.";
        QTest::newRow("unknown report") << "informe" << "El informe 'Otro' no existe en '%1'.";
        QTest::newRow("missing connection") << "conexion" << "El informe 'Clientes' necesita la conexión de datos 'Empresa'.";
        QTest::newRow("statement refused") << "sentencia" << "*";
        QTest::newRow("missing column") << "columna"
                                        << "El informe 'Clientes' usa el campo 'SALDOS', que no existe en 'Clientes'.";
    }

    void errors()
    {
        QFETCH(QString, caso);
        QFETCH(QString, texto);
        // A folder stands for a file that cannot be read (permissions do not
        // stop a test run as root).
        const QString fichero = m_dir.filePath(caso == "carpeta" ? QStringLiteral("carpeta.rav") : QStringLiteral("error.rav"));
        QFile::remove(fichero);
        if (caso == "carpeta")
            QDir().mkpath(fichero);
        QByteArray json = listado();
        if (caso == "roto")
            json = R"({"informes": [})";
        else if (caso == "clave")
            json.replace(R"("columna": "CODIGO", "x": 0, "y": 0, "ancho")", R"("columna": "CODIGO", "x": 0, "y": 0, "ancha")");
        else if (caso == "columna")
            json.replace(R"("columna": "SALDO", "mascara")", R"("columna": "SALDOS", "mascara")");
        if (caso != "sin fichero" && caso != "carpeta") {
            QFile f(fichero);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(json);
        }
        ds::RecordSet cli(QStringLiteral("Clientes")), emp(QStringLiteral("Empresa"));
        cli.setConnection(&m_db);
        cli.setCommandText(caso == "sentencia" ? QStringLiteral("SELECT * FROM NO_EXISTE")
                                               : QStringLiteral("SELECT * FROM CLI"));
        emp.setConnection(&m_db);
        emp.setCommandText(QStringLiteral("SELECT * FROM EMP"));
        Conexiones conexiones;
        conexiones.agregar(QStringLiteral("Clientes"), cli);
        if (caso != "conexion")
            conexiones.agregar(QStringLiteral("Empresa"), emp);
        try {
            componer(Proyecto::cargar(fichero), caso == "informe" ? QStringLiteral("Otro") : QStringLiteral("Clientes"),
                     conexiones);
            QFAIL("no error");
        } catch (const ErrorInforme &e) {
            if (texto == "*") // the server's own words
                QVERIFY2(e.texto.contains(QStringLiteral("NO_EXISTE")), qPrintable(e.texto));
            else
                QCOMPARE(e.texto, QString(texto).replace(QStringLiteral("%1"), fichero));
        }
    }

    // Painted to PDF and read back: the title, a row, the page numbers, a
    // total, the company's logo; a folder that cannot take the file gives the
    // engine's error.
    void pdfOutput()
    {
        clientes(30);
        QImage logo(40, 20, QImage::Format_RGB32);
        logo.fill(Qt::darkBlue);
        QByteArray png;
        QBuffer buffer(&png);
        logo.save(&buffer, "PNG");
        m_db.execute("UPDATE EMP SET LOGO = ?", {png});
        const Documento doc = componerSobre(listado());
        m_db.execute("UPDATE EMP SET LOGO = NULL");
        QCOMPARE(int(doc.imagenes.size()), 1);
        const QString fichero = m_dir.filePath(QStringLiteral("listado.pdf"));
        escribirPdf(doc, fichero);
        const QString texto = pdfATexto(fichero);
        QVERIFY2(texto.contains(QStringLiteral("LISTADO DE CLIENTES")), qPrintable(texto));
        QVERIFY(texto.contains(QStringLiteral("DISTRIBUCIONES PEÑA, S.L.")));
        QVERIFY(texto.contains(QRegularExpression(QStringLiteral("C017\\s+17,00"))));
        QVERIFY(texto.contains(QStringLiteral("Página 1 de 3")));
        QVERIFY(texto.contains(QStringLiteral("Página 3 de 3")));
        QVERIFY(texto.contains(QStringLiteral("465,00")));
        QCOMPARE(paginasPdf(fichero), 3);
        QProcess imagenes;
        imagenes.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), fichero});
        imagenes.waitForFinished(30000);
        QVERIFY(QString::fromLatin1(imagenes.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("image\\s+40\\s+20\\s"))));

        const QString imposible = m_dir.filePath(QStringLiteral("no/existe/listado.pdf"));
        try {
            escribirPdf(doc, imposible);
            QFAIL("no error");
        } catch (const ErrorInforme &e) {
            QCOMPARE(e.texto, QStringLiteral("No se puede escribir el fichero '%1'.").arg(imposible));
        }
    }

    // A printer that cannot make copies itself (a PDF printer) gets the pages
    // again for each copy; fewer than one copy prints one.
    void printerCopies_data()
    {
        QTest::addColumn<int>("copias");
        QTest::addColumn<int>("paginas");
        QTest::newRow("one") << 1 << 2;
        QTest::newRow("three") << 3 << 6;
        QTest::newRow("zero") << 0 << 2;
    }

    void printerCopies()
    {
        QFETCH(int, copias);
        QFETCH(int, paginas);
        clientes(20);
        const Documento doc = componerSobre(listado());
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setOutputFormat(QPrinter::PdfFormat);
        const QString fichero = m_dir.filePath(QStringLiteral("impreso.pdf"));
        impresora.setOutputFileName(fichero);
        imprimir(doc, impresora, copias);
        QCOMPARE(paginasPdf(fichero), paginas);
        QVERIFY(pdfATexto(fichero).contains(QStringLiteral("Página 2 de 2")));
    }

    // The example of the format's documentation is a valid project, so the
    // reports written from it load.
    void documentedExampleLoads()
    {
        QFile doc(QFINDTESTDATA("../../docs/informes.md"));
        QVERIFY(doc.open(QIODevice::ReadOnly));
        const QString texto = QString::fromUtf8(doc.readAll());
        const qsizetype inicio = texto.lastIndexOf(QStringLiteral("```json\n")) + 8;
        const QString json = texto.mid(inicio, texto.indexOf(QStringLiteral("```"), inicio) - inicio);
        const Proyecto p = Proyecto::desdeTexto(json.toUtf8(), QStringLiteral("informes.md"));
        QCOMPARE(p.nombres(), QStringList({"Listado_Clientes", "Recibo_Cobro"}));
    }

    // The preview opens on the first page and moves through the pages.
    void preview()
    {
        clientes(30);
        const Documento doc = componerSobre(listado());
        QStringList vistos;
        testsupport::alAbrirse<DialogoVistaPrevia>(this, [&](DialogoVistaPrevia &d) {
            auto *etiqueta = d.findChild<QLabel *>(QStringLiteral("lblPagina"));
            vistos << etiqueta->text();
            d.findChild<QAction *>(QStringLiteral("accUltima"))->trigger();
            vistos << etiqueta->text();
            d.findChild<QAction *>(QStringLiteral("accAnterior"))->trigger();
            vistos << etiqueta->text();
            vistos << (d.isMaximized() ? "maximizada" : "normal");
            d.findChild<QAction *>(QStringLiteral("accCerrar"))->trigger();
        });
        mostrarVistaPrevia(doc, nullptr);
        QCOMPARE(vistos, QStringList({"Página 1 de 3", "Página 3 de 3", "Página 2 de 3", "maximizada"}));
    }
};

QTEST_MAIN(TestInformes)
#include "tst_informes.moc"
