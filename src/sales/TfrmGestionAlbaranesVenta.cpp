#include "TfrmGestionAlbaranesVenta.h"

#include "platform/dataset/RecordSet.h"
#include "sales/TfrmAlbaranVenta.h"
#include "sales/TfrmCambioEstadoAlbaranVenta.h"
#include "sales/TmdlAlbaranesVenta.h"

#include <QAction>

namespace {

const QString kFacturado = QStringLiteral("FACTURADO");

DescripcionGestion descripcionAlbaranes()
{
    const QStringList columnas{QStringLiteral("ESTADO"), QStringLiteral("SERIE"),   QStringLiteral("NUMERO"),
                               QStringLiteral("FECHA"),  QStringLiteral("CLIENTE"), QStringLiteral("NCLIENTE")};
    return {
        .caption = QStringLiteral("ALBARANES DE VENTA"),
        .titulo = QStringLiteral("ALBARANES DE VENTA"),
        .orden = columnas,
        .columnas = columnas,
        .preguntaEliminar = QStringLiteral("¿Desea eliminar el Albaran de Venta?"),
        .campoCodigo = QStringLiteral("NUMERO"),
        .hintRefrescar = QStringLiteral("REfrescar los datos"),
    };
}

} // namespace

const QString TfrmGestionAlbaranesVenta::kSqlAlbaranesVenta =
    QStringLiteral("SELECT * FROM ALBARAN_VENTA ORDER BY SERIE,NUMERO");

TfrmGestionAlbaranesVenta::TfrmGestionAlbaranesVenta(QWidget *owner, bool modal)
    : TfrmGestion(owner, modal, descripcionAlbaranes()), mdlAlbaranesVenta(new TmdlAlbaranesVenta(this))
{
    setObjectName(QStringLiteral("TfrmGestionAlbaranesVenta"));
    setDatos(mdlAlbaranesVenta->AlbaranesVenta);
    accEstado = agregarComando("accEstado", QStringLiteral("&Cambiar Estado"), Habilitado::ConFila,
                               [this] { accEstadoExecute(); });
    // The common enabling knows rows, not states: an invoiced note is
    // refused on top of it, whenever either changes.
    ds::RecordSet &albaranes = mdlAlbaranesVenta->AlbaranesVenta;
    connect(accEstado, &QAction::enabledChanged, this, &TfrmGestionAlbaranesVenta::actualizarEstado);
    connect(&albaranes, &ds::RecordSet::currentChanged, this, &TfrmGestionAlbaranesVenta::actualizarEstado);
    connect(&albaranes, &ds::RecordSet::rowChanged, this, &TfrmGestionAlbaranesVenta::actualizarEstado);
    connect(&albaranes, &ds::RecordSet::rowsReset, this, &TfrmGestionAlbaranesVenta::actualizarEstado);
}

TfrmRegistro *TfrmGestionAlbaranesVenta::crearRegistro()
{
    return new TfrmAlbaranVenta(this, true, mdlAlbaranesVenta);
}

QString TfrmGestionAlbaranesVenta::claveSeleccionada() const { return mdlAlbaranesVenta->claveActual(); }

bool TfrmGestionAlbaranesVenta::facturado() const
{
    const ds::RecordSet &albaranes = mdlAlbaranesVenta->AlbaranesVenta;
    return albaranes.isOpen() && albaranes.currentRow() >= 0
           && albaranes.value(QStringLiteral("ESTADO")).toString().trimmed() == kFacturado;
}

void TfrmGestionAlbaranesVenta::actualizarEstado()
{
    if (accEstado->isEnabled() && facturado())
        accEstado->setEnabled(false);
}

void TfrmGestionAlbaranesVenta::accEstadoExecute()
{
    if (!facturado())
        TfrmCambioEstadoAlbaranVenta(this, mdlAlbaranesVenta->AlbaranesVenta).Cambiar();
}
