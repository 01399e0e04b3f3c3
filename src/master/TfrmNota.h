#pragma once

#include "framework/TfrmRegistro.h"

class TmdlNotas;

namespace fw {
class DBEdit;
class DBMemo;
}

// Record window of a note on a customer or supplier, opened by the owner's
// window on its own list: "Aceptar" only stores the row in the list.
class TfrmNota final : public TfrmRegistro
{
    Q_OBJECT
public:
    TfrmNota(QWidget *owner, bool modal, TmdlNotas *modulo = nullptr);

    TmdlNotas *mdlNotas;

    fw::DBEdit *txtFecha;
    fw::DBEdit *txtAsunto;
    fw::DBMemo *memObservaciones;
    fw::DBEdit *txtAnotador;
};
