// Salespeople, purchase managers and warehouse managers through their data
// modules, on a fresh company database: the three files share their rules
// and differ in their messages and in the documents that keep a person.
#include "EmpresaPrueba.h"
#include "Rechazada.h"
#include "master/TmdlResponsablesAlmacen.h"
#include "master/TmdlResponsablesCompras.h"
#include "master/TmdlVendedores.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"

#include <QtTest>
#include <memory>

namespace {

// One of the three files: its table and its data module.
struct Fichero
{
    const char *nombre;
    const char *tabla;
};

constexpr Fichero kFicheros[] = {
    {"vendedores", "VENDEDOR"},
    {"compras", "RESPONSABLE_COMPRAS"},
    {"almacen", "RESPONSABLE_ALMACEN"},
};

// The module of a file and its record set, as the file names it.
std::unique_ptr<fw::DataModule> crearModulo(const QString &tabla, fb::Connection &empresa, ds::RecordSet *&datos)
{
    if (tabla == "VENDEDOR") {
        auto modulo = std::make_unique<TmdlVendedores>(empresa);
        datos = &modulo->Vendedores;
        return modulo;
    }
    if (tabla == "RESPONSABLE_COMPRAS") {
        auto modulo = std::make_unique<TmdlResponsablesCompras>(empresa);
        datos = &modulo->ResponsablesCompras;
        return modulo;
    }
    auto modulo = std::make_unique<TmdlResponsablesAlmacen>(empresa);
    datos = &modulo->REsponsablesAlmacen;
    return modulo;
}

} // namespace

class TstPersonal : public QObject
{
    Q_OBJECT

    std::unique_ptr<testsupport::EmpresaPrueba> m_empresa;
    std::unique_ptr<fw::DataModule> m_modulo;
    ds::RecordSet *m_datos = nullptr;

    // The file's module with its record set open on every row; a person
    // "O'K" stored first when asked.
    ds::RecordSet &abrir(const QString &tabla, bool conPersona = false)
    {
        if (conPersona)
            m_empresa->sql(QStringLiteral("INSERT INTO %1 (CODIGO, NOMBRE, PROVINCIA) VALUES ('O''K', 'Persona', "
                                          "'Soria')")
                               .arg(tabla));
        m_modulo = crearModulo(tabla, m_empresa->conexion, m_datos);
        m_datos->open(QStringLiteral("SELECT * FROM %1 ORDER BY CODIGO").arg(tabla));
        return *m_datos;
    }
    QStringList mensajes(const QString &mensaje) const
    {
        return mensaje.isEmpty() ? QStringList() : QStringList{mensaje};
    }
    static void filasPorFichero(const char *caso)
    {
        for (const Fichero &f : kFicheros)
            QTest::addRow("%s %s", f.nombre, caso) << QString::fromLatin1(f.tabla);
    }

private slots:
    void init()
    {
        m_empresa = std::make_unique<testsupport::EmpresaPrueba>();
    }
    void cleanup()
    {
        m_modulo.reset();
        m_datos = nullptr;
        m_empresa.reset();
    }

    void nombresDeLosDatos();
    void codigo_data();
    void codigo();
    void codigoObligatorio_data();
    void codigoObligatorio();
    void nif_data();
    void nif();
    void codigoPostal_data();
    void codigoPostal();
    void eliminar_data();
    void eliminar();
};

// Other code (listings, look-ups) finds the record sets by these names.
void TstPersonal::nombresDeLosDatos()
{
    TmdlVendedores vendedores(m_empresa->conexion);
    TmdlResponsablesCompras compras(m_empresa->conexion);
    TmdlResponsablesAlmacen almacen(m_empresa->conexion);
    QCOMPARE(vendedores.Vendedores.name(), QStringLiteral("Vendedores"));
    QCOMPARE(compras.ResponsablesCompras.name(), QStringLiteral("ResponsablesCompras"));
    QCOMPARE(almacen.REsponsablesAlmacen.name(), QStringLiteral("REsponsablesAlmacen"));
}

void TstPersonal::codigo_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<bool>("aceptado");
    QTest::addColumn<QString>("mensaje");
    for (const Fichero &f : kFicheros) {
        const QString tabla = QString::fromLatin1(f.tabla);
        QTest::addRow("%s nuevo", f.nombre) << tabla << "NUEVO" << true << "";
        QTest::addRow("%s existente", f.nombre) << tabla << "O'K" << false << "El CODIGO Ya Existe.";
        QTest::addRow("%s vacio", f.nombre) << tabla << "" << false << "";
    }
}

// The code is unique in the file's own table; an empty code is refused silently.
void TstPersonal::codigo()
{
    QFETCH(QString, tabla);
    QFETCH(QString, tecleado);
    QFETCH(bool, aceptado);
    QFETCH(QString, mensaje);
    ds::RecordSet &datos = abrir(tabla, true);
    datos.append();
    datos.setValue(QStringLiteral("CODIGO"), QStringLiteral("ANTERIOR"));
    QCOMPARE(testsupport::rechazada([&] { datos.setValue(QStringLiteral("CODIGO"), tecleado); }), !aceptado);
    QCOMPARE(datos.value(QStringLiteral("CODIGO")).toString().trimmed(), aceptado ? tecleado : "ANTERIOR");
    QCOMPARE(m_empresa->dialogos.messages, mensajes(mensaje));
}

void TstPersonal::codigoObligatorio_data()
{
    QTest::addColumn<QString>("tabla");
    filasPorFichero("sin codigo");
}

void TstPersonal::codigoObligatorio()
{
    QFETCH(QString, tabla);
    ds::RecordSet &datos = abrir(tabla);
    datos.append();
    datos.setValue(QStringLiteral("NOMBRE"), QStringLiteral("Sin código"));
    QCOMPARE(testsupport::errorAlGuardar(datos), QStringLiteral("El campo 'CODIGO' debe tener un valor"));
    QCOMPARE(datos.state(), ds::State::Insert);
}

void TstPersonal::nif_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<QString>("guardado");
    QTest::addColumn<QString>("mensaje");
    const QString conPunto = QStringLiteral("NIF Incorrecto.");
    const QString sinPunto = QStringLiteral("NIF Incorrecto");
    const QString mensajeDe[] = {conPunto, sinPunto, conPunto};
    for (int i = 0; i < 3; ++i) {
        const Fichero &f = kFicheros[i];
        const QString tabla = QString::fromLatin1(f.tabla);
        QTest::addRow("%s sin letra", f.nombre) << tabla << "12345678" << "12345678Z" << "";
        QTest::addRow("%s letra minuscula", f.nombre) << tabla << "12345678z" << "12345678z" << "";
        QTest::addRow("%s letra erronea", f.nombre) << tabla << "12345678A" << "12345678A" << mensajeDe[i];
        QTest::addRow("%s vacio", f.nombre) << tabla << "" << "" << "";
    }
}

// Digits alone are completed with their letter; a wrong NIF draws the file's
// own message and is kept as typed.
void TstPersonal::nif()
{
    QFETCH(QString, tabla);
    QFETCH(QString, tecleado);
    QFETCH(QString, guardado);
    QFETCH(QString, mensaje);
    ds::RecordSet &datos = abrir(tabla);
    datos.append();
    datos.setValue(QStringLiteral("CODIGO"), QStringLiteral("P1"));
    datos.setValue(QStringLiteral("NIF"), tecleado);
    datos.post();
    QCOMPARE(datos.applyUpdates(), 0);
    QCOMPARE(m_empresa->valor(QStringLiteral("SELECT NIF FROM %1").arg(tabla)).toString().trimmed(), guardado);
    QCOMPARE(m_empresa->dialogos.messages, mensajes(mensaje));
}

void TstPersonal::codigoPostal_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QString>("codigoPostal");
    QTest::addColumn<QString>("provincia");
    for (const Fichero &f : kFicheros) {
        const QString tabla = QString::fromLatin1(f.tabla);
        QTest::addRow("%s Madrid", f.nombre) << tabla << "28001" << "Madrid";
        QTest::addRow("%s Salamanca", f.nombre) << tabla << "37001" << "Salmanca";
        QTest::addRow("%s sin provincia", f.nombre) << tabla << "ABC" << "Soria";
    }
}

// The postal code of a stored person fills the province when it names one;
// otherwise the province stays as it was.
void TstPersonal::codigoPostal()
{
    QFETCH(QString, tabla);
    QFETCH(QString, codigoPostal);
    QFETCH(QString, provincia);
    ds::RecordSet &datos = abrir(tabla, true);
    datos.edit();
    datos.setValue(QStringLiteral("CODIGO_POSTAL"), codigoPostal);
    QCOMPARE(datos.value(QStringLiteral("CODIGO_POSTAL")).toString().trimmed(), codigoPostal);
    QCOMPARE(datos.value(QStringLiteral("PROVINCIA")).toString(), provincia);
    QVERIFY(m_empresa->dialogos.shown.isEmpty());
}

void TstPersonal::eliminar_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QStringList>("filas"); // inserts naming the person (the parameter)
    QTest::addColumn<QString>("mensaje");   // empty: deleted
    const auto documento = [](const char *tabla, const char *columna) {
        return QStringLiteral("INSERT INTO %1 (SERIE, NUMERO, ALMACEN, %2) VALUES ('A', 1, 'A1', ?)")
            .arg(QLatin1String(tabla), QLatin1String(columna));
    };
    const QString ventas = QStringLiteral("No se puede eliminar. Tiene Documentos.");
    for (const char *t : {"PEDIDO_VENTA", "ALBARAN_VENTA", "FACTURA_VENTA"})
        QTest::addRow("vendedores %s", t) << "VENDEDOR" << QStringList{documento(t, "VENDEDOR")} << ventas;
    QTest::newRow("vendedores PRESUPUESTO_VENTA")
        << "VENDEDOR" << QStringList{"INSERT INTO PRESUPUESTO_VENTA (NUMERO, VENDEDOR) VALUES (1, ?)"} << ventas;
    QTest::newRow("vendedores cliente")
        << "VENDEDOR" << QStringList{"INSERT INTO CLIENTE (CODIGO, VENDEDOR) VALUES ('C1', ?)"} << "";

    const QString compras = QStringLiteral("No se puede eliminar. Tiene documentos");
    for (const char *t : {"PEDIDO_COMPRA", "ALBARAN_COMPRA", "FACTURA_COMPRA"})
        QTest::addRow("compras %s", t) << "RESPONSABLE_COMPRAS" << QStringList{documento(t, "RESPONSABLE")} << compras;
    QTest::newRow("compras proveedor") << "RESPONSABLE_COMPRAS"
                                       << QStringList{"INSERT INTO PROVEEDOR (CODIGO, RESPONSABLE) VALUES ('P1', ?)"}
                                       << "";

    const QString almacen = QStringLiteral("No se puede eliminar. Tiene documentos.");
    QTest::newRow("almacen movimiento")
        << "RESPONSABLE_ALMACEN" << QStringList{"INSERT INTO MOVIMIENTO_ALMACEN (CODIGO, RESPONSABLE) VALUES (1, ?)"}
        << almacen;
    QTest::newRow("almacen almacen") << "RESPONSABLE_ALMACEN"
                                     << QStringList{"INSERT INTO ALMACEN (CODIGO, RESPONSABLE) VALUES ('A1', ?)"}
                                     << "";
}

// Only documents (stock movements for warehouse managers) keep a person; the
// master files that name him or her keep the code.
void TstPersonal::eliminar()
{
    QFETCH(QString, tabla);
    QFETCH(QStringList, filas);
    QFETCH(QString, mensaje);
    ds::RecordSet &datos = abrir(tabla, true);
    for (const QString &fila : filas)
        m_empresa->sql(fila, {QStringLiteral("O'K")});
    QCOMPARE(testsupport::rechazada([&] { datos.remove(); }), !mensaje.isEmpty());
    QCOMPARE(datos.applyUpdates(), 0);
    QCOMPARE(m_empresa->contar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(tabla)), mensaje.isEmpty() ? 0 : 1);
    QCOMPARE(m_empresa->dialogos.messages, mensajes(mensaje));
}

QTEST_GUILESS_MAIN(TstPersonal)
#include "tst_personal.moc"
