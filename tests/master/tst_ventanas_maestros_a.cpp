// The windows of payment methods, bank accounts, salespeople and managers
// over a fresh company database: captions and tabs of each file, the code
// box by mode, the payment method's bank-account buttons and the account's
// whole-number comment.
#include "ProgramaPrueba.h"
#include "Controles.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBMemo.h"
#include "master/TfrmCuentaBancaria.h"
#include "master/TfrmFormaPago.h"
#include "master/TfrmGestionCuentasBancarias.h"
#include "master/TfrmGestionFormasPago.h"
#include "master/TfrmGestionResponsablesAlmacen.h"
#include "master/TfrmGestionResponsablesCompras.h"
#include "master/TfrmGestionVendedores.h"
#include "master/TfrmResponsableAlmacen.h"
#include "master/TfrmResponsableCompras.h"
#include "master/TfrmVendedor.h"
#include "platform/dataset/RecordSet.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <memory>

namespace {

using testsupport::pestanas;
using testsupport::entradas;

// The browse and record windows of one file, each with its own data module.
struct Ventanas
{
    std::unique_ptr<TfrmGestion> gestion;
    std::unique_ptr<TfrmRegistro> registro;
};

Ventanas ventanasDe(const QString &fichero)
{
    if (fichero == "vendedores")
        return {std::make_unique<TfrmGestionVendedores>(nullptr, true), std::make_unique<TfrmVendedor>(nullptr, true)};
    if (fichero == "compras")
        return {std::make_unique<TfrmGestionResponsablesCompras>(nullptr, true),
                std::make_unique<TfrmResponsableCompras>(nullptr, true)};
    if (fichero == "almacen")
        return {std::make_unique<TfrmGestionResponsablesAlmacen>(nullptr, true),
                std::make_unique<TfrmResponsableAlmacen>(nullptr, true)};
    if (fichero == "formas")
        return {std::make_unique<TfrmGestionFormasPago>(nullptr, true), std::make_unique<TfrmFormaPago>(nullptr, true)};
    return {std::make_unique<TfrmGestionCuentasBancarias>(nullptr, true),
            std::make_unique<TfrmCuentaBancaria>(nullptr, true)};
}

} // namespace

class TstVentanasMaestrosA : public QObject, private testsupport::ProgramaPrueba
{
    Q_OBJECT

private slots:
    void init()
    {
        arrancar();
        // A stored row "ANTE" in every file; a second bank account to choose.
        for (const char *tabla : {"VENDEDOR", "RESPONSABLE_COMPRAS", "RESPONSABLE_ALMACEN"})
            ejecutar(QStringLiteral("INSERT INTO %1 (CODIGO, NOMBRE) VALUES ('ANTE', 'Anterior')").arg(tabla));
        ejecutar(QStringLiteral("INSERT INTO CUENTA_BANCARIA (CODIGO, DESCRIPCION) VALUES ('ANTE', 'Anterior')"));
        ejecutar(QStringLiteral("INSERT INTO CUENTA_BANCARIA (CODIGO, DESCRIPCION) VALUES ('OTRA', 'Otra')"));
        ejecutar(QStringLiteral("INSERT INTO FORMA_PAGO (CODIGO, NUMERO_VENCIMIENTOS, DIAS_ENTRE_VENCIMIENTOS)"
                                " VALUES ('ANTE', 1, 0)"));
    }
    void cleanup()
    {
        parar();
    }

    void textosDeLasVentanas_data();
    void textosDeLasVentanas();
    void cajaDeCodigo_data();
    void cajaDeCodigo();
    void nuevaFormaPago();
    void buscarCuenta_data();
    void buscarCuenta();
    void verCuenta();
    void saltoEntreLasPartesDeLaCuenta();
    void observacionesDeCuenta_data();
    void observacionesDeCuenta();
};

void TstVentanasMaestrosA::textosDeLasVentanas_data()
{
    QTest::addColumn<QString>("fichero");
    QTest::addColumn<QStringList>("gestion"); // caption, title, new, refresh hint
    QTest::addColumn<QStringList>("orden");
    QTest::addColumn<QStringList>("registro"); // caption, title
    QTest::addColumn<QStringList>("paginas");
    const QStringList personas{"CODIGO", "NOMBRE", "NIF"};
    QTest::newRow("vendedores")
        << "vendedores"
        << QStringList{"GESTION DE VENDEDORES", "VENDEDORES", "&Nuevo", "Refrescar los datos"} << personas
        << QStringList{"DATOS DE VENDEDOR", "VENDEDOR"} << QStringList{"DIRECCION", "COMENTARIO"};
    QTest::newRow("compras")
        << "compras"
        << QStringList{"GESTION DE RESPONSABLES DE COMPRAS", "RESPONSABLES DE COMPRAS", "&Nuevo",
                       "Refrescar los datos"}
        << personas << QStringList{"DATOS DE RESPONSABLE DE COMPRAS", "RESPONSABLE DE COMPRAS"}
        << QStringList{"DOMICILIO SOCIAL", "COMENTARIO"};
    QTest::newRow("almacen")
        << "almacen"
        << QStringList{"GESTION DE RESPONSABLES DE ALMACEN", "RESPONSABLES DE ALMACEN", "&Nuevo",
                       "Referscar los datos"}
        << personas << QStringList{"DATOS DE RESPONSABLE DE ALMACEN", "RESPONSABLE DE ALMACEN"}
        << QStringList{"DOMICILIO SOCIAL", "COMENTARIO"};
    QTest::newRow("formas")
        << "formas" << QStringList{"GESTION DE FORMAS DE PAGO", "FORMAS DE PAGO", "&Nueva", "Refrescar los datos"}
        << QStringList{"CODIGO", "DESCRIPCION"} << QStringList{"DATOS DE FORMA DE PAGO", "FORMA DE PAGO"}
        << QStringList{"CONDICIONES", "COMENTARIO"};
    QTest::newRow("cuentas")
        << "cuentas"
        << QStringList{"GESTION DE CUENTAS BANCARIAS", "CUENTAS BANCARIAS", "&Nueva", "Refrescar los datos"}
        << QStringList{"CODIGO", "DESCRIPCION", "BANCO"}
        << QStringList{"DATOS DE CUENTA BANCARIA", "CUENTA BANCARIA"} << QStringList{"BANCO", "COMENTARIO"};
}

void TstVentanasMaestrosA::textosDeLasVentanas()
{
    QFETCH(QString, fichero);
    QFETCH(QStringList, gestion);
    QFETCH(QStringList, orden);
    QFETCH(QStringList, registro);
    QFETCH(QStringList, paginas);
    Ventanas v = ventanasDe(fichero);
    QCOMPARE((QStringList{v.gestion->windowTitle(), v.gestion->lblTitulo->text(), v.gestion->accNuevo->text(),
                          v.gestion->accRefrescar->statusTip()}),
             gestion);
    QCOMPARE(entradas(v.gestion->cmbOrden), orden);
    QCOMPARE((QStringList{v.registro->windowTitle(), v.registro->lblTitulo->text()}), registro);
    QCOMPARE(pestanas(v.registro->PageControl1), paginas);
}

void TstVentanasMaestrosA::cajaDeCodigo_data()
{
    QTest::addColumn<QString>("fichero");
    QTest::addColumn<QString>("modo");
    for (const char *fichero : {"vendedores", "compras", "almacen", "formas", "cuentas"})
        for (const char *modo : {"alta", "modificacion", "consulta"})
            QTest::addRow("%s %s", fichero, modo) << fichero << modo;
}

// The code is typed once: its box takes typing only in add mode.
void TstVentanasMaestrosA::cajaDeCodigo()
{
    QFETCH(QString, fichero);
    QFETCH(QString, modo);
    Ventanas v = ventanasDe(fichero);
    TfrmRegistro &registro = *v.registro;
    if (modo == "alta")
        registro.Nuevo();
    else
        registro.Mostrar(QStringLiteral("ANTE"), modo == "modificacion");
    auto *codigo = registro.findChild<fw::DBEdit *>(QStringLiteral("txtCodigo"));
    QVERIFY(codigo);
    QCOMPARE(codigo->isEnabled(), modo == "alta");
    QCOMPARE(codigo->text(), modo == "alta" ? QString() : QStringLiteral("ANTE"));
    QCOMPARE(registro.PageControl1->currentIndex(), 0);
}

void TstVentanasMaestrosA::nuevaFormaPago()
{
    TfrmFormaPago w(nullptr, true);
    w.Nuevo();
    QCOMPARE(w.txtNumeroVencimientos->text(), QStringLiteral("1"));
    QCOMPARE(w.txtDiasEntreVencimientos->text(), QStringLiteral("0"));
}

void TstVentanasMaestrosA::buscarCuenta_data()
{
    QTest::addColumn<bool>("elegir");
    QTest::addColumn<QString>("cuenta");
    QTest::newRow("elegida") << true << "OTRA";
    QTest::newRow("cerrada sin elegir") << false << "ANTE";
}

// The search window lists the accounts in select mode; closing it without a
// choice leaves the method's account as it was.
void TstVentanasMaestrosA::buscarCuenta()
{
    QFETCH(bool, elegir);
    QFETCH(QString, cuenta);
    TfrmFormaPago w(nullptr, true);
    w.Mostrar(QStringLiteral("ANTE"), true);
    w.datos().setValue(QStringLiteral("CUENTA"), QStringLiteral("ANTE"));
    bool seleccion = false;
    alAbrirse<TfrmGestionCuentasBancarias>([&](TfrmGestionCuentasBancarias &busqueda) {
        seleccion = busqueda.modoSeleccion();
        if (!elegir) {
            busqueda.accCerrar->trigger();
            return;
        }
        busqueda.datos().locate(QStringLiteral("CODIGO"), QStringLiteral("OTRA"));
        busqueda.accSeleccionar->trigger();
    });
    QVERIFY(w.BuscarCuenta->isEnabled());
    w.BuscarCuenta->trigger();
    QVERIFY(seleccion);
    QCOMPARE(w.datos().value(QStringLiteral("CUENTA")).toString().trimmed(), cuenta);
    QCOMPARE(w.txtCuenta->text(), cuenta);
}

// "Ver" waits for an account and shows it read-only in its own window.
void TstVentanasMaestrosA::verCuenta()
{
    TfrmFormaPago w(nullptr, true);
    w.Nuevo();
    QVERIFY(!w.VerCuenta->isEnabled());
    w.datos().setValue(QStringLiteral("CUENTA"), QStringLiteral("OTRA"));
    QVERIFY(w.VerCuenta->isEnabled());

    QString mostrada;
    bool soloLectura = false;
    alAbrirse<TfrmCuentaBancaria>([&](TfrmCuentaBancaria &ficha) {
        mostrada = ficha.txtDescripcion->text();
        soloLectura = ficha.modo() == TfrmRegistro::Modo::Ver && ficha.txtDescripcion->isReadOnly();
        ficha.accAceptar->trigger();
    });
    w.VerCuenta->trigger();
    QCOMPARE(mostrada, QStringLiteral("Otra"));
    QVERIFY(soloLectura);
}

// The account code is typed in one go: each full part sends the focus on.
void TstVentanasMaestrosA::saltoEntreLasPartesDeLaCuenta()
{
    TfrmCuentaBancaria w(nullptr, true);
    w.Nuevo();
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.txtEntidad->setFocus();
    QTest::keyClicks(w.txtEntidad, QStringLiteral("1234"));
    QCOMPARE(QApplication::focusWidget(), w.txtAgencia);
    QTest::keyClicks(w.txtAgencia, QStringLiteral("5678"));
    QCOMPARE(QApplication::focusWidget(), w.txtDc);
    QTest::keyClicks(w.txtDc, QStringLiteral("01"));
    QCOMPARE(QApplication::focusWidget(), w.txtNcuenta);
}

void TstVentanasMaestrosA::observacionesDeCuenta_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("error"); // empty: stored
    QTest::addColumn<QVariant>("guardado");
    const QString noEntero = QStringLiteral("'%1' no es un valor entero valido para el campo 'OBSERVACIONES'");
    QTest::newRow("numero") << "42" << "" << QVariant(42);
    QTest::newRow("en blanco") << "   " << "" << QVariant();
    QTest::newRow("texto") << "abc" << noEntero.arg("abc") << QVariant();
    QTest::newRow("decimal") << "4,5" << noEntero.arg("4,5") << QVariant();
}

// The account's comment holds a whole number: a blank box stores nothing,
// a text that is not a whole number is refused and the window stays open.
void TstVentanasMaestrosA::observacionesDeCuenta()
{
    QFETCH(QString, texto);
    QFETCH(QString, error);
    QFETCH(QVariant, guardado);
    TfrmCuentaBancaria w(nullptr, true);
    w.Nuevo();
    w.show();
    w.datos().setValue(QStringLiteral("CODIGO"), QStringLiteral("NUEV"));
    w.PageControl1->setCurrentIndex(1);
    QTest::keyClicks(w.memObservaciones, texto);
    w.accAceptar->trigger();

    const bool guardada = error.isEmpty();
    QCOMPARE(dialogos().errors, guardada ? QStringList() : QStringList{error});
    QCOMPARE(w.isVisible(), !guardada);
    const auto filas = empresa().query(QStringLiteral("SELECT OBSERVACIONES FROM CUENTA_BANCARIA WHERE CODIGO = ?"),
                                       {QStringLiteral("NUEV")});
    QCOMPARE(filas.isEmpty(), !guardada);
    if (guardada)
        QCOMPARE(filas.scalar(), guardado);
}

QTEST_MAIN(TstVentanasMaestrosA)
#include "tst_ventanas_maestros_a.moc"
