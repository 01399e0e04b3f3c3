#include "TfrmMovimientoAlmacen.h"

#include "TfrmAlmacen.h"
#include "TfrmArticulo.h"
#include "TfrmGestionAlmacenes.h"
#include "TfrmGestionArticulos.h"
#include "TmdlMovimientosAlmacen.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/Formularios.h"
#include "framework/widgets/DBRadioGroup.h"

#include <QAction>
#include <QFormLayout>
#include <QToolButton>

using fw::enFila;

namespace {

DescripcionRegistro descripcionMovimiento()
{
    return {
        .caption = QStringLiteral("MOVIMIENTO DE ALMACEN"),
        .titulo = QStringLiteral("MOVIMIENTO DE ALMACEN"),
        .tabla = QStringLiteral("MOVIMIENTO_ALMACEN"),
        .codigoNumerico = true,
    };
}

} // namespace

TfrmMovimientoAlmacen::TfrmMovimientoAlmacen(QWidget *owner, bool modal, TmdlMovimientosAlmacen *modulo)
    : TfrmRegistro(owner, modal, modulo != nullptr, descripcionMovimiento()),
      mdlMovimientosAlmacen(modulo ? modulo : new TmdlMovimientosAlmacen(this))
{
    setObjectName(QStringLiteral("TfrmMovimientoAlmacen"));
    setDatos(mdlMovimientosAlmacen->MovimientosAlmacen);
    txtFecha = nuevaCaja("txtFecha", QStringLiteral("FECHA"));
    txtCausa = nuevaCaja("txtCausa", QStringLiteral("CAUSA"));
    txtAlmacen = nuevaCaja("txtAlmacen", QStringLiteral("ALMACEN"));
    txtArticulo = nuevaCaja("txtArticulo", QStringLiteral("ARTICULO"));
    txtCantidad = nuevaCaja("txtCantidad", QStringLiteral("CANTIDAD"));
    txtValor = nuevaCaja("txtValor", QStringLiteral("VALOR"));
    rgTipo = new fw::DBRadioGroup(QStringLiteral("TIPO"), datos(), QStringLiteral("TIPO"),
                                  {{QStringLiteral("ENTRADA"), QStringLiteral("E")},
                                   {QStringLiteral("SALIDA"), QStringLiteral("S")}},
                                  this);
    rgTipo->setObjectName(QStringLiteral("rgTipo"));

    m_buscarAlmacen = fw::botonDeCodigo("btnBuscarAlmacen", this);
    QToolButton *verAlmacen = fw::botonDeCodigo("btnVerAlmacen", this);
    BuscarAlmacen = agregarBuscar(
        m_buscarAlmacen, "BuscarAlmacen", QStringLiteral("Asignar un almacen al movimiento"), QStringLiteral("ALMACEN"),
        [](QWidget *o) { return new TfrmGestionAlmacenes(o, true); }, TfrmGestionAlmacenes::kSqlAlmacenes);
    accVerAlmacen = agregarVer(verAlmacen, "accVerAlmacen", QStringLiteral("Ver la ficha del almacen"),
                               QStringLiteral("ALMACEN"), [](QWidget *o) { return new TfrmAlmacen(o, true); });
    m_buscarArticulo = fw::botonDeCodigo("btnBuscarArticulo", this);
    QToolButton *verArticulo = fw::botonDeCodigo("btnVerArticulo", this);
    BuscarArticulo = agregarBuscar(
        m_buscarArticulo, "BuscarArticulo", QStringLiteral("Asignar un articulo al movimiento"),
        QStringLiteral("ARTICULO"), [](QWidget *o) { return new TfrmGestionArticulos(o, true); },
        TfrmGestionArticulos::kSqlArticulos);
    accVerArticulo = agregarVer(verArticulo, "accVerArticulo", QStringLiteral("Ver la ficha del articulo"),
                                QStringLiteral("ARTICULO"), [](QWidget *o) { return new TfrmArticulo(o, true); });

    auto *campos = new QFormLayout;
    campos->addRow(QStringLiteral("FECHA"), txtFecha);
    campos->addRow(QStringLiteral("CAUSA"), txtCausa);
    campos->addRow(QStringLiteral("ALMACEN"), enFila({txtAlmacen, m_buscarAlmacen, verAlmacen}));
    campos->addRow(QStringLiteral("ARTICULO"), enFila({txtArticulo, m_buscarArticulo, verArticulo}));
    campos->addRow(QStringLiteral("CANTIDAD"), txtCantidad);
    campos->addRow(QStringLiteral("VALOR"), txtValor);
    campos->addRow(rgTipo);
    cuerpo()->addLayout(campos);
}

// The mode is set by Nuevo or Mostrar before the window shows.
void TfrmMovimientoAlmacen::showEvent(QShowEvent *event)
{
    const bool alta = modo() == Modo::Annadir;
    for (QWidget *caja : {static_cast<QWidget *>(txtAlmacen), static_cast<QWidget *>(txtArticulo)})
        caja->setEnabled(alta);
    for (QToolButton *buscar : {m_buscarAlmacen, m_buscarArticulo})
        buscar->setVisible(alta);
    BuscarAlmacen->setVisible(alta);
    BuscarArticulo->setVisible(alta);
    TfrmRegistro::showEvent(event);
}
