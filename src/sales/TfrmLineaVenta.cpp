#include "TfrmLineaVenta.h"

#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBMemo.h"
#include "framework/widgets/Formularios.h"
#include "platform/dataset/RecordSet.h"
#include "framework/widgets/DBComboBox.h"
#include "warehouse/TfrmArticulo.h"
#include "warehouse/TfrmGestionArticulos.h"

#include <QAction>
#include <QFormLayout>
#include <QShowEvent>
#include <QToolButton>

TfrmLineaVenta::TfrmLineaVenta(QWidget *owner, bool modal, bool moduloCompartido,
                               const DescripcionLineaVenta &descripcion)
    : TfrmRegistro(owner, modal, moduloCompartido,
                   {.caption = descripcion.caption,
                    .titulo = descripcion.titulo,
                    .tabla = descripcion.tabla,
                    .codigoNumerico = true}),
      m_columnaIva(descripcion.columnaIva)
{
}

void TfrmLineaVenta::iniciar(ds::RecordSet &lineas)
{
    setDatos(lineas);
    txtArticulo = nuevaCaja("txtArticulo", QStringLiteral("ARTICULO"));
    txtDescripcion = nuevaCaja("txtDescripcion", QStringLiteral("DESCRIPCION"));
    txtCantidad = nuevaCaja("txtCantidad", QStringLiteral("CANTIDAD"));
    txtPrecio = nuevaCaja("txtPrecio", QStringLiteral("PRECIO"));
    txtDescuento = nuevaCaja("txtDescuento", QStringLiteral("DESCUENTO"));
    txtImporte = cajaSoloLectura("txtImporte", QStringLiteral("IMPORTE")); // from price, quantity and discount
    memObservaciones = new fw::DBMemo(lineas, QStringLiteral("OBSERVACIONES"), this);
    memObservaciones->setObjectName(QStringLiteral("memObservaciones"));
    cmbIva = new fw::DBComboBox(lineas, m_columnaIva, fw::DBComboBox::tiposIva(), this);
    cmbIva->setObjectName(QStringLiteral("cmbIva"));

    auto *campos = new QFormLayout;
    campos->addRow(QStringLiteral("ARTICULO"), crearArticulo());
    campos->addRow(QStringLiteral("DESCRIPCION"), txtDescripcion);
    campos->addRow(QStringLiteral("UDS"), txtCantidad);
    campos->addRow(QStringLiteral("PRECIO"), txtPrecio);
    campos->addRow(QStringLiteral("DESCUENTO"), txtDescuento);
    campos->addRow(QStringLiteral("IMPORTE"), txtImporte);
    campos->addRow(QStringLiteral("IVA"), cmbIva);
    campos->addRow(QStringLiteral("OBSERVACIONES"), memObservaciones);
    cuerpo()->addLayout(campos);
}

QHBoxLayout *TfrmLineaVenta::crearArticulo()
{
    btnBuscarArticulo = new QToolButton(this);
    btnBuscarArticulo->setObjectName(QStringLiteral("btnBuscarArticulo"));
    auto *btnVerArticulo = new QToolButton(this);
    btnVerArticulo->setObjectName(QStringLiteral("btnVerArticulo"));
    BuscarArticulo = agregarBuscar(
        btnBuscarArticulo, "BuscarArticulo", QStringLiteral("Asignar Articulo"), QStringLiteral("ARTICULO"),
        [](QWidget *owner) { return new TfrmGestionArticulos(owner, true); }, TfrmGestionArticulos::kSqlArticulos);
    VerArticulo = agregarVer(btnVerArticulo, "VerArticulo", QStringLiteral("Ver ficha articulo"),
                             QStringLiteral("ARTICULO"), [](QWidget *owner) { return new TfrmArticulo(owner, true); });
    return fw::enFila({txtArticulo, btnBuscarArticulo, btnVerArticulo});
}

// A modified line that names an article keeps it.
void TfrmLineaVenta::showEvent(QShowEvent *event)
{
    TfrmRegistro::showEvent(event);
    if (event->spontaneous())
        return;
    const bool fijo =
        modo() == Modo::Modificar && !datos().value(QStringLiteral("ARTICULO")).toString().trimmed().isEmpty();
    txtArticulo->setEnabled(!fijo);
    btnBuscarArticulo->setVisible(!fijo);
    BuscarArticulo->setVisible(!fijo);
}
