#include "TfrmVendedor.h"

#include "TmdlVendedores.h"

TfrmVendedor::TfrmVendedor(QWidget *owner, bool modal, TmdlVendedores *modulo)
    : TfrmPersonal(owner, modal, modulo ? modulo : new TmdlVendedores, modulo != nullptr),
      mdlVendedores(static_cast<TmdlVendedores *>(&moduloPersonal()))
{
    setObjectName(QStringLiteral("TfrmVendedor"));
}
