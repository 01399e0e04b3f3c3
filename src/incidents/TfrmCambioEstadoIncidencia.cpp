#include "TfrmCambioEstadoIncidencia.h"

TfrmCambioEstadoIncidencia::TfrmCambioEstadoIncidencia(QWidget *owner, ds::RecordSet &incidencias)
    : TfrmCambioEstado(owner, incidencias,
                       {.caption = QStringLiteral("CAMBIAR ESTADO INCIDENCIA"),
                        .titulo = QStringLiteral("CAMBIAR ESTADO INCIDENCIA"),
                        .estados = {{QStringLiteral("PENDIENTE"), QStringLiteral("PENDIENTE")},
                                    {QStringLiteral("SOLUCIONADA"), QStringLiteral("SOLUCIONADA")}}})
{
    setObjectName(QStringLiteral("TfrmCambioEstadoIncidencia"));
}
