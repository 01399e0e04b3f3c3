// Storing a delivery note of 50 lines of 50 articles through the data
// modules (every rule, stock effect and apply), against the same final rows
// written with plain statements in one transaction.
#include "bench_albaran.h"

#include "database/Schema.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"
#include "sales/ModeloDocumento.h"
#include "sales/TmdlAlbaranesVenta.h"

#include <QDate>
#include <QElapsedTimer>
#include <cstdio>

namespace {

constexpr int kLineas = 50;

QString articulo(int i) { return QStringLiteral("ART%1").arg(i, 3, 10, QLatin1Char('0')); }

// A company with one customer, one warehouse and 50 articles, each with a
// stock row of 100 in the warehouse.
void prepararEmpresa(fb::Connection &db, const QString &path)
{
    db.create(path);
    for (const QString &sql : db::ddlStatements(db::companyTables()))
        db.execute(sql);
    db.execute(QStringLiteral("INSERT INTO CLIENTE (CODIGO, NOMBRE, REGIMEN_IVA, RECARGO_EQUIVALENCIA, SALDO)"
                              " VALUES ('C1', 'Cliente', 1, 'S', 0)"));
    db.execute(QStringLiteral("INSERT INTO ALMACEN (CODIGO, DESCRIPCION) VALUES ('W1', 'Central')"));
    fb::Transaction t(db);
    fb::Statement articulos(t, QStringLiteral("INSERT INTO ARTICULO (CODIGO, DESCRIPCION, PRECIO_VENTA, P_IVA, P_RE,"
                                              " STOCK) VALUES (?, ?, ?, 16, 4, 100)"));
    fb::Statement stocks(t, QStringLiteral("INSERT INTO STOCK (CODIGO, ALMACEN, ARTICULO, STOCK) VALUES (?, 'W1', ?, 100)"));
    for (int i = 1; i <= kLineas; ++i) {
        articulos.execute({articulo(i), QStringLiteral("Artículo %1").arg(i), 1.5 * i});
        stocks.execute({i, articulo(i)});
    }
    t.commit();
}

double ours(fb::Connection &db)
{
    QElapsedTimer reloj;
    reloj.start();
    TmdlAlbaranesVenta m(db);
    m.abrirAlbaran({});
    m.AlbaranesVenta.append();
    m.AlbaranesVenta.setValue(QStringLiteral("CLIENTE"), QStringLiteral("C1"));
    m.AlbaranesVenta.setValue(QStringLiteral("ALMACEN"), QStringLiteral("W1"));
    m.abrirLineas(m.claveActual());
    for (int i = 1; i <= kLineas; ++i) {
        m.Ventas.append();
        m.Ventas.setValue(QStringLiteral("ARTICULO"), articulo(i));
        m.Ventas.setValue(QStringLiteral("CANTIDAD"), 2);
        m.Ventas.post();
    }
    m.AlbaranesVenta.post();
    if (m.AlbaranesVenta.applyUpdates() != 0 || m.Ventas.applyUpdates() != 0)
        std::fprintf(stderr, "El albarán no se ha guardado\n");
    return double(reloj.nsecsElapsed()) / 1e9;
}

// The rows ours() leaves behind, written directly: header, lines, stock rows
// and article totals.
double bare(fb::Connection &db)
{
    QElapsedTimer reloj;
    reloj.start();
    fb::Transaction t(db);
    const QString clave = doc::clave(QStringLiteral("A"), 2);
    double base = 0;
    for (int i = 1; i <= kLineas; ++i)
        base += 2 * 1.5 * i;
    fb::Statement cabecera(t, QStringLiteral("INSERT INTO ALBARAN_VENTA (SERIE, NUMERO, ESTADO, FECHA, CLIENTE, ALMACEN,"
                                             " DESCUENTO, DESCUENTO_PP, BASE1, PIVA1, PRE1, PIVA2, PRE2, PIVA3, PRE3,"
                                             " PIVA4, PRE4) VALUES ('A', 2, 'PENDIENTE', ?, 'C1', 'W1', 0, 0, ?,"
                                             " 16, 4, 7, 1, 4, 0.5, 0, 0)"));
    cabecera.execute({QDate::currentDate(), base});
    fb::Statement lineas(t, QStringLiteral("INSERT INTO LINEA_ALBARAN_VENTA (CODIGO, ALBARAN, ARTICULO, DESCRIPCION,"
                                           " CANTIDAD, PRECIO, DESCUENTO, P_IVA, P_RE) VALUES (?, ?, ?, ?, 2, ?, 0, 16, 4)"));
    fb::Statement stocks(t, QStringLiteral("UPDATE STOCK SET STOCK = STOCK - 2 WHERE ALMACEN = 'W1' AND ARTICULO = ?"));
    fb::Statement totales(t, QStringLiteral("UPDATE ARTICULO SET STOCK = STOCK - 2 WHERE CODIGO = ?"));
    for (int i = 1; i <= kLineas; ++i) {
        lineas.execute({1000 + i, clave, articulo(i), QStringLiteral("Artículo %1").arg(i), 1.5 * i});
        stocks.execute({articulo(i)});
        totales.execute({articulo(i)});
    }
    t.commit();
    return double(reloj.nsecsElapsed()) / 1e9;
}

} // namespace

void benchAlbaran50(const QString &path)
{
    fb::Connection db;
    prepararEmpresa(db, path);
    const double nuestro = ours(db);
    const double directo = bare(db);
    std::printf("BENCH delivery_note_50 ours=%.4f bare=%.4f ratio=%.2f\n", nuestro, directo,
                directo > 0 ? nuestro / directo : 0.0);
    std::fflush(stdout);
}
