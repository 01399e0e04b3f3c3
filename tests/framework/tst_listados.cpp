// The listing windows: the statement their filters make (through
// "Aceptar", as the report will read it, and checked against the database),
// a date that is not a date, the search buttons, and whole listings printed
// to PDF from the shipped report project.
#include "ProgramaPrueba.h"
#include "TextoPdf.h"
#include "TestEnvironment.h"
#include "VentanasModales.h"
#include "app/Sesion.h"
#include "framework/TfrmGestion.h"
#include "framework/TfrmImprimir.h"
#include "master/TfrmListadoClientes.h"
#include "master/TfrmListadoCuentas.h"
#include "master/TfrmListadoFormasPago.h"
#include "master/TfrmListadoProveedores.h"
#include "master/TfrmListadoResponsablesAlmacen.h"
#include "master/TfrmListadoResponsablesCompras.h"
#include "master/TfrmListadoVendedores.h"
#include "platform/dataset/RecordSet.h"
#include "platform/reports/Proyecto.h"
#include "warehouse/TfrmEtiquetasArticulos.h"
#include "warehouse/TfrmListadoAlmacenes.h"
#include "warehouse/TfrmListadoArticulos.h"
#include "warehouse/TfrmListadoFamilias.h"
#include "warehouse/TfrmListadoMovimientosAlmacen.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {

using Fabrica = std::function<TfrmListado *()>;

template <typename T>
Fabrica fabrica()
{
    return [] { return new T(nullptr); };
}

// Every listing window, by the name the cases use.
TfrmListado *crearVentana(const QString &nombre)
{
    static const QHash<QString, Fabrica> ventanas{
        {QStringLiteral("clientes"), fabrica<TfrmListadoClientes>()},
        {QStringLiteral("proveedores"), fabrica<TfrmListadoProveedores>()},
        {QStringLiteral("vendedores"), fabrica<TfrmListadoVendedores>()},
        {QStringLiteral("resp. compras"), fabrica<TfrmListadoResponsablesCompras>()},
        {QStringLiteral("resp. almacén"), fabrica<TfrmListadoResponsablesAlmacen>()},
        {QStringLiteral("formas de pago"), fabrica<TfrmListadoFormasPago>()},
        {QStringLiteral("cuentas"), fabrica<TfrmListadoCuentas>()},
        {QStringLiteral("familias"), fabrica<TfrmListadoFamilias>()},
        {QStringLiteral("artículos"), fabrica<TfrmListadoArticulos>()},
        {QStringLiteral("etiquetas"), fabrica<TfrmEtiquetasArticulos>()},
        {QStringLiteral("almacenes"), fabrica<TfrmListadoAlmacenes>()},
        {QStringLiteral("movimientos"), fabrica<TfrmListadoMovimientosAlmacen>()},
    };
    return ventanas.value(nombre)();
}

// Fills boxes given as "objectName=text" and clears the named check boxes.
void rellenar(TfrmListado &ventana, const QStringList &cajas, const QStringList &sinMarcar)
{
    for (const QString &caja : cajas) {
        const qsizetype igual = caja.indexOf(u'=');
        auto *edit = ventana.findChild<QLineEdit *>(caja.left(igual));
        QVERIFY2(edit, qPrintable(caja));
        edit->setText(caja.mid(igual + 1));
    }
    for (const QString &nombre : sinMarcar) {
        auto *marca = ventana.findChild<QCheckBox *>(nombre);
        QVERIFY2(marca && marca->isChecked(), qPrintable(nombre));
        marca->setChecked(false);
    }
}

using testsupport::textoPdf;

} // namespace

class TstListados : public QObject, private testsupport::ProgramaPrueba
{
    Q_OBJECT

    std::unique_ptr<Sesion> m_sesion;

    void ejecutarTodas(const QStringList &sentencias)
    {
        for (const QString &sql : sentencias)
            empresa().execute(sql);
    }

private slots:
    void initTestCase() { testsupport::initFirebird(); }

    void init()
    {
        arrancar(false);
        QVERIFY(QFile::copy(QFINDTESTDATA("../../reports/Listados.rav"), carpeta() + QStringLiteral("Listados.rav")));
        m_sesion = std::make_unique<Sesion>(conexiones());
        QVERIFY(m_sesion->EstablecerEmpresa(QStringLiteral("01")));
    }

    void cleanup()
    {
        m_sesion.reset();
        parar();
    }

    // "Aceptar" sets the statement on the record set without opening it,
    // runs the print dialog on the window's report and closes afterwards.
    void sentencia_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QStringList>("cajas");
        QTest::addColumn<QStringList>("sinMarcar");
        QTest::addColumn<QString>("informe");
        QTest::addColumn<QString>("sentencia");

        QTest::newRow("todo vacío") << "familias" << QStringList() << QStringList() << "Listado_Familias"
                                    << "SELECT * FROM FAMILIA";
        QTest::newRow("solo hasta") << "familias" << QStringList{"txtHastaCODIGO=F9"} << QStringList()
                                    << "Listado_Familias" << "SELECT * FROM FAMILIA WHERE (CODIGO <= 'F9')";
        QTest::newRow("rango y vendedor")
            << "clientes" << QStringList{"txtDesdeCODIGO=A1", "txtHastaCODIGO=B2", "txtVENDEDOR=V1"} << QStringList()
            << "Listado_Clientes"
            << "SELECT * FROM CLIENTE WHERE (CODIGO >= 'A1') AND (CODIGO <= 'B2') AND (VENDEDOR = 'V1')";
        QTest::newRow("sin régimen") << "clientes" << QStringList() << QStringList{"chkGENERAL", "chkEXENTO"}
                                     << "Listado_Clientes"
                                     << "SELECT * FROM CLIENTE WHERE (REGIMEN_IVA <> 1) AND (REGIMEN_IVA <> 0)";
        QTest::newRow("proveedores") << "proveedores" << QStringList{"txtRESPONSABLE=R1", "txtFORMA_PAGO=CONT"}
                                     << QStringList{"chkEXENTO"} << "Listado_Proveedores"
                                     << "SELECT * FROM PROVEEDOR WHERE (RESPONSABLE = 'R1') AND (FORMA_PAGO = 'CONT') "
                                        "AND (REGIMEN_IVA <> 0)";
        QTest::newRow("comilla en un código")
            << "formas de pago" << QStringList{"txtCUENTA=O'B", "txtDesdeCODIGO=' OR ''='"} << QStringList()
            << "Listado_FormasPago"
            << "SELECT * FROM FORMA_PAGO WHERE (CODIGO >= ''' OR ''''=''') AND (CUENTA = 'O''B')";
        QTest::newRow("blancos") << "cuentas" << QStringList{"txtDesdeCODIGO=   "} << QStringList() << "Listado_Cuentas"
                                 << "SELECT * FROM CUENTA_BANCARIA";
        QTest::newRow("fechas y tipo")
            << "movimientos" << QStringList{"txtDesdeFECHA=1/2/26", "txtHastaFECHA=31.12.2026", "txtALMACEN=A1"}
            << QStringList{"chkSALIDA"} << "Listado_Movimientos_Almacen"
            << "SELECT * FROM MOVIMIENTO_ALMACEN WHERE (FECHA >= '2026-02-01') AND (FECHA <= '2026-12-31') "
               "AND (ALMACEN = 'A1') AND (TIPO <> 'S')";
        QTest::newRow("artículos por familia")
            << "artículos" << QStringList{"txtDesdeFAMILIA=F1", "txtHastaFAMILIA=F3"} << QStringList()
            << "Listado_Articulos" << "SELECT * FROM ARTICULO WHERE (FAMILIA >= 'F1') AND (FAMILIA <= 'F3')";
        QTest::newRow("etiquetas") << "etiquetas" << QStringList{"txtDesdeCODIGO=A"} << QStringList()
                                   << "Etiquetas_Articulos" << "SELECT * FROM ARTICULO WHERE (CODIGO >= 'A')";
    }

    void sentencia()
    {
        QFETCH(QString, ventana);
        QFETCH(QStringList, cajas);
        QFETCH(QStringList, sinMarcar);
        QFETCH(QString, informe);
        QFETCH(QString, sentencia);
        std::unique_ptr<TfrmListado> listado(crearVentana(ventana));
        listado->show();
        rellenar(*listado, cajas, sinMarcar);
        QString pedido;
        QObject espera; // a wait that never fires ends here, not in a later test
        testsupport::alAbrirse<TfrmImprimir>(&espera, [&pedido](TfrmImprimir &imprimir) {
            pedido = imprimir.txtNombreInforme->text();
            imprimir.btnCancelar->click();
        });
        listado->btnAceptar->click();

        QCOMPARE(pedido, informe);
        QCOMPARE(listado->consulta->commandText(), sentencia);
        QVERIFY(!listado->consulta->isOpen());
        QVERIFY(!listado->isVisible());
        QCOMPARE(dialogos().shown, QStringList());
        // The database reads it as it is, quotes and dates included.
        listado->consulta->open();
        QCOMPARE(listado->consulta->rowCount(), 0);
    }

    // Said before anything runs; the window stays open to correct it.
    void fechaIlegible_data()
    {
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QString>("texto");
        QTest::newRow("día que no existe") << "txtDesdeFECHA" << "31/02/2026";
        QTest::newRow("palabra") << "txtHastaFECHA" << "mañana";
        QTest::newRow("mes 13") << "txtHastaFECHA" << "1/13/2026";
    }

    void fechaIlegible()
    {
        QFETCH(QString, caja);
        QFETCH(QString, texto);
        std::unique_ptr<TfrmListado> listado(crearVentana(QStringLiteral("movimientos")));
        listado->show();
        rellenar(*listado, {caja + u'=' + texto}, {});
        bool impreso = false;
        QObject espera; // a wait that never fires ends here, not in a later test
        testsupport::alAbrirse<TfrmImprimir>(&espera, [&impreso](TfrmImprimir &imprimir) {
            impreso = true;
            imprimir.btnCancelar->click();
        });
        listado->btnAceptar->click();

        QCOMPARE(dialogos().errors, QStringList{QStringLiteral("'%1' no es una fecha valida").arg(texto)});
        QVERIFY(listado->isVisible());
        QVERIFY(!impreso);
        QVERIFY(listado->consulta->commandText().isEmpty());
    }

    // The search opens the entity's browse window in select mode on every
    // row, without its editing commands; a choice is written into the box,
    // closing without one leaves the box as it was.
    void busqueda_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QStringList>("filas");
        QTest::addColumn<QString>("elegido");
        QTest::addColumn<QString>("queda");

        const QStringList vendedores{"INSERT INTO VENDEDOR (CODIGO, NOMBRE) VALUES ('V1', 'Ana')",
                                     "INSERT INTO VENDEDOR (CODIGO, NOMBRE) VALUES ('V2', 'Luis')"};
        QTest::newRow("elige") << "vendedores" << "BuscarHastaCODIGO" << "txtHastaCODIGO" << vendedores << "V2"
                               << "V2";
        QTest::newRow("cierra sin elegir")
            << "vendedores" << "BuscarDesdeCODIGO" << "txtDesdeCODIGO" << vendedores << "" << "ANTES";
        QTest::newRow("vendedor de clientes") << "clientes" << "BuscarVENDEDOR" << "txtVENDEDOR" << vendedores << "V1"
                                              << "V1";
        QTest::newRow("artículos sin etiquetas")
            << "artículos" << "BuscarDesdeCODIGO" << "txtDesdeCODIGO"
            << QStringList{"INSERT INTO ARTICULO (CODIGO, DESCRIPCION) VALUES ('A1', 'Tuerca')"} << "A1" << "A1";
    }

    void busqueda()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, boton);
        QFETCH(QString, caja);
        QFETCH(QStringList, filas);
        QFETCH(QString, elegido);
        QFETCH(QString, queda);
        ejecutarTodas(filas);
        std::unique_ptr<TfrmListado> listado(crearVentana(ventana));
        listado->show();
        listado->findChild<QLineEdit *>(caja)->setText(QStringLiteral("ANTES"));
        QStringList visibles;
        int filasVistas = -1;
        QObject espera; // a wait that never fires ends here, not in a later test
        testsupport::alAbrirse<TfrmGestion>(&espera, [&](TfrmGestion &gestion) {
            for (const char *nombre : {"accNuevo", "accEliminar", "accModificar", "accListar", "accEtiquetas"})
                if (auto *accion = gestion.findChild<QAction *>(QLatin1String(nombre)); accion && accion->isVisible())
                    visibles << QLatin1String(nombre);
            filasVistas = gestion.datos().rowCount();
            if (elegido.isEmpty()) {
                gestion.accCerrar->trigger();
                return;
            }
            for (int fila = 0; fila < gestion.datos().rowCount(); ++fila) {
                gestion.datos().moveTo(fila);
                if (gestion.datos().value(QStringLiteral("CODIGO")).toString().trimmed() == elegido)
                    break;
            }
            gestion.accSeleccionar->trigger();
        });
        listado->findChild<QToolButton *>(boton)->click();

        QCOMPARE(visibles, QStringList());
        QCOMPARE(filasVistas, int(filas.size()));
        QCOMPARE(listado->findChild<QLineEdit *>(caja)->text(), queda);
        QVERIFY(listado->isVisible());
    }

    // The mailing project ships as well, loadable even before it has reports.
    void proyectoDeCorreo()
    {
        const QString fichero = QFINDTESTDATA("../../reports/ListadosDrelmo.rav");
        QVERIFY(!fichero.isEmpty());
        rpt::Proyecto::cargar(fichero);
    }

    void etiquetasSinBusqueda()
    {
        std::unique_ptr<TfrmListado> listado(crearVentana(QStringLiteral("etiquetas")));
        QCOMPARE(listado->findChildren<QToolButton *>(), QList<QToolButton *>());
    }

    // Whole listings from the shipped project, printed to PDF: the company,
    // the title, the rows, the page count and the totals that mean something.
    void informeEnPdf_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QStringList>("filas");
        QTest::addColumn<QStringList>("cajas");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<QStringList>("ausentes");

        QTest::newRow("familias")
            << "familias"
            << QStringList{"INSERT INTO FAMILIA (CODIGO, DESCRIPCION) VALUES ('F1', 'Tornillería')",
                           "INSERT INTO FAMILIA (CODIGO, DESCRIPCION) VALUES ('F2', 'Herrajes')",
                           "INSERT INTO FAMILIA (CODIGO, DESCRIPCION) VALUES ('F3', 'Pinturas')"}
            << QStringList{"txtHastaCODIGO=F2"}
            << QStringList{"Comercial Peñalara", "LISTADO DE FAMILIAS", "Tornillería", "Herrajes", "Página 1 de 1",
                           "Total familias: 2"}
            << QStringList{"Pinturas"};
        QTest::newRow("clientes con saldo")
            << "clientes"
            << QStringList{"INSERT INTO CLIENTE (CODIGO, NOMBRE, REGIMEN_IVA, SALDO) VALUES ('C1', 'Bar Pepe', 1, 1200.5)",
                           "INSERT INTO CLIENTE (CODIGO, NOMBRE, REGIMEN_IVA, SALDO) VALUES ('C2', 'Hostal Sol', 1, 99.5)",
                           "INSERT INTO CLIENTE (CODIGO, NOMBRE, REGIMEN_IVA, SALDO) VALUES ('C3', 'Ayto. Exento', 0, 5)"}
            << QStringList{}
            << QStringList{"LISTADO DE CLIENTES", "Bar Pepe", "Hostal Sol", "1.200,50", "Total clientes: 3", "1.305,00"}
            << QStringList{};
        QTest::newRow("etiquetas")
            << "etiquetas"
            << QStringList{"INSERT INTO ARTICULO (CODIGO, DESCRIPCION, CODIGO_BARRAS, PRECIO_VENTA, FABRICANTE, MODELO) "
                           "VALUES ('A1', 'Tuerca M8', '8412345678905', 0.35, 'ACME', 'M8')"}
            << QStringList{}
            << QStringList{"Tuerca M8", "8412345678905", "0,35", "ACME"}
            << QStringList{"Página"};
        QTest::newRow("movimientos")
            << "movimientos"
            << QStringList{"INSERT INTO MOVIMIENTO_ALMACEN (CODIGO, FECHA, TIPO, CAUSA, ALMACEN, ARTICULO, CANTIDAD) "
                           "VALUES (1, '2026-03-15', 'E', 'Inventario inicial', 'A1', 'ART1', 12)"}
            << QStringList{"txtDesdeFECHA=15/3/2026"}
            << QStringList{"LISTADO DE MOVIMIENTOS DE ALMACÉN", "15/03/2026", "Inventario inicial", "12,00",
                           "Total movimientos: 1"}
            << QStringList{};
        // An empty result prints an empty listing; every column the shipped
        // reports name is checked against its table on the way.
        const QList<std::pair<const char *, const char *>> vacios{
            {"proveedores", "LISTADO DE PROVEEDORES"},
            {"vendedores", "LISTADO DE VENDEDORES"},
            {"resp. compras", "LISTADO DE RESPONSABLES DE COMPRAS"},
            {"resp. almacén", "LISTADO DE RESPONSABLES DE ALMACÉN"},
            {"formas de pago", "LISTADO DE FORMAS DE PAGO"},
            {"cuentas", "LISTADO DE CUENTAS BANCARIAS"},
            {"artículos", "LISTADO DE ARTÍCULOS"},
            {"almacenes", "LISTADO DE ALMACENES"},
        };
        for (const auto &[ventana, titulo] : vacios)
            QTest::newRow(ventana) << ventana << QStringList() << QStringList()
                                   << QStringList{"Comercial Peñalara", titulo, "Página 1 de 1"} << QStringList();
    }

    void informeEnPdf()
    {
        QFETCH(QString, ventana);
        QFETCH(QStringList, filas);
        QFETCH(QStringList, cajas);
        QFETCH(QStringList, textos);
        QFETCH(QStringList, ausentes);
        ejecutarTodas(filas);
        std::unique_ptr<TfrmListado> listado(crearVentana(ventana));
        listado->show();
        rellenar(*listado, cajas, {});
        const QString pdf = carpeta() + QStringLiteral("listado.pdf");
        QObject espera; // a wait that never fires ends here, not in a later test
        testsupport::alAbrirse<TfrmImprimir>(&espera, [&pdf](TfrmImprimir &imprimir) {
            imprimir.impresora().setOutputFormat(QPrinter::PdfFormat);
            imprimir.impresora().setOutputFileName(pdf);
            imprimir.chkPrevia->setChecked(false);
            imprimir.btnImprimir->click();
        });
        listado->btnAceptar->click();

        QCOMPARE(dialogos().shown, QStringList());
        const QString texto = textoPdf(pdf).simplified();
        for (const QString &esperado : textos)
            QVERIFY2(texto.contains(esperado), qPrintable(esperado + QStringLiteral(" en: ") + texto));
        for (const QString &ausente : ausentes)
            QVERIFY2(!texto.contains(ausente), qPrintable(ausente));
    }
};

QTEST_MAIN(TstListados)
#include "tst_listados.moc"
