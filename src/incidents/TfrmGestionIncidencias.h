#pragma once

#include "framework/TfrmGestion.h"

class TmdlIncidencias;

// Browse window of the incidents of one cycle, opened from the main window
// only: no command adds an incident (document windows do) and there is no
// listing. "Modificar" and "Ver" offer to show the incident's document;
// "Cambiar Estado" solves or reopens the current incident.
class TfrmGestionIncidencias final : public TfrmGestion
{
    Q_OBJECT
public:
    TfrmGestionIncidencias(QWidget *owner, bool modal);

    // The main window's command of one cycle ("C" purchases, "V" sales): a
    // child window on that cycle's incidents, titled after it.
    static TfrmGestionIncidencias *abrirCiclo(QWidget *owner, const QString &tipo);

    TmdlIncidencias *mdlIncidencias;
    QAction *accEstado;

protected:
    TfrmRegistro *crearRegistro() override;

private:
    void accEstadoExecute();
};
