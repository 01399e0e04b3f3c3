#include "TfrmGestionEmpresas.h"

#include "app/TfrmEmpresa.h"
#include "app/TmdlEmpresas.h"

namespace {

DescripcionGestion descripcionEmpresas()
{
    return {
        .caption = QStringLiteral("GESTION DE EMPRESAS"),
        .titulo = QStringLiteral("EMPRESAS"),
        .orden = {QStringLiteral("CODIGO"), QStringLiteral("NOMBRE")},
        .columnas = {QStringLiteral("CODIGO"), QStringLiteral("NOMBRE")},
        .textoNuevo = QStringLiteral("&Nueva"),
        .preguntaEliminar = QStringLiteral("¿Desea eliminar la Empresa?"),
        .campoNombre = QStringLiteral("NOMBRE"),
        .hintCerrar = QStringLiteral("Cerrar Ventana"),
        .enterComoDobleClic = true,
        .seleccionUnica = true,
    };
}

} // namespace

const QString TfrmGestionEmpresas::kSqlEmpresas = QStringLiteral("SELECT * FROM EMPRESA ORDER BY CODIGO");

TfrmGestionEmpresas::TfrmGestionEmpresas(QWidget *owner, bool modal)
    : TfrmGestion(owner, modal, descripcionEmpresas()), mdlEmpresas(new TmdlEmpresas(this))
{
    setObjectName(QStringLiteral("TfrmGestionEmpresas"));
    setDatos(mdlEmpresas->Empresas);
}

TfrmRegistro *TfrmGestionEmpresas::crearRegistro() { return new TfrmEmpresa(this, true, mdlEmpresas); }

TfrmGestionEmpresas::Eleccion TfrmGestionEmpresas::Elegir(QWidget *owner)
{
    TfrmGestionEmpresas ventana(owner, true);
    ventana.Abrir(kSqlEmpresas, true);
    if (ventana.CodigoSeleccionado().isEmpty())
        ventana.exec();
    return {ventana.CodigoSeleccionado(), ventana.NombreSeleccionado()};
}
