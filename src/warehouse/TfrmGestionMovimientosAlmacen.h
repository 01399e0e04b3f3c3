#pragma once

#include "framework/TfrmGestion.h"

class TmdlMovimientosAlmacen;

// Browse window of the stock movements, newest first from the main window.
// In select mode it returns the movement's number and no name.
class TfrmGestionMovimientosAlmacen final : public TfrmGestion
{
    Q_OBJECT
public:
    TfrmGestionMovimientosAlmacen(QWidget *owner, bool modal);

    static const QString kSqlMovimientos; // every movement, newest first

    TmdlMovimientosAlmacen *mdlMovimientosAlmacen;

protected:
    TfrmRegistro *crearRegistro() override;
};
