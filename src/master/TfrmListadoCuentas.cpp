#include "TfrmListadoCuentas.h"

#include "master/TfrmGestionCuentasBancarias.h"

namespace {
using F = FiltroListado;
}

TfrmListadoCuentas::TfrmListadoCuentas(QWidget *owner)
    : TfrmListado(owner, {.caption = QStringLiteral("LISTAR CUENTAS"),
                          .titulo = QStringLiteral("LISTADO DE CUENTAS"),
                          .sentencia = QStringLiteral("SELECT * FROM CUENTA_BANCARIA"),
                          .informe = QStringLiteral("Listado_Cuentas"),
                          .filtros = {
                              F::rango(QStringLiteral("CODIGO"),
                                       buscarEn<TfrmGestionCuentasBancarias>(QStringLiteral("CUENTA_BANCARIA")))}})
{
    setObjectName(QStringLiteral("TfrmListadoCuentas"));
}
