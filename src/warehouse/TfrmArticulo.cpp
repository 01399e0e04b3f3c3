#include "TfrmArticulo.h"

#include "TfrmFamilia.h"
#include "TfrmGestionFamilias.h"
#include "TmdlArticulos.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBImage.h"
#include "framework/widgets/Formularios.h"
#include "master/TfrmGestionProveedores.h"
#include "master/TfrmProveedor.h"
#include "platform/dataset/RecordSet.h"
#include "framework/widgets/DBComboBox.h"
#include "widgets/RejillaStocks.h"

#include <QFormLayout>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

DescripcionRegistro descripcionArticulo()
{
    return {
        .caption = QStringLiteral("DATOS DE ARTICULO"),
        .titulo = QStringLiteral("ARTICULO"),
        .tabla = QStringLiteral("ARTICULO"),
    };
}

} // namespace

TfrmArticulo::TfrmArticulo(QWidget *owner, bool modal, TmdlArticulos *modulo)
    : TfrmRegistro(owner, modal, modulo != nullptr, descripcionArticulo()),
      mdlArticulos(modulo ? modulo : new TmdlArticulos(this))
{
    setObjectName(QStringLiteral("TfrmArticulo"));
    setDatos(mdlArticulos->Articulos);
    crearCabecera();
    crearGeneral();
    crearCompra();
    crearAlmacen();
    crearVenta();
    crearImagen();
    memObservaciones = fw::agregarPestanaComentario(PageControl1, datos());
}

void TfrmArticulo::crearCabecera()
{
    QFormLayout *cabecera = crearCabeceraCodigo(txtCodigo, txtDescripcion);
    txtCodigoBarras = nuevaCaja("txtCodigoBarras", QStringLiteral("CODIGO_BARRAS"));
    cabecera->addRow(QStringLiteral("COD. BARRAS"), txtCodigoBarras);
}

void TfrmArticulo::crearGeneral()
{
    cmbTipoIva = new fw::DBComboBox(datos(), QStringLiteral("P_IVA"), fw::DBComboBox::tiposIva(), this);
    cmbTipoIva->setObjectName(QStringLiteral("cmbTipoIva"));
    const Referencia familia = crearReferencia({
        .caja = "txtFamilia",
        .columna = QStringLiteral("FAMILIA"),
        .cajaNombre = "txtNFamilia",
        .columnaNombre = QStringLiteral("NFAMILIA"),
        .buscar = "BuscarFamilia",
        .hintBuscar = QStringLiteral("Asignar una familia existente al articulo"),
        .gestion = [](QWidget *o) { return new TfrmGestionFamilias(o, true); },
        .sqlGestion = TfrmGestionFamilias::kSqlFamilias,
        .ver = "VerFamilia",
        .hintVer = QStringLiteral("Ver la ficha de la  familia"),
        .registro = [](QWidget *o) { return new TfrmFamilia(o, true); },
        .nombreTrasCodigo = true,
        .botonesConFoco = false,
    });
    txtFamilia = familia.codigo;
    txtNFamilia = familia.nombre;
    BuscarFamilia = familia.buscar;
    VerFamilia = familia.ver;

    QFormLayout *general = fw::agregarPestana(PageControl1, QStringLiteral("GENERAL"));
    general->addRow(QStringLiteral("TIPO IVA"), cmbTipoIva);
    general->addRow(QStringLiteral("FAMILIA"), familia.fila);
}

void TfrmArticulo::crearCompra()
{
    txtPrecioCompra = nuevaCaja("txtPrecioCompra", QStringLiteral("PRECIO_COMPRA"));
    const Referencia proveedor = crearReferencia({
        .caja = "txtProveedor",
        .columna = QStringLiteral("PROVEEDOR"),
        .cajaNombre = "txtNProveedor",
        .columnaNombre = QStringLiteral("NPROVEEDOR"),
        .buscar = "BuscarProveedor",
        .hintBuscar = QStringLiteral("Asginar un proveedor existente al articulo"),
        .gestion = [](QWidget *o) { return new TfrmGestionProveedores(o, true); },
        .sqlGestion = TfrmGestionProveedores::kSqlProveedores,
        .ver = "VerProveedor",
        .hintVer = QStringLiteral("Ver la ficha del proveedor"),
        .registro = [](QWidget *o) { return new TfrmProveedor(o, true); },
        .nombreTrasCodigo = true,
        .botonesConFoco = false,
    });
    txtProveedor = proveedor.codigo;
    txtNProveedor = proveedor.nombre;
    BuscarProveedor = proveedor.buscar;
    VerProveedor = proveedor.ver;
    txtCodigoProveedor = nuevaCaja("txtCodigoProveedor", QStringLiteral("CODIGO_PROVEEDOR"));
    txtDescripcionProveedor = nuevaCaja("txtDescripcionProveedor", QStringLiteral("DESCRIPCION_PROVEEDOR"));
    txtCodigoBarrasProveedor = nuevaCaja("txtCodigoBarrasProveedor", QStringLiteral("CODIGO_BARRAS_PROVEEDOR"));
    txtFechaUltCompra = nuevaCaja("txtFechaUltCompra", QStringLiteral("FECHA_ULT_COMPRA"));

    QFormLayout *compra = fw::agregarPestana(PageControl1, QStringLiteral("COMPRA"));
    compra->addRow(QStringLiteral("PRECIO_COMPRA"), txtPrecioCompra);
    compra->addRow(QStringLiteral("PROVEEDOR"), proveedor.fila);
    compra->addRow(QStringLiteral("CODIGO_PROVEEDOR"), txtCodigoProveedor);
    compra->addRow(QStringLiteral("DESCRIPCION_PROVEEDOR"), txtDescripcionProveedor);
    compra->addRow(QStringLiteral("CODIGO_BARRAS_PROVEEDOR"), txtCodigoBarrasProveedor);
    compra->addRow(QStringLiteral("FECHA ULTIMA COMPRA"), txtFechaUltCompra);
}

void TfrmArticulo::crearAlmacen()
{
    txtStock = cajaSoloLectura("txtStock", QStringLiteral("STOCK"));
    txtMinimo = nuevaCaja("txtMinimo", QStringLiteral("MINIMO"));
    txtMaximo = nuevaCaja("txtMaximo", QStringLiteral("MAXIMO"));
    txtPdteRecibir = cajaSoloLectura("txtPdteRecibir", QStringLiteral("PDTE_RECIBIR"));
    txtPdteEntregar = cajaSoloLectura("txtPdteEntregar", QStringLiteral("PDTE_ENTREGAR"));
    grdStocks = new almacen::RejillaStocks(
        QStringLiteral("ARTICULO"), {QStringLiteral("ALMACEN"), QStringLiteral("NALMACEN"), QStringLiteral("STOCK")},
        this);
    grdStocks->setObjectName(QStringLiteral("grdStocks"));

    QFormLayout *pagina = fw::agregarPestana(PageControl1, QStringLiteral("ALMACEN"));
    pagina->addRow(QStringLiteral("STOCK"), txtStock);
    pagina->addRow(QStringLiteral("MINIMO"), txtMinimo);
    pagina->addRow(QStringLiteral("MAXIMO"), txtMaximo);
    pagina->addRow(QStringLiteral("PDTE RECIBIR"), txtPdteRecibir);
    pagina->addRow(QStringLiteral("PDTE ENTREGAR"), txtPdteEntregar);
    pagina->addRow(grdStocks);
}

void TfrmArticulo::crearVenta()
{
    txtMargen = nuevaCaja("txtMargen", QStringLiteral("MARGEN"));
    txtPrecioVenta = nuevaCaja("txtPrecioVenta", QStringLiteral("PRECIO_VENTA"));
    QFormLayout *venta = fw::agregarPestana(PageControl1, QStringLiteral("VENTA"));
    venta->addRow(QStringLiteral("MARGEN"), txtMargen);
    venta->addRow(QStringLiteral("PVP"), txtPrecioVenta);
}

void TfrmArticulo::crearImagen()
{
    auto *pagina = new QWidget;
    imgImagen = new fw::DBImage(datos(), QStringLiteral("IMAGEN"), pagina);
    imgImagen->setObjectName(QStringLiteral("imgImagen"));
    auto *layout = new QVBoxLayout(pagina);
    layout->addWidget(imgImagen);
    PageControl1->addTab(pagina, QStringLiteral("IMAGEN"));
}

void TfrmArticulo::showEvent(QShowEvent *event)
{
    TfrmRegistro::showEvent(event);
    grdStocks->cargar(datos().value(QStringLiteral("CODIGO")).toString());
}
