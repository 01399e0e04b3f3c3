#include "TfrmAlmacen.h"

#include "TmdlAlmacenes.h"
#include "framework/widgets/BotonEnlace.h"
#include "framework/widgets/DBEdit.h"
#include "master/TfrmGestionResponsablesAlmacen.h"
#include "master/TfrmResponsableAlmacen.h"
#include "platform/dataset/RecordSet.h"
#include "widgets/Fichas.h"
#include "widgets/RejillaStocks.h"

#include <QFormLayout>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using almacen::enFila;

namespace {

DescripcionRegistro descripcionAlmacen()
{
    return {
        .caption = QStringLiteral("DATOS DE ALMACEN"),
        .titulo = QStringLiteral("ALMACEN"),
        .tabla = QStringLiteral("ALMACEN"),
    };
}

} // namespace

TfrmAlmacen::TfrmAlmacen(QWidget *owner, bool modal, TmdlAlmacenes *modulo)
    : TfrmRegistro(owner, modal, modulo != nullptr, descripcionAlmacen()),
      mdlAlmacenes(modulo ? modulo : new TmdlAlmacenes(this))
{
    setObjectName(QStringLiteral("TfrmAlmacen"));
    setDatos(mdlAlmacenes->Almacenes);
    crearCabecera();
    crearDireccion();
    crearStocks();
    memComentario = almacen::agregarPestanaComentario(PageControl1, datos(), QStringLiteral("COMENTARIO"));
    setCajaCodigo(txtCodigo);
}

void TfrmAlmacen::crearCabecera()
{
    txtCodigo = nuevaCaja("txtCodigo", QStringLiteral("CODIGO"));
    txtDescripcion = nuevaCaja("txtDescripcion", QStringLiteral("DESCRIPCION"));
    txtResponsable = nuevaCaja("txtResponsable", QStringLiteral("RESPONSABLE"));
    txtNResponsable = almacen::cajaDeSoloLectura(datos(), QStringLiteral("NRESPONSABLE"), "txtNResponsable", this);
    QToolButton *buscar = almacen::botonDeCodigo("btnBuscarResponsable", this);
    QToolButton *ver = almacen::botonDeCodigo("btnVerResponsable", this);
    BuscarResponsable = agregarBuscar(
        buscar, "BuscarResponsable", QStringLiteral("Asignar un responsable al almacen"), QStringLiteral("RESPONSABLE"),
        [](QWidget *o) { return new TfrmGestionResponsablesAlmacen(o, true); },
        TfrmGestionResponsablesAlmacen::sqlResponsablesAlmacen());
    VerResponsable =
        agregarVer(ver, "VerResponsable", QStringLiteral("Ver la ficha del responsable"), QStringLiteral("RESPONSABLE"),
                   [](QWidget *o) { return new TfrmResponsableAlmacen(o, true); });

    auto *cabecera = new QFormLayout;
    cabecera->addRow(QStringLiteral("CODIGO"), txtCodigo);
    cabecera->addRow(QStringLiteral("DESCRIPCION"), txtDescripcion);
    cabecera->addRow(QStringLiteral("RESPONSABLE"), enFila({txtResponsable, txtNResponsable, buscar, ver}));
    cuerpo()->addLayout(cabecera);
}

void TfrmAlmacen::crearDireccion()
{
    txtDireccion = nuevaCaja("txtDireccion", QStringLiteral("DIRECCION"));
    txtLocalidad = nuevaCaja("txtLocalidad", QStringLiteral("LOCALIDAD"));
    txtCodigoPostal = nuevaCaja("txtCodigoPostal", QStringLiteral("CODIGO_POSTAL"));
    txtProvincia = nuevaCaja("txtProvincia", QStringLiteral("PROVINCIA"));
    txtTelefono1 = nuevaCaja("txtTelefono1", QStringLiteral("TELEFONO1"));
    txtTelefono2 = nuevaCaja("txtTelefono2", QStringLiteral("TELEFONO2"));
    txtFax = nuevaCaja("txtFax", QStringLiteral("FAX"));
    txtEmail = nuevaCaja("txtEmail", QStringLiteral("EMAIL"));
    auto *btnEmail = fw::BotonEnlace::email(txtEmail, this);
    btnEmail->setObjectName(QStringLiteral("btnEmail"));

    QFormLayout *direccion = almacen::agregarPestana(PageControl1, QStringLiteral("DIRECCION"));
    direccion->addRow(QStringLiteral("DIRECCION"), txtDireccion);
    direccion->addRow(QStringLiteral("LOCALIDAD"), txtLocalidad);
    direccion->addRow(QStringLiteral("COD.POSTAL"), txtCodigoPostal);
    direccion->addRow(QStringLiteral("PROVINCIA"), txtProvincia);
    direccion->addRow(QStringLiteral("TELEFONO/s"), enFila({txtTelefono1, txtTelefono2}));
    direccion->addRow(QStringLiteral("FAX"), txtFax);
    direccion->addRow(QStringLiteral("EMAIL"), enFila({txtEmail, btnEmail}));
}

void TfrmAlmacen::crearStocks()
{
    auto *pagina = new QWidget;
    grdStocks = new almacen::RejillaStocks(
        QStringLiteral("ALMACEN"), {QStringLiteral("ARTICULO"), QStringLiteral("NARTICULO"), QStringLiteral("STOCK")},
        pagina);
    grdStocks->setObjectName(QStringLiteral("grdStocks"));
    auto *layout = new QVBoxLayout(pagina);
    layout->addWidget(grdStocks);
    PageControl1->addTab(pagina, QStringLiteral("STOCKS"));
}

void TfrmAlmacen::showEvent(QShowEvent *event)
{
    TfrmRegistro::showEvent(event);
    grdStocks->cargar(datos().value(QStringLiteral("CODIGO")).toString());
}
