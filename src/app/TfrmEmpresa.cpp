#include "TfrmEmpresa.h"

#include "app/TmdlEmpresas.h"
#include "framework/widgets/BloquesFicha.h"
#include "framework/widgets/DBCheckBox.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/Formularios.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

DescripcionRegistro descripcionEmpresa()
{
    return {
        .caption = QStringLiteral("DATOS DE EMPRESA"),
        .titulo = QStringLiteral("EMPRESA"),
        .tabla = QStringLiteral("EMPRESA"),
        .bloquearCodigo = false,
    };
}

} // namespace

TfrmEmpresa::TfrmEmpresa(QWidget *owner, bool modal, TmdlEmpresas *modulo)
    : TfrmRegistro(owner, modal, modulo != nullptr, descripcionEmpresa()),
      mdlEmpresas(modulo ? modulo : new TmdlEmpresas(this))
{
    setObjectName(QStringLiteral("TfrmEmpresa"));
    setDatos(mdlEmpresas->Empresas);
    crearCabecera();
    crearDomicilio();
    crearComentario();
    crearConfiguracion();
    setCajaCodigo(txtCodigo);
}

void TfrmEmpresa::crearCabecera()
{
    imgLogo = fw::agregarCabeceraImagen(cuerpo(), datos(), this,
                                        {{{"txtCodigo", QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), &txtCodigo},
                                          {"txtNombre", QStringLiteral("NOMBRE"), QStringLiteral("NOMBRE"), &txtNombre},
                                          {"txtRazonSocial", QStringLiteral("RAZON_SOCIAL"),
                                           QStringLiteral("RAZON SOCIAL"), &txtRazonSocial},
                                          {"txtCif", QStringLiteral("CIF"), QStringLiteral("CIF"), &txtCif}},
                                         "imgLogo",
                                         QStringLiteral("LOGO"),
                                         QSize(160, 100)});
}

void TfrmEmpresa::crearDomicilio()
{
    fw::agregarDomicilio(fw::agregarPestana(PageControl1, QStringLiteral("DOMICILIO SOCIAL")), datos(), this,
                         {&txtDireccion, &txtLocalidad, &txtCodPostal, &txtProvincia, &txtTelefono1, &txtTelefono2,
                          &txtFax, &txtEmail});
}

void TfrmEmpresa::crearComentario() { memObservaciones = fw::agregarPestanaComentario(PageControl1, datos()); }

void TfrmEmpresa::crearConfiguracion()
{
    chkRecargoEquivalencia =
        new fw::DBCheckBox(QStringLiteral("Recargo Equivalencia"), datos(), QStringLiteral("REC_EQUIVALENCIA"), this);
    chkRecargoEquivalencia->setObjectName(QStringLiteral("chkRecargoEquivalencia"));
    txtDatosRegistrales = nuevaCaja("txtDatosRegistrales", QStringLiteral("DATOS_REGISTRALES"));

    auto *pagina = new QWidget;
    auto *layout = new QVBoxLayout(pagina);
    layout->addWidget(chkRecargoEquivalencia);
    layout->addWidget(new QLabel(QStringLiteral("Datos Registrales (Facturas):"), pagina));
    layout->addWidget(txtDatosRegistrales);
    layout->addStretch();
    PageControl1->addTab(pagina, QStringLiteral("CONFIGURAR"));
}
