#include "PestanaIncidencias.h"

#include "incidents/TfrmIncidencia.h"
#include "incidents/TmdlIncidencias.h"
#include "master/widgets/PestanaSatelites.h"
#include "platform/dataset/RecordSet.h"

#include <QVBoxLayout>

namespace incidencias {

PestanaIncidencias::PestanaIncidencias(fb::Connection &empresa, DocumentoIncidencias documento,
                                       std::function<QString()> clave, QWidget *parent)
    : QWidget(parent), mdlIncidencias(new TmdlIncidencias(empresa, this)), m_documento(std::move(documento)),
      m_clave(std::move(clave))
{
    lista = new master::PestanaSatelites(
        mdlIncidencias->Incidencias,
        {"accAnnadirIncidencia", "accModificarIncidencia", "accEliminarIncidencia", "accVerIncidencia",
         QStringLiteral("Añair incidencia"), QStringLiteral("Modificar incidencia"),
         QStringLiteral("Eliminar incidencia"), QStringLiteral("Ver incidencia"), m_documento.preguntaEliminar,
         {QStringLiteral("ESTADO"), QStringLiteral("FECHA_APERTURA"), QStringLiteral("ASUNTO")}},
        [this](QWidget *owner) { return new TfrmIncidencia(owner, true, mdlIncidencias); },
        [this] { marcarNueva(); }, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lista);
}

void PestanaIncidencias::abrir()
{
    mdlIncidencias->Incidencias.close();
    mdlIncidencias->Incidencias.open(TmdlIncidencias::sqlDe(m_documento.tipo, m_documento.tipoDoc, m_clave()));
}

bool PestanaIncidencias::aplicar()
{
    return !mdlIncidencias->Incidencias.isOpen() || mdlIncidencias->Incidencias.applyUpdates() == 0;
}

void PestanaIncidencias::descartar()
{
    if (mdlIncidencias->Incidencias.isOpen())
        mdlIncidencias->Incidencias.cancelUpdates();
}

void PestanaIncidencias::setSoloLectura(bool soloLectura) { lista->setSoloLectura(soloLectura); }

bool PestanaIncidencias::hayIncidencias() const
{
    return mdlIncidencias->Incidencias.isOpen() && !mdlIncidencias->Incidencias.isEmpty();
}

void PestanaIncidencias::marcarNueva()
{
    ds::RecordSet &incidencia = mdlIncidencias->Incidencias;
    incidencia.setValue(QStringLiteral("TIPO"), m_documento.tipo);
    incidencia.setValue(QStringLiteral("TIPO_DOC"), m_documento.tipoDoc);
    incidencia.setValue(QStringLiteral("DOCUMENTO"), m_clave());
}

} // namespace incidencias
