#pragma once

#include "framework/TfrmRegistro.h"

class QAction;
class QPushButton;
class TmdlFamilias;

namespace fw {
class DBEdit;
class DBMemo;
}

// Record window of a family; its "ARTICULOS" tab opens the family's articles.
class TfrmFamilia final : public TfrmRegistro
{
    Q_OBJECT
public:
    // With the browse window's data module, or none (the window then creates its own).
    TfrmFamilia(QWidget *owner, bool modal, TmdlFamilias *modulo = nullptr);

    TmdlFamilias *mdlFamilias;

    fw::DBEdit *txtCodigo;
    fw::DBEdit *txtDescripcion;
    QPushButton *btnArticulos;
    QAction *VerArticulos;
    fw::DBMemo *memObservaciones;

private:
    void VerArticulosExecute();
};
