#include "TmdlResponsablesAlmacen.h"

#include "DescripcionPersonal.h"
#include "app/TmdlConexiones.h"

TmdlResponsablesAlmacen::TmdlResponsablesAlmacen(QObject *parent)
    : TmdlResponsablesAlmacen(mdlConexiones().ConexionEmpresa, parent)
{
}

TmdlResponsablesAlmacen::TmdlResponsablesAlmacen(fb::Connection &empresa, QObject *parent)
    : TmdlPersonal(empresa, personalResponsablesAlmacen(), parent), REsponsablesAlmacen(personal())
{
}
