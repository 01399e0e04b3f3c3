#include "TmdlResponsablesCompras.h"

#include "DescripcionPersonal.h"
#include "app/TmdlConexiones.h"

TmdlResponsablesCompras::TmdlResponsablesCompras(QObject *parent)
    : TmdlResponsablesCompras(mdlConexiones().ConexionEmpresa, parent)
{
}

TmdlResponsablesCompras::TmdlResponsablesCompras(fb::Connection &empresa, QObject *parent)
    : TmdlPersonal(empresa, personalResponsablesCompras(), parent), ResponsablesCompras(personal())
{
}
