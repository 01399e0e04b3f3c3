#include "TfrmGestionFamilias.h"

#include "TfrmFamilia.h"
#include "TfrmListadoFamilias.h"
#include "TmdlFamilias.h"

namespace {

DescripcionGestion descripcionFamilias()
{
    return {
        .caption = QStringLiteral("GESTION DE FAMILIAS"),
        .titulo = QStringLiteral("FAMILIAS"),
        .orden = {QStringLiteral("CODIGO"), QStringLiteral("DESCRIPCION")},
        .columnas = {QStringLiteral("CODIGO"), QStringLiteral("DESCRIPCION")},
        .textoNuevo = QStringLiteral("&Nueva"),
        .preguntaEliminar = QStringLiteral("¿Desea eliminar la Familia?"),
        .campoNombre = QStringLiteral("DESCRIPCION"),
    };
}

} // namespace

const QString TfrmGestionFamilias::kSqlFamilias = QStringLiteral("SELECT * FROM FAMILIA ORDER BY CODIGO");

TfrmGestionFamilias::TfrmGestionFamilias(QWidget *owner, bool modal)
    : TfrmGestion(owner, modal, descripcionFamilias()), mdlFamilias(new TmdlFamilias(this))
{
    setObjectName(QStringLiteral("TfrmGestionFamilias"));
    setListado([this] { TfrmListadoFamilias(this).exec(); });
    setDatos(mdlFamilias->Familias);
}

TfrmRegistro *TfrmGestionFamilias::crearRegistro() { return new TfrmFamilia(this, true, mdlFamilias); }
