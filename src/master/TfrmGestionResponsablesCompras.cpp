#include "TfrmGestionResponsablesCompras.h"

#include "DescripcionPersonal.h"
#include "TfrmResponsableCompras.h"
#include "TmdlResponsablesCompras.h"

TfrmGestionResponsablesCompras::TfrmGestionResponsablesCompras(QWidget *owner, bool modal)
    : TfrmGestionPersonal(owner, modal, new TmdlResponsablesCompras),
      mdlResponsablesCompras(static_cast<TmdlResponsablesCompras *>(&moduloPersonal()))
{
    setObjectName(QStringLiteral("TfrmGestionResponsablesCompras"));
}

QString TfrmGestionResponsablesCompras::sqlResponsablesCompras()
{
    return personalResponsablesCompras().sqlGestion();
}

TfrmRegistro *TfrmGestionResponsablesCompras::crearRegistro()
{
    return new TfrmResponsableCompras(this, true, mdlResponsablesCompras);
}
