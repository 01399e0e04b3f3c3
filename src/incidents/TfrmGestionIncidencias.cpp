#include "TfrmGestionIncidencias.h"

#include "framework/Reglas.h"
#include "incidents/TfrmCambioEstadoIncidencia.h"
#include "incidents/TfrmIncidencia.h"
#include "incidents/TmdlIncidencias.h"

namespace {

DescripcionGestion descripcionIncidencias()
{
    return {
        .caption = QStringLiteral("INCIDENCIAS"),
        .orden = {QStringLiteral("ESTADO"), QStringLiteral("TIPO_DOC"), QStringLiteral("DOCUMENTO")},
        .columnas = {QStringLiteral("ESTADO"), QStringLiteral("ASUNTO"), QStringLiteral("TIPO_DOC"),
                     QStringLiteral("DOCUMENTO")},
        .textoNuevo = {},
        .preguntaEliminar = QStringLiteral("¿Desea eliminar la Incidencia?"),
        .campoNombre = QStringLiteral("ASUNTO"),
    };
}

} // namespace

TfrmGestionIncidencias::TfrmGestionIncidencias(QWidget *owner, bool modal)
    : TfrmGestion(owner, modal, descripcionIncidencias()), mdlIncidencias(new TmdlIncidencias(this))
{
    setObjectName(QStringLiteral("TfrmGestionIncidencias"));
    setDatos(mdlIncidencias->Incidencias);
    accEstado = agregarComando("accEstado", QStringLiteral("&Cambiar Estado"), Habilitado::ConFila,
                               [this] { accEstadoExecute(); });
}

TfrmGestionIncidencias *TfrmGestionIncidencias::abrirCiclo(QWidget *owner, const QString &tipo)
{
    auto *ventana = new TfrmGestionIncidencias(owner, false);
    ventana->setTitulo(tipo == QStringLiteral("C") ? QStringLiteral("INCIDENCIAS DE COMPRA")
                                                  : QStringLiteral("INCIDENCIAS DE VENTA"));
    ventana->Abrir(QStringLiteral("SELECT * FROM INCIDENCIA WHERE TIPO = ") + fw::quoted(tipo), false);
    return ventana;
}

TfrmRegistro *TfrmGestionIncidencias::crearRegistro()
{
    return new TfrmIncidencia(this, true, mdlIncidencias, true);
}

void TfrmGestionIncidencias::accEstadoExecute()
{
    TfrmCambioEstadoIncidencia(this, datos()).Cambiar();
}
