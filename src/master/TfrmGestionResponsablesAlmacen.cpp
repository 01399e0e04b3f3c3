#include "TfrmGestionResponsablesAlmacen.h"

#include "DescripcionPersonal.h"
#include "TfrmListadoResponsablesAlmacen.h"
#include "TfrmResponsableAlmacen.h"
#include "TmdlResponsablesAlmacen.h"

TfrmGestionResponsablesAlmacen::TfrmGestionResponsablesAlmacen(QWidget *owner, bool modal)
    : TfrmGestionPersonal(owner, modal, new TmdlResponsablesAlmacen),
      mdlResponsablesAlmacen(static_cast<TmdlResponsablesAlmacen *>(&moduloPersonal()))
{
    setObjectName(QStringLiteral("TfrmGestionResponsablesAlmacen"));
    setListado([this] { TfrmListadoResponsablesAlmacen(this).exec(); });
}

QString TfrmGestionResponsablesAlmacen::sqlResponsablesAlmacen()
{
    return personalResponsablesAlmacen().sqlGestion();
}

TfrmRegistro *TfrmGestionResponsablesAlmacen::crearRegistro()
{
    return new TfrmResponsableAlmacen(this, true, mdlResponsablesAlmacen);
}
