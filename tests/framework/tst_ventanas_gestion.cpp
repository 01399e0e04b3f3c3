// The browse and record windows every entity shares, over a small family
// entity of this test on a real company database: command enabling, the
// at-end state, order and search, select mode, the record window's modes,
// delete with its question, access keys, and the bound boxes.
#include "SchemaFixture.h"
#include "ScriptedDialogs.h"
#include "VentanasModales.h"
#include "framework/DataModule.h"
#include "framework/Reglas.h"
#include "framework/TfrmGestion.h"
#include "framework/TfrmRegistro.h"
#include "framework/widgets/BotonEnlace.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/SaltoCuenta.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// The family entity of these tests: uniqueness of the code and a delete
// guard, as real data modules have.
class TmdlFamilias final : public fw::DataModule
{
public:
    explicit TmdlFamilias(fb::Connection &conexion, QObject *parent = nullptr)
        : fw::DataModule(conexion, parent),
          Familias(addRecordSet(QStringLiteral("Familias"), QStringLiteral("SELECT * FROM FAMILIA")))
    {
        Familias.field(QStringLiteral("CODIGO")).onValidate = [](ds::Field &f) {
            fw::checkUnique(f, QStringLiteral("FAMILIA"));
        };
        Familias.beforeDelete = [](ds::RecordSet &set) {
            if (set.value(QStringLiteral("CODIGO")).toString().trimmed() == u"FIJA") {
                ui::showMessage(QStringLiteral("La familia FIJA no se puede eliminar."));
                throw ds::SilentAbort();
            }
        };
    }
    ds::RecordSet &Familias;
};

class TfrmFamilia final : public TfrmRegistro
{
public:
    TfrmFamilia(QWidget *owner, fb::Connection &conexion, TmdlFamilias *modulo)
        : TfrmRegistro(owner, true, modulo != nullptr,
                       {.caption = QStringLiteral("DATOS DE FAMILIA"), .titulo = QStringLiteral("FAMILIA"),
                        .tabla = QStringLiteral("FAMILIA")}),
          mdl(modulo ? modulo : new TmdlFamilias(conexion, this))
    {
        setDatos(mdl->Familias);
        txtCodigo = nuevaCaja("txtCodigo", QStringLiteral("CODIGO"));
        txtDescripcion = nuevaCaja("txtDescripcion", QStringLiteral("DESCRIPCION"));
        cuerpo()->addWidget(txtCodigo);
        cuerpo()->addWidget(txtDescripcion);
        PageControl1->addTab(new QWidget, QStringLiteral("UNO"));
        PageControl1->addTab(new QWidget, QStringLiteral("DOS"));
        setCajaCodigo(txtCodigo);
    }
    TmdlFamilias *mdl;
    fw::DBEdit *txtCodigo;
    fw::DBEdit *txtDescripcion;
};

class TfrmGestionFamilias final : public TfrmGestion
{
public:
    TfrmGestionFamilias(QWidget *owner, bool modal, fb::Connection &conexion)
        : TfrmGestion(owner, modal,
                      {.caption = QStringLiteral("GESTION DE FAMILIAS"),
                       .titulo = QStringLiteral("FAMILIAS"),
                       .orden = {QStringLiteral("CODIGO"), QStringLiteral("DESCRIPCION")},
                       .columnas = {QStringLiteral("CODIGO"), QStringLiteral("DESCRIPCION")},
                       .textoNuevo = QStringLiteral("&Nueva"),
                       .preguntaEliminar = QStringLiteral("¿Desea eliminar la Familia?"),
                       .campoNombre = QStringLiteral("DESCRIPCION")}),
          m_conexion(conexion), mdl(new TmdlFamilias(conexion, this))
    {
        setDatos(mdl->Familias);
        // A command of the entity whose key is already taken by "&Eliminar".
        accEtiquetas = agregarComando("accEtiquetas", QStringLiteral("&Etiquetas"), Habilitado::ConFila,
                                      [this] { etiquetadas << datos().value(QStringLiteral("CODIGO")).toString().trimmed(); });
    }
    QAction *accEtiquetas;
    QStringList etiquetadas;

protected:
    TfrmRegistro *crearRegistro() override { return new TfrmFamilia(this, m_conexion, mdl); }

private:
    fb::Connection &m_conexion;

public:
    TmdlFamilias *mdl;
};

// An entity that names a family: its record window picks the family with a
// Buscar button and shows it with a Ver button.
class TmdlArticulos final : public fw::DataModule
{
public:
    explicit TmdlArticulos(fb::Connection &conexion, QObject *parent = nullptr)
        : fw::DataModule(conexion, parent),
          Articulos(addRecordSet(QStringLiteral("Articulos"), QStringLiteral("SELECT * FROM ARTICULO")))
    {
        Articulos.field(QStringLiteral("FAMILIA")).onValidate = [](ds::Field &f) {
            fw::checkExists(f, QStringLiteral("FAMILIA"), QStringLiteral("La Familia no existe."));
        };
    }
    ds::RecordSet &Articulos;
};

class TfrmArticulo final : public TfrmRegistro
{
public:
    TfrmArticulo(fb::Connection &conexion)
        : TfrmRegistro(nullptr, true, false,
                       {.caption = QStringLiteral("DATOS DE ARTICULO"), .titulo = QStringLiteral("ARTICULO"),
                        .tabla = QStringLiteral("ARTICULO")}),
          mdl(new TmdlArticulos(conexion, this))
    {
        setDatos(mdl->Articulos);
        txtFamilia = nuevaCaja("txtFamilia", QStringLiteral("FAMILIA"));
        auto *buscar = new QToolButton(this);
        auto *ver = new QToolButton(this);
        cuerpo()->addWidget(txtFamilia);
        cuerpo()->addWidget(buscar);
        cuerpo()->addWidget(ver);
        BuscarFamilia = agregarBuscar(
            buscar, "BuscarFamilia", QStringLiteral("Asignar Familia"), QStringLiteral("FAMILIA"),
            [&conexion](QWidget *owner) { return new TfrmGestionFamilias(owner, true, conexion); },
            QStringLiteral("SELECT * FROM FAMILIA ORDER BY CODIGO"));
        VerFamilia = agregarVer(ver, "VerFamilia", QStringLiteral("Ver ficha familia"), QStringLiteral("FAMILIA"),
                                [&conexion](QWidget *owner) { return new TfrmFamilia(owner, conexion, nullptr); });
    }
    TmdlArticulos *mdl;
    fw::DBEdit *txtFamilia;
    QAction *BuscarFamilia;
    QAction *VerFamilia;
};

const QString kSqlFamilias = QStringLiteral("SELECT * FROM FAMILIA ORDER BY CODIGO");

// Waits for record windows end with the test (see alAbrirse).
QObject *g_esperas = nullptr;

template<typename T>
void alAbrirse(std::function<void(T &)> accion)
{
    testsupport::alAbrirse<T>(g_esperas, std::move(accion));
}

using testsupport::escribir;

// A user's double click: the first click, then the second one.
void dobleClic(QTableView *rejilla, const QModelIndex &fila)
{
    const QPoint punto = rejilla->visualRect(fila).center();
    QTest::mouseClick(rejilla->viewport(), Qt::LeftButton, {}, punto);
    QTest::mouseDClick(rejilla->viewport(), Qt::LeftButton, {}, punto);
}

// The button of the command column that runs a command.
QToolButton *botonDe(const QWidget &ventana, const QAction *accion)
{
    for (QToolButton *boton : ventana.findChildren<QToolButton *>())
        if (boton->defaultAction() == accion)
            return boton;
    return nullptr;
}

bool visible(const QWidget *w) { return !w->isHidden(); }

} // namespace

class TstVentanasGestion : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    fb::Connection m_db;
    std::unique_ptr<testsupport::ScriptedDialogs> m_dialogos;

    int cuenta(const QString &sql) { return m_db.query(sql).scalar().toInt(); }
    QString valor(const QString &sql) { return m_db.query(sql).scalar().toString().trimmed(); }
    void familia(const QString &codigo, const QString &descripcion)
    {
        m_db.execute(QStringLiteral("INSERT INTO FAMILIA (CODIGO, DESCRIPCION) VALUES (?, ?)"), {codigo, descripcion});
    }
    std::unique_ptr<TfrmGestionFamilias> ventana(bool modal = true, bool seleccion = false)
    {
        auto w = std::make_unique<TfrmGestionFamilias>(nullptr, modal, m_db);
        w->Abrir(kSqlFamilias, seleccion);
        return w;
    }
    static QStringList codigosEnRejilla(const TfrmGestion &w)
    {
        QStringList codigos;
        for (int fila = 0; fila < w.DBGrid1->model()->rowCount(); ++fila)
            codigos << w.DBGrid1->model()->index(fila, 0).data().toString().trimmed();
        return codigos;
    }
    // Modificar, Ver, Eliminar and (in select mode) Seleccionar are enabled together.
    static bool comandosDeFila(const TfrmGestion &w)
    {
        const bool m = w.accModificar->isEnabled();
        const bool seleccionar = w.modoSeleccion() ? w.accSeleccionar->isEnabled() : m;
        if (w.accVer->isEnabled() != m || w.accEliminar->isEnabled() != m || seleccionar != m)
            qFatal("los comandos de fila no van juntos");
        return m;
    }

private slots:
    void initTestCase()
    {
        const QString datos = testsupport::freshDatabases(m_dir);
        m_db.open(datos + QStringLiteral("empresa01.gdb"));
    }
    void init()
    {
        m_db.execute(QStringLiteral("DELETE FROM ARTICULO"));
        m_db.execute(QStringLiteral("DELETE FROM FAMILIA"));
        m_dialogos = std::make_unique<testsupport::ScriptedDialogs>();
        g_esperas = new QObject;
    }
    void cleanup()
    {
        delete g_esperas;
        g_esperas = nullptr;
        m_dialogos.reset();
    }

    void descripcionDeLaVentana();
    void comandosConTablaVacia();
    void comandosAlPasarLaUltimaFila();
    void ordenYBusqueda();
    void ordenConTablaVaciaYBusquedaDespues();
    void modoSeleccion_data();
    void modoSeleccion();
    void dobleClicFueraDeSeleccionMuestraLaFicha();
    void modosDeLaFicha_data();
    void modosDeLaFicha();
    void nuevaAceptadaSeGuardaYSeMuestra();
    void cancelarEnAltaNoDejaFila();
    void cierreSinAceptar_data();
    void cierreSinAceptar();
    void modificarGuardaLoAceptado();
    void grabacionRechazadaMantieneLaFicha();
    void fichaPropiaReabreYAplica();
    void focoYEnterEnLaFicha_data();
    void focoYEnterEnLaFicha();
    void buscarYVer_data();
    void buscarYVer();
    void buscarCodigoBorradoEntretanto();
    void eliminar_data();
    void eliminar();
    void teclasDeAcceso();
    void comandoPropioDeLaEntidad();
    void refrescarTraeCambiosDeOtros();
    void errorAlAbrirSeMuestraYLaVentanaSigue();
    void ventanaHijaSeCierraConSuMarco();
    void botonEmail_data();
    void botonEmail();
    void saltoEntreCajasDeCuenta();
};

void TstVentanasGestion::descripcionDeLaVentana()
{
    auto w = ventana(true, false);
    QCOMPARE(w->windowTitle(), QStringLiteral("GESTION DE FAMILIAS"));
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblTitulo"))->text(), QStringLiteral("FAMILIAS"));
    QCOMPARE(w->accNuevo->text(), QStringLiteral("&Nueva"));
    QCOMPARE(w->cmbOrden->currentIndex(), -1);
    QCOMPARE(w->DBGrid1->model()->columnCount(), 2);
    QCOMPARE(w->DBGrid1->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("DESCRIPCION"));
    // Outside select mode there is no select command; the listing arrives
    // with its window. Neither shows a button.
    QVERIFY(!w->accSeleccionar->isVisible());
    QVERIFY(!w->accListar->isVisible());
    QVERIFY(botonDe(*w, w->accSeleccionar)->isHidden());
    QVERIFY(botonDe(*w, w->accListar)->isHidden());
    QVERIFY(!botonDe(*w, w->accEliminar)->isHidden());
    w->Abrir(kSqlFamilias, true);
    QVERIFY(!botonDe(*w, w->accSeleccionar)->isHidden());
    QCOMPARE(w->accRefrescar->shortcut(), QKeySequence(Qt::Key_F5));
    QCOMPARE(w->accRefrescar->statusTip(), QStringLiteral("Refrescar los datos"));
    QCOMPARE(w->accCerrar->statusTip(), QStringLiteral("Cerrar la ventana"));
    QCOMPARE(w->DBGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void TstVentanasGestion::comandosConTablaVacia()
{
    auto w = ventana(true, true);
    QVERIFY(w->accNuevo->isEnabled());
    QVERIFY(w->accRefrescar->isEnabled());
    QVERIFY(!comandosDeFila(*w));

    // "Nueva" works and the new row brings the row commands to life.
    alAbrirse<TfrmRegistro>([](TfrmRegistro &r) {
        auto &f = static_cast<TfrmFamilia &>(r);
        escribir(f.txtCodigo, QStringLiteral("F1"));
        f.accAceptar->trigger();
    });
    w->accNuevo->trigger();
    QCOMPARE(codigosEnRejilla(*w), QStringList{QStringLiteral("F1")});
    QVERIFY(comandosDeFila(*w));
}

void TstVentanasGestion::comandosAlPasarLaUltimaFila()
{
    familia(QStringLiteral("A"), QStringLiteral("Uno"));
    familia(QStringLiteral("B"), QStringLiteral("Dos"));
    auto w = ventana(true, true);
    w->show();
    w->DBGrid1->setFocus();
    QTest::keyClick(w->DBGrid1, Qt::Key_Down);
    QCOMPARE(w->datos().currentRow(), 1);
    QVERIFY(comandosDeFila(*w));

    QTest::keyClick(w->DBGrid1, Qt::Key_Down); // past the last row
    QVERIFY(w->datos().atEnd());
    QVERIFY(!comandosDeFila(*w));
    QTest::keyClick(w->DBGrid1, Qt::Key_Down);
    QVERIFY(!comandosDeFila(*w));

    QTest::keyClick(w->DBGrid1, Qt::Key_Up);
    QCOMPARE(w->datos().currentRow(), 0);
    QVERIFY(comandosDeFila(*w));
    QCOMPARE(w->DBGrid1->currentIndex().row(), 0);
}

void TstVentanasGestion::ordenYBusqueda()
{
    familia(QStringLiteral("A1"), QStringLiteral("Zapatos"));
    familia(QStringLiteral("B2"), QStringLiteral("Ñandúes"));
    familia(QStringLiteral("C3"), QStringLiteral("Abrigos"));
    familia(QStringLiteral("D4"), QStringLiteral("Mantas"));
    auto w = ventana();

    // The command text's order until an entry is chosen.
    QCOMPARE(codigosEnRejilla(*w), (QStringList{"A1", "B2", "C3", "D4"}));
    w->cmbOrden->setCurrentIndex(1);
    emit w->cmbOrden->activated(1);
    QCOMPARE(codigosEnRejilla(*w), (QStringList{"C3", "D4", "B2", "A1"}));

    // Nearest match in that order, without filtering; the grid follows.
    QTest::keyClicks(w->txtLocalizar, QStringLiteral("n"));
    QCOMPARE(w->datos().value(QStringLiteral("CODIGO")).toString().trimmed(), QStringLiteral("B2"));
    QCOMPARE(w->DBGrid1->currentIndex().row(), 2);
    w->txtLocalizar->setText(QStringLiteral("P")); // after every name but one
    QCOMPARE(w->datos().value(QStringLiteral("CODIGO")).toString().trimmed(), QStringLiteral("A1"));
    QCOMPARE(w->DBGrid1->model()->rowCount(), 4);

    // Emptying the box leaves the grid where it is.
    w->txtLocalizar->clear();
    QCOMPARE(w->datos().value(QStringLiteral("CODIGO")).toString().trimmed(), QStringLiteral("A1"));
}

void TstVentanasGestion::ordenConTablaVaciaYBusquedaDespues()
{
    auto w = ventana();
    w->cmbOrden->setCurrentIndex(1);
    emit w->cmbOrden->activated(1);
    QVERIFY(w->datos().indexField().isEmpty()); // nothing happens on an empty record set

    familia(QStringLiteral("A1"), QStringLiteral("Zapatos"));
    familia(QStringLiteral("B2"), QStringLiteral("Abrigos"));
    w->accRefrescar->trigger();
    QTest::keyClicks(w->txtLocalizar, QStringLiteral("z"));
    QCOMPARE(w->datos().value(QStringLiteral("CODIGO")).toString().trimmed(), QStringLiteral("A1"));
    QCOMPARE(codigosEnRejilla(*w), (QStringList{"B2", "A1"}));

    // Before any choice, the search looks in the first entry.
    auto otra = ventana();
    QTest::keyClicks(otra->txtLocalizar, QStringLiteral("B"));
    QCOMPARE(otra->cmbOrden->currentText(), QStringLiteral("CODIGO"));
    QCOMPARE(otra->datos().value(QStringLiteral("CODIGO")).toString().trimmed(), QStringLiteral("B2"));
}

void TstVentanasGestion::modoSeleccion_data()
{
    QTest::addColumn<QString>("como");
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<QString>("nombre");
    QTest::newRow("cerrar") << "cerrar" << "" << "";
    QTest::newRow("seleccionar") << "seleccionar" << "B2" << "Abrigos";
    QTest::newRow("doble clic") << "doble clic" << "B2" << "Abrigos";
}

void TstVentanasGestion::modoSeleccion()
{
    QFETCH(QString, como);
    QFETCH(QString, codigo);
    QFETCH(QString, nombre);
    familia(QStringLiteral("A1"), QStringLiteral("Zapatos"));
    familia(QStringLiteral("B2"), QStringLiteral("Abrigos"));
    auto w = ventana(true, true);
    QVERIFY(w->accSeleccionar->isVisible());
    QVERIFY(w->CodigoSeleccionado().isEmpty()); // also with rows: nothing chosen yet

    alAbrirse<TfrmGestion>([como](TfrmGestion &g) {
        const QModelIndex fila = g.DBGrid1->model()->index(1, 1);
        g.DBGrid1->setCurrentIndex(fila);
        if (como == u"cerrar")
            g.accCerrar->trigger();
        else if (como == u"seleccionar")
            g.accSeleccionar->trigger();
        else
            dobleClic(g.DBGrid1, fila);
        if (g.isVisible())
            g.reject(); // the command under test did not close it
    });
    w->exec();
    QCOMPARE(w->CodigoSeleccionado(), codigo);
    QCOMPARE(w->NombreSeleccionado(), nombre);
    QVERIFY(m_dialogos->shown.isEmpty());
}

void TstVentanasGestion::dobleClicFueraDeSeleccionMuestraLaFicha()
{
    familia(QStringLiteral("A1"), QStringLiteral("Zapatos"));
    auto w = ventana(true, false);
    w->show();
    TfrmRegistro::Modo modo = TfrmRegistro::Modo::Annadir;
    alAbrirse<TfrmRegistro>([&modo](TfrmRegistro &r) {
        modo = r.modo();
        r.accAceptar->trigger();
    });
    dobleClic(w->DBGrid1, w->DBGrid1->model()->index(0, 0));
    QCOMPARE(modo, TfrmRegistro::Modo::Ver);
}

void TstVentanasGestion::modosDeLaFicha_data()
{
    QTest::addColumn<QString>("comando");
    QTest::addColumn<int>("modo");
    QTest::addColumn<bool>("codigoHabilitado");
    QTest::addColumn<bool>("cancelarVisible");
    QTest::addColumn<bool>("escribible");
    QTest::newRow("alta") << "accNuevo" << int(TfrmRegistro::Modo::Annadir) << true << true << true;
    QTest::newRow("modificar") << "accModificar" << int(TfrmRegistro::Modo::Modificar) << false << true << true;
    QTest::newRow("ver") << "accVer" << int(TfrmRegistro::Modo::Ver) << false << false << false;
}

void TstVentanasGestion::modosDeLaFicha()
{
    QFETCH(QString, comando);
    QFETCH(int, modo);
    QFETCH(bool, codigoHabilitado);
    QFETCH(bool, cancelarVisible);
    QFETCH(bool, escribible);
    familia(QStringLiteral("A1"), QStringLiteral("Zapatos"));
    auto w = ventana();

    struct Visto
    {
        int modo = -1;
        QList<bool> imagenes;
        bool codigo = false, cancelar = false, escribible = false;
        int pagina = -1;
        QString descripcion;
    } visto;
    alAbrirse<TfrmRegistro>([&visto](TfrmRegistro &r) {
        auto &f = static_cast<TfrmFamilia &>(r);
        r.PageControl1->setCurrentIndex(1);
        visto.modo = int(r.modo());
        visto.imagenes = {visible(r.imgAnnadir), visible(r.imgModificar), visible(r.imgVer)};
        visto.codigo = f.txtCodigo->isEnabled();
        visto.cancelar = visible(r.btnCancelar);
        visto.escribible = !f.txtDescripcion->isReadOnly();
        visto.descripcion = f.txtDescripcion->text();
        r.accCancelar->trigger();
    });
    // The record window is reused once per mode: it opens on the first tab every time.
    w->findChild<QAction *>(comando)->trigger();
    QCOMPARE(visto.modo, modo);
    QCOMPARE(visto.imagenes, (QList<bool>{modo == 0, modo == 1, modo == 2}));
    QCOMPARE(visto.codigo, codigoHabilitado);
    QCOMPARE(visto.cancelar, cancelarVisible);
    QCOMPARE(visto.escribible, escribible);
    QCOMPARE(visto.descripcion, modo == 0 ? QString() : QStringLiteral("Zapatos"));
    QCOMPARE(w->datos().state(), ds::State::Browse);
    QCOMPARE(cuenta("SELECT COUNT(*) FROM FAMILIA"), 1);
}

void TstVentanasGestion::nuevaAceptadaSeGuardaYSeMuestra()
{
    familia(QStringLiteral("A1"), QStringLiteral("Zapatos"));
    auto w = ventana();
    alAbrirse<TfrmRegistro>([](TfrmRegistro &r) {
        auto &f = static_cast<TfrmFamilia &>(r);
        QCOMPARE(r.PageControl1->currentIndex(), 0);
        escribir(f.txtCodigo, QStringLiteral("B2"));
        escribir(f.txtDescripcion, QStringLiteral("Abrigos")); // not left: Aceptar hands it over
        r.accAceptar->trigger();
    });
    w->accNuevo->trigger();
    QCOMPARE(valor("SELECT DESCRIPCION FROM FAMILIA WHERE CODIGO = 'B2'"), QStringLiteral("Abrigos"));
    QVERIFY(!w->datos().hasPendingChanges());
    QCOMPARE(codigosEnRejilla(*w), (QStringList{"A1", "B2"}));
    QCOMPARE(w->DBGrid1->currentIndex().row(), 1);
}

void TstVentanasGestion::cancelarEnAltaNoDejaFila()
{
    auto w = ventana();
    alAbrirse<TfrmRegistro>([](TfrmRegistro &r) {
        auto &f = static_cast<TfrmFamilia &>(r);
        escribir(f.txtCodigo, QStringLiteral("B2"));
        f.txtCodigo->editingFinished();
        r.accCancelar->trigger();
    });
    w->accNuevo->trigger();
    QCOMPARE(w->datos().rowCount(), 0);
    QVERIFY(!w->datos().hasPendingChanges());
    QCOMPARE(cuenta("SELECT COUNT(*) FROM FAMILIA"), 0);
    QVERIFY(!comandosDeFila(*w));
}

void TstVentanasGestion::cierreSinAceptar_data()
{
    QTest::addColumn<QString>("comando");
    QTest::addColumn<bool>("tocado");
    QTest::addColumn<QString>("descripcion");
    QTest::addColumn<int>("filas");
    QTest::newRow("alta tocada") << "accNuevo" << true << "Nueva" << 2;
    QTest::newRow("alta sin tocar") << "accNuevo" << false << "" << 1;
    QTest::newRow("modificación tocada") << "accModificar" << true << "Nueva" << 1;
    QTest::newRow("modificación sin tocar") << "accModificar" << false << "Zapatos" << 1;
}

// The system close button neither posts nor cancels: what the user changed is
// posted by the browse window's apply, an untouched row is dropped.
void TstVentanasGestion::cierreSinAceptar()
{
    QFETCH(QString, comando);
    QFETCH(bool, tocado);
    QFETCH(QString, descripcion);
    QFETCH(int, filas);
    familia(QStringLiteral("A1"), QStringLiteral("Zapatos"));
    auto w = ventana();
    alAbrirse<TfrmRegistro>([tocado](TfrmRegistro &r) {
        auto &f = static_cast<TfrmFamilia &>(r);
        if (r.modo() == TfrmRegistro::Modo::Annadir && tocado)
            escribir(f.txtCodigo, QStringLiteral("B2"));
        if (tocado)
            escribir(f.txtDescripcion, QStringLiteral("Nueva"));
        f.txtCodigo->editingFinished();
        f.txtDescripcion->editingFinished();
        r.close();
    });
    w->findChild<QAction *>(comando)->trigger();
    QCOMPARE(cuenta("SELECT COUNT(*) FROM FAMILIA"), filas);
    QCOMPARE(w->datos().rowCount(), filas);
    QCOMPARE(w->datos().state(), ds::State::Browse);
    const QString codigo = comando == u"accNuevo" && tocado ? QStringLiteral("B2") : QStringLiteral("A1");
    QCOMPARE(valor("SELECT DESCRIPCION FROM FAMILIA WHERE CODIGO = '" + codigo + "'"),
             descripcion.isEmpty() ? QStringLiteral("Zapatos") : descripcion);
}

void TstVentanasGestion::modificarGuardaLoAceptado()
{
    familia(QStringLiteral("A1"), QStringLiteral("Zapatos"));
    familia(QStringLiteral("B2"), QStringLiteral("Abrigos"));
    auto w = ventana();
    w->DBGrid1->setCurrentIndex(w->DBGrid1->model()->index(1, 0));
    alAbrirse<TfrmRegistro>([](TfrmRegistro &r) {
        auto &f = static_cast<TfrmFamilia &>(r);
        QCOMPARE(f.txtCodigo->text(), QStringLiteral("B2"));
        escribir(f.txtDescripcion, QStringLiteral("Abrigos de invierno"));
        r.accAceptar->trigger();
    });
    w->accModificar->trigger();
    QCOMPARE(valor("SELECT DESCRIPCION FROM FAMILIA WHERE CODIGO = 'B2'"), QStringLiteral("Abrigos de invierno"));
    QCOMPARE(valor("SELECT DESCRIPCION FROM FAMILIA WHERE CODIGO = 'A1'"), QStringLiteral("Zapatos"));
    QVERIFY(!w->datos().hasPendingChanges());
}

void TstVentanasGestion::grabacionRechazadaMantieneLaFicha()
{
    familia(QStringLiteral("A1"), QStringLiteral("Zapatos"));
    auto w = ventana();
    bool sigueAbierta = false;
    alAbrirse<TfrmRegistro>([&](TfrmRegistro &r) {
        auto &f = static_cast<TfrmFamilia &>(r);
        escribir(f.txtCodigo, QStringLiteral("A1")); // already there
        r.accAceptar->trigger();
        sigueAbierta = r.isVisible() && r.modo() == TfrmRegistro::Modo::Annadir && r.datos().isEditing();
        escribir(f.txtCodigo, QStringLiteral("C3"));
        r.accAceptar->trigger();
    });
    w->accNuevo->trigger();
    QVERIFY(sigueAbierta);
    QCOMPARE(m_dialogos->messages.value(0), QStringLiteral("El CODIGO Ya Existe."));
    QCOMPARE(cuenta("SELECT COUNT(*) FROM FAMILIA"), 2);
}

void TstVentanasGestion::fichaPropiaReabreYAplica()
{
    familia(QStringLiteral("O'B"), QStringLiteral("Con comilla"));
    {
        TfrmFamilia ficha(nullptr, m_db, nullptr);
        QVERIFY(!ficha.ModuloCompartido);
        ficha.Mostrar(QStringLiteral("O'B"), true);
        QCOMPARE(ficha.datos().rowCount(), 1);
        escribir(ficha.txtDescripcion, QStringLiteral("Cambiada"));
        ficha.accAceptar->trigger();
    }
    QCOMPARE(valor("SELECT DESCRIPCION FROM FAMILIA WHERE CODIGO = 'O''B'"), QStringLiteral("Cambiada"));
    {
        TfrmFamilia ficha(nullptr, m_db, nullptr);
        ficha.Nuevo();
        QCOMPARE(ficha.datos().rowCount(), 1); // only the new row
        escribir(ficha.txtCodigo, QStringLiteral("N1"));
        ficha.accAceptar->trigger();
    }
    QCOMPARE(cuenta("SELECT COUNT(*) FROM FAMILIA WHERE CODIGO = 'N1'"), 1);
}

void TstVentanasGestion::focoYEnterEnLaFicha_data()
{
    QTest::addColumn<QString>("comando");
    QTest::addColumn<QString>("primera");
    QTest::newRow("alta") << "accNuevo" << "txtCodigo";
    QTest::newRow("modificar") << "accModificar" << "txtDescripcion";
}

// Without the mouse: the record window opens on its first box that takes
// typing, and Enter moves on through the boxes before the tabs and buttons.
void TstVentanasGestion::focoYEnterEnLaFicha()
{
    QFETCH(QString, comando);
    QFETCH(QString, primera);
    familia(QStringLiteral("A1"), QStringLiteral("Zapatos"));
    auto w = ventana();
    QString enfocada, trasEnter;
    alAbrirse<TfrmRegistro>([&](TfrmRegistro &r) {
        QApplication::setActiveWindow(&r);
        QVERIFY(QTest::qWaitForWindowActive(&r));
        enfocada = QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        trasEnter = QApplication::focusWidget()->objectName();
        r.accCancelar->trigger();
    });
    w->findChild<QAction *>(comando)->trigger();
    QCOMPARE(enfocada, primera);
    QCOMPARE(trasEnter, primera == u"txtCodigo" ? QStringLiteral("txtDescripcion") : QStringLiteral("qt_tabwidget_tabbar"));
}

void TstVentanasGestion::buscarYVer_data()
{
    QTest::addColumn<bool>("elegir");
    QTest::addColumn<QString>("familia");
    QTest::newRow("elegida") << true << "B2";
    QTest::newRow("cerrada sin elegir") << false << "A1";
}

void TstVentanasGestion::buscarYVer()
{
    QFETCH(bool, elegir);
    QFETCH(QString, familia);
    this->familia(QStringLiteral("A1"), QStringLiteral("Zapatos"));
    this->familia(QStringLiteral("B2"), QStringLiteral("Abrigos"));
    TfrmArticulo ficha(m_db);
    ficha.Nuevo();
    QVERIFY(ficha.BuscarFamilia->isEnabled());
    QVERIFY(!ficha.VerFamilia->isEnabled()); // nothing to show yet
    escribir(ficha.txtFamilia, QStringLiteral("A1"));
    ficha.txtFamilia->editingFinished();
    QVERIFY(ficha.VerFamilia->isEnabled());

    alAbrirse<TfrmGestion>([elegir](TfrmGestion &g) {
        QVERIFY(g.modoSeleccion());
        g.DBGrid1->setCurrentIndex(g.DBGrid1->model()->index(1, 0));
        (elegir ? g.accSeleccionar : g.accCerrar)->trigger();
    });
    ficha.BuscarFamilia->trigger();
    QCOMPARE(ficha.txtFamilia->text(), familia);

    QString vista;
    alAbrirse<TfrmRegistro>([&vista](TfrmRegistro &r) {
        if (r.modo() == TfrmRegistro::Modo::Ver)
            vista = static_cast<TfrmFamilia &>(r).txtDescripcion->text();
        r.accAceptar->trigger();
    });
    ficha.VerFamilia->trigger();
    QCOMPARE(vista, elegir ? QStringLiteral("Abrigos") : QStringLiteral("Zapatos"));
    ficha.accCancelar->trigger();
    QVERIFY(m_dialogos->shown.isEmpty());

    // In view mode nothing can be picked; the record can still be shown.
    m_db.execute(QStringLiteral("INSERT INTO ARTICULO (CODIGO, FAMILIA) VALUES ('X', 'A1')"));
    TfrmArticulo vistaArticulo(m_db);
    vistaArticulo.Mostrar(QStringLiteral("X"), false);
    QVERIFY(!vistaArticulo.BuscarFamilia->isEnabled());
    QVERIFY(vistaArticulo.VerFamilia->isEnabled());
}

void TstVentanasGestion::buscarCodigoBorradoEntretanto()
{
    familia(QStringLiteral("A1"), QStringLiteral("Zapatos"));
    familia(QStringLiteral("B2"), QStringLiteral("Abrigos"));
    TfrmArticulo ficha(m_db);
    ficha.Nuevo();
    alAbrirse<TfrmGestion>([this](TfrmGestion &g) {
        g.DBGrid1->setCurrentIndex(g.DBGrid1->model()->index(1, 0));
        m_db.execute(QStringLiteral("DELETE FROM FAMILIA WHERE CODIGO = 'B2'")); // another user
        g.accSeleccionar->trigger();
    });
    ficha.BuscarFamilia->trigger();
    QCOMPARE(m_dialogos->messages, QStringList{QStringLiteral("La Familia no existe.")});
    QCOMPARE(ficha.txtFamilia->text(), QString());
    ficha.accCancelar->trigger();
}

void TstVentanasGestion::eliminar_data()
{
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<bool>("respuesta");
    QTest::addColumn<bool>("queda");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("sí") << "A1" << true << false << "";
    QTest::newRow("no") << "A1" << false << true << "";
    QTest::newRow("guarda") << "FIJA" << true << true << "La familia FIJA no se puede eliminar.";
}

void TstVentanasGestion::eliminar()
{
    QFETCH(QString, codigo);
    QFETCH(bool, respuesta);
    QFETCH(bool, queda);
    QFETCH(QString, mensaje);
    familia(codigo, QStringLiteral("Una"));
    auto w = ventana();
    m_dialogos->answer(respuesta);
    w->accEliminar->trigger();
    QCOMPARE(m_dialogos->questions, QStringList{QStringLiteral("¿Desea eliminar la Familia?")});
    QCOMPARE(m_dialogos->questionIcons.value(0), ui::Dialogs::Icon::Warning);
    QCOMPARE(m_dialogos->messages.value(0), mensaje);
    QCOMPARE(w->datos().rowCount(), queda ? 1 : 0);
    QCOMPARE(cuenta("SELECT COUNT(*) FROM FAMILIA"), queda ? 1 : 0);
    QVERIFY(!w->datos().hasPendingChanges());
    QCOMPARE(comandosDeFila(*w), queda);
}

void TstVentanasGestion::teclasDeAcceso()
{
    familia(QStringLiteral("A1"), QStringLiteral("Zapatos"));
    auto w = ventana(false);
    w->show();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->DBGrid1->setFocus();

    bool abierta = false;
    alAbrirse<TfrmRegistro>([&abierta](TfrmRegistro &r) {
        abierta = r.modo() == TfrmRegistro::Modo::Annadir;
        r.accCancelar->trigger();
    });
    QTest::keyClick(w.get(), Qt::Key_N, Qt::AltModifier);
    QVERIFY(abierta);

    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w.get(), Qt::Key_E, Qt::AltModifier);
    QCOMPARE(m_dialogos->questions, QStringList{QStringLiteral("¿Desea eliminar la Familia?")});
    QCOMPARE(w->datos().rowCount(), 1);
    w.release()->close(); // a child window frees itself
}

void TstVentanasGestion::comandoPropioDeLaEntidad()
{
    auto w = ventana(true, true);
    QVERIFY(!w->accEtiquetas->isEnabled()); // no row yet
    // In the context menu after the common commands, before "Seleccionar".
    const QList<QAction *> menu = w->DBGrid1->actions();
    QCOMPARE(w->DBGrid1->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(menu.indexOf(w->accEtiquetas), menu.indexOf(w->accListar) + 1);
    QCOMPARE(menu.indexOf(w->accSeleccionar), menu.indexOf(w->accEtiquetas) + 1);

    familia(QStringLiteral("A1"), QStringLiteral("Zapatos"));
    w->accRefrescar->trigger();
    QVERIFY(w->accEtiquetas->isEnabled());
    w->accEtiquetas->trigger();
    QCOMPARE(w->etiquetadas, QStringList{QStringLiteral("A1")});
    QCOMPARE(w->accEliminar->shortcut(), QKeySequence(QStringLiteral("Alt+E")));
    QVERIFY(w->accEtiquetas->shortcut().isEmpty());
}

void TstVentanasGestion::refrescarTraeCambiosDeOtros()
{
    auto w = ventana();
    familia(QStringLiteral("A1"), QStringLiteral("Zapatos"));
    QCOMPARE(w->datos().rowCount(), 0);
    w->accRefrescar->trigger();
    QCOMPARE(codigosEnRejilla(*w), QStringList{QStringLiteral("A1")});
    QVERIFY(comandosDeFila(*w));
}

void TstVentanasGestion::errorAlAbrirSeMuestraYLaVentanaSigue()
{
    TfrmGestionFamilias w(nullptr, true, m_db);
    QVERIFY(!w.Abrir(QStringLiteral("SELECT * FROM NO_EXISTE"), false));
    QCOMPARE(m_dialogos->errors.size(), 1);
    QVERIFY(!comandosDeFila(w));
    QVERIFY(w.Abrir(kSqlFamilias, false));
}

void TstVentanasGestion::ventanaHijaSeCierraConSuMarco()
{
    QMdiArea area;
    auto *w = new TfrmGestionFamilias(nullptr, false, m_db);
    QPointer<TfrmGestion> vigilada(w);
    w->Abrir(kSqlFamilias, false);
    area.addSubWindow(w);
    area.show();
    w->show();
    QCOMPARE(area.subWindowList().size(), 1);
    QTest::keyClick(w, Qt::Key_Escape); // Escape does not close a child window
    QVERIFY(!vigilada.isNull() && w->isVisible());
    w->accCerrar->trigger();
    QTRY_VERIFY(vigilada.isNull());
    QTRY_COMPARE(area.subWindowList().size(), 0);
}

void TstVentanasGestion::botonEmail_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("abierto");
    QTest::newRow("dirección") << "ventas@ejemplo.es" << "mailto:ventas@ejemplo.es";
    QTest::newRow("vacía") << "" << "";
    QTest::newRow("solo blancos") << "   " << "";
}

class Receptor : public QObject
{
    Q_OBJECT
public:
    QStringList abiertas;
public slots:
    void abrir(const QUrl &url) { abiertas << url.toString(); }
};

void TstVentanasGestion::botonEmail()
{
    QFETCH(QString, texto);
    QFETCH(QString, abierto);
    Receptor receptor;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &receptor, "abrir");
    QLineEdit caja(texto);
    auto *boton = fw::BotonEnlace::email(&caja);
    QCOMPARE(boton->text(), QStringLiteral("@"));
    boton->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QCOMPARE(receptor.abiertas, abierto.isEmpty() ? QStringList() : QStringList{abierto});
    delete boton;
}

void TstVentanasGestion::saltoEntreCajasDeCuenta()
{
    QWidget ventana;
    auto *entidad = new QLineEdit(&ventana);
    auto *agencia = new QLineEdit(&ventana);
    auto *dc = new QLineEdit(&ventana);
    auto *cuenta = new QLineEdit(&ventana);
    fw::SaltoCuenta::install(entidad, agencia, dc, cuenta);
    ventana.show();
    QApplication::setActiveWindow(&ventana);
    QVERIFY(QTest::qWaitForWindowActive(&ventana));

    // Each key goes where the focus is at the moment, as the user's typing does.
    const auto teclear = [](const QString &texto) {
        for (const QChar c : texto)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    };
    entidad->setFocus();
    teclear(QStringLiteral("212"));
    QVERIFY(entidad->hasFocus());
    teclear(QStringLiteral("00418"));
    QCOMPARE(entidad->text(), QStringLiteral("2120"));
    QCOMPARE(agencia->text(), QStringLiteral("0418"));
    QVERIFY(dc->hasFocus());
    teclear(QStringLiteral("451"));
    QCOMPARE(dc->text(), QStringLiteral("45"));
    QCOMPARE(cuenta->text(), QStringLiteral("1"));

    // Shift+Tab back into a full box stays there when Shift is released.
    dc->setFocus();
    QTest::keyRelease(dc, Qt::Key_Shift);
    QVERIFY(dc->hasFocus());
}

QTEST_MAIN(TstVentanasGestion)
#include "tst_ventanas_gestion.moc"
