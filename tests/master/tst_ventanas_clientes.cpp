// The record windows of customers and suppliers over a company database:
// their tabs and commands in each mode, the Buscar buttons, and the lists of
// addresses, contacts and notes that only "Aceptar" stores.
#include "ProgramaPrueba.h"
#include "Controles.h"

#include "framework/widgets/DBEdit.h"
#include "master/TfrmCliente.h"
#include "master/TfrmDireccion.h"
#include "master/TfrmGestionClientes.h"
#include "master/TfrmGestionProveedores.h"
#include "master/TfrmGestionResponsablesCompras.h"
#include "master/TfrmGestionVendedores.h"
#include "master/TfrmNota.h"
#include "master/TfrmPersona.h"
#include "master/TfrmProveedor.h"
#include "platform/dataset/RecordSet.h"

#include <QAction>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

namespace {

using testsupport::pestanas;

using testsupport::escribir;

enum class Modo { Alta, Modificacion, Consulta };

// Opens a record window in a mode on the row with this code, as its browse
// window would, and shows it.
template<typename Ventana>
void abrirEn(Ventana &w, Modo modo, const QString &codigo)
{
    if (modo == Modo::Alta)
        w.Nuevo();
    else
        w.Mostrar(codigo, modo == Modo::Modificacion);
    w.show();
}

} // namespace

Q_DECLARE_METATYPE(Modo)

class TstVentanasClientes : public QObject, private testsupport::ProgramaPrueba
{
    Q_OBJECT

    // A new address typed in its own window, opened by the owner's command.
    void nuevaDireccion(QAction *comando, const QString &descripcion)
    {
        alAbrirse<TfrmDireccion>([descripcion](TfrmDireccion &d) {
            escribir(d.txtDescripcion, descripcion);
            d.accAceptar->trigger();
        });
        comando->trigger();
    }

private slots:
    void init()
    {
        arrancar();
        ejecutar("INSERT INTO CLIENTE (CODIGO, NOMBRE) VALUES ('C1', 'Uno')");
        ejecutar("INSERT INTO NOTA (CODIGO, TIPO_DE, DE, ASUNTO) VALUES (1, 'C', 'C1', 'Llamar')");
        ejecutar("INSERT INTO PEDIDO_VENTA (SERIE, NUMERO, CLIENTE, ESTADO) VALUES ('A', 7, 'C1', 'PENDIENTE')");
        ejecutar("INSERT INTO VENDEDOR (CODIGO, NOMBRE) VALUES ('V1', 'Vera')");
        ejecutar("INSERT INTO RESPONSABLE_COMPRAS (CODIGO, NOMBRE) VALUES ('R1', 'Rosa')");
        ejecutar("INSERT INTO PROVEEDOR (CODIGO, NOMBRE, RESPONSABLE) VALUES ('P1', 'Prov', 'R1')");
    }
    void cleanup()
    {
        parar();
    }

    void fichaDeClientePorModo_data()
    {
        QTest::addColumn<Modo>("modo");
        QTest::newRow("alta") << Modo::Alta;
        QTest::newRow("modificacion") << Modo::Modificacion;
        QTest::newRow("consulta") << Modo::Consulta;
    }
    void fichaDeClientePorModo()
    {
        QFETCH(Modo, modo);
        TfrmCliente w(nullptr, true);
        abrirEn(w, modo, QStringLiteral("C1"));
        QCOMPARE(w.windowTitle(), QStringLiteral("DATOS DE CLIENTE"));
        QCOMPARE(pestanas(w.PageControl1), (QStringList{"DOMICILIO SOCIAL", "CONDICIONES", "BANCO", "DIRECCIONES",
                                                         "PERSONAS", "COMENTARIO", "NOTAS", "DOCUMENTOS"}));
        QCOMPARE(w.PageControl1->currentIndex(), 0);
        auto *documentos = w.findChild<QTabWidget *>(QStringLiteral("PageControl2"));
        QCOMPARE(pestanas(documentos), (QStringList{"PRESUPUESTOS", "PEDIDOS", "ALBARANES", "FACTURAS", "COBROS"}));
        QCOMPARE(documentos->currentIndex(), 0);
        // The customer's order, by its key, read-only; a new customer has none.
        auto *pedidos = w.findChild<QTableView *>(QStringLiteral("DBGridPEDIDOS"));
        QCOMPARE(pedidos->model()->rowCount(), modo == Modo::Alta ? 0 : 1);
        if (modo != Modo::Alta)
            QCOMPARE(pedidos->model()->index(0, 0).data().toString(), QStringLiteral("A        7"));
        QCOMPARE(pedidos->editTriggers(), QAbstractItemView::NoEditTriggers);

        const bool alta = modo == Modo::Alta;
        const bool consulta = modo == Modo::Consulta;
        QCOMPARE(w.txtCodigo->isEnabled(), alta);
        QCOMPARE(w.txtSaldo->isEnabled(), alta);
        QCOMPARE(w.btnCancelar->isVisible(), !consulta);
        QCOMPARE(w.BuscarVendedor->isEnabled(), !consulta);
        QVERIFY(!w.VerVendedor->isEnabled()); // no salesperson yet
        const auto comando = [&w](const char *nombre) { return w.findChild<QAction *>(QLatin1String(nombre)); };
        QCOMPARE(comando("accDireccionNueva")->isEnabled(), !consulta);
        QVERIFY(!comando("accDireccionVer")->isEnabled()); // no address
        QCOMPARE(comando("accNotasModificar")->isEnabled(), !alta && !consulta);
        QCOMPARE(comando("accNotasVer")->isEnabled(), !alta); // the stored note, not in add mode
        QCOMPARE(comando("accNotasEliminar")->toolTip(), QStringLiteral("Eliminar lanota del cliente"));
        w.accCancelar->trigger();
    }

    void fichaDeProveedorPorModo_data()
    {
        QTest::addColumn<Modo>("modo");
        QTest::newRow("alta") << Modo::Alta;
        QTest::newRow("modificacion") << Modo::Modificacion;
        QTest::newRow("consulta") << Modo::Consulta;
    }
    // In view mode the search buttons are gone, not greyed, while the view
    // buttons stay usable; "Articulos" works except while creating.
    void fichaDeProveedorPorModo()
    {
        QFETCH(Modo, modo);
        TfrmProveedor w(nullptr, true);
        QString articulosDe = QStringLiteral("(ninguno)");
        w.setVerArticulos([&articulosDe](const QString &proveedor) { articulosDe = proveedor; });
        abrirEn(w, modo, QStringLiteral("P1"));
        QCOMPARE(pestanas(w.PageControl1), (QStringList{"DOMICILIO SOCIAL", "CONDICIONES", "DIRECCIONES",
                                                         "PERSONAS CONTACTO", "BANCO", "DOCUMENTOS", "COMENTARIO",
                                                         "NOTAS"}));
        const bool alta = modo == Modo::Alta;
        const bool consulta = modo == Modo::Consulta;
        QCOMPARE(w.txtCodigo->isEnabled(), alta);
        for (const char *boton : {"btnBuscarResponsable", "btnBuscarFormaPago"})
            QCOMPARE(w.findChild<QToolButton *>(QLatin1String(boton))->isHidden(), consulta);
        QVERIFY(!w.findChild<QToolButton *>(QStringLiteral("btnVerResponsable"))->isHidden());
        QCOMPARE(w.VerResponsable->isEnabled(), !alta);
        QCOMPARE(w.VerArticulos->toolTip(), QStringLiteral("Ver los Articulos del Provedor"));
        QCOMPARE(w.VerArticulos->isEnabled(), !alta);
        w.findChild<QPushButton *>(QStringLiteral("btnArticulos"))->click();
        QCOMPARE(articulosDe, alta ? QStringLiteral("(ninguno)") : QStringLiteral("P1"));
        w.accCancelar->trigger();
    }

    // A code chosen in the search window is stored and its name shown;
    // closing the search without a choice keeps it.
    void buscarGuardaElCodigo()
    {
        TfrmCliente cliente(nullptr, true);
        abrirEn(cliente, Modo::Modificacion, QStringLiteral("C1"));
        alAbrirse<TfrmGestionVendedores>([](TfrmGestionVendedores &g) { g.accSeleccionar->trigger(); });
        cliente.BuscarVendedor->trigger();
        QCOMPARE(cliente.datos().value("VENDEDOR").toString().trimmed(), QStringLiteral("V1"));
        QCOMPARE(cliente.txtNVendedor->text(), QStringLiteral("Vera"));
        QVERIFY(cliente.VerVendedor->isEnabled());
        alAbrirse<TfrmGestionVendedores>([](TfrmGestionVendedores &g) { g.accCerrar->trigger(); });
        cliente.BuscarVendedor->trigger();
        QCOMPARE(cliente.datos().value("VENDEDOR").toString().trimmed(), QStringLiteral("V1"));
        cliente.accCancelar->trigger();

        ejecutar("UPDATE PROVEEDOR SET RESPONSABLE = NULL");
        TfrmProveedor proveedor(nullptr, true);
        abrirEn(proveedor, Modo::Modificacion, QStringLiteral("P1"));
        alAbrirse<TfrmGestionResponsablesCompras>(
            [](TfrmGestionResponsablesCompras &g) { g.accSeleccionar->trigger(); });
        proveedor.BuscarResponsable->trigger();
        QCOMPARE(proveedor.datos().value("RESPONSABLE").toString().trimmed(), QStringLiteral("R1"));
        proveedor.accAceptar->trigger();
        QCOMPARE(contar("SELECT COUNT(*) FROM PROVEEDOR WHERE RESPONSABLE = 'R1'"), 1);
    }

    void listasDelCliente_data()
    {
        QTest::addColumn<bool>("aceptar");
        QTest::newRow("aceptar") << true;
        QTest::newRow("cancelar") << false;
    }
    // Two addresses added and the note removed reach the database only
    // through "Aceptar"; "Cancelar" leaves it untouched.
    void listasDelCliente()
    {
        QFETCH(bool, aceptar);
        TfrmGestionClientes gestion(nullptr, true);
        gestion.Abrir(TfrmGestionClientes::kSqlClientes, false);
        alAbrirse<TfrmCliente>([&](TfrmCliente &f) {
            QAction *nueva = f.findChild<QAction *>(QStringLiteral("accDireccionNueva"));
            nuevaDireccion(nueva, QStringLiteral("Almacen"));
            nuevaDireccion(nueva, QStringLiteral("Tienda"));
            QCOMPARE(f.satelites->lista(master::Satelite::Direcciones).rowCount(), 2);
            dialogos().answer(true);
            f.findChild<QAction *>(QStringLiteral("accNotasEliminar"))->trigger();
            QCOMPARE(dialogos().questions, QStringList{"¿Desea eliminar la Nota del cliente?"});
            QCOMPARE(dialogos().questionIcons.front(), ui::Dialogs::Icon::Question);
            QCOMPARE(contar("SELECT COUNT(*) FROM DIRECCION"), 0);
            (aceptar ? f.accAceptar : f.accCancelar)->trigger();
        });
        gestion.accModificar->trigger();
        QCOMPARE(contar("SELECT COUNT(*) FROM DIRECCION WHERE TIPO_DE = 'C' AND DE = 'C1'"), aceptar ? 2 : 0);
        QCOMPARE(contar("SELECT COUNT(*) FROM NOTA"), aceptar ? 0 : 1);
        QCOMPARE(contar("SELECT MAX(CODIGO) FROM DIRECCION"), aceptar ? 2 : 0);
    }

    // The browse window lists; deleting from it asks first and takes the owned rows along.
    void eliminarDesdeLaGestion()
    {
        ejecutar("INSERT INTO DIRECCION (CODIGO, TIPO_DE, DE) VALUES (1, 'P', 'P1')");
        TfrmGestionProveedores gestion(nullptr, true);
        gestion.Abrir(TfrmGestionProveedores::kSqlProveedores, false);
        QCOMPARE(gestion.windowTitle(), QStringLiteral("GESTION DE PROVEEDORES"));
        QVERIFY(gestion.accListar->isVisible());
        dialogos().answer(true);
        gestion.accEliminar->trigger();
        QCOMPARE(dialogos().questions, QStringList{"¿Desea eliminar el Proveedor?"});
        QCOMPARE(contar("SELECT COUNT(*) FROM PROVEEDOR"), 0);
        QCOMPARE(contar("SELECT COUNT(*) FROM DIRECCION"), 0);
    }

    void codigoFinalDeUnClienteNuevo_data()
    {
        QTest::addColumn<QString>("codigoAlAnadir");
        QTest::newRow("sin codigo todavia") << "";
        QTest::newRow("codigo cambiado despues") << "ANTES";
    }
    // What is added while the new customer has no code yet, or before its
    // code is changed, belongs to it once it is accepted.
    void codigoFinalDeUnClienteNuevo()
    {
        QFETCH(QString, codigoAlAnadir);
        TfrmGestionClientes gestion(nullptr, true);
        gestion.Abrir(TfrmGestionClientes::kSqlClientes, false);
        alAbrirse<TfrmCliente>([&](TfrmCliente &f) {
            if (!codigoAlAnadir.isEmpty()) {
                escribir(f.txtCodigo, codigoAlAnadir);
                emit f.txtCodigo->editingFinished();
            }
            nuevaDireccion(f.findChild<QAction *>(QStringLiteral("accDireccionNueva")), QStringLiteral("Almacen"));
            alAbrirse<TfrmPersona>([](TfrmPersona &p) {
                escribir(p.txtNombre, QStringLiteral("Ana"));
                p.accAceptar->trigger();
            });
            f.findChild<QAction *>(QStringLiteral("accPersonasNueva"))->trigger();
            alAbrirse<TfrmNota>([](TfrmNota &n) { n.accAceptar->trigger(); });
            f.findChild<QAction *>(QStringLiteral("accNotasNueva"))->trigger();
            escribir(f.txtCodigo, QStringLiteral("NUEVO"));
            escribir(f.txtNombre, QStringLiteral("Nuevo cliente"));
            f.accAceptar->trigger();
        });
        gestion.accNuevo->trigger();
        QCOMPARE(contar("SELECT COUNT(*) FROM CLIENTE WHERE CODIGO = 'NUEVO'"), 1);
        for (const char *tabla : {"DIRECCION", "PERSONA_CONTACTO"})
            QCOMPARE(contar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE TIPO_DE = 'C' AND DE = 'NUEVO'")
                                .arg(QLatin1String(tabla))),
                     1);
        QCOMPARE(contar("SELECT COUNT(*) FROM NOTA WHERE TIPO_DE = 'C' AND DE = 'NUEVO'"), 1);
    }
};

QTEST_MAIN(TstVentanasClientes)
#include "tst_ventanas_clientes.moc"
