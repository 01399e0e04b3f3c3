#include "TfrmResponsableCompras.h"

#include "TmdlResponsablesCompras.h"

TfrmResponsableCompras::TfrmResponsableCompras(QWidget *owner, bool modal, TmdlResponsablesCompras *modulo)
    : TfrmPersonal(owner, modal, modulo ? modulo : new TmdlResponsablesCompras, modulo != nullptr),
      mdlResponsablesCompras(static_cast<TmdlResponsablesCompras *>(&moduloPersonal()))
{
    setObjectName(QStringLiteral("TfrmResponsableCompras"));
}
