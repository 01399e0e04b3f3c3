#include "TfrmGestionResponsablesCompras.h"

#include "DescripcionPersonal.h"
#include "TfrmListadoResponsablesCompras.h"
#include "TfrmResponsableCompras.h"
#include "TmdlResponsablesCompras.h"

TfrmGestionResponsablesCompras::TfrmGestionResponsablesCompras(QWidget *owner, bool modal)
    : TfrmGestionPersonal(owner, modal, new TmdlResponsablesCompras),
      mdlResponsablesCompras(static_cast<TmdlResponsablesCompras *>(&moduloPersonal()))
{
    setObjectName(QStringLiteral("TfrmGestionResponsablesCompras"));
    setListado([this] { TfrmListadoResponsablesCompras(this).exec(); });
}

QString TfrmGestionResponsablesCompras::sqlResponsablesCompras()
{
    return personalResponsablesCompras().sqlGestion();
}

TfrmRegistro *TfrmGestionResponsablesCompras::crearRegistro()
{
    return new TfrmResponsableCompras(this, true, mdlResponsablesCompras);
}
