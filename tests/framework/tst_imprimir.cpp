// The print dialog over a small report project of its own: the dialog's
// controls, the copies rule, printing with the copies typed, the company's
// row that every report reads, the preview, and the error box when the
// project or the report cannot be run.
#include "ProgramaPrueba.h"
#include "TextoPdf.h"
#include "TestEnvironment.h"
#include "app/Sesion.h"
#include "framework/TfrmImprimir.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

// One report: the company's name, the families, "Página X de Y".
const char *const kProyecto = R"({ "informes": [ {
  "nombre": "Prueba_Familias", "datos": "Prueba_Familias",
  "cabeceraPagina": { "alto": 8, "elementos": [
    { "tipo": "campo", "datos": "Listado_Empresas", "columna": "NOMBRE", "x": 0, "y": 0, "ancho": 120, "alto": 6 } ] },
  "detalle": { "alto": 5, "elementos": [
    { "tipo": "campo", "columna": "CODIGO", "x": 0, "y": 0, "ancho": 20, "alto": 5 },
    { "tipo": "campo", "columna": "DESCRIPCION", "x": 22, "y": 0, "ancho": 100, "alto": 5 } ] },
  "piePagina": { "alto": 6, "elementos": [
    { "tipo": "texto", "texto": "Página {pagina} de {paginas}", "x": 0, "y": 0, "ancho": 60, "alto": 5 } ] }
} ] })";

using testsupport::textoPdf;

} // namespace

class TstImprimir : public QObject, private testsupport::ProgramaPrueba
{
    Q_OBJECT

    std::unique_ptr<Sesion> m_sesion;
    std::unique_ptr<ds::RecordSet> m_familias;
    rpt::Conexiones m_datos;

    void escribirProyecto(const QByteArray &texto)
    {
        QFile fichero(carpeta() + QStringLiteral("Listados.rav"));
        QVERIFY(fichero.open(QIODevice::WriteOnly));
        fichero.write(texto);
    }

    std::unique_ptr<TfrmImprimir> dialogo(const QString &informe = QStringLiteral("Prueba_Familias"))
    {
        auto imprimir = std::make_unique<TfrmImprimir>(nullptr, m_datos, informe);
        imprimir->show();
        return imprimir;
    }

    // Prints to a PDF as the printer set up in "Configurar" would.
    QString imprimirEnPdf(TfrmImprimir &imprimir, const QString &copias)
    {
        const QString pdf = carpeta() + QStringLiteral("salida.pdf");
        imprimir.impresora().setOutputFormat(QPrinter::PdfFormat);
        imprimir.impresora().setOutputFileName(pdf);
        imprimir.Copias->setText(copias);
        imprimir.chkPrevia->setChecked(false);
        imprimir.btnImprimir->click();
        return pdf;
    }

private slots:
    void initTestCase() { testsupport::initFirebird(); }

    void init()
    {
        arrancar(false);
        m_sesion = std::make_unique<Sesion>(conexiones());
        QVERIFY(m_sesion->EstablecerEmpresa(QStringLiteral("01")));
        empresa().execute(QStringLiteral("INSERT INTO FAMILIA (CODIGO, DESCRIPCION) VALUES (?, ?)"),
                          {QStringLiteral("F1"), QStringLiteral("Tornillería")});
        m_familias = std::make_unique<ds::RecordSet>(QStringLiteral("familias"));
        m_familias->setConnection(&empresa());
        m_familias->setCommandText(QStringLiteral("SELECT * FROM FAMILIA"));
        m_datos = {};
        m_datos.agregar(QStringLiteral("Prueba_Familias"), *m_familias);
        escribirProyecto(kProyecto);
    }

    void cleanup()
    {
        m_datos = {};
        m_familias.reset();
        m_sesion.reset();
        parar();
    }

    void controlesAlAbrir()
    {
        auto imprimir = dialogo();
        QCOMPARE(imprimir->windowTitle(), QStringLiteral("IMPRIMIR"));
        QCOMPARE(imprimir->txtNombreInforme->text(), QStringLiteral("Prueba_Familias"));
        QVERIFY(imprimir->txtNombreInforme->isReadOnly());
        QCOMPARE(imprimir->Copias->text(), QStringLiteral("1"));
        QVERIFY(imprimir->chkPrevia->isChecked());
        QCOMPARE(imprimir->btnImprimir->text(), QStringLiteral("Imprimir"));
        QCOMPARE(imprimir->btnConfigurar->text(), QStringLiteral("Configurar"));
    }

    void numeroCopias_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("copias");
        QTest::newRow("entero") << "3" << 3;
        QTest::newRow("con blancos") << " 2 " << 2;
        QTest::newRow("texto") << "dos" << 1;
        QTest::newRow("vacío") << "" << 1;
        QTest::newRow("decimal") << "2,5" << 1;
        QTest::newRow("cero") << "0" << 1;
        QTest::newRow("negativo") << "-4" << 1;
    }

    void numeroCopias()
    {
        QFETCH(QString, texto);
        QFETCH(int, copias);
        QCOMPARE(TfrmImprimir::numeroCopias(texto), copias);
    }

    // Without the preview the report goes to the printer, once per copy,
    // with the company's name from the session; then the dialog closes.
    void imprimeLasCopias_data()
    {
        QTest::addColumn<QString>("copias");
        QTest::addColumn<int>("paginas");
        QTest::newRow("una") << "1" << 1;
        QTest::newRow("dos") << "2" << 2;
        QTest::newRow("no es un número") << "x" << 1;
    }

    void imprimeLasCopias()
    {
        QFETCH(QString, copias);
        QFETCH(int, paginas);
        auto imprimir = dialogo();
        const QString texto = textoPdf(imprimirEnPdf(*imprimir, copias));

        QCOMPARE(dialogos().shown, QStringList());
        QVERIFY(!imprimir->isVisible());
        QCOMPARE(imprimir->result(), int(QDialog::Accepted));
        QCOMPARE(texto.count(u'\f'), paginas);
        QCOMPARE(texto.count(QStringLiteral("Comercial Peñalara")), paginas);
        QCOMPARE(texto.count(QStringLiteral("Tornillería")), paginas);
        QCOMPARE(texto.count(QStringLiteral("Página 1 de 1")), paginas);
    }

    // With "Vista Previa" ticked the report is shown on screen; the dialog
    // closes when the preview does.
    void vistaPrevia()
    {
        auto imprimir = dialogo();
        bool vista = false;
        alAbrirse<QWidget>(
            [&vista](QWidget &ventana) {
                vista = true;
                ventana.close();
            },
            imprimir.get());
        imprimir->btnImprimir->click();
        QVERIFY(vista);
        QVERIFY(!imprimir->isVisible());
        QCOMPARE(dialogos().shown, QStringList());
    }

    void cancelarNoImprime()
    {
        auto imprimir = dialogo();
        imprimir->btnCancelar->click();
        QVERIFY(!imprimir->isVisible());
        QCOMPARE(imprimir->result(), int(QDialog::Rejected));
        QVERIFY(!m_familias->isOpen());
    }

    // The failure is shown in the error box and the dialog still closes, as
    // after printing.
    void errorDelInforme_data()
    {
        QTest::addColumn<bool>("sinProyecto");
        QTest::addColumn<QString>("informe");
        QTest::addColumn<QString>("error");
        QTest::newRow("sin Listados.rav") << true << "Prueba_Familias" << "No se encuentra el fichero de informes '%1'.";
        QTest::newRow("informe que no está") << false << "Listado_Nada" << "El informe 'Listado_Nada' no existe en '%1'.";
    }

    void errorDelInforme()
    {
        QFETCH(bool, sinProyecto);
        QFETCH(QString, informe);
        QFETCH(QString, error);
        if (sinProyecto)
            QFile::remove(carpeta() + QStringLiteral("Listados.rav"));
        auto imprimir = dialogo(informe);
        imprimirEnPdf(*imprimir, QStringLiteral("1"));
        QCOMPARE(dialogos().errors, QStringList{error.arg(carpeta() + QStringLiteral("Listados.rav"))});
        QVERIFY(!imprimir->isVisible());
    }
};

QTEST_MAIN(TstImprimir)
#include "tst_imprimir.moc"
