#include "TfrmAlmacen.h"

#include "TmdlAlmacenes.h"
#include "framework/widgets/BloquesFicha.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/Formularios.h"
#include "master/TfrmGestionResponsablesAlmacen.h"
#include "master/TfrmResponsableAlmacen.h"
#include "platform/dataset/RecordSet.h"
#include "widgets/RejillaStocks.h"

#include <QFormLayout>
#include <QTabWidget>
#include <QVBoxLayout>

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
    memComentario = fw::agregarPestanaComentario(PageControl1, datos(), QStringLiteral("COMENTARIO"));
}

void TfrmAlmacen::crearCabecera()
{
    QFormLayout *cabecera = crearCabeceraCodigo(txtCodigo, txtDescripcion);
    const Referencia responsable = crearReferencia({
        .caja = "txtResponsable",
        .columna = QStringLiteral("RESPONSABLE"),
        .cajaNombre = "txtNResponsable",
        .columnaNombre = QStringLiteral("NRESPONSABLE"),
        .buscar = "BuscarResponsable",
        .hintBuscar = QStringLiteral("Asignar un responsable al almacen"),
        .gestion = [](QWidget *o) { return new TfrmGestionResponsablesAlmacen(o, true); },
        .sqlGestion = TfrmGestionResponsablesAlmacen::sqlResponsablesAlmacen(),
        .ver = "VerResponsable",
        .hintVer = QStringLiteral("Ver la ficha del responsable"),
        .registro = [](QWidget *o) { return new TfrmResponsableAlmacen(o, true); },
        .nombreTrasCodigo = true,
        .botonesConFoco = false,
    });
    txtResponsable = responsable.codigo;
    txtNResponsable = responsable.nombre;
    BuscarResponsable = responsable.buscar;
    VerResponsable = responsable.ver;

    cabecera->addRow(QStringLiteral("RESPONSABLE"), responsable.fila);
}

void TfrmAlmacen::crearDireccion()
{
    fw::agregarDomicilio(fw::agregarPestana(PageControl1, QStringLiteral("DIRECCION")), datos(), this,
                         {&txtDireccion, &txtLocalidad, &txtCodigoPostal, &txtProvincia, &txtTelefono1, &txtTelefono2,
                          &txtFax, &txtEmail},
                         {QStringLiteral("CODIGO_POSTAL"), "txtCodigoPostal"});
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
