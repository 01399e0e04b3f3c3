#include "TmdlVendedores.h"

#include "DescripcionPersonal.h"
#include "app/TmdlConexiones.h"

TmdlVendedores::TmdlVendedores(QObject *parent) : TmdlVendedores(mdlConexiones().ConexionEmpresa, parent) {}

TmdlVendedores::TmdlVendedores(fb::Connection &empresa, QObject *parent)
    : TmdlPersonal(empresa, personalVendedores(), parent), Vendedores(personal())
{
}
