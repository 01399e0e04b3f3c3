#include "TfrmEmpresa.h"

#include "app/TmdlEmpresas.h"
#include "framework/widgets/BotonEnlace.h"
#include "framework/widgets/DBCheckBox.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBImage.h"
#include "framework/widgets/DBMemo.h"

#include <QFormLayout>
#include <QHBoxLayout>
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

QHBoxLayout *enFila(std::initializer_list<QWidget *> controles)
{
    auto *fila = new QHBoxLayout;
    for (QWidget *control : controles)
        fila->addWidget(control);
    return fila;
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
    txtCodigo = nuevaCaja("txtCodigo", QStringLiteral("CODIGO"));
    txtNombre = nuevaCaja("txtNombre", QStringLiteral("NOMBRE"));
    txtRazonSocial = nuevaCaja("txtRazonSocial", QStringLiteral("RAZON_SOCIAL"));
    txtCif = nuevaCaja("txtCif", QStringLiteral("CIF"));
    imgLogo = new fw::DBImage(datos(), QStringLiteral("LOGO"), this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setFixedSize(160, 100);

    auto *campos = new QFormLayout;
    campos->addRow(QStringLiteral("CODIGO"), txtCodigo);
    campos->addRow(QStringLiteral("NOMBRE"), txtNombre);
    campos->addRow(QStringLiteral("RAZON SOCIAL"), txtRazonSocial);
    campos->addRow(QStringLiteral("CIF"), txtCif);
    auto *logo = new QVBoxLayout;
    logo->addWidget(new QLabel(QStringLiteral("LOGO"), this));
    logo->addWidget(imgLogo);
    auto *cabecera = new QHBoxLayout;
    cabecera->addLayout(campos, 1);
    cabecera->addLayout(logo);
    cuerpo()->addLayout(cabecera);
}

void TfrmEmpresa::crearDomicilio()
{
    txtDireccion = nuevaCaja("txtDireccion", QStringLiteral("DIRECCION"));
    txtLocalidad = nuevaCaja("txtLocalidad", QStringLiteral("LOCALIDAD"));
    txtCodPostal = nuevaCaja("txtCodPostal", QStringLiteral("COD_POSTAL"));
    txtProvincia = nuevaCaja("txtProvincia", QStringLiteral("PROVINCIA"));
    txtTelefono1 = nuevaCaja("txtTelefono1", QStringLiteral("TELEFONO1"));
    txtTelefono2 = nuevaCaja("txtTelefono2", QStringLiteral("TELEFONO2"));
    txtFax = nuevaCaja("txtFax", QStringLiteral("FAX"));
    txtEmail = nuevaCaja("txtEmail", QStringLiteral("EMAIL"));
    auto *btnEmail = fw::BotonEnlace::email(txtEmail, this);
    btnEmail->setObjectName(QStringLiteral("btnEmail"));

    auto *pagina = new QWidget;
    auto *campos = new QFormLayout(pagina);
    campos->addRow(QStringLiteral("DIRECCION"), txtDireccion);
    campos->addRow(QStringLiteral("LOCALIDAD"), txtLocalidad);
    campos->addRow(QStringLiteral("COD.POSTAL"), txtCodPostal);
    campos->addRow(QStringLiteral("PROVINCIA"), txtProvincia);
    campos->addRow(QStringLiteral("TELEFONO/s"), enFila({txtTelefono1, txtTelefono2}));
    campos->addRow(QStringLiteral("FAX"), txtFax);
    campos->addRow(QStringLiteral("EMAIL"), enFila({txtEmail, btnEmail}));
    PageControl1->addTab(pagina, QStringLiteral("DOMICILIO SOCIAL"));
}

void TfrmEmpresa::crearComentario()
{
    memObservaciones = new fw::DBMemo(datos(), QStringLiteral("OBSERVACIONES"), this);
    memObservaciones->setObjectName(QStringLiteral("memObservaciones"));
    auto *pagina = new QWidget;
    auto *layout = new QVBoxLayout(pagina);
    layout->addWidget(memObservaciones);
    PageControl1->addTab(pagina, QStringLiteral("COMENTARIO"));
}

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
