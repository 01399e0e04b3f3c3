#pragma once

#include "framework/TfrmRegistro.h"

class TmdlIncidencias;

namespace fw {
class DBEdit;
class DBMemo;
class DBRadioGroup;
}

// Record window of an incident ("INCIDENCIA"), on one page. Cycle, kind and
// document are given by the window that creates the incident and cannot be
// typed; the state only changes through the incident browse window's state
// dialog.
class TfrmIncidencia final : public TfrmRegistro
{
    Q_OBJECT
public:
    // With the caller's data module, or none (the window then creates its
    // own). `conDocumento`: opened from an incident browse window, the
    // window offers to show the document the incident belongs to.
    TfrmIncidencia(QWidget *owner, bool modal, TmdlIncidencias *modulo = nullptr, bool conDocumento = false);

    TmdlIncidencias *mdlIncidencias;

    fw::DBEdit *txtDocumento;
    QAction *accVerDocumento;
    fw::DBEdit *txtEstado;
    fw::DBEdit *txtFechaApertura;
    fw::DBEdit *txtFechaSolucion;
    fw::DBEdit *txtAsunto;
    fw::DBMemo *memObservaciones;
    fw::DBRadioGroup *rgTipo;
    fw::DBRadioGroup *rgTipoDocumento;

private:
    QLayout *crearDocumento(bool conDocumento);
    QWidget *crearTipos();
    void actualizarVerDocumento();
    void accVerDocumentoExecute();
};
