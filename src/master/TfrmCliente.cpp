#include "TfrmCliente.h"

#include "framework/widgets/DBCheckBox.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBRadioGroup.h"
#include "master/TfrmFormaPago.h"
#include "master/TfrmGestionFormasPago.h"
#include "master/TfrmGestionVendedores.h"
#include "master/TfrmVendedor.h"
#include "master/TmdlClientes.h"
#include "master/widgets/PestanaSatelites.h"

#include <QFormLayout>
#include <QTabWidget>

namespace {

DescripcionTitular descripcionCliente()
{
    return {
        .registro = {.caption = QStringLiteral("DATOS DE CLIENTE"),
                     .titulo = QStringLiteral("CLIENTE"),
                     .tabla = QStringLiteral("CLIENTE")},
        .tipoDe = master::kTipoCliente,
        .ordenAplicar = {master::Satelite::Direcciones, master::Satelite::Personas, master::Satelite::Notas},
        .columnaCif = QStringLiteral("CIF_NIF"),
        .columnaPostal = QStringLiteral("CODIGO_POSTAL"),
        .columnaDocumentos = QStringLiteral("CLIENTE"),
        .documentos = &master::documentosCliente(),
    };
}

} // namespace

TfrmCliente::TfrmCliente(QWidget *owner, bool modal, TmdlClientes *modulo)
    : TfrmTitular(owner, modal, modulo != nullptr, descripcionCliente()),
      mdlClientes(modulo ? modulo : new TmdlClientes(this))
{
    setObjectName(QStringLiteral("TfrmCliente"));
    iniciar(mdlClientes->Clientes);
    crearDomicilio();
    crearCondiciones();
    crearBanco();
    crearListas();
    crearDocumentos();
}

void TfrmCliente::crearCondiciones()
{
    const Referencia vendedor = crearReferencia({
        "txtVendedor", QStringLiteral("VENDEDOR"), "txtNVendedor", QStringLiteral("NVENDEDOR"),
        "BuscarVendedor", QStringLiteral("Asignar un vendedor al cliente"),
        [](QWidget *owner) { return new TfrmGestionVendedores(owner, true); },
        QStringLiteral("SELECT * FROM VENDEDOR ORDER BY CODIGO"),
        "VerVendedor", QStringLiteral("Ver la ficha del vendedor"),
        [](QWidget *owner) { return new TfrmVendedor(owner, true); },
    });
    const Referencia formaPago = crearReferencia({
        "txtFormaPago", QStringLiteral("FORMA_PAGO"), "txtNFormaPago", QStringLiteral("NFORMAPAGO"),
        "BuscarFormaPago", QStringLiteral("Asignar una forma de pago al cliente"),
        [](QWidget *owner) { return new TfrmGestionFormasPago(owner, true); },
        QStringLiteral("SELECT * FROM FORMA_PAGO ORDER BY CODIGO"),
        "VerFormaPago", QStringLiteral("Ver la ficha de la forma de pago"),
        [](QWidget *owner) { return new TfrmFormaPago(owner, true); },
    });
    BuscarVendedor = vendedor.buscar;
    VerVendedor = vendedor.ver;
    BuscarFormaPago = formaPago.buscar;
    VerFormaPago = formaPago.ver;
    txtVendedor = vendedor.codigo;
    txtNVendedor = vendedor.nombre;
    txtFormaPago = formaPago.codigo;
    txtNFormaPago = formaPago.nombre;

    auto *pagina = new QWidget;
    chkRecargoEquivalencia = new fw::DBCheckBox(QStringLiteral("RECARGO EQUIVALENCIA"), datos(),
                                                QStringLiteral("RECARGO_EQUIVALENCIA"), pagina);
    chkRecargoEquivalencia->setObjectName(QStringLiteral("chkRecargoEquivalencia"));
    txtNCopias = nuevaCaja("txtNCopias", QStringLiteral("N_COPIAS"));
    txtSaldo = nuevaCaja("txtSaldo", QStringLiteral("SALDO"));
    auto *campos = new QFormLayout(pagina);
    campos->addRow(QStringLiteral("VENDEDOR"), vendedor.fila);
    campos->addRow(QStringLiteral("FORMA_PAGO"), formaPago.fila);
    campos->addRow(crearRegimenIva(pagina));
    campos->addRow(chkRecargoEquivalencia);
    campos->addRow(QStringLiteral("Nº COPIAS"), txtNCopias);
    campos->addRow(QStringLiteral("SALDO"), txtSaldo);
    PageControl1->addTab(pagina, QStringLiteral("CONDICIONES"));
}

// DIRECCIONES, PERSONAS, COMENTARIO and NOTAS, in this order.
void TfrmCliente::crearListas()
{
    crearSatelites(master::Satelite::Direcciones, QStringLiteral("DIRECCIONES"),
                   {"accDireccionNueva", "accDireccionModificar", "accDireccionEliminar", "accDireccionVer",
                    QStringLiteral("Añadir una direccion al cliente"),
                    QStringLiteral("Modificar la direccion del cliente"),
                    QStringLiteral("Eliminar la direccion del cliente"), QStringLiteral("Ver la direccion del cliente"),
                    QStringLiteral("¿Desea eliminar la direccion del cliente?"),
                    {"DESCRIPCION", "DIRECCION", "LOCALIDAD", "TELEFONO1", "TELEFONO2", "FAX"}});
    crearSatelites(master::Satelite::Personas, QStringLiteral("PERSONAS"),
                   {"accPersonasNueva", "accPersonasModificar", "accPersonasEliminar", "accPersonasVer",
                    QStringLiteral("Añadir una persona de contacto al cliente"),
                    QStringLiteral("Modificar la persona de contacto del cliente"),
                    QStringLiteral("Eliminar la persona de contacto del cliente"),
                    QStringLiteral("Ver la persona de contacto del cliente"),
                    QStringLiteral("¿Desea eliminar la persona de contacto del cliente?"),
                    {"NOMBRE", "NIF"}});
    crearComentario();
    crearSatelites(master::Satelite::Notas, QStringLiteral("NOTAS"),
                   {"accNotasNueva", "accNotasModificar", "accNotasEliminar", "accNotasVer",
                    QStringLiteral("Añadir una nota al cliente"), QStringLiteral("Modificar la nota del cliente"),
                    QStringLiteral("Eliminar lanota del cliente"), QStringLiteral("Ver la nota del cliente"),
                    QStringLiteral("¿Desea eliminar la Nota del cliente?"), {"FECHA", "ASUNTO"}});
}

// The balance is typed only when the customer is created.
void TfrmCliente::aplicarModo()
{
    TfrmTitular::aplicarModo();
    txtSaldo->setEnabled(modo() == Modo::Annadir);
}
