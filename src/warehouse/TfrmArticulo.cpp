#include "TfrmArticulo.h"

#include "TfrmFamilia.h"
#include "TfrmGestionFamilias.h"
#include "TmdlArticulos.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBImage.h"
#include "master/TfrmGestionProveedores.h"
#include "master/TfrmProveedor.h"
#include "platform/dataset/RecordSet.h"
#include "framework/widgets/DBComboBox.h"
#include "widgets/Fichas.h"
#include "widgets/RejillaStocks.h"

#include <QFormLayout>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using almacen::enFila;

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
    memObservaciones = almacen::agregarPestanaComentario(PageControl1, datos(), QStringLiteral("OBSERVACIONES"));
    setCajaCodigo(txtCodigo);
}

void TfrmArticulo::crearCabecera()
{
    txtCodigo = nuevaCaja("txtCodigo", QStringLiteral("CODIGO"));
    txtDescripcion = nuevaCaja("txtDescripcion", QStringLiteral("DESCRIPCION"));
    txtCodigoBarras = nuevaCaja("txtCodigoBarras", QStringLiteral("CODIGO_BARRAS"));
    auto *cabecera = new QFormLayout;
    cabecera->addRow(QStringLiteral("CODIGO"), txtCodigo);
    cabecera->addRow(QStringLiteral("DESCRIPCION"), txtDescripcion);
    cabecera->addRow(QStringLiteral("COD. BARRAS"), txtCodigoBarras);
    cuerpo()->addLayout(cabecera);
}

void TfrmArticulo::crearGeneral()
{
    cmbTipoIva = new fw::DBComboBox(datos(), QStringLiteral("P_IVA"), fw::DBComboBox::tiposIva(), this);
    cmbTipoIva->setObjectName(QStringLiteral("cmbTipoIva"));
    txtFamilia = nuevaCaja("txtFamilia", QStringLiteral("FAMILIA"));
    txtNFamilia = almacen::cajaDeSoloLectura(datos(), QStringLiteral("NFAMILIA"), "txtNFamilia", this);
    QToolButton *buscar = almacen::botonDeCodigo("btnBuscarFamilia", this);
    QToolButton *ver = almacen::botonDeCodigo("btnVerFamilia", this);
    BuscarFamilia = agregarBuscar(
        buscar, "BuscarFamilia", QStringLiteral("Asignar una familia existente al articulo"), QStringLiteral("FAMILIA"),
        [](QWidget *o) { return new TfrmGestionFamilias(o, true); }, TfrmGestionFamilias::kSqlFamilias);
    VerFamilia = agregarVer(ver, "VerFamilia", QStringLiteral("Ver la ficha de la  familia"), QStringLiteral("FAMILIA"),
                            [](QWidget *o) { return new TfrmFamilia(o, true); });

    QFormLayout *general = almacen::agregarPestana(PageControl1, QStringLiteral("GENERAL"));
    general->addRow(QStringLiteral("TIPO IVA"), cmbTipoIva);
    general->addRow(QStringLiteral("FAMILIA"), enFila({txtFamilia, txtNFamilia, buscar, ver}));
}

void TfrmArticulo::crearCompra()
{
    txtPrecioCompra = nuevaCaja("txtPrecioCompra", QStringLiteral("PRECIO_COMPRA"));
    txtProveedor = nuevaCaja("txtProveedor", QStringLiteral("PROVEEDOR"));
    txtNProveedor = almacen::cajaDeSoloLectura(datos(), QStringLiteral("NPROVEEDOR"), "txtNProveedor", this);
    QToolButton *buscar = almacen::botonDeCodigo("btnBuscarProveedor", this);
    QToolButton *ver = almacen::botonDeCodigo("btnVerProveedor", this);
    BuscarProveedor = agregarBuscar(
        buscar, "BuscarProveedor", QStringLiteral("Asginar un proveedor existente al articulo"),
        QStringLiteral("PROVEEDOR"), [](QWidget *o) { return new TfrmGestionProveedores(o, true); },
        TfrmGestionProveedores::kSqlProveedores);
    VerProveedor = agregarVer(ver, "VerProveedor", QStringLiteral("Ver la ficha del proveedor"),
                              QStringLiteral("PROVEEDOR"), [](QWidget *o) { return new TfrmProveedor(o, true); });
    txtCodigoProveedor = nuevaCaja("txtCodigoProveedor", QStringLiteral("CODIGO_PROVEEDOR"));
    txtDescripcionProveedor = nuevaCaja("txtDescripcionProveedor", QStringLiteral("DESCRIPCION_PROVEEDOR"));
    txtCodigoBarrasProveedor = nuevaCaja("txtCodigoBarrasProveedor", QStringLiteral("CODIGO_BARRAS_PROVEEDOR"));
    txtFechaUltCompra = nuevaCaja("txtFechaUltCompra", QStringLiteral("FECHA_ULT_COMPRA"));

    QFormLayout *compra = almacen::agregarPestana(PageControl1, QStringLiteral("COMPRA"));
    compra->addRow(QStringLiteral("PRECIO_COMPRA"), txtPrecioCompra);
    compra->addRow(QStringLiteral("PROVEEDOR"), enFila({txtProveedor, txtNProveedor, buscar, ver}));
    compra->addRow(QStringLiteral("CODIGO_PROVEEDOR"), txtCodigoProveedor);
    compra->addRow(QStringLiteral("DESCRIPCION_PROVEEDOR"), txtDescripcionProveedor);
    compra->addRow(QStringLiteral("CODIGO_BARRAS_PROVEEDOR"), txtCodigoBarrasProveedor);
    compra->addRow(QStringLiteral("FECHA ULTIMA COMPRA"), txtFechaUltCompra);
}

void TfrmArticulo::crearAlmacen()
{
    txtStock = almacen::cajaDeSoloLectura(datos(), QStringLiteral("STOCK"), "txtStock", this);
    txtMinimo = nuevaCaja("txtMinimo", QStringLiteral("MINIMO"));
    txtMaximo = nuevaCaja("txtMaximo", QStringLiteral("MAXIMO"));
    txtPdteRecibir = almacen::cajaDeSoloLectura(datos(), QStringLiteral("PDTE_RECIBIR"), "txtPdteRecibir", this);
    txtPdteEntregar = almacen::cajaDeSoloLectura(datos(), QStringLiteral("PDTE_ENTREGAR"), "txtPdteEntregar", this);
    grdStocks = new almacen::RejillaStocks(
        QStringLiteral("ARTICULO"), {QStringLiteral("ALMACEN"), QStringLiteral("NALMACEN"), QStringLiteral("STOCK")},
        this);
    grdStocks->setObjectName(QStringLiteral("grdStocks"));

    QFormLayout *pagina = almacen::agregarPestana(PageControl1, QStringLiteral("ALMACEN"));
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
    QFormLayout *venta = almacen::agregarPestana(PageControl1, QStringLiteral("VENTA"));
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
