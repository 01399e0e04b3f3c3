// The customer rules through the data module, on a real company database.
#include "EmpresaPrueba.h"
#include "Rechazada.h"
#include "TestEnvironment.h"

#include "master/TmdlClientes.h"

#include <QtTest>

namespace {

struct Empresa : testsupport::EmpresaPrueba
{
    std::unique_ptr<TmdlClientes> modulo;

    Empresa()
    {
        sql(QStringLiteral("INSERT INTO CLIENTE (CODIGO, NOMBRE) VALUES ('C1', 'Uno')"));
        sql(QStringLiteral("INSERT INTO VENDEDOR (CODIGO, NOMBRE) VALUES ('V1', 'Vera')"));
        sql(QStringLiteral("INSERT INTO FORMA_PAGO (CODIGO, DESCRIPCION) VALUES ('CONT', 'Contado')"));
        modulo = std::make_unique<TmdlClientes>(conexion);
        Clientes().open();
    }
    ds::RecordSet &Clientes() { return modulo->Clientes; }
    QString texto(const QString &columna) { return Clientes().value(columna).toString().trimmed(); }
    void satelites(const QString &tipoDe, const QString &de, int desde)
    {
        for (const char *tabla : {"PERSONA_CONTACTO", "NOTA", "DIRECCION"})
            sql(QStringLiteral("INSERT INTO %1 (CODIGO, TIPO_DE, DE) VALUES (?, ?, ?)").arg(QLatin1String(tabla)),
                {desde, tipoDe, de});
    }
};

using testsupport::rechazada;

} // namespace

class TstClientes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::initFirebird(); }

    void valoresDeUnClienteNuevo()
    {
        Empresa e;
        e.Clientes().append();
        QCOMPARE(e.texto("RECARGO_EQUIVALENCIA"), QStringLiteral("N"));
        QCOMPARE(e.Clientes().value("REGIMEN_IVA").toInt(), 1);
        QCOMPARE(e.Clientes().value("N_COPIAS").toInt(), 1);
        QCOMPARE(e.Clientes().field("SALDO").displayText(), QStringLiteral("0,00"));
        QVERIFY(e.Clientes().value("CODIGO").isNull());
        // Without a code it cannot be stored.
        QVERIFY_THROWS_EXCEPTION(ds::DatasetError, e.Clientes().post());
    }

    void codigo_data()
    {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<bool>("aceptado");
        QTest::addColumn<QStringList>("mensajes");
        QTest::newRow("nuevo") << "C2" << true << QStringList{};
        QTest::newRow("con comilla") << "O'BRIEN" << true << QStringList{};
        QTest::newRow("existente") << "C1" << false << QStringList{"El CODIGO Ya Existe."};
        QTest::newRow("vacio") << "" << false << QStringList{};
    }
    void codigo()
    {
        QFETCH(QString, codigo);
        QFETCH(bool, aceptado);
        QFETCH(QStringList, mensajes);
        Empresa e;
        e.Clientes().append();
        QCOMPARE(rechazada([&] { e.Clientes().setValue("CODIGO", codigo); }), !aceptado);
        QCOMPARE(e.dialogos.messages, mensajes);
        QCOMPARE(e.texto("CODIGO"), aceptado ? codigo : QString());
    }

    // Another copy of the program stored the code after it was typed here.
    void codigoOcupadoAlGuardar()
    {
        Empresa e;
        e.Clientes().append();
        e.Clientes().setValue("CODIGO", "C2");
        e.sql(QStringLiteral("INSERT INTO CLIENTE (CODIGO) VALUES ('C2')"));
        QVERIFY(rechazada([&] { e.Clientes().post(); }));
        QCOMPARE(e.dialogos.messages, QStringList{"El CODIGO Ya Existe."});
        QCOMPARE(e.Clientes().state(), ds::State::Insert);
    }

    void codigosDeOtrasTablas_data()
    {
        QTest::addColumn<QString>("columna");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("guardado");
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<QString>("nombre");
        QTest::newRow("vendedor existente") << "VENDEDOR" << "V1" << "V1" << QStringList{} << "Vera";
        QTest::newRow("vendedor que no existe") << "VENDEDOR" << "V9" << "V1" << QStringList{"VENDEDOR no existe."}
                                                << "Vera";
        QTest::newRow("vendedor vacio") << "VENDEDOR" << "" << "" << QStringList{} << "";
        QTest::newRow("forma de pago existente") << "FORMA_PAGO" << "CONT" << "CONT" << QStringList{} << "Contado";
        QTest::newRow("forma de pago que no existe")
            << "FORMA_PAGO" << "XX" << "CONT" << QStringList{"FORMA DE PAGO no existe."} << "Contado";
    }
    // A code that does not exist is refused and the field keeps the one
    // before; the name beside it follows the code.
    void codigosDeOtrasTablas()
    {
        QFETCH(QString, columna);
        QFETCH(QString, valor);
        QFETCH(QString, guardado);
        QFETCH(QStringList, mensajes);
        QFETCH(QString, nombre);
        Empresa e;
        e.Clientes().edit();
        e.Clientes().setValue("VENDEDOR", "V1");
        e.Clientes().setValue("FORMA_PAGO", "CONT");
        const bool rechazado =
            rechazada([&] { e.Clientes().setValue(columna, valor.isEmpty() ? QVariant() : QVariant(valor)); });
        QCOMPARE(rechazado, !mensajes.isEmpty());
        QCOMPARE(e.dialogos.messages, mensajes);
        QCOMPARE(e.texto(columna), guardado);
        const QString nombreColumna =
            columna == u"VENDEDOR" ? QStringLiteral("NVENDEDOR") : QStringLiteral("NFORMAPAGO");
        QCOMPARE(e.texto(nombreColumna), nombre);
    }

    // The tax identity only warns: whatever was typed (completed when it is
    // a NIF without its letter) is kept.
    void cifNif_data()
    {
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<QString>("guardado");
        QTest::addColumn<QStringList>("mensajes");
        const QStringList incorrecto{"CIF/NIF incorrecto"};
        QTest::newRow("CIF") << QVariant("B12345674") << "B12345674" << QStringList{};
        QTest::newRow("NIF sin letra") << QVariant("12345678") << "12345678Z" << QStringList{};
        QTest::newRow("NIF con su letra") << QVariant("12345678Z") << "12345678Z" << QStringList{};
        QTest::newRow("letra incorrecta") << QVariant("12345678A") << "12345678A" << incorrecto;
        QTest::newRow("vaciado") << QVariant() << "" << incorrecto;
    }
    void cifNif()
    {
        QFETCH(QVariant, valor);
        QFETCH(QString, guardado);
        QFETCH(QStringList, mensajes);
        Empresa e;
        e.Clientes().edit();
        e.Clientes().setValue("CIF_NIF", valor);
        QCOMPARE(e.dialogos.messages, mensajes);
        e.Clientes().post();
        QCOMPARE(e.Clientes().applyUpdates(), 0);
        QCOMPARE(e.valor("SELECT CIF_NIF FROM CLIENTE").toString().trimmed(), guardado);
    }

    void provincia_data()
    {
        QTest::addColumn<QString>("codigoPostal");
        QTest::addColumn<QString>("provincia");
        QTest::newRow("Barcelona") << "08001" << "Barcelona";
        QTest::newRow("no es una provincia") << "99100" << "(la de antes)";
    }
    void provincia()
    {
        QFETCH(QString, codigoPostal);
        QFETCH(QString, provincia);
        Empresa e;
        e.Clientes().edit();
        e.Clientes().setValue("PROVINCIA", "(la de antes)");
        e.Clientes().setValue("CODIGO_POSTAL", codigoPostal);
        QCOMPARE(e.texto("PROVINCIA"), provincia);
    }

    // The control digits are proposed once the three parts give them; a
    // different DC is corrected only when the user says so.
    void digitoDeControl_data()
    {
        QTest::addColumn<QString>("dc");
        QTest::addColumn<bool>("respuesta");
        QTest::addColumn<QString>("resultado");
        QTest::addColumn<int>("preguntas");
        QTest::newRow("vacio") << "" << false << "01" << 0;
        QTest::newRow("correcto") << "01" << false << "01" << 0;
        QTest::newRow("corregido") << "99" << true << "01" << 1;
        QTest::newRow("no corregido") << "99" << false << "99" << 1;
    }
    void digitoDeControl()
    {
        QFETCH(QString, dc);
        QFETCH(bool, respuesta);
        QFETCH(QString, resultado);
        QFETCH(int, preguntas);
        Empresa e;
        e.dialogos.answer(respuesta);
        e.Clientes().edit();
        e.Clientes().setValue("DC", dc.isEmpty() ? QVariant() : QVariant(dc));
        e.Clientes().setValue("COD_ENTIDAD", "1234");
        e.Clientes().setValue("COD_AGENCIA", "5678");
        e.Clientes().setValue("NCUENTA", "0123456789");
        QCOMPARE(e.texto("DC"), resultado);
        QCOMPARE(e.dialogos.questions.size(), preguntas);
        if (preguntas)
            QCOMPARE(e.dialogos.questions.front(),
                     QStringLiteral("El Digito de Control es Incorrecto, ¿desea corregirlo?"));
    }

    // Exempt customers pay no surcharge; back to the general regime the
    // surcharge stays clear until ticked by hand.
    void regimenExentoQuitaElRecargo()
    {
        Empresa e;
        e.Clientes().edit();
        e.Clientes().setValue("RECARGO_EQUIVALENCIA", "S");
        e.Clientes().setValue("REGIMEN_IVA", 1);
        QCOMPARE(e.texto("RECARGO_EQUIVALENCIA"), QStringLiteral("S"));
        e.Clientes().setValue("REGIMEN_IVA", 0);
        QCOMPARE(e.texto("RECARGO_EQUIVALENCIA"), QStringLiteral("N"));
        e.Clientes().setValue("REGIMEN_IVA", 1);
        QCOMPARE(e.texto("RECARGO_EQUIVALENCIA"), QStringLiteral("N"));
        e.Clientes().setValue("RECARGO_EQUIVALENCIA", "S");
        QCOMPARE(e.texto("RECARGO_EQUIVALENCIA"), QStringLiteral("S"));
    }

    void clienteConDocumentos_data()
    {
        QTest::addColumn<QString>("documento");
        QTest::newRow("presupuesto") << "INSERT INTO PRESUPUESTO_VENTA (NUMERO, CLIENTE) VALUES (1, 'C1')";
        QTest::newRow("pedido") << "INSERT INTO PEDIDO_VENTA (SERIE, NUMERO, CLIENTE) VALUES ('A', 1, 'C1')";
        QTest::newRow("albaran")
            << "INSERT INTO ALBARAN_VENTA (SERIE, NUMERO, CLIENTE, ALMACEN) VALUES ('A', 1, 'C1', 'AL1')";
        QTest::newRow("factura") << "INSERT INTO FACTURA_VENTA (SERIE, NUMERO, CLIENTE) VALUES ('A', 1, 'C1')";
        QTest::newRow("solo cobros") << "INSERT INTO COBRO (NUMERO, CLIENTE) VALUES (1, 'C1')";
    }
    // A customer named by any document stays, and so do its owned rows.
    void clienteConDocumentos()
    {
        QFETCH(QString, documento);
        Empresa e;
        e.satelites(QStringLiteral("C"), QStringLiteral("C1"), 1);
        e.sql(documento);
        QVERIFY(rechazada([&] { e.Clientes().remove(); }));
        QCOMPARE(e.dialogos.messages, QStringList{"No se puede eliminar. Tiene Documentos."});
        QCOMPARE(e.Clientes().rowCount(), 1);
        QCOMPARE(e.contar("SELECT COUNT(*) FROM PERSONA_CONTACTO") + e.contar("SELECT COUNT(*) FROM NOTA")
                     + e.contar("SELECT COUNT(*) FROM DIRECCION"),
                 3);
    }

    // The customer's contacts, notes and addresses go with it; rows of a
    // supplier with the same code, and of other customers, stay.
    void eliminarClienteEliminaLoSuyo()
    {
        Empresa e;
        e.satelites(QStringLiteral("C"), QStringLiteral("C1"), 1);
        e.satelites(QStringLiteral("P"), QStringLiteral("C1"), 2);
        e.satelites(QStringLiteral("C"), QStringLiteral("C2"), 3);
        e.Clientes().remove();
        QCOMPARE(e.Clientes().applyUpdates(), 0);
        QVERIFY(e.dialogos.shown.isEmpty());
        QCOMPARE(e.contar("SELECT COUNT(*) FROM CLIENTE"), 0);
        for (const char *tabla : {"PERSONA_CONTACTO", "NOTA", "DIRECCION"}) {
            const auto quedan =
                e.conexion.query(QStringLiteral("SELECT CODIGO FROM %1 ORDER BY CODIGO").arg(QLatin1String(tabla)));
            QCOMPARE(quedan.rows.size(), 2);
            QCOMPARE(quedan.rows[0].front().toInt(), 2);
            QCOMPARE(quedan.rows[1].front().toInt(), 3);
        }
    }
};

QTEST_GUILESS_MAIN(TstClientes)
#include "tst_clientes.moc"
