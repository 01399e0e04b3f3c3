#include "TfrmResponsableAlmacen.h"

#include "TmdlResponsablesAlmacen.h"

TfrmResponsableAlmacen::TfrmResponsableAlmacen(QWidget *owner, bool modal, TmdlResponsablesAlmacen *modulo)
    : TfrmPersonal(owner, modal, modulo ? modulo : new TmdlResponsablesAlmacen, modulo != nullptr),
      mdlResponsablesAlmacen(static_cast<TmdlResponsablesAlmacen *>(&moduloPersonal()))
{
    setObjectName(QStringLiteral("TfrmResponsableAlmacen"));
}
