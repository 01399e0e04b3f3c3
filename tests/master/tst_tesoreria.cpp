// Payment methods and the company's bank accounts through their data
// modules, on a fresh company database: codes, the bank account a method
// names, the instalment limits, the control digits proposed for an account
// code, and the documents that keep a method or an account from being deleted.
#include "EmpresaPrueba.h"
#include "Rechazada.h"
#include "master/TmdlCuentasBancarias.h"
#include "master/TmdlFormasPago.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"

#include <QtTest>
#include <memory>

namespace {

const QString kTieneDocumentos = QStringLiteral("No se puede eliminar. Tiene Documentos.");

} // namespace

class TstTesoreria : public QObject
{
    Q_OBJECT

    std::unique_ptr<testsupport::EmpresaPrueba> m_empresa;
    std::unique_ptr<TmdlFormasPago> m_formas;
    std::unique_ptr<TmdlCuentasBancarias> m_cuentas;

    ds::RecordSet &FormasPago() { return m_formas->FormasPago; }
    ds::RecordSet &CuentasBancarias() { return m_cuentas->CuentasBancarias; }
    ds::RecordSet &datosDe(const QString &tabla) { return tabla == "FORMA_PAGO" ? FormasPago() : CuentasBancarias(); }

    void cuentaBancaria(const QString &codigo)
    {
        m_empresa->sql(QStringLiteral("INSERT INTO CUENTA_BANCARIA (CODIGO, DESCRIPCION) VALUES (?, 'Cuenta')"),
                       {codigo});
    }
    void formaPago(const QString &codigo, const QVariant &cuenta = {})
    {
        m_empresa->sql(QStringLiteral("INSERT INTO FORMA_PAGO (CODIGO, NUMERO_VENCIMIENTOS, DIAS_ENTRE_VENCIMIENTOS, "
                                      "CUENTA) VALUES (?, 1, 0, ?)"),
                       {codigo, cuenta});
    }
    // Both record sets on every row, the first row current.
    void abrir()
    {
        FormasPago().open(QStringLiteral("SELECT * FROM FORMA_PAGO ORDER BY CODIGO"));
        CuentasBancarias().open(QStringLiteral("SELECT * FROM CUENTA_BANCARIA ORDER BY CODIGO"));
    }
    // Assigns a value as a rule sees it; false when the rules refused it.
    static bool asignar(ds::RecordSet &datos, const QString &columna, const QVariant &valor)
    {
        return !testsupport::rechazada([&] { datos.setValue(columna, valor); });
    }

private slots:
    void init()
    {
        m_empresa = std::make_unique<testsupport::EmpresaPrueba>();
        m_formas = std::make_unique<TmdlFormasPago>(m_empresa->conexion);
        m_cuentas = std::make_unique<TmdlCuentasBancarias>(m_empresa->conexion);
    }
    void cleanup()
    {
        m_cuentas.reset();
        m_formas.reset();
        m_empresa.reset();
    }

    void codigo_data();
    void codigo();
    void codigoObligatorio_data();
    void codigoObligatorio();
    void nuevaFormaPago();
    void cuentaDeFormaPago_data();
    void cuentaDeFormaPago();
    void vencimientos_data();
    void vencimientos();
    void vencimientosGuardadosFueraDeLimites();
    void digitoControl_data();
    void digitoControl();
    void eliminar_data();
    void eliminar();
};

void TstTesoreria::codigo_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<bool>("aceptado");
    QTest::addColumn<QString>("mensaje");
    for (const QString tabla : {"FORMA_PAGO", "CUENTA_BANCARIA"}) {
        const QByteArray t = tabla.toLatin1();
        QTest::addRow("%s nuevo", t.data()) << tabla << "NUEV" << true << "";
        QTest::addRow("%s existente", t.data()) << tabla << "O'K" << false << "El CODIGO Ya Existe.";
        QTest::addRow("%s vacio", t.data()) << tabla << "" << false << "";
    }
}

// The code is unique within its own table; an empty code is refused silently.
void TstTesoreria::codigo()
{
    QFETCH(QString, tabla);
    QFETCH(QString, tecleado);
    QFETCH(bool, aceptado);
    QFETCH(QString, mensaje);
    m_empresa->sql(QStringLiteral("INSERT INTO %1 (CODIGO) VALUES ('O''K')").arg(tabla));
    abrir();
    ds::RecordSet &datos = datosDe(tabla);
    datos.append();
    datos.setValue(QStringLiteral("CODIGO"), QStringLiteral("ANTE"));

    QCOMPARE(asignar(datos, QStringLiteral("CODIGO"), tecleado), aceptado);
    QCOMPARE(datos.value(QStringLiteral("CODIGO")).toString().trimmed(), aceptado ? tecleado : QStringLiteral("ANTE"));
    QCOMPARE(m_empresa->dialogos.messages, mensaje.isEmpty() ? QStringList() : QStringList{mensaje});
}

void TstTesoreria::codigoObligatorio_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::newRow("forma de pago") << "FORMA_PAGO";
    QTest::newRow("cuenta bancaria") << "CUENTA_BANCARIA";
}

// Neither a payment method nor an account can be stored without a code:
// it could never be found or chosen again.
void TstTesoreria::codigoObligatorio()
{
    QFETCH(QString, tabla);
    abrir();
    ds::RecordSet &datos = datosDe(tabla);
    datos.append();
    datos.setValue(QStringLiteral("DESCRIPCION"), QStringLiteral("Sin código"));
    QCOMPARE(testsupport::errorAlGuardar(datos), QStringLiteral("El campo 'CODIGO' debe tener un valor"));
    QCOMPARE(datos.state(), ds::State::Insert);
}

// A new method is one instalment due on the invoice's own date.
void TstTesoreria::nuevaFormaPago()
{
    abrir();
    FormasPago().append();
    QCOMPARE(FormasPago().value(QStringLiteral("NUMERO_VENCIMIENTOS")).toInt(), 1);
    QCOMPARE(FormasPago().value(QStringLiteral("DIAS_ENTRE_VENCIMIENTOS")).toInt(), 0);
    FormasPago().setValue(QStringLiteral("CODIGO"), QStringLiteral("CONT"));
    FormasPago().post();
    QCOMPARE(FormasPago().applyUpdates(), 0);
    QCOMPARE(m_empresa->contar("SELECT NUMERO_VENCIMIENTOS * 100 + DIAS_ENTRE_VENCIMIENTOS FROM FORMA_PAGO"), 100);
}

void TstTesoreria::cuentaDeFormaPago_data()
{
    QTest::addColumn<QString>("tecleada");
    QTest::addColumn<bool>("aceptada");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("existente") << "B'1" << true << "";
    QTest::newRow("inexistente") << "B'2" << false << "CUENTA no existe.";
    QTest::newRow("vacia") << "" << true << "";
}

void TstTesoreria::cuentaDeFormaPago()
{
    QFETCH(QString, tecleada);
    QFETCH(bool, aceptada);
    QFETCH(QString, mensaje);
    cuentaBancaria(QStringLiteral("B'1"));
    cuentaBancaria(QStringLiteral("ANTE"));
    formaPago(QStringLiteral("CONT"), QStringLiteral("ANTE"));
    abrir();
    FormasPago().edit();

    QCOMPARE(asignar(FormasPago(), QStringLiteral("CUENTA"), tecleada), aceptada);
    QCOMPARE(FormasPago().value(QStringLiteral("CUENTA")).toString().trimmed(),
             aceptada ? tecleada : QStringLiteral("ANTE"));
    QCOMPARE(m_empresa->dialogos.messages, mensaje.isEmpty() ? QStringList() : QStringList{mensaje});
}

void TstTesoreria::vencimientos_data()
{
    QTest::addColumn<QString>("columna");
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<QString>("mensaje"); // empty: accepted
    const QString columnaVencimientos = QStringLiteral("NUMERO_VENCIMIENTOS");
    const QString columnaDias = QStringLiteral("DIAS_ENTRE_VENCIMIENTOS");
    const QString vencimientos = QStringLiteral("El NUMERO DE VENCIMIENTOS debe ser al menos 1.");
    const QString dias = QStringLiteral("Los DIAS ENTRE VTOS no pueden ser negativos.");
    QTest::newRow("tres vencimientos") << columnaVencimientos << QVariant(3) << "";
    QTest::newRow("un vencimiento") << columnaVencimientos << QVariant(1) << "";
    QTest::newRow("cero vencimientos") << columnaVencimientos << QVariant(0) << vencimientos;
    QTest::newRow("vencimientos negativos") << columnaVencimientos << QVariant(-2) << vencimientos;
    QTest::newRow("sin vencimientos") << columnaVencimientos << QVariant() << vencimientos;
    QTest::newRow("treinta dias") << columnaDias << QVariant(30) << "";
    QTest::newRow("cero dias") << columnaDias << QVariant(0) << "";
    QTest::newRow("dias negativos") << columnaDias << QVariant(-1) << dias;
    QTest::newRow("sin dias") << columnaDias << QVariant() << dias;
}

// Invoices divide their total by the number of instalments and date them by
// the days between them: a value outside the limits is refused and the
// method keeps the one it had.
void TstTesoreria::vencimientos()
{
    QFETCH(QString, columna);
    QFETCH(QVariant, valor);
    QFETCH(QString, mensaje);
    abrir();
    FormasPago().append();
    const QVariant anterior = FormasPago().value(columna);

    QCOMPARE(asignar(FormasPago(), columna, valor), mensaje.isEmpty());
    QCOMPARE(FormasPago().value(columna), mensaje.isEmpty() ? valor : anterior);
    QCOMPARE(m_empresa->dialogos.messages, mensaje.isEmpty() ? QStringList() : QStringList{mensaje});
}

// A method stored with values outside the limits (by another program) is
// not stored again until they are corrected.
void TstTesoreria::vencimientosGuardadosFueraDeLimites()
{
    m_empresa->sql(QStringLiteral("INSERT INTO FORMA_PAGO (CODIGO, NUMERO_VENCIMIENTOS, DIAS_ENTRE_VENCIMIENTOS)"
                                  " VALUES ('MALA', 0, 0)"));
    abrir();
    FormasPago().edit();
    FormasPago().setValue(QStringLiteral("DESCRIPCION"), QStringLiteral("Otra"));
    QVERIFY_THROWS_EXCEPTION(ds::SilentAbort, FormasPago().post());
    QCOMPARE(FormasPago().state(), ds::State::Edit);
    QCOMPARE(m_empresa->dialogos.messages, QStringList{"El NUMERO DE VENCIMIENTOS debe ser al menos 1."});

    FormasPago().setValue(QStringLiteral("NUMERO_VENCIMIENTOS"), 2);
    FormasPago().post();
    QCOMPARE(FormasPago().applyUpdates(), 0);
    QCOMPARE(m_empresa->contar("SELECT NUMERO_VENCIMIENTOS FROM FORMA_PAGO"), 2);
}

void TstTesoreria::digitoControl_data()
{
    QTest::addColumn<QString>("dcTecleado");
    QTest::addColumn<QString>("agencia");
    QTest::addColumn<QString>("numero");
    QTest::addColumn<bool>("respuesta");
    QTest::addColumn<bool>("pregunta");
    QTest::addColumn<QString>("dc");
    // Entity 1234, branch 5678, account 0123456789: control digits 01.
    QTest::newRow("dc vacio se rellena") << "" << "5678" << "0123456789" << false << false << "01";
    QTest::newRow("dc correcto") << "01" << "5678" << "0123456789" << false << false << "01";
    QTest::newRow("dc erroneo, si") << "99" << "5678" << "0123456789" << true << true << "01";
    QTest::newRow("dc erroneo, no") << "99" << "5678" << "0123456789" << false << true << "99";
    QTest::newRow("agencia con letra") << "" << "56A8" << "0123456789" << true << false << "";
    QTest::newRow("cuenta corta") << "99" << "5678" << "01234567" << true << false << "99";
}

// The control digits are proposed once the three parts are complete: an
// empty DC takes them silently, a different one is corrected only when the
// user says so. Every part typed is kept.
void TstTesoreria::digitoControl()
{
    QFETCH(QString, dcTecleado);
    QFETCH(QString, agencia);
    QFETCH(QString, numero);
    QFETCH(bool, respuesta);
    QFETCH(bool, pregunta);
    QFETCH(QString, dc);
    abrir();
    m_empresa->dialogos.answer(respuesta);
    CuentasBancarias().append();
    CuentasBancarias().setValue(QStringLiteral("DC"), dcTecleado);
    CuentasBancarias().setValue(QStringLiteral("COD_ENTIDAD"), QStringLiteral("1234"));
    CuentasBancarias().setValue(QStringLiteral("COD_AGENCIA"), agencia);
    CuentasBancarias().setValue(QStringLiteral("NCUENTA"), numero);

    QCOMPARE(CuentasBancarias().value(QStringLiteral("DC")).toString(), dc);
    QCOMPARE(CuentasBancarias().value(QStringLiteral("COD_AGENCIA")).toString(), agencia);
    QCOMPARE(CuentasBancarias().value(QStringLiteral("NCUENTA")).toString().trimmed(), numero);
    const QString texto = QStringLiteral("El Digito de Control es Incorrecto, ¿desea corregirlo?");
    QCOMPARE(m_empresa->dialogos.questions, pregunta ? QStringList{texto} : QStringList());
}

void TstTesoreria::eliminar_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QString>("documento"); // inserts a row naming the method or account (the parameter)
    QTest::addColumn<bool>("eliminado");
    const QString forma = QStringLiteral("FORMA_PAGO");
    for (const char *t :
         {"PEDIDO_COMPRA", "ALBARAN_COMPRA", "FACTURA_COMPRA", "PEDIDO_VENTA", "ALBARAN_VENTA", "FACTURA_VENTA"})
        QTest::addRow("forma de pago en %s", t)
            << forma
            << QStringLiteral("INSERT INTO %1 (SERIE, NUMERO, ALMACEN, FORMA_PAGO) VALUES ('A', 1, 'A1', ?)").arg(t)
            << false;
    QTest::newRow("forma de pago en cliente")
        << forma << "INSERT INTO CLIENTE (CODIGO, FORMA_PAGO) VALUES ('C1', ?)" << true;
    QTest::newRow("forma de pago en proveedor")
        << forma << "INSERT INTO PROVEEDOR (CODIGO, FORMA_PAGO) VALUES ('P1', ?)" << true;

    const QString cuenta = QStringLiteral("CUENTA_BANCARIA");
    QTest::newRow("cuenta en cobro") << cuenta << "INSERT INTO COBRO (NUMERO, CUENTA) VALUES (1, ?)" << false;
    QTest::newRow("cuenta en pago") << cuenta << "INSERT INTO PAGO (NUMERO, CUENTA) VALUES (1, ?)" << false;
    QTest::newRow("cuenta en forma de pago")
        << cuenta
        << "INSERT INTO FORMA_PAGO (CODIGO, NUMERO_VENCIMIENTOS, DIAS_ENTRE_VENCIMIENTOS, CUENTA)"
           " VALUES ('F1', 1, 0, ?)"
        << true;
}

// Documents keep a method, collections and payments an account; customers,
// suppliers and payment methods that name them only keep the code.
void TstTesoreria::eliminar()
{
    QFETCH(QString, tabla);
    QFETCH(QString, documento);
    QFETCH(bool, eliminado);
    const QString codigo = QStringLiteral("O'K");
    if (tabla == "FORMA_PAGO")
        formaPago(codigo);
    else
        cuentaBancaria(codigo);
    m_empresa->sql(documento, {codigo});
    abrir();
    ds::RecordSet &datos = datosDe(tabla);

    QCOMPARE(testsupport::rechazada([&] { datos.remove(); }), !eliminado);
    QCOMPARE(datos.applyUpdates(), 0);
    const QString quedan = QStringLiteral("SELECT COUNT(*) FROM %1 WHERE CODIGO = ?").arg(tabla);
    QCOMPARE(m_empresa->contar(quedan, {codigo}), eliminado ? 0 : 1);
    QCOMPARE(m_empresa->dialogos.messages, eliminado ? QStringList() : QStringList{kTieneDocumentos});
}

QTEST_GUILESS_MAIN(TstTesoreria)
#include "tst_tesoreria.moc"
