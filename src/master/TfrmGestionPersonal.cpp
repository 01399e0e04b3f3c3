#include "TfrmGestionPersonal.h"

#include "DescripcionPersonal.h"
#include "TmdlPersonal.h"

namespace {

DescripcionGestion descripcionGestion(const DescripcionPersonal &personal)
{
    const QStringList columnas{QStringLiteral("CODIGO"), QStringLiteral("NOMBRE"), QStringLiteral("NIF")};
    return {
        .caption = personal.captionGestion,
        .titulo = personal.tituloGestion,
        .orden = columnas,
        .columnas = columnas,
        .preguntaEliminar = personal.preguntaEliminar,
        .campoNombre = QStringLiteral("NOMBRE"),
        .hintRefrescar = personal.hintRefrescar,
    };
}

} // namespace

TfrmGestionPersonal::TfrmGestionPersonal(QWidget *owner, bool modal, TmdlPersonal *modulo)
    : TfrmGestion(owner, modal, descripcionGestion(modulo->descripcion())), m_modulo(modulo)
{
    modulo->setParent(this);
    setDatos(modulo->personal());
}
