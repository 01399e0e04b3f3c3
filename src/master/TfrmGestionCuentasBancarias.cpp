#include "TfrmGestionCuentasBancarias.h"

#include "TfrmCuentaBancaria.h"
#include "TfrmListadoCuentas.h"
#include "TmdlCuentasBancarias.h"

namespace {

DescripcionGestion descripcionCuentasBancarias()
{
    const QStringList columnas{QStringLiteral("CODIGO"), QStringLiteral("DESCRIPCION"), QStringLiteral("BANCO")};
    return {
        .caption = QStringLiteral("GESTION DE CUENTAS BANCARIAS"),
        .titulo = QStringLiteral("CUENTAS BANCARIAS"),
        .orden = columnas,
        .columnas = columnas,
        .textoNuevo = QStringLiteral("&Nueva"),
        .preguntaEliminar = QStringLiteral("¿Desea eliminar la Cuenta Bancaria?"),
        .campoNombre = QStringLiteral("DESCRIPCION"),
    };
}

} // namespace

const QString TfrmGestionCuentasBancarias::kSqlCuentasBancarias =
    QStringLiteral("SELECT * FROM CUENTA_BANCARIA ORDER BY CODIGO");

TfrmGestionCuentasBancarias::TfrmGestionCuentasBancarias(QWidget *owner, bool modal)
    : TfrmGestion(owner, modal, descripcionCuentasBancarias()), mdlCuentasBancarias(new TmdlCuentasBancarias(this))
{
    setObjectName(QStringLiteral("TfrmGestionCuentasBancarias"));
    setListado([this] { TfrmListadoCuentas(this).exec(); });
    setDatos(mdlCuentasBancarias->CuentasBancarias);
}

TfrmRegistro *TfrmGestionCuentasBancarias::crearRegistro()
{
    return new TfrmCuentaBancaria(this, true, mdlCuentasBancarias);
}
