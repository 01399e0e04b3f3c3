#pragma once

#include "framework/TfrmGestion.h"

class TmdlAlmacenes;

// Browse window of the warehouses; also their search window (select mode).
class TfrmGestionAlmacenes final : public TfrmGestion
{
    Q_OBJECT
public:
    TfrmGestionAlmacenes(QWidget *owner, bool modal);

    static const QString kSqlAlmacenes; // every warehouse in code order

    TmdlAlmacenes *mdlAlmacenes;

protected:
    TfrmRegistro *crearRegistro() override;
};
