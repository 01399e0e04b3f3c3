// The print dialog over a small report project of its own: the dialog's
// controls, the copies rule, printing with the copies typed, the company's
// row that every report reads, the preview, and the error box when the
// project or the report cannot be run.
#include "SchemaFixture.h"
#include "ScriptedDialogs.h"
#include "TestEnvironment.h"
#include "app/Sesion.h"
#include "app/TmdlConexiones.h"
#include "framework/TfrmImprimir.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
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

// The text of a PDF, pages ended by form feeds.
QString textoPdf(const QString &fichero)
{
    QProcess proceso;
    proceso.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fichero, QStringLiteral("-")});
    if (!proceso.waitForFinished(30000))
        return {};
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

// Runs `accion` on the next modal window other than `excepto` once it is up.
void alAbrirseOtra(QObject *ambito, QWidget *excepto, std::function<void(QWidget &)> accion)
{
    auto *espera = new QTimer(ambito);
    QObject::connect(espera, &QTimer::timeout, [espera, excepto, accion] {
        QWidget *ventana = QApplication::activeModalWidget();
        if (!ventana || ventana == excepto || !ventana->isVisible())
            return;
        espera->stop();
        espera->deleteLater();
        accion(*ventana);
    });
    espera->start(10);
}

} // namespace

class TstImprimir : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_programa;
    std::unique_ptr<testsupport::ScriptedDialogs> m_dialogos;
    std::unique_ptr<TmdlConexiones> m_conexiones;
    std::unique_ptr<Sesion> m_sesion;
    std::unique_ptr<ds::RecordSet> m_familias;
    rpt::Conexiones m_datos;

    void escribirProyecto(const QByteArray &texto)
    {
        QFile fichero(m_programa + QStringLiteral("Listados.rav"));
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
        const QString pdf = m_dir->filePath(QStringLiteral("salida.pdf"));
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
        m_dir = std::make_unique<QTemporaryDir>();
        m_programa = testsupport::freshDatabases(*m_dir);
        m_dialogos = std::make_unique<testsupport::ScriptedDialogs>();
        m_conexiones = std::make_unique<TmdlConexiones>(m_programa);
        m_sesion = std::make_unique<Sesion>(*m_conexiones);
        QVERIFY(m_sesion->EstablecerEmpresa(QStringLiteral("01")));
        m_conexiones->ConexionEmpresa.execute(QStringLiteral("INSERT INTO FAMILIA (CODIGO, DESCRIPCION) VALUES (?, ?)"),
                                              {QStringLiteral("F1"), QStringLiteral("Tornillería")});
        m_familias = std::make_unique<ds::RecordSet>(QStringLiteral("familias"));
        m_familias->setConnection(&m_conexiones->ConexionEmpresa);
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
        m_conexiones.reset();
        m_dialogos.reset();
        m_dir.reset();
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

        QCOMPARE(m_dialogos->shown, QStringList());
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
        QObject espera; // a wait that never fires ends here, not in a later test
        alAbrirseOtra(&espera, imprimir.get(), [&vista](QWidget &ventana) {
            vista = true;
            ventana.close();
        });
        imprimir->btnImprimir->click();
        QVERIFY(vista);
        QVERIFY(!imprimir->isVisible());
        QCOMPARE(m_dialogos->shown, QStringList());
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
            QFile::remove(m_programa + QStringLiteral("Listados.rav"));
        auto imprimir = dialogo(informe);
        imprimirEnPdf(*imprimir, QStringLiteral("1"));
        QCOMPARE(m_dialogos->errors, QStringList{error.arg(m_programa + QStringLiteral("Listados.rav"))});
        QVERIFY(!imprimir->isVisible());
    }
};

QTEST_MAIN(TstImprimir)
#include "tst_imprimir.moc"
