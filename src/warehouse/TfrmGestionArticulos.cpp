#include "TfrmGestionArticulos.h"

#include "TfrmArticulo.h"
#include "TfrmEtiquetasArticulos.h"
#include "TfrmListadoArticulos.h"
#include "TmdlArticulos.h"
#include "framework/Reglas.h"

namespace {

DescripcionGestion descripcionArticulos()
{
    return {
        .caption = QStringLiteral("GESTION DE ARTICULOS"),
        .titulo = QStringLiteral("ARTICULOS"),
        .orden = {QStringLiteral("CODIGO"), QStringLiteral("DESCRIPCION"), QStringLiteral("CODIGO_BARRAS")},
        .columnas = {QStringLiteral("CODIGO"), QStringLiteral("DESCRIPCION"), QStringLiteral("CODIGO_BARRAS")},
        .preguntaEliminar = QStringLiteral("¿Desea eliminar el Artículo?"),
        .campoNombre = QStringLiteral("DESCRIPCION"),
    };
}

} // namespace

const QString TfrmGestionArticulos::kSqlArticulos = QStringLiteral("SELECT * FROM ARTICULO ORDER BY CODIGO");

TfrmGestionArticulos::TfrmGestionArticulos(QWidget *owner, bool modal)
    : TfrmGestion(owner, modal, descripcionArticulos()), mdlArticulos(new TmdlArticulos(this))
{
    setObjectName(QStringLiteral("TfrmGestionArticulos"));
    setListado([this] { TfrmListadoArticulos(this).exec(); });
    agregarComando("accEtiquetas", QStringLiteral("&Etiquetas"), Habilitado::Siempre,
                   [this] { TfrmEtiquetasArticulos(this).exec(); });
    setDatos(mdlArticulos->Articulos);
}

TfrmRegistro *TfrmGestionArticulos::crearRegistro() { return new TfrmArticulo(this, true, mdlArticulos); }

void TfrmGestionArticulos::MostrarArticulos(QWidget *owner, const QString &sql)
{
    TfrmGestionArticulos ventana(owner, true);
    if (ventana.Abrir(sql, false))
        ventana.exec();
}

void TfrmGestionArticulos::VerArticulosDe(QWidget *owner, const QString &proveedor)
{
    MostrarArticulos(owner, QStringLiteral("SELECT * FROM ARTICULO WHERE PROVEEDOR = ")
                                + fw::quoted(proveedor.trimmed()));
}
