// Benchmark of the record set against the bare client layer, on a generated
// database of 100,000 customers. Prints one line per case:
//   BENCH <case> ours=<seconds> bare=<seconds> ratio=<ours/bare>
// (memory_100k in MiB). A measurement, not a test: nothing here fails.
#include "bench_albaran.h"
#include "database/Schema.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbEnvironment.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"
#include "platform/reports/Informes.h"

#include <QGuiApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <malloc.h>

namespace {

constexpr int kRows = 100000;
constexpr int kApplyRows = 10000;

double seconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

// Best of a few runs: the machine is shared, the minimum is the least noisy.
double best(int runs, const std::function<void()> &work)
{
    double min = 1e9;
    for (int i = 0; i < runs; ++i)
        min = std::min(min, seconds(work));
    return min;
}

void report(const char *name, double ours, double bare)
{
    std::printf("BENCH %s ours=%.4f bare=%.4f ratio=%.2f\n", name, ours, bare, bare > 0 ? ours / bare : 0.0);
    std::fflush(stdout);
}

QString randomName(QRandomGenerator &rng)
{
    static const char *const first[] = {"José", "María", "Ángel", "Nuria", "Íñigo", "Pilar", "Óscar", "Lucía"};
    static const char *const last[] = {"García", "Peña", "Muñoz", "López", "Ibáñez", "Sánchez", "Ortega", "Díaz"};
    return QString::fromUtf8(first[rng.bounded(8)]) + u' ' + QString::fromUtf8(last[rng.bounded(8)]) + u' '
           + QString::fromUtf8(last[rng.bounded(8)]) + u' ' + QString::number(rng.bounded(1000000));
}

// A value for every column of the customer table, by type.
QVariantList customerRow(const db::TableDef &table, int i, QRandomGenerator &rng)
{
    QVariantList row;
    for (const auto &col : table.columns) {
        switch (col.type) {
        case db::ColumnType::Char:
        case db::ColumnType::Varchar:
            if (col.name == "CODIGO")
                row << QStringLiteral("C%1").arg(i, 8, 10, QLatin1Char('0'));
            else if (col.name == "NOMBRE")
                row << randomName(rng).left(col.length);
            else
                row << QStringLiteral("%1 %2").arg(col.name).arg(i).left(col.length);
            break;
        case db::ColumnType::SmallInt:
        case db::ColumnType::Integer:
            row << (i % 1000);
            break;
        case db::ColumnType::Numeric:
        case db::ColumnType::DoublePrecision:
            row << (i % 10000) * 1.25;
            break;
        case db::ColumnType::Date:
            row << QDate(2026, 1, 1).addDays(i % 365);
            break;
        case db::ColumnType::TextBlob:
        case db::ColumnType::Blob:
            row << QVariant();
            break;
        }
    }
    return row;
}

QString insertSql(const db::TableDef &table)
{
    QStringList cols, marks;
    for (const auto &c : table.columns) {
        cols << c.name;
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table.name, cols.join(u','), marks.join(u','));
}

void fill(fb::Connection &db, const db::TableDef &table, int from, int count)
{
    QRandomGenerator rng(42 + from);
    fb::Transaction tr(db);
    fb::Statement st(tr, insertSql(table));
    for (int i = from; i < from + count; ++i)
        st.execute(customerRow(table, i, rng));
    tr.commit();
}

// A full scan collects the old row versions that earlier mass changes left,
// so that work is not charged to the next case measured.
void settle(fb::Connection &db)
{
    db.query(QStringLiteral("SELECT COUNT(*) FROM CLIENTE WHERE NOMBRE <> ''"));
}

std::vector<QVariantList> bareFetch(fb::Connection &db, const QString &sql)
{
    std::vector<QVariantList> rows;
    fb::Transaction tr(db);
    fb::Statement st(tr, sql);
    st.execute();
    QVariantList row;
    while (st.fetch(row))
        rows.push_back(std::move(row));
    tr.commit();
    return rows;
}

long residentKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    f.open(QIODevice::ReadOnly);
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return 0;
}

// Memory is measured in a process of its own for each side, so one side's
// freed memory cannot be reused by the other.
int memoryChild(const QString &path, const QString &side)
{
    fb::Connection db;
    db.open(path);
    malloc_trim(0);
    const long before = residentKiB();
    const QString sql = QStringLiteral("SELECT * FROM CLIENTE");
    if (side == "ours") {
        ds::RecordSet set(QStringLiteral("Clientes"));
        set.setConnection(&db);
        set.open(sql);
        std::printf("%ld\n", residentKiB() - before);
    } else {
        const auto rows = bareFetch(db, sql);
        std::printf("%ld\n", residentKiB() - before);
    }
    return 0;
}

double childMemoryMiB(const QString &path, const QString &side)
{
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(), {"--memory", path, side});
    p.waitForFinished(300000);
    return p.readAllStandardOutput().trimmed().toDouble() / 1024.0;
}

void benchOpen(fb::Connection &db, const char *name)
{
    const QString sql = QStringLiteral("SELECT * FROM CLIENTE");
    const double bare = best(3, [&] { bareFetch(db, sql); });
    const double ours = best(3, [&] {
        ds::RecordSet set(QStringLiteral("Clientes"));
        set.setConnection(&db);
        set.open(sql);
    });
    report(name, ours, bare);
}

void benchApplyInsert(fb::Connection &db, const db::TableDef &table)
{
    const int from = kRows + 1;
    QRandomGenerator rng(7);
    std::vector<QVariantList> rows;
    for (int i = from; i < from + kApplyRows; ++i)
        rows.push_back(customerRow(table, i, rng));
    const QString cleanup = QStringLiteral("DELETE FROM CLIENTE WHERE CODIGO >= 'C%1'").arg(from, 8, 10, QLatin1Char('0'));

    settle(db);
    const double bare = seconds([&] {
        fb::Transaction tr(db);
        fb::Statement st(tr, insertSql(table));
        for (const auto &row : rows)
            st.execute(row);
        tr.commit();
    });
    db.execute(cleanup);
    settle(db);

    ds::RecordSet set(QStringLiteral("Clientes"));
    set.setConnection(&db);
    set.open(QStringLiteral("SELECT * FROM CLIENTE WHERE CODIGO = 'NINGUNO'"));
    for (const auto &row : rows) {
        set.append();
        for (size_t c = 0; c < table.columns.size(); ++c)
            if (row[int(c)].isValid())
                set.field(table.columns[c].name).setValue(row[int(c)]);
        set.post();
    }
    const double ours = seconds([&] { set.applyUpdates(); });
    db.execute(cleanup);
    settle(db);
    report("apply_insert_10k", ours, bare);
}

void benchApplyUpdate(fb::Connection &db)
{
    const QString where = QStringLiteral("SELECT * FROM CLIENTE WHERE CODIGO < 'C%1'").arg(kApplyRows + 1, 8, 10, QLatin1Char('0'));
    const auto rows = bareFetch(db, where);
    settle(db);
    const double bare = seconds([&] {
        fb::Transaction tr(db);
        fb::Statement st(tr, QStringLiteral("UPDATE CLIENTE SET LOCALIDAD = ? WHERE CODIGO = ?"));
        for (const auto &row : rows)
            st.execute({QStringLiteral("BARE"), row.front()});
        tr.commit();
    });
    ds::RecordSet set(QStringLiteral("Clientes"));
    set.setConnection(&db);
    set.open(where);
    for (set.first(); !set.atEnd(); set.next()) {
        set.edit();
        set.setValue(QStringLiteral("LOCALIDAD"), QStringLiteral("NUESTRO"));
        set.post();
    }
    settle(db);
    const double ours = seconds([&] { set.applyUpdates(); });
    report("apply_update_10k", ours, bare);
}

void benchSortAndLocate(fb::Connection &db)
{
    ds::RecordSet set(QStringLiteral("Clientes"));
    set.setConnection(&db);
    set.open(QStringLiteral("SELECT * FROM CLIENTE"));
    std::vector<QString> names;
    names.reserve(kRows);
    for (set.first(); !set.atEnd(); set.next())
        names.push_back(set.value(QStringLiteral("NOMBRE")).toString());

    std::vector<QString> sorted = names;
    const double bare = seconds([&] { std::sort(sorted.begin(), sorted.end()); });
    const double ours = seconds([&] { set.setIndexField(QStringLiteral("NOMBRE")); });
    report("sort_100k", ours, bare);

    QRandomGenerator rng(3);
    QStringList probes;
    for (int i = 0; i < 1000; ++i)
        probes << names[rng.bounded(int(names.size()))].left(8);
    size_t sink = 0;
    const double bareLocate = seconds([&] {
        for (const QString &p : probes)
            sink += size_t(std::lower_bound(sorted.begin(), sorted.end(), p) - sorted.begin());
    });
    const double oursLocate = seconds([&] {
        for (const QString &p : probes) {
            set.findNearest(p);
            sink += size_t(set.currentRow());
        }
    });
    report("locate_1k", oursLocate, bareLocate);
    if (sink == 1)
        std::puts("");
}

// A customer listing like the program's: heading, column titles on every
// page, one line of five columns per customer, page numbers, totals.
const char *const kListado = R"({"informes": [{
    "nombre": "Listado_Clientes", "datos": "Listado_Clientes",
    "cabeceraInforme": {"alto": 10, "elementos": [
        {"tipo": "texto", "texto": "LISTADO DE CLIENTES", "x": 0, "y": 0, "ancho": 180, "alto": 8,
         "alineacion": "centro", "fuente": {"tamano": 14, "negrita": true}}]},
    "cabeceraPagina": {"alto": 6, "elementos": [
        {"tipo": "texto", "texto": "CÓDIGO", "x": 0, "y": 0, "ancho": 22, "alto": 5, "fuente": {"negrita": true}},
        {"tipo": "texto", "texto": "NOMBRE", "x": 23, "y": 0, "ancho": 60, "alto": 5, "fuente": {"negrita": true}},
        {"tipo": "texto", "texto": "POBLACIÓN", "x": 84, "y": 0, "ancho": 35, "alto": 5, "fuente": {"negrita": true}},
        {"tipo": "texto", "texto": "SALDO", "x": 150, "y": 0, "ancho": 30, "alto": 5, "alineacion": "derecha",
         "fuente": {"negrita": true}},
        {"tipo": "linea", "x": 0, "y": 5.5, "ancho": 180, "alto": 0}]},
    "detalle": {"alto": 4.5, "elementos": [
        {"tipo": "campo", "columna": "CODIGO", "x": 0, "y": 0, "ancho": 22, "alto": 4.5, "fuente": {"tamano": 8}},
        {"tipo": "campo", "columna": "NOMBRE", "x": 23, "y": 0, "ancho": 60, "alto": 4.5, "fuente": {"tamano": 8}},
        {"tipo": "campo", "columna": "LOCALIDAD", "x": 84, "y": 0, "ancho": 35, "alto": 4.5, "fuente": {"tamano": 8}},
        {"tipo": "campo", "columna": "TELEFONO1", "x": 120, "y": 0, "ancho": 20, "alto": 4.5, "fuente": {"tamano": 8}},
        {"tipo": "campo", "columna": "SALDO", "mascara": "#,##0.00", "x": 150, "y": 0, "ancho": 30, "alto": 4.5,
         "alineacion": "derecha", "fuente": {"tamano": 8}}]},
    "piePagina": {"alto": 6, "elementos": [
        {"tipo": "texto", "texto": "Impreso el {fecha}", "x": 0, "y": 1, "ancho": 60, "alto": 5, "fuente": {"tamano": 8}},
        {"tipo": "texto", "texto": "Página {pagina} de {paginas}", "x": 120, "y": 1, "ancho": 60, "alto": 5,
         "alineacion": "derecha", "fuente": {"tamano": 8}}]},
    "resumen": {"alto": 6, "elementos": [
        {"tipo": "total", "funcion": "cuenta", "x": 0, "y": 1, "ancho": 30, "alto": 5},
        {"tipo": "total", "columna": "SALDO", "mascara": "#,##0.00", "x": 150, "y": 1, "ancho": 30, "alto": 5,
         "alineacion": "derecha"}]}}]})";

// The listing of 10,000 customers written to PDF through the engine (the
// record set opened by the layout pass, layout, painting), against the bare
// fetch of the same rows.
void benchListing(fb::Connection &db)
{
    const QString sql = QStringLiteral("SELECT * FROM CLIENTE WHERE CODIGO <= 'C%1'").arg(kApplyRows, 8, 10, QLatin1Char('0'));
    const rpt::Proyecto proyecto = rpt::Proyecto::desdeTexto(kListado, QStringLiteral("bench"));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("listado.pdf"));
    const double bare = best(3, [&] { bareFetch(db, sql); });
    const double ours = best(3, [&] {
        ds::RecordSet clientes(QStringLiteral("Clientes"));
        clientes.setConnection(&db);
        clientes.setCommandText(sql);
        rpt::Conexiones conexiones;
        conexiones.agregar(QStringLiteral("Listado_Clientes"), clientes);
        rpt::escribirPdf(rpt::componer(proyecto, QStringLiteral("Listado_Clientes"), conexiones), pdf);
    });
    report("listing_10k_pdf", ours, bare);
}

} // namespace

int main(int argc, char *argv[])
{
    // Reports lay out text with the font machinery, which needs a GUI
    // application; without a display the offscreen platform serves.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString programDir = QCoreApplication::applicationDirPath();
    fb::initEmbedded(QDir::cleanPath(programDir + QStringLiteral("/../bin/firebird")) + u'/');
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "--memory")
        return memoryChild(args[2], args[3]);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.gdb"));
    const db::TableDef &table = *db::findTable(QStringLiteral("CLIENTE"));
    {
        fb::Connection db;
        db.create(path);
        for (const QString &sql : db::ddlStatements({table}))
            db.execute(sql);
        std::fprintf(stderr, "Generando %d clientes...\n", kRows);
        fill(db, table, 1, kRows);
        benchOpen(db, "open_100k");
        benchApplyInsert(db, table);
        benchApplyUpdate(db);
        benchSortAndLocate(db);
        benchListing(db);
        // Last: filling the BLOBs leaves 100,000 old row versions whose
        // garbage collection would slow every case measured after it.
        db.execute(QStringLiteral("UPDATE CLIENTE SET OBSERVACIONES = 'Cliente de toda la vida; paga a 30 días. ' || CODIGO"));
        settle(db);
        benchOpen(db, "open_100k_blob");
    }
    const double ours = childMemoryMiB(path, QStringLiteral("ours"));
    const double bare = childMemoryMiB(path, QStringLiteral("bare"));
    std::printf("BENCH memory_100k ours=%.1f bare=%.1f ratio=%.2f\n", ours, bare, bare > 0 ? ours / bare : 0.0);
    std::fflush(stdout);
    benchAlbaran50(dir.filePath(QStringLiteral("albaran.gdb")));
    return 0;
}
