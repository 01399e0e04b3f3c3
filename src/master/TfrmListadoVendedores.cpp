#include "TfrmListadoVendedores.h"

#include "master/TfrmGestionVendedores.h"

namespace {
using F = FiltroListado;
}

TfrmListadoVendedores::TfrmListadoVendedores(QWidget *owner)
    : TfrmListado(owner, {.caption = QStringLiteral("LISTAR VENDEDORES"),
                          .titulo = QStringLiteral("LISTADO DE VENDEDORES"),
                          .sentencia = QStringLiteral("SELECT * FROM VENDEDOR"),
                          .informe = QStringLiteral("Listado_Vendedores"),
                          .filtros = {
                              F::rango(QStringLiteral("CODIGO"),
                                       buscarEn<TfrmGestionVendedores>(QStringLiteral("VENDEDOR")))}})
{
    setObjectName(QStringLiteral("TfrmListadoVendedores"));
}
