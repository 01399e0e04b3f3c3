#include "TfrmProveedor.h"

#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBRadioGroup.h"
#include "master/TfrmFormaPago.h"
#include "master/TfrmGestionFormasPago.h"
#include "master/TfrmGestionResponsablesCompras.h"
#include "master/TfrmResponsableCompras.h"
#include "master/TmdlProveedores.h"
#include "framework/widgets/Formularios.h"
#include "master/widgets/PestanaSatelites.h"
#include "platform/dataset/RecordSet.h"
#include "warehouse/TfrmGestionArticulos.h"

#include <QAction>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

DescripcionTitular descripcionProveedor()
{
    return {
        .registro = {.caption = QStringLiteral("DATOS DE PROVEEDOR"),
                     .titulo = QStringLiteral("PROVEEDOR"),
                     .tabla = QStringLiteral("PROVEEDOR")},
        .tipoDe = master::kTipoProveedor,
        .ordenAplicar = {master::Satelite::Personas, master::Satelite::Notas, master::Satelite::Direcciones},
        .columnaCif = QStringLiteral("CIF"),
        .columnaPostal = QStringLiteral("COD_POSTAL"),
        .columnaDocumentos = QStringLiteral("PROVEEDOR"),
        .documentos = &master::documentosProveedor(),
    };
}

} // namespace

TfrmProveedor::TfrmProveedor(QWidget *owner, bool modal, TmdlProveedores *modulo)
    : TfrmTitular(owner, modal, modulo != nullptr, descripcionProveedor()),
      mdlProveedores(modulo ? modulo : new TmdlProveedores(this))
{
    setObjectName(QStringLiteral("TfrmProveedor"));
    iniciar(mdlProveedores->Proveedores);
    crearDomicilio();
    crearCondiciones();
    crearListas();
    setVerArticulos([this](const QString &proveedor) { TfrmGestionArticulos::VerArticulosDe(this, proveedor); });
}

void TfrmProveedor::crearCondiciones()
{
    const Referencia responsable = crearReferencia({
        "txtResponsable", QStringLiteral("RESPONSABLE"), "txtNResponsable", QStringLiteral("NRESPONSABLE"),
        "BuscarResponsable", QStringLiteral("Asignar un responsable de Compras existente al proveedor"),
        [](QWidget *owner) { return new TfrmGestionResponsablesCompras(owner, true); },
        QStringLiteral("SELECT * FROM RESPONSABLE_COMPRAS ORDER BY CODIGO"),
        "VerResponsable", QStringLiteral("Ver la ficha del responsable del proveedor"),
        [](QWidget *owner) { return new TfrmResponsableCompras(owner, true); },
    });
    const Referencia formaPago = crearReferencia({
        "txtFormaPago", QStringLiteral("FORMA_PAGO"), "txtNFormaPago", QStringLiteral("NFORMAPAGO"),
        "BuscarFormaPago", QStringLiteral("Asignar una forma de pago existente al proveedor"),
        [](QWidget *owner) { return new TfrmGestionFormasPago(owner, true); },
        QStringLiteral("SELECT * FROM FORMA_PAGO ORDER BY CODIGO"),
        "VerFormaPago", QStringLiteral("Ver la ficha de la forma de pago"),
        [](QWidget *owner) { return new TfrmFormaPago(owner, true); },
    });
    txtResponsable = responsable.codigo;
    txtNResponsable = responsable.nombre;
    BuscarResponsable = responsable.buscar;
    VerResponsable = responsable.ver;
    txtFormaPago = formaPago.codigo;
    txtNFormaPago = formaPago.nombre;
    BuscarFormaPago = formaPago.buscar;
    VerFormaPago = formaPago.ver;
    m_botonesBuscar = {responsable.btnBuscar, formaPago.btnBuscar};

    txtCodigoCliente = nuevaCaja("txtCodigoCliente", QStringLiteral("CODIGO_CLIENTE"));
    txtInicioVacaciones = nuevaCaja("txtInicioVacaciones", QStringLiteral("INICIO_VACACIONES"));
    txtFinVacaciones = nuevaCaja("txtFinVacaciones", QStringLiteral("FIN_VACACIONES"));
    txtDtoEspecial = nuevaCaja("txtDtoEspecial", QStringLiteral("DTO_ESPECIAL"));
    txtDtoPP = nuevaCaja("txtDtoPP", QStringLiteral("DTO_PP"));
    txtDiasReposicion = nuevaCaja("txtDiasReposicion", QStringLiteral("DIAS_REPOSICION"));
    auto *btnArticulos = new QPushButton(QStringLiteral("Articulos"), this);
    btnArticulos->setObjectName(QStringLiteral("btnArticulos"));
    btnArticulos->setAutoDefault(false);
    VerArticulos = new QAction(QStringLiteral("Articulos"), this);
    VerArticulos->setObjectName(QStringLiteral("VerArticulos"));
    VerArticulos->setToolTip(QStringLiteral("Ver los Articulos del Provedor"));
    VerArticulos->setStatusTip(VerArticulos->toolTip());
    VerArticulos->setEnabled(false);
    connect(btnArticulos, &QPushButton::clicked, VerArticulos, &QAction::trigger);
    connect(VerArticulos, &QAction::changed, btnArticulos, [this, btnArticulos] {
        btnArticulos->setEnabled(VerArticulos->isEnabled());
        btnArticulos->setToolTip(VerArticulos->toolTip());
    });
    btnArticulos->setEnabled(false);
    btnArticulos->setToolTip(VerArticulos->toolTip());
    connect(VerArticulos, &QAction::triggered, this, [this] {
        if (m_verArticulos)
            m_verArticulos(datos().value(QStringLiteral("CODIGO")).toString().trimmed());
    });

    auto *pagina = new QWidget;
    auto *campos = new QFormLayout(pagina);
    campos->addRow(QStringLiteral("CODIGO CLIENTE"), txtCodigoCliente);
    campos->addRow(QStringLiteral("VACACIONES"),
                   fw::enFila({txtInicioVacaciones, new QLabel(QStringLiteral("-"), pagina), txtFinVacaciones}));
    campos->addRow(QStringLiteral("DTO. ESPECIAL"), txtDtoEspecial);
    campos->addRow(QStringLiteral("DTO. PRONTO PAGO"), txtDtoPP);
    campos->addRow(QStringLiteral("RESPONSABLE"), responsable.fila);
    campos->addRow(QStringLiteral("FORMA PAGO"), formaPago.fila);
    campos->addRow(crearRegimenIva(pagina));
    campos->addRow(QStringLiteral("DIAS REPOSICION"), txtDiasReposicion);
    campos->addRow(btnArticulos);
    PageControl1->addTab(pagina, QStringLiteral("CONDICIONES"));
}

// DIRECCIONES, PERSONAS CONTACTO, BANCO, DOCUMENTOS, COMENTARIO and NOTAS, in this order.
void TfrmProveedor::crearListas()
{
    crearSatelites(master::Satelite::Direcciones, QStringLiteral("DIRECCIONES"),
                   {"DireccionesNueva", "DireccionesModificar", "DireccionesEliminar", "DireccionesVer",
                    QStringLiteral("Añadir una direccion al proveedor"),
                    QStringLiteral("Modificar la dirección del proveedor"),
                    QStringLiteral("Eliminar la dirección de proveedor"),
                    QStringLiteral("Ver la direccion del proveedor"),
                    QStringLiteral("¿Desea eliminar la direccion del proveedor?"),
                    {"DESCRIPCION", "DIRECCION", "TELEFONO1", "TELEFONO2", "FAX"}});
    crearSatelites(master::Satelite::Personas, QStringLiteral("PERSONAS CONTACTO"),
                   {"PersonasNueva", "PersonasModificar", "PersonasEliminar", "PersonasVer",
                    QStringLiteral("ñadir una persona de contacto al proveedor"),
                    QStringLiteral("Modificar la pesona de contacto del proveedor"),
                    QStringLiteral("Eliminar una persona de contacto al proveedor"),
                    QStringLiteral("Ver la persona de contacto del proveedor"),
                    QStringLiteral("¿Desea eliminar la persona de contacto del proveedor?"),
                    {"NOMBRE", "NIF"}});
    crearBanco();
    crearDocumentos();
    crearComentario();
    crearSatelites(master::Satelite::Notas, QStringLiteral("NOTAS"),
                   {"NotasNueva", "NotasModificar", "NotasEliminar", "NotasVer",
                    QStringLiteral("Añadir una nota al proveedor"), QStringLiteral("Modificar la nota del proveedor"),
                    QStringLiteral("Eliminar la nota del proveedor"), QStringLiteral("Ver la nota del proveedor"),
                    QStringLiteral("¿Desea eliminar la nota del proveedor?"), {"FECHA", "ASUNTO"}});
}

void TfrmProveedor::setVerArticulos(std::function<void(const QString &proveedor)> abrir)
{
    m_verArticulos = std::move(abrir);
    aplicarModo();
}

// In view mode the search buttons are not greyed but gone.
void TfrmProveedor::aplicarModo()
{
    TfrmTitular::aplicarModo();
    for (QWidget *boton : m_botonesBuscar)
        boton->setVisible(modo() != Modo::Ver);
    for (QAction *buscar : {BuscarResponsable, BuscarFormaPago})
        buscar->setVisible(modo() != Modo::Ver);
    VerArticulos->setEnabled(m_verArticulos && modo() != Modo::Annadir);
}
