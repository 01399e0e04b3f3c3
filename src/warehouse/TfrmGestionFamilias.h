#pragma once

#include "framework/TfrmGestion.h"

class TmdlFamilias;

// Browse window of the families; also their search window (select mode).
class TfrmGestionFamilias final : public TfrmGestion
{
    Q_OBJECT
public:
    TfrmGestionFamilias(QWidget *owner, bool modal);

    static const QString kSqlFamilias; // every family in code order

    TmdlFamilias *mdlFamilias;

protected:
    TfrmRegistro *crearRegistro() override;
};
