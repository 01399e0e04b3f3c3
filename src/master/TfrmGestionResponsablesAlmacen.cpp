#include "TfrmGestionResponsablesAlmacen.h"

#include "DescripcionPersonal.h"
#include "TfrmResponsableAlmacen.h"
#include "TmdlResponsablesAlmacen.h"

TfrmGestionResponsablesAlmacen::TfrmGestionResponsablesAlmacen(QWidget *owner, bool modal)
    : TfrmGestionPersonal(owner, modal, new TmdlResponsablesAlmacen),
      mdlResponsablesAlmacen(static_cast<TmdlResponsablesAlmacen *>(&moduloPersonal()))
{
    setObjectName(QStringLiteral("TfrmGestionResponsablesAlmacen"));
}

QString TfrmGestionResponsablesAlmacen::sqlResponsablesAlmacen()
{
    return personalResponsablesAlmacen().sqlGestion();
}

TfrmRegistro *TfrmGestionResponsablesAlmacen::crearRegistro()
{
    return new TfrmResponsableAlmacen(this, true, mdlResponsablesAlmacen);
}
