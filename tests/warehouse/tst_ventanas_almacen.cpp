// The warehouse windows offscreen on a real company: the article's stock
// rows on its ALMACEN tab, the warehouse's STOCKS tab, and a movement typed
// with a barcode in its record window, stored and changed through its
// browse window.
#include "ProgramaPrueba.h"
#include "Controles.h"

#include "framework/widgets/DBEdit.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"
#include "warehouse/TfrmAlmacen.h"
#include "warehouse/TfrmArticulo.h"
#include "warehouse/TfrmFamilia.h"
#include "warehouse/TfrmGestionArticulos.h"
#include "warehouse/TfrmGestionMovimientosAlmacen.h"
#include "warehouse/TfrmMovimientoAlmacen.h"
#include "warehouse/TmdlStocks.h"
#include "warehouse/widgets/RejillaStocks.h"

#include <QAction>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {

using testsupport::pestanas;
using testsupport::filas;

} // namespace

class TstVentanasAlmacen : public QObject, private testsupport::ProgramaPrueba
{
    Q_OBJECT

private slots:
    // Warehouses 01 "Central" and 02 "Norte"; article A1 with 5 in 01 and 7
    // in 02; article A2 (barcode 8412345678905, bought at 3) with a row at 0 in 01.
    void init()
    {
        arrancar();
        ejecutar(QStringLiteral("INSERT INTO ALMACEN (CODIGO, DESCRIPCION) VALUES ('01', 'Central')"));
        ejecutar(QStringLiteral("INSERT INTO ALMACEN (CODIGO, DESCRIPCION) VALUES ('02', 'Norte')"));
        ejecutar(QStringLiteral("INSERT INTO ARTICULO (CODIGO, DESCRIPCION, STOCK) VALUES ('A1', 'Tornillo', 0)"));
        ejecutar(QStringLiteral("INSERT INTO ARTICULO (CODIGO, DESCRIPCION, STOCK, PRECIO_COMPRA, CODIGO_BARRAS) "
                           "VALUES ('A2', 'Tuerca', 0, 3, '8412345678905')"));
        TmdlStocks::AjustarStock(empresa(), QStringLiteral("01"), QStringLiteral("A1"), 5);
        TmdlStocks::AjustarStock(empresa(), QStringLiteral("02"), QStringLiteral("A1"), 7);
        TmdlStocks::AjustarStock(empresa(), QStringLiteral("01"), QStringLiteral("A2"), 0);
    }
    void cleanup()
    {
        parar();
    }

    void articuloPestanaAlmacen();
    void almacenPestanaStocks();
    void movimientoConCodigoDeBarras();
    void articulosDeFamiliaYDeProveedor();
};

void TstVentanasAlmacen::articuloPestanaAlmacen()
{
    TfrmArticulo ficha(nullptr, true);
    ficha.Mostrar(QStringLiteral("A1"), false);
    ficha.show();
    QCOMPARE(pestanas(ficha.PageControl1),
             (QStringList{"GENERAL", "COMPRA", "ALMACEN", "VENTA", "IMAGEN", "COMENTARIO"}));
    QCOMPARE(ficha.PageControl1->currentIndex(), 0);
    QCOMPARE(filas(ficha.grdStocks), (QStringList{"01|Central|5,00", "02|Norte|7,00"}));
    QCOMPARE(ficha.txtStock->text(), QStringLiteral("12,00"));
    QVERIFY(!ficha.txtStock->isEnabled());
    QCOMPARE(ficha.grdStocks->editTriggers(), QAbstractItemView::NoEditTriggers);

    TfrmArticulo nueva(nullptr, true);
    nueva.Nuevo();
    nueva.show();
    QVERIFY(filas(nueva.grdStocks).isEmpty());
    nueva.accCancelar->trigger();
}

// Every article that ever had stock in the warehouse, also at 0.
void TstVentanasAlmacen::almacenPestanaStocks()
{
    TfrmAlmacen ficha(nullptr, true);
    ficha.Mostrar(QStringLiteral("01"), false);
    ficha.show();
    QCOMPARE(pestanas(ficha.PageControl1), (QStringList{"DIRECCION", "STOCKS", "COMENTARIO"}));
    QCOMPARE(ficha.PageControl1->currentIndex(), 0);
    QCOMPARE(filas(ficha.grdStocks), (QStringList{"A1|Tornillo|5,00", "A2|Tuerca|0,00"}));
}

// A 13-digit barcode typed in ARTICULO becomes the article's code and brings
// its purchase price; the stored entry of 1 reaches stock. Changing it later
// cannot touch warehouse or article, and its new quantity replaces the old.
void TstVentanasAlmacen::movimientoConCodigoDeBarras()
{
    TfrmGestionMovimientosAlmacen gestion(nullptr, true);
    QVERIFY(gestion.Abrir(TfrmGestionMovimientosAlmacen::kSqlMovimientos, false));

    QString articulo, valorMostrado;
    alAbrirse<TfrmMovimientoAlmacen>([&](TfrmMovimientoAlmacen &f) {
        testsupport::escribir(f.txtAlmacen, QStringLiteral("01"));
        testsupport::escribir(f.txtArticulo, QStringLiteral("8412345678905"));
        QTest::keyClick(f.txtArticulo, Qt::Key_Return);
        articulo = f.txtArticulo->text();
        valorMostrado = f.txtValor->text();
        f.btnAceptar->click();
    });
    gestion.accNuevo->trigger();
    QCOMPARE(articulo, QStringLiteral("A2"));
    QCOMPARE(valorMostrado, QStringLiteral("3,00"));
    QCOMPARE(valor(QStringLiteral("SELECT ARTICULO FROM MOVIMIENTO_ALMACEN")).toString().trimmed(), QStringLiteral("A2"));
    QCOMPARE(valor(QStringLiteral("SELECT STOCK FROM STOCK WHERE ALMACEN = '01' AND ARTICULO = 'A2'")).toDouble(), 1.0);
    QCOMPARE(valor(QStringLiteral("SELECT STOCK FROM ARTICULO WHERE CODIGO = 'A2'")).toDouble(), 1.0);

    bool codigosFijos = false;
    alAbrirse<TfrmMovimientoAlmacen>([&](TfrmMovimientoAlmacen &f) {
        codigosFijos = !f.txtAlmacen->isEnabled() && !f.txtArticulo->isEnabled()
                       && !f.findChild<QToolButton *>(QStringLiteral("btnBuscarArticulo"))->isVisible()
                       && !f.BuscarAlmacen->isVisible();
        testsupport::escribir(f.txtCantidad, QStringLiteral("3"));
        f.btnAceptar->click();
    });
    gestion.accModificar->trigger();
    QVERIFY(codigosFijos);
    QCOMPARE(valor(QStringLiteral("SELECT STOCK FROM STOCK WHERE ALMACEN = '01' AND ARTICULO = 'A2'")).toDouble(), 3.0);
    QCOMPARE(valor(QStringLiteral("SELECT STOCK FROM ARTICULO WHERE CODIGO = 'A2'")).toDouble(), 3.0);
    QVERIFY(dialogos().shown.isEmpty());
}

// The family's "Articulos" command and the one the supplier window calls
// show only their articles, in a browse window that is not for choosing.
void TstVentanasAlmacen::articulosDeFamiliaYDeProveedor()
{
    ejecutar(QStringLiteral("INSERT INTO FAMILIA (CODIGO) VALUES ('F1')"));
    ejecutar(QStringLiteral("INSERT INTO PROVEEDOR (CODIGO) VALUES ('O''P')"));
    ejecutar(QStringLiteral("UPDATE ARTICULO SET FAMILIA = 'F1' WHERE CODIGO = 'A1'"));
    ejecutar(QStringLiteral("UPDATE ARTICULO SET PROVEEDOR = 'O''P' WHERE CODIGO = 'A2'"));
    QStringList vistos;
    auto anotar = [&] {
        alAbrirse<TfrmGestionArticulos>([&](TfrmGestionArticulos &g) {
            vistos << (g.modoSeleccion() ? QStringLiteral("seleccion:") : QString()) + filas(g.DBGrid1).join(u',');
            g.accCerrar->trigger();
        });
    };

    TfrmFamilia familia(nullptr, true);
    familia.Mostrar(QStringLiteral("F1"), false);
    QVERIFY(familia.VerArticulos->isEnabled());
    anotar();
    familia.VerArticulos->trigger();
    anotar();
    TfrmGestionArticulos::VerArticulosDe(nullptr, QStringLiteral("O'P"));
    QCOMPARE(vistos, (QStringList{"A1|Tornillo|", "A2|Tuerca|8412345678905"}));
}

QTEST_MAIN(TstVentanasAlmacen)
#include "tst_ventanas_almacen.moc"
