// The supplier rules through the data module, on a real company database.
#include "EmpresaPrueba.h"
#include "Rechazada.h"
#include "TestEnvironment.h"

#include "master/TmdlProveedores.h"

#include <QtTest>

namespace {

struct Empresa : testsupport::EmpresaPrueba
{
    std::unique_ptr<TmdlProveedores> modulo;

    Empresa()
    {
        sql(QStringLiteral("INSERT INTO PROVEEDOR (CODIGO, NOMBRE) VALUES ('P1', 'Uno')"));
        sql(QStringLiteral("INSERT INTO RESPONSABLE_COMPRAS (CODIGO, NOMBRE) VALUES ('R1', 'Rosa')"));
        sql(QStringLiteral("INSERT INTO FORMA_PAGO (CODIGO, DESCRIPCION) VALUES ('CONT', 'Contado')"));
        modulo = std::make_unique<TmdlProveedores>(conexion);
        Proveedores().open();
    }
    ds::RecordSet &Proveedores() { return modulo->Proveedores; }
    QString texto(const QString &columna) { return Proveedores().value(columna).toString().trimmed(); }
};

using testsupport::rechazada;

} // namespace

class TstProveedores : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::initFirebird(); }

    void valoresDeUnProveedorNuevo()
    {
        Empresa e;
        e.Proveedores().append();
        QCOMPARE(e.Proveedores().value("REGIMEN_IVA").toInt(), 1);
        QCOMPARE(e.Proveedores().field("DTO_ESPECIAL").displayText(), QStringLiteral("0,00"));
        QCOMPARE(e.Proveedores().field("DTO_PP").displayText(), QStringLiteral("0,00"));
        QVERIFY(rechazada([&] { e.Proveedores().setValue("CODIGO", "P1"); }));
        QCOMPARE(e.dialogos.messages, QStringList{"El CODIGO Ya Existe."});
        QVERIFY_THROWS_EXCEPTION(ds::DatasetError, e.Proveedores().post());
    }

    void codigosDeOtrasTablas_data()
    {
        QTest::addColumn<QString>("columna");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QStringList>("mensajes");
        QTest::newRow("responsable existente") << "RESPONSABLE" << "R1" << QStringList{};
        QTest::newRow("responsable que no existe") << "RESPONSABLE" << "R9" << QStringList{"RESPONSABLE no existe."};
        QTest::newRow("responsable vacio") << "RESPONSABLE" << "" << QStringList{};
        QTest::newRow("forma de pago existente") << "FORMA_PAGO" << "CONT" << QStringList{};
        QTest::newRow("forma de pago que no existe") << "FORMA_PAGO" << "XX" << QStringList{"FORMA DE PAGO no existe."};
    }
    void codigosDeOtrasTablas()
    {
        QFETCH(QString, columna);
        QFETCH(QString, valor);
        QFETCH(QStringList, mensajes);
        Empresa e;
        e.Proveedores().edit();
        const bool rechazado =
            rechazada([&] { e.Proveedores().setValue(columna, valor.isEmpty() ? QVariant() : QVariant(valor)); });
        QCOMPARE(rechazado, !mensajes.isEmpty());
        QCOMPARE(e.dialogos.messages, mensajes);
        QCOMPARE(e.texto(columna), rechazado ? QString() : valor);
    }

    // Only a company code passes; anything else is reported and kept.
    void cif_data()
    {
        QTest::addColumn<QString>("cif");
        QTest::addColumn<QStringList>("mensajes");
        QTest::newRow("CIF") << "B12345674" << QStringList{};
        QTest::newRow("CIF en minusculas") << "b12345674" << QStringList{};
        QTest::newRow("NIF de persona") << "12345678Z" << QStringList{"CIF Incorrecto."};
        QTest::newRow("vacio") << "" << QStringList{};
    }
    void cif()
    {
        QFETCH(QString, cif);
        QFETCH(QStringList, mensajes);
        Empresa e;
        e.Proveedores().edit();
        e.Proveedores().setValue("CIF", cif.isEmpty() ? QVariant() : QVariant(cif));
        QCOMPARE(e.dialogos.messages, mensajes);
        e.Proveedores().post();
        QCOMPARE(e.Proveedores().applyUpdates(), 0);
        QCOMPARE(e.valor("SELECT CIF FROM PROVEEDOR").toString(), cif);
    }

    void provinciaYCuenta()
    {
        Empresa e;
        e.Proveedores().edit();
        e.Proveedores().setValue("COD_POSTAL", "37001");
        QCOMPARE(e.texto("PROVINCIA"), QStringLiteral("Salmanca"));
        e.Proveedores().setValue("COD_ENTIDAD", "1234");
        e.Proveedores().setValue("COD_AGENCIA", "5678");
        e.Proveedores().setValue("NCUENTA", "0123456789");
        QCOMPARE(e.texto("DC"), QStringLiteral("01"));
    }

    // The first guard that finds a row speaks; documents are asked before articles.
    void proveedorEnUso_data()
    {
        QTest::addColumn<QStringList>("filas");
        QTest::addColumn<QString>("mensaje");
        const QString documentos = QStringLiteral("No se puede eliminar. Tiene Documentos.");
        const QString articulo = QStringLiteral("INSERT INTO ARTICULO (CODIGO, PROVEEDOR) VALUES ('A1', 'P1')");
        QTest::newRow("pedido")
            << QStringList{"INSERT INTO PEDIDO_COMPRA (SERIE, NUMERO, PROVEEDOR) VALUES ('A', 1, 'P1')"} << documentos;
        QTest::newRow("albaran") << QStringList{"INSERT INTO ALBARAN_COMPRA (SERIE, NUMERO, PROVEEDOR, ALMACEN) "
                                                "VALUES ('A', 1, 'P1', 'AL1')"}
                                 << documentos;
        QTest::newRow("factura y articulo")
            << QStringList{articulo, "INSERT INTO FACTURA_COMPRA (SERIE, NUMERO, PROVEEDOR) VALUES ('A', 1, 'P1')"}
            << documentos;
        QTest::newRow("pago") << QStringList{"INSERT INTO PAGO (NUMERO, PROVEEDOR) VALUES (1, 'P1')"} << documentos;
        QTest::newRow("solo un articulo") << QStringList{articulo} << "No se puede eliminar. Tiene Articulos.";
    }
    void proveedorEnUso()
    {
        QFETCH(QStringList, filas);
        QFETCH(QString, mensaje);
        Empresa e;
        e.sql(QStringLiteral("INSERT INTO NOTA (CODIGO, TIPO_DE, DE) VALUES (1, 'P', 'P1')"));
        for (const QString &fila : filas)
            e.sql(fila);
        QVERIFY(rechazada([&] { e.Proveedores().remove(); }));
        QCOMPARE(e.dialogos.messages, QStringList{mensaje});
        QCOMPARE(e.Proveedores().rowCount(), 1);
        QCOMPARE(e.contar("SELECT COUNT(*) FROM NOTA"), 1);
    }

    // Contacts, notes and addresses of the supplier go with it; those of a
    // customer with the same code stay.
    void eliminarProveedorEliminaLoSuyo()
    {
        Empresa e;
        int codigo = 0;
        for (const char *tipoDe : {"P", "C"})
            for (const char *tabla : {"PERSONA_CONTACTO", "NOTA", "DIRECCION"})
                e.sql(QStringLiteral("INSERT INTO %1 (CODIGO, TIPO_DE, DE) VALUES (?, ?, 'P1')")
                                 .arg(QLatin1String(tabla)),
                             {++codigo, QLatin1String(tipoDe)});
        e.Proveedores().remove();
        QCOMPARE(e.Proveedores().applyUpdates(), 0);
        QCOMPARE(e.contar("SELECT COUNT(*) FROM PROVEEDOR"), 0);
        for (const char *tabla : {"PERSONA_CONTACTO", "NOTA", "DIRECCION"})
            QCOMPARE(e.valor(QStringLiteral("SELECT TIPO_DE FROM %1").arg(QLatin1String(tabla))).toString(),
                     QStringLiteral("C"));
    }
};

QTEST_GUILESS_MAIN(TstProveedores)
#include "tst_proveedores.moc"
