#include "TfrmListadoProveedores.h"

#include "master/TfrmGestionFormasPago.h"
#include "master/TfrmGestionProveedores.h"
#include "master/TfrmGestionResponsablesCompras.h"

namespace {
using F = FiltroListado;
}

TfrmListadoProveedores::TfrmListadoProveedores(QWidget *owner)
    : TfrmListado(owner, {.caption = QStringLiteral("LISTAR PROVEEDORES"),
                          .titulo = QStringLiteral("LISTADO DE PROVEEDORES"),
                          .sentencia = QStringLiteral("SELECT * FROM PROVEEDOR"),
                          .informe = QStringLiteral("Listado_Proveedores"),
                          .estados = QStringLiteral("REGIMEN IVA"),
                          .filtros = {
                              F::rango(QStringLiteral("CODIGO"),
                                       buscarEn<TfrmGestionProveedores>(QStringLiteral("PROVEEDOR"))),
                              F::codigo(QStringLiteral("RESPONSABLE"), QStringLiteral("RESPONSABLE"),
                                        buscarEn<TfrmGestionResponsablesCompras>(QStringLiteral("RESPONSABLE_COMPRAS"))),
                              F::codigo(QStringLiteral("FORMA PAGO"), QStringLiteral("FORMA_PAGO"),
                                        buscarEn<TfrmGestionFormasPago>(QStringLiteral("FORMA_PAGO"))),
                              F::estado(QStringLiteral("GENERAL"), QStringLiteral("(REGIMEN_IVA <> 1)")),
                              F::estado(QStringLiteral("EXENTO"), QStringLiteral("(REGIMEN_IVA <> 0)"))}})
{
    setObjectName(QStringLiteral("TfrmListadoProveedores"));
}
