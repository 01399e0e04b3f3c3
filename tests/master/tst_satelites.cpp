// Contacts, addresses and notes of customers and suppliers: their numbers,
// field rules and the lists an owner's window edits, applies and drops.
#include "EmpresaPrueba.h"
#include "TestEnvironment.h"

#include "app/Sesion.h"
#include "app/TmdlConexiones.h"
#include "master/Satelites.h"
#include "master/TmdlDirecciones.h"
#include "master/TmdlNotas.h"
#include "master/TmdlPersonas.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"

#include <QDate>
#include <QtTest>
#include <memory>

using master::Satelite;

Q_DECLARE_METATYPE(master::Satelite)

namespace {

struct Empresa : testsupport::EmpresaPrueba
{
    void fila(Satelite tipo, int codigo, const QString &tipoDe, const QString &de)
    {
        sql(QStringLiteral("INSERT INTO %1 (CODIGO, TIPO_DE, DE) VALUES (?, ?, ?)").arg(master::tablaSatelite(tipo)),
            {codigo, tipoDe, de});
    }
    QStringList filas(Satelite tipo, const QString &tipoDe, const QString &de)
    {
        const auto r =
            conexion.query(QStringLiteral("SELECT CODIGO FROM %1 WHERE TIPO_DE = ? AND DE = ? ORDER BY CODIGO")
                               .arg(master::tablaSatelite(tipo)),
                           {tipoDe, de});
        QStringList codigos;
        for (const auto &row : r.rows)
            codigos << row.front().toString();
        return codigos;
    }
};

} // namespace

class TstSatelites : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::initFirebird(); }

    // Rows added together before any apply get successive numbers after the
    // highest stored one, gaps below it left alone.
    void numeroSiguiente_data()
    {
        QTest::addColumn<Satelite>("tipo");
        QTest::addColumn<QList<int>>("guardados");
        QTest::addColumn<QList<int>>("esperados");
        for (Satelite tipo : {Satelite::Personas, Satelite::Direcciones, Satelite::Notas}) {
            const QByteArray tabla = master::tablaSatelite(tipo).toLatin1();
            QTest::newRow(tabla + " vacia") << tipo << QList<int>{} << QList<int>{1, 2};
            QTest::newRow(tabla + " con huecos") << tipo << QList<int>{1, 2, 7} << QList<int>{8, 9};
        }
    }
    void numeroSiguiente()
    {
        QFETCH(Satelite, tipo);
        QFETCH(QList<int>, guardados);
        QFETCH(QList<int>, esperados);
        Empresa e;
        for (int codigo : guardados)
            e.fila(tipo, codigo, master::kTipoProveedor, QStringLiteral("OTRO"));
        master::SatelitesTitular lista(e.conexion, master::kTipoCliente, {tipo});
        lista.abrir(QStringLiteral("C1"));
        ds::RecordSet &filas = lista.lista(tipo);
        QList<int> dados;
        for (int i = 0; i < esperados.size(); ++i) {
            filas.append();
            lista.marcarNueva(filas, QStringLiteral("C1"));
            filas.post();
            dados << filas.value(QStringLiteral("CODIGO")).toInt();
        }
        QCOMPARE(dados, esperados);
        QVERIFY(lista.aplicar(QStringLiteral("C1")));
        QCOMPARE(e.filas(tipo, master::kTipoCliente, QStringLiteral("C1")).size(), esperados.size());
    }

    void nifDelContacto_data()
    {
        QTest::addColumn<QString>("nif");
        QTest::addColumn<QString>("guardado");
        QTest::addColumn<QStringList>("mensajes");
        QTest::newRow("sin letra") << "12345678" << "12345678Z" << QStringList{};
        QTest::newRow("letra correcta") << "12345678z" << "12345678z" << QStringList{};
        QTest::newRow("letra incorrecta") << "12345678A" << "12345678A" << QStringList{"NIF Incorrecto."};
        QTest::newRow("vacio") << "" << "" << QStringList{};
    }
    void nifDelContacto()
    {
        QFETCH(QString, nif);
        QFETCH(QString, guardado);
        QFETCH(QStringList, mensajes);
        Empresa e;
        TmdlPersonas personas(e.conexion);
        personas.Personas.open();
        personas.Personas.append();
        personas.Personas.setValue(QStringLiteral("NIF"), nif.isEmpty() ? QVariant() : QVariant(nif));
        QCOMPARE(e.dialogos.messages, mensajes);
        QCOMPARE(personas.Personas.value(QStringLiteral("NIF")).toString().trimmed(), guardado);
    }

    void provinciaDeLaDireccion_data()
    {
        QTest::addColumn<QString>("codigoPostal");
        QTest::addColumn<QString>("provincia");
        QTest::newRow("Madrid") << "28004" << "Madrid";
        QTest::newRow("sin provincia") << "99001" << "(la de antes)";
    }
    void provinciaDeLaDireccion()
    {
        QFETCH(QString, codigoPostal);
        QFETCH(QString, provincia);
        Empresa e;
        TmdlDirecciones direcciones(e.conexion);
        direcciones.Direcciones.open();
        direcciones.Direcciones.append();
        direcciones.Direcciones.setValue(QStringLiteral("PROVINCIA"), QStringLiteral("(la de antes)"));
        direcciones.Direcciones.setValue(QStringLiteral("CODIGO_POSTAL"), codigoPostal);
        QCOMPARE(direcciones.Direcciones.value(QStringLiteral("PROVINCIA")).toString(), provincia);
    }

    // A new note is dated today and signed by the session's user, nobody
    // without a session; both stay editable.
    void notaFechadaYFirmada_data()
    {
        QTest::addColumn<bool>("conSesion");
        QTest::addColumn<QString>("anotador");
        QTest::newRow("con sesion") << true << "admin";
        QTest::newRow("sin sesion") << false << "";
    }
    void notaFechadaYFirmada()
    {
        QFETCH(bool, conSesion);
        QFETCH(QString, anotador);
        Empresa e;
        std::unique_ptr<TmdlConexiones> conexiones;
        std::unique_ptr<Sesion> sesion;
        if (conSesion) {
            conexiones = std::make_unique<TmdlConexiones>(e.ruta);
            sesion = std::make_unique<Sesion>(*conexiones);
            sesion->EstablecerUsuario(1);
        }
        TmdlNotas notas(e.conexion);
        notas.Notas.open();
        notas.Notas.append();
        QCOMPARE(notas.Notas.value(QStringLiteral("FECHA")).toDate(), QDate::currentDate());
        QCOMPARE(notas.Notas.value(QStringLiteral("ANOTADOR")).toString(), anotador);
        notas.Notas.setValue(QStringLiteral("ANOTADOR"), QStringLiteral("otra"));
        notas.Notas.setValue(QStringLiteral("FECHA"), QDate(2020, 1, 2));
        QCOMPARE(notas.Notas.value(QStringLiteral("FECHA")).toDate(), QDate(2020, 1, 2));
    }

    // Rows added while the owner had no code yet, or another one, take the
    // owner's final code when the lists are stored; rows read from the
    // database keep theirs.
    void codigoFinalDelTitular_data()
    {
        QTest::addColumn<QString>("codigoAlAnadir");
        QTest::newRow("sin codigo todavia") << "";
        QTest::newRow("codigo cambiado despues") << "ANTES";
        QTest::newRow("el mismo") << "C9";
    }
    void codigoFinalDelTitular()
    {
        QFETCH(QString, codigoAlAnadir);
        Empresa e;
        e.fila(Satelite::Notas, 1, master::kTipoCliente, QStringLiteral("C9"));
        master::SatelitesTitular lista(e.conexion, master::kTipoCliente,
                                       {Satelite::Direcciones, Satelite::Personas, Satelite::Notas});
        lista.abrir(QStringLiteral("C9"));
        for (Satelite tipo : {Satelite::Direcciones, Satelite::Personas, Satelite::Notas}) {
            ds::RecordSet &filas = lista.lista(tipo);
            filas.append();
            lista.marcarNueva(filas, codigoAlAnadir);
        }
        QVERIFY(lista.aplicar(QStringLiteral("C9")));
        QCOMPARE(e.filas(Satelite::Direcciones, "C", "C9"), QStringList{"1"});
        QCOMPARE(e.filas(Satelite::Personas, "C", "C9"), QStringList{"1"});
        QCOMPARE(e.filas(Satelite::Notas, "C", "C9"), (QStringList{"1", "2"}));
        QCOMPARE(e.contar("SELECT COUNT(*) FROM DIRECCION WHERE DE <> 'C9'"), 0);
    }

    // Dropping the lists leaves the database as it was: additions, changes
    // and removals alike.
    void descartarNoTocaLaBase()
    {
        Empresa e;
        e.fila(Satelite::Notas, 1, master::kTipoProveedor, QStringLiteral("P1"));
        e.fila(Satelite::Direcciones, 1, master::kTipoProveedor, QStringLiteral("P1"));
        master::SatelitesTitular lista(e.conexion, master::kTipoProveedor,
                                       {Satelite::Personas, Satelite::Notas, Satelite::Direcciones});
        lista.abrir(QStringLiteral("P1"));
        ds::RecordSet &personas = lista.lista(Satelite::Personas);
        personas.append();
        lista.marcarNueva(personas, QStringLiteral("P1"));
        personas.post();
        lista.lista(Satelite::Notas).remove();
        ds::RecordSet &direcciones = lista.lista(Satelite::Direcciones);
        direcciones.edit();
        direcciones.setValue(QStringLiteral("DESCRIPCION"), QStringLiteral("Cambiada"));
        direcciones.post();

        lista.descartar();
        QVERIFY(lista.aplicar(QStringLiteral("P1")));
        QCOMPARE(e.filas(Satelite::Personas, "P", "P1"), QStringList{});
        QCOMPARE(e.filas(Satelite::Notas, "P", "P1"), QStringList{"1"});
        QVERIFY(e.valor("SELECT DESCRIPCION FROM DIRECCION").isNull());
        QCOMPARE(lista.lista(Satelite::Notas).rowCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TstSatelites)
#include "tst_satelites.moc"
