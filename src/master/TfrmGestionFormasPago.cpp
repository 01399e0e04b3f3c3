#include "TfrmGestionFormasPago.h"

#include "TfrmFormaPago.h"
#include "TfrmListadoFormasPago.h"
#include "TmdlFormasPago.h"

namespace {

DescripcionGestion descripcionFormasPago()
{
    const QStringList columnas{QStringLiteral("CODIGO"), QStringLiteral("DESCRIPCION")};
    return {
        .caption = QStringLiteral("GESTION DE FORMAS DE PAGO"),
        .titulo = QStringLiteral("FORMAS DE PAGO"),
        .orden = columnas,
        .columnas = columnas,
        .textoNuevo = QStringLiteral("&Nueva"),
        .preguntaEliminar = QStringLiteral("¿Desea eliminar la Form de Pago?"),
        .campoNombre = QStringLiteral("DESCRIPCION"),
    };
}

} // namespace

const QString TfrmGestionFormasPago::kSqlFormasPago = QStringLiteral("SELECT * FROM FORMA_PAGO ORDER BY CODIGO");

TfrmGestionFormasPago::TfrmGestionFormasPago(QWidget *owner, bool modal)
    : TfrmGestion(owner, modal, descripcionFormasPago()), mdlFormasPago(new TmdlFormasPago(this))
{
    setObjectName(QStringLiteral("TfrmGestionFormasPago"));
    setListado([this] { TfrmListadoFormasPago(this).exec(); });
    setDatos(mdlFormasPago->FormasPago);
}

TfrmRegistro *TfrmGestionFormasPago::crearRegistro() { return new TfrmFormaPago(this, true, mdlFormasPago); }
