#include "TfrmGestionVendedores.h"

#include "DescripcionPersonal.h"
#include "TfrmListadoVendedores.h"
#include "TfrmVendedor.h"
#include "TmdlVendedores.h"

TfrmGestionVendedores::TfrmGestionVendedores(QWidget *owner, bool modal)
    : TfrmGestionPersonal(owner, modal, new TmdlVendedores),
      mdlVendedores(static_cast<TmdlVendedores *>(&moduloPersonal()))
{
    setObjectName(QStringLiteral("TfrmGestionVendedores"));
    setListado([this] { TfrmListadoVendedores(this).exec(); });
}

QString TfrmGestionVendedores::sqlVendedores()
{
    return personalVendedores().sqlGestion();
}

TfrmRegistro *TfrmGestionVendedores::crearRegistro()
{
    return new TfrmVendedor(this, true, mdlVendedores);
}
