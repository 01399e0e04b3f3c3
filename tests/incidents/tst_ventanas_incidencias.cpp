// The incident windows over a fresh company database: the browse window of
// each cycle, the state dialog with the solution date it stamps, the
// document view offered only from the browse window, and incidents added
// from a delivery note.
#include "ProgramaPrueba.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBRadioGroup.h"
#include "incidents/TfrmCambioEstadoIncidencia.h"
#include "incidents/TfrmGestionIncidencias.h"
#include "incidents/TfrmIncidencia.h"
#include "incidents/TmdlIncidencias.h"
#include "incidents/widgets/PestanaIncidencias.h"
#include "master/widgets/PestanaSatelites.h"
#include "platform/dataset/RecordSet.h"
#include "sales/TfrmAlbaranVenta.h"
#include "sales/TfrmGestionAlbaranesVenta.h"

#include <QAction>
#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

class TstVentanasIncidencias : public QObject, private testsupport::ProgramaPrueba
{
    Q_OBJECT

    // The browse window of a cycle, on its first incident.
    std::unique_ptr<TfrmGestionIncidencias> gestion(const char *tipo)
    {
        return std::unique_ptr<TfrmGestionIncidencias>(
            TfrmGestionIncidencias::abrirCiclo(nullptr, QLatin1String(tipo)));
    }

private slots:
    void init()
    {
        arrancar();
        ejecutar("INSERT INTO CLIENTE (CODIGO, NOMBRE) VALUES ('C1', 'Uno')");
        ejecutar("INSERT INTO ALMACEN (CODIGO, DESCRIPCION) VALUES ('W1', 'Central')");
        ejecutar("INSERT INTO ALBARAN_VENTA (SERIE, NUMERO, ESTADO, CLIENTE, ALMACEN)"
                 " VALUES ('B', 7, 'PENDIENTE', 'C1', 'W1')");
        // Incident 1 of that sales note, 2 of a sales invoice, 3 of a purchase order.
        const char *filas[] = {"1, 'V', 'A', 'B        7'", "2, 'V', 'F', 'A        1'", "3, 'C', 'P', 'A        1'"};
        for (const char *fila : filas)
            ejecutar(QStringLiteral("INSERT INTO INCIDENCIA (CODIGO, TIPO, TIPO_DOC, DOCUMENTO, ESTADO, "
                                    "FECHA_APERTURA, ASUNTO) VALUES (%1, 'PENDIENTE', '2024-01-10', 'Rotura')")
                         .arg(QLatin1String(fila)));
    }
    void cleanup()
    {
        parar();
    }

    void incidenciasDeUnCiclo_data();
    void incidenciasDeUnCiclo();
    void cambioDeEstado_data();
    void cambioDeEstado();
    void verDocumento_data();
    void verDocumento();
    void incidenciaDeUnAlbaran();
};

void TstVentanasIncidencias::incidenciasDeUnCiclo_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<int>("filas");
    QTest::newRow("compra") << "C" << "INCIDENCIAS DE COMPRA" << 1;
    QTest::newRow("venta") << "V" << "INCIDENCIAS DE VENTA" << 2;
}

// Each variant lists only its own cycle, under its own title; neither adds
// incidents nor lists them.
void TstVentanasIncidencias::incidenciasDeUnCiclo()
{
    QFETCH(QString, tipo);
    QFETCH(QString, titulo);
    QFETCH(int, filas);
    auto g = gestion(qPrintable(tipo));
    QCOMPARE((QStringList{g->windowTitle(), g->lblTitulo->text()}), (QStringList{"INCIDENCIAS", titulo}));
    QCOMPARE(g->datos().rowCount(), filas);
    for (int fila = 0; fila < filas; ++fila) {
        g->datos().moveTo(fila);
        QCOMPARE(g->datos().value("TIPO").toString(), tipo);
    }
    QVERIFY(!g->accNuevo->isVisible());
    QVERIFY(!g->accListar->isVisible());
    QVERIFY(g->accEstado->isEnabled());
}

void TstVentanasIncidencias::cambioDeEstado_data()
{
    QTest::addColumn<QString>("salida"); // how the dialog is left
    QTest::addColumn<QString>("estado");
    QTest::addColumn<QDate>("solucion");
    QTest::newRow("aceptar") << "aceptar" << "SOLUCIONADA" << QDate::currentDate();
    QTest::newRow("cancelar") << "cancelar" << "PENDIENTE" << QDate();
    QTest::newRow("cerrar") << "cerrar" << "PENDIENTE" << QDate();
}

// Solving an incident stores it at once with today's date; leaving the
// dialog any other way changes nothing.
void TstVentanasIncidencias::cambioDeEstado()
{
    QFETCH(QString, salida);
    QFETCH(QString, estado);
    QFETCH(QDate, solucion);
    auto g = gestion("C");
    alAbrirse<TfrmCambioEstadoIncidencia>([salida](TfrmCambioEstadoIncidencia &d) {
        QCOMPARE(d.windowTitle(), QStringLiteral("CAMBIAR ESTADO INCIDENCIA"));
        QVERIFY(d.btnAceptar->text().isEmpty() && d.btnCancelar->text().isEmpty());
        d.rgEstado->boton(1)->click();
        if (salida == "aceptar")
            d.btnAceptar->click();
        else if (salida == "cancelar")
            d.btnCancelar->click();
        else
            d.close();
    });
    g->accEstado->trigger();
    QCOMPARE(g->datos().state(), ds::State::Browse);
    QCOMPARE(g->datos().value("ESTADO").toString(), estado);
    QCOMPARE(valor("SELECT ESTADO FROM INCIDENCIA WHERE CODIGO = 3").toString(), estado);
    QCOMPARE(valor("SELECT FECHA_SOLUCION FROM INCIDENCIA WHERE CODIGO = 3").toDate(), solucion);
}

void TstVentanasIncidencias::verDocumento_data()
{
    QTest::addColumn<int>("fila");
    QTest::addColumn<bool>("abreAlbaran");
    QTest::newRow("albaran de venta") << 0 << true;
    QTest::newRow("sin ventana de documento") << 1 << false;
}

// From the browse window the incident offers its document: a sales note
// opens in view mode on its own data module; a kind without a window does nothing.
void TstVentanasIncidencias::verDocumento()
{
    QFETCH(int, fila);
    QFETCH(bool, abreAlbaran);
    auto g = gestion("V");
    g->datos().moveTo(fila);
    QString numero;
    bool soloVer = false;
    alAbrirse<TfrmIncidencia>([this, &numero, &soloVer](TfrmIncidencia &i) {
        QVERIFY(i.accVerDocumento->isVisible());
        QVERIFY(i.accVerDocumento->isEnabled());
        alAbrirse<TfrmAlbaranVenta>([&numero, &soloVer](TfrmAlbaranVenta &a) {
            numero = a.txtNumero->text();
            soloVer = a.modo() == TfrmRegistro::Modo::Ver && !a.ModuloCompartido;
            a.btnAceptar->click();
        });
        i.accVerDocumento->trigger();
        i.btnAceptar->click();
    });
    g->accVer->trigger();
    QCOMPARE(numero, abreAlbaran ? QStringLiteral("000000007") : QString());
    QCOMPARE(soloVer, abreAlbaran);
}

// An incident added from a delivery note's tab takes the note's cycle, kind
// and key, starts pending, and offers no view of the document it is in.
void TstVentanasIncidencias::incidenciaDeUnAlbaran()
{
    TfrmGestionAlbaranesVenta g(nullptr, true);
    g.Abrir(TfrmGestionAlbaranesVenta::kSqlAlbaranesVenta, false);
    QStringList vistos;
    alAbrirse<TfrmAlbaranVenta>([this, &vistos](TfrmAlbaranVenta &a) {
        QCOMPARE(a.pestanaIncidencias->mdlIncidencias->Incidencias.rowCount(), 1);
        alAbrirse<TfrmIncidencia>([&vistos](TfrmIncidencia &i) {
            vistos << i.txtDocumento->text() << i.txtEstado->text()
                   << QString::number(i.rgTipo->boton(1)->isChecked())
                   << QString::number(i.rgTipoDocumento->boton(1)->isChecked())
                   << QString::number(i.accVerDocumento->isVisible());
            testsupport::escribir(i.txtAsunto, QStringLiteral("Falta una caja"));
            i.btnAceptar->click();
        });
        a.pestanaIncidencias->lista->accNueva->trigger();
        a.btnAceptar->click();
    });
    g.accModificar->trigger();
    QCOMPARE(vistos, (QStringList{"B        7", "PENDIENTE", "1", "1", "0"}));
    QCOMPARE(valor("SELECT COUNT(*) FROM INCIDENCIA WHERE TIPO = 'V' AND TIPO_DOC = 'A' AND DOCUMENTO = 'B        7'"
                   " AND FECHA_SOLUCION IS NULL AND ASUNTO = 'Falta una caja'")
                 .toInt(),
             1);
}

QTEST_MAIN(TstVentanasIncidencias)
#include "tst_ventanas_incidencias.moc"
