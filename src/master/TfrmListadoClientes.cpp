#include "TfrmListadoClientes.h"

#include "master/TfrmGestionClientes.h"
#include "master/TfrmGestionFormasPago.h"
#include "master/TfrmGestionVendedores.h"

namespace {
using F = FiltroListado;
}

TfrmListadoClientes::TfrmListadoClientes(QWidget *owner)
    : TfrmListado(owner, {.caption = QStringLiteral("LISTAR CLIENTES"),
                          .titulo = QStringLiteral("LISTADO DE CLIENTES"),
                          .sentencia = QStringLiteral("SELECT * FROM CLIENTE"),
                          .informe = QStringLiteral("Listado_Clientes"),
                          .estados = QStringLiteral("REGIMEN IVA"),
                          .filtros = {
                              F::rango(QStringLiteral("CODIGO"),
                                       buscarEn<TfrmGestionClientes>(QStringLiteral("CLIENTE"))),
                              F::codigo(QStringLiteral("VENDEDOR"), QStringLiteral("VENDEDOR"),
                                        buscarEn<TfrmGestionVendedores>(QStringLiteral("VENDEDOR"))),
                              F::codigo(QStringLiteral("FORMA PAGO"), QStringLiteral("FORMA_PAGO"),
                                        buscarEn<TfrmGestionFormasPago>(QStringLiteral("FORMA_PAGO"))),
                              F::estado(QStringLiteral("GENERAL"), QStringLiteral("(REGIMEN_IVA <> 1)")),
                              F::estado(QStringLiteral("EXENTO"), QStringLiteral("(REGIMEN_IVA <> 0)"))}})
{
    setObjectName(QStringLiteral("TfrmListadoClientes"));
}
