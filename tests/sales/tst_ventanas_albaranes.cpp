// The windows of the sales delivery notes over a fresh company database:
// the line window, the record window's modes, a whole note typed through
// the windows with the stock it moves, cancelling, and the state command.
#include "ProgramaPrueba.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBRadioGroup.h"
#include "incidents/TfrmIncidencia.h"
#include "incidents/widgets/PestanaIncidencias.h"
#include "master/widgets/PestanaSatelites.h"
#include "platform/dataset/RecordSet.h"
#include "sales/TfrmAlbaranVenta.h"
#include "sales/TfrmCambioEstadoAlbaranVenta.h"
#include "sales/TfrmGestionAlbaranesVenta.h"
#include "sales/TfrmLineaAlbaranVenta.h"
#include "sales/TmdlAlbaranesVenta.h"
#include "framework/widgets/DBComboBox.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTableView>
#include <QtTest>
#include <memory>

using testsupport::escribir;

namespace {

// Types into a box and leaves it, as the user does.
void teclear(fw::DBEdit *caja, const QString &texto)
{
    escribir(caja, texto);
    emit caja->editingFinished();
}

void elegir(fw::DBComboBox *lista, const QString &texto)
{
    const int entrada = lista->findText(texto);
    lista->setCurrentIndex(entrada);
    emit lista->activated(entrada);
}

} // namespace

class TstVentanasAlbaranes : public QObject, private testsupport::ProgramaPrueba
{
    Q_OBJECT

    // A line added through the line window: the article typed (code or bar
    // code) and the quantity.
    void annadirLinea(TfrmAlbaranVenta &f, const QString &articulo, const QString &cantidad)
    {
        alAbrirse<TfrmLineaAlbaranVenta>([articulo, cantidad](TfrmLineaAlbaranVenta &l) {
            teclear(l.txtArticulo, articulo);
            teclear(l.txtCantidad, cantidad);
            l.btnAceptar->click();
        });
        f.pestanaLineas->accNueva->trigger();
    }

    // The header of a new note: customer C1, warehouse W1.
    void cabecera(TfrmAlbaranVenta &f)
    {
        teclear(f.txtCliente, QStringLiteral("C1"));
        teclear(f.txtAlmacen, QStringLiteral("W1"));
    }

private slots:
    void init()
    {
        arrancar();
        ejecutar("INSERT INTO ALMACEN (CODIGO, DESCRIPCION) VALUES ('W1', 'Central')");
        ejecutar("INSERT INTO VENDEDOR (CODIGO, NOMBRE) VALUES ('V1', 'Ana')");
        ejecutar("INSERT INTO FORMA_PAGO (CODIGO, DESCRIPCION, NUMERO_VENCIMIENTOS) VALUES ('G30', '30 dias', 1)");
        ejecutar("INSERT INTO CLIENTE (CODIGO, NOMBRE, VENDEDOR, FORMA_PAGO, REGIMEN_IVA, RECARGO_EQUIVALENCIA, SALDO)"
                 " VALUES ('C1', 'Uno', 'V1', 'G30', 1, 'S', 0)");
        ejecutar("INSERT INTO ARTICULO (CODIGO, DESCRIPCION, PRECIO_VENTA, P_IVA, P_RE, CODIGO_BARRAS, STOCK)"
                 " VALUES ('A1', 'Tornillo', 10, 16, 4, '8400001', 20)");
        ejecutar("INSERT INTO ARTICULO (CODIGO, DESCRIPCION, PRECIO_VENTA, P_IVA, P_RE, STOCK)"
                 " VALUES ('A7', 'Libro', 5, 7, 1, 0)");
        ejecutar("INSERT INTO STOCK (CODIGO, ALMACEN, ARTICULO, STOCK) VALUES (1, 'W1', 'A1', 20)");
        // A stored note with one line of A1 (its stock already taken), and an invoiced one.
        ejecutar("INSERT INTO ALBARAN_VENTA (SERIE, NUMERO, ESTADO, CLIENTE, ALMACEN, BASE1)"
                 " VALUES ('A', 1, 'PENDIENTE', 'C1', 'W1', 20)");
        ejecutar("INSERT INTO LINEA_ALBARAN_VENTA (CODIGO, ALBARAN, ARTICULO, DESCRIPCION, CANTIDAD, PRECIO, DESCUENTO,"
                 " P_IVA, P_RE) VALUES (1, 'A        1', 'A1', 'Tornillo', 2, 10, 0, 16, 4)");
        ejecutar("INSERT INTO ALBARAN_VENTA (SERIE, NUMERO, ESTADO, CLIENTE, ALMACEN)"
                 " VALUES ('A', 2, 'FACTURADO', 'C1', 'W1')");
    }
    void cleanup()
    {
        parar();
    }

    void lineaDesdeArticulo_data();
    void lineaDesdeArticulo();
    void articuloFijoAlModificar_data();
    void articuloFijoAlModificar();
    void modosDeLaFicha_data();
    void modosDeLaFicha();
    void albaranCompleto();
    void fichaConModuloPropio();
    void cancelarNoGuardaNada_data();
    void cancelarNoGuardaNada();
    void cambiarEstado_data();
    void cambiarEstado();
    void seleccionDevuelveLaClave();
};

void TstVentanasAlbaranes::lineaDesdeArticulo_data()
{
    QTest::addColumn<QString>("tecleado");
    QTest::newRow("codigo") << "A1";
    QTest::newRow("codigo de barras") << "8400001";
}

// The article fills the line; the rate list sets the rate and its surcharge,
// and storing the line moves the note's slots and totals.
void TstVentanasAlbaranes::lineaDesdeArticulo()
{
    QFETCH(QString, tecleado);
    TmdlAlbaranesVenta m;
    m.abrirAlbaran({});
    m.AlbaranesVenta.append();
    m.AlbaranesVenta.setValue("ALMACEN", "W1");
    m.abrirLineas(m.claveActual());
    TfrmLineaAlbaranVenta l(nullptr, true, &m);
    QCOMPARE((QStringList{l.windowTitle(), l.lblTitulo->text()}),
             (QStringList{"LINEA DE VENTA", "LINEA DE ALBARAN DE VENTA"}));
    l.Nuevo();
    l.show();
    teclear(l.txtArticulo, tecleado);
    QCOMPARE(l.txtArticulo->text(), QStringLiteral("A1"));
    QCOMPARE(l.txtDescripcion->text(), QStringLiteral("Tornillo"));
    QCOMPARE(l.cmbIva->currentText(), QStringLiteral("16,00"));
    teclear(l.txtCantidad, "3");
    QCOMPARE(l.txtImporte->text(), QStringLiteral("30,00"));
    elegir(l.cmbIva, "7,00");
    QCOMPARE(m.Ventas.value("P_IVA").toDouble(), 7.0);
    QCOMPARE(m.Ventas.value("P_RE").toDouble(), 1.0);
    l.btnAceptar->click();
    QCOMPARE(m.Ventas.state(), ds::State::Browse);
    QCOMPARE(m.AlbaranesVenta.value("BASE2").toDouble(), 30.0);
    QCOMPARE(m.AlbaranesVenta.value("BASE1").toDouble(), 0.0);
}

void TstVentanasAlbaranes::articuloFijoAlModificar_data()
{
    QTest::addColumn<QString>("articulo");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<bool>("fijo");
    QTest::newRow("con articulo") << "A1" << true << true;
    QTest::newRow("sin articulo") << "" << true << false;
    QTest::newRow("nueva") << "" << false << false;
}

// Modifying a line that names an article keeps the article; a free-text
// line and a new one take one.
void TstVentanasAlbaranes::articuloFijoAlModificar()
{
    QFETCH(QString, articulo);
    QFETCH(bool, editable);
    QFETCH(bool, fijo);
    if (articulo.isEmpty())
        ejecutar("UPDATE LINEA_ALBARAN_VENTA SET ARTICULO = NULL");
    TmdlAlbaranesVenta m;
    m.abrirAlbaran(QStringLiteral("A        1"));
    m.AlbaranesVenta.edit();
    m.abrirLineas(m.claveActual());
    TfrmLineaAlbaranVenta l(nullptr, true, &m);
    if (editable)
        l.Mostrar({}, true);
    else
        l.Nuevo();
    l.show();
    QCOMPARE(l.txtArticulo->isEnabled(), !fijo);
    QCOMPARE(l.btnBuscarArticulo->isVisible(), !fijo);
}

void TstVentanasAlbaranes::modosDeLaFicha_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<bool>("alta");
    QTest::addColumn<bool>("lineasEditables");
    QTest::newRow("alta") << "alta" << true << true;
    QTest::newRow("modificacion") << "modificacion" << false << true;
    QTest::newRow("consulta") << "consulta" << false << false;
}

// Series and warehouse are chosen only for a new note; its lines change
// while it is new or modified. The series locks once the note has a line.
void TstVentanasAlbaranes::modosDeLaFicha()
{
    QFETCH(QString, modo);
    QFETCH(bool, alta);
    QFETCH(bool, lineasEditables);
    TfrmGestionAlbaranesVenta g(nullptr, true);
    g.Abrir(TfrmGestionAlbaranesVenta::kSqlAlbaranesVenta, false);
    TfrmAlbaranVenta f(nullptr, true, g.mdlAlbaranesVenta);
    QCOMPARE((QStringList{f.windowTitle(), f.lblTitulo->text()}),
             (QStringList{"ALBARAN DE VENTA", "ALBARAN DE VENTA"}));
    if (modo == "alta")
        f.Nuevo();
    else
        f.Mostrar({}, modo == "modificacion");
    f.show();
    QCOMPARE(f.cmbSerie->isEnabled(), alta);
    QCOMPARE(f.txtAlmacen->isEnabled(), alta);
    QCOMPARE(f.BuscarAlmacen->isVisible(), alta);
    QCOMPARE(f.BuscarCliente->isEnabled(), modo != "consulta");
    QCOMPARE(f.txtNumero->isEnabled(), false);
    QCOMPARE(f.pestanaLineas->accNueva->isEnabled(), lineasEditables);
    QCOMPARE(f.pestanaLineas->accModificar->isEnabled(), lineasEditables && !alta);
    QCOMPARE(f.pestanaLineas->accVer->isEnabled(), !alta);
    QCOMPARE(f.pestanaIncidencias->lista->accNueva->isEnabled(), modo != "consulta");
    if (alta) {
        QCOMPARE(f.txtNumero->text(), QStringLiteral("000000003"));
        elegir(f.cmbSerie, "B");
        QCOMPARE(f.txtNumero->text(), QStringLiteral("000000001"));
        annadirLinea(f, "A1", "1");
        QCOMPARE(g.mdlAlbaranesVenta->Ventas.value("ALBARAN").toString(), QStringLiteral("B        1"));
        QVERIFY(!f.cmbSerie->isEnabled());
    }
    (f.btnCancelar->isVisible() ? f.btnCancelar : f.btnAceptar)->click();
}

// A new note typed through the windows: customer, warehouse, one line by
// code and one by bar code; the totals follow each line, and "Aceptar"
// stores header and lines, which take the goods from the warehouse.
void TstVentanasAlbaranes::albaranCompleto()
{
    TfrmGestionAlbaranesVenta g(nullptr, true);
    g.Abrir(TfrmGestionAlbaranesVenta::kSqlAlbaranesVenta, false);
    QStringList totales;
    alAbrirse<TfrmAlbaranVenta>([this, &totales](TfrmAlbaranVenta &f) {
        cabecera(f);
        annadirLinea(f, "A7", "2");
        totales << f.txtTotal->text();
        annadirLinea(f, "8400001", "5");
        totales << f.txtBaseImponible->text() << f.txtIva->text() << f.txtRecargo->text() << f.txtTotal->text();
        f.btnAceptar->click();
    });
    g.accNuevo->trigger();
    // 2 × 5 at 7 % and 5 × 10 at 16 %, for a customer who pays the surcharge.
    QCOMPARE(totales, (QStringList{"10,80", "60,00", "8,70", "2,10", "70,80"}));
    QCOMPARE(valor("SELECT CLIENTE FROM ALBARAN_VENTA WHERE NUMERO = 3").toString().trimmed(), QStringLiteral("C1"));
    QCOMPARE(valor("SELECT BASE1 FROM ALBARAN_VENTA WHERE NUMERO = 3").toDouble(), 50.0);
    QCOMPARE(valor("SELECT COUNT(*) FROM LINEA_ALBARAN_VENTA WHERE ALBARAN = 'A        3'").toInt(), 2);
    QCOMPARE(valor("SELECT STOCK FROM STOCK WHERE ALMACEN = 'W1' AND ARTICULO = 'A1'").toDouble(), 15.0);
    QCOMPARE(valor("SELECT STOCK FROM STOCK WHERE ALMACEN = 'W1' AND ARTICULO = 'A7'").toDouble(), -2.0);
    QCOMPARE(valor("SELECT STOCK FROM ARTICULO WHERE CODIGO = 'A1'").toDouble(), 15.0);
    QCOMPARE(g.datos().rowCount(), 3);
}

// A note window opened alone reads and stores its note through a data module
// of its own: a new note, then the stored note 1 opened by its key.
void TstVentanasAlbaranes::fichaConModuloPropio()
{
    {
        TfrmAlbaranVenta f(nullptr, true);
        f.Nuevo();
        QCOMPARE(f.datos().value("NUMERO").toInt(), 3);
        cabecera(f);
        annadirLinea(f, "A1", "4");
        f.btnAceptar->click();
    }
    QCOMPARE(valor("SELECT BASE1 FROM ALBARAN_VENTA WHERE NUMERO = 3").toDouble(), 40.0);
    QCOMPARE(valor("SELECT STOCK FROM STOCK WHERE ALMACEN = 'W1' AND ARTICULO = 'A1'").toDouble(), 16.0);

    TfrmAlbaranVenta f(nullptr, true);
    f.Mostrar(QStringLiteral("A        1"), true);
    QCOMPARE(f.datos().rowCount(), 1);
    QCOMPARE(f.pestanaLineas->rejilla->model()->rowCount(), 1);
    teclear(f.txtDescuento, QStringLiteral("10"));
    f.btnAceptar->click();
    QCOMPARE(valor("SELECT DESCUENTO FROM ALBARAN_VENTA WHERE NUMERO = 1").toDouble(), 10.0);
}

void TstVentanasAlbaranes::cancelarNoGuardaNada_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<bool>("cerrar"); // the window's close button instead of "Cancelar"
    QTest::newRow("alta cancelar") << "alta" << false;
    QTest::newRow("alta cerrar") << "alta" << true;
    QTest::newRow("modificacion cancelar") << "modificacion" << false;
    QTest::newRow("modificacion cerrar") << "modificacion" << true;
}

// Leaving without "Aceptar" stores neither header, lines nor incidents, and
// moves no stock, whatever was added meanwhile.
void TstVentanasAlbaranes::cancelarNoGuardaNada()
{
    QFETCH(QString, modo);
    QFETCH(bool, cerrar);
    TfrmGestionAlbaranesVenta g(nullptr, true);
    g.Abrir(TfrmGestionAlbaranesVenta::kSqlAlbaranesVenta, false);
    alAbrirse<TfrmAlbaranVenta>([this, cerrar](TfrmAlbaranVenta &f) {
        if (f.modo() == TfrmRegistro::Modo::Annadir)
            cabecera(f);
        annadirLinea(f, "A1", "4");
        alAbrirse<TfrmIncidencia>([](TfrmIncidencia &i) {
            escribir(i.txtAsunto, QStringLiteral("Rotura"));
            i.btnAceptar->click();
        });
        f.pestanaIncidencias->lista->accNueva->trigger();
        teclear(f.txtDescuento, "10");
        if (cerrar)
            f.close();
        else
            f.btnCancelar->click();
    });
    (modo == "alta" ? g.accNuevo : g.accModificar)->trigger();
    QCOMPARE(filasDe("ALBARAN_VENTA"), 2);
    QCOMPARE(filasDe("LINEA_ALBARAN_VENTA"), 1);
    QCOMPARE(filasDe("INCIDENCIA"), 0);
    QCOMPARE(valor("SELECT SUM(DESCUENTO) FROM ALBARAN_VENTA").toDouble(), 0.0);
    QCOMPARE(valor("SELECT BASE1 FROM ALBARAN_VENTA WHERE NUMERO = 1").toDouble(), 20.0);
    QCOMPARE(valor("SELECT STOCK FROM STOCK WHERE ALMACEN = 'W1' AND ARTICULO = 'A1'").toDouble(), 20.0);
}

void TstVentanasAlbaranes::cambiarEstado_data()
{
    QTest::addColumn<int>("numero");
    QTest::addColumn<bool>("habilitado");
    QTest::newRow("pendiente") << 1 << true;
    QTest::newRow("facturado") << 2 << false;
}

// "Cambiar Estado" is refused for an invoiced note; a pending one becomes
// "HECHO" and is stored at once.
void TstVentanasAlbaranes::cambiarEstado()
{
    QFETCH(int, numero);
    QFETCH(bool, habilitado);
    TfrmGestionAlbaranesVenta g(nullptr, true);
    g.Abrir(TfrmGestionAlbaranesVenta::kSqlAlbaranesVenta, false);
    QCOMPARE(g.accEstado->text(), QStringLiteral("&Cambiar Estado"));
    QCOMPARE(g.accRefrescar->statusTip(), QStringLiteral("REfrescar los datos"));
    g.datos().moveTo(numero - 1);
    QCOMPARE(g.accEstado->isEnabled(), habilitado);
    if (!habilitado)
        return;
    alAbrirse<TfrmCambioEstadoAlbaranVenta>([](TfrmCambioEstadoAlbaranVenta &d) {
        QCOMPARE(d.windowTitle(), QStringLiteral("CAMBIAR ESTADO ALBARAN VENTA"));
        d.rgEstado->boton(1)->click();
        d.btnAceptar->click();
    });
    g.accEstado->trigger();
    QCOMPARE(valor("SELECT ESTADO FROM ALBARAN_VENTA WHERE NUMERO = 1").toString(), QStringLiteral("HECHO"));
}

// Other documents name a note by its key, which the select mode hands back.
void TstVentanasAlbaranes::seleccionDevuelveLaClave()
{
    TfrmGestionAlbaranesVenta g(nullptr, true);
    g.Abrir(TfrmGestionAlbaranesVenta::kSqlAlbaranesVenta, true);
    g.datos().moveTo(1);
    g.accSeleccionar->trigger();
    QCOMPARE(g.CodigoSeleccionado(), QStringLiteral("A        2"));
}

QTEST_MAIN(TstVentanasAlbaranes)
#include "tst_ventanas_albaranes.moc"
