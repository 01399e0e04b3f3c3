#include "TfrmTitular.h"

#include "framework/widgets/BotonEnlace.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBImage.h"
#include "framework/widgets/DBRadioGroup.h"
#include "framework/widgets/Intentar.h"
#include "framework/widgets/SaltoCuenta.h"
#include "master/TfrmDireccion.h"
#include "master/TfrmNota.h"
#include "master/TfrmPersona.h"
#include "master/widgets/Formularios.h"
#include "master/widgets/PestanaDocumentos.h"
#include "master/widgets/PestanaSatelites.h"
#include "platform/dataset/RecordSet.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TfrmTitular::TfrmTitular(QWidget *owner, bool modal, bool moduloCompartido, DescripcionTitular descripcion)
    : TfrmRegistro(owner, modal, moduloCompartido, descripcion.registro), m_descripcion(std::move(descripcion))
{
}

void TfrmTitular::iniciar(ds::RecordSet &datos)
{
    setDatos(datos);
    satelites = new master::SatelitesTitular(*datos.connection(), m_descripcion.tipoDe, m_descripcion.ordenAplicar,
                                             this);
    documentos = new master::DocumentosTitular(*datos.connection(), m_descripcion.columnaDocumentos,
                                               *m_descripcion.documentos, this);
    crearCabecera();
}

void TfrmTitular::crearCabecera()
{
    txtCodigo = nuevaCaja("txtCodigo", QStringLiteral("CODIGO"));
    txtNombre = nuevaCaja("txtNombre", QStringLiteral("NOMBRE"));
    txtCif = nuevaCaja("txtCif", m_descripcion.columnaCif);
    txtRazonSocial = nuevaCaja("txtRazonSocial", QStringLiteral("RAZON_SOCIAL"));
    imgLogo = new fw::DBImage(datos(), QStringLiteral("LOGO"), this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setFixedSize(160, 100);

    auto *campos = new QFormLayout;
    campos->addRow(QStringLiteral("CODIGO"), txtCodigo);
    campos->addRow(QStringLiteral("NOMBRE"), txtNombre);
    campos->addRow(m_descripcion.columnaCif, txtCif);
    campos->addRow(QStringLiteral("RAZON SOCIAL"), txtRazonSocial);
    auto *logo = new QVBoxLayout;
    logo->addWidget(new QLabel(QStringLiteral("LOGO"), this));
    logo->addWidget(imgLogo);
    auto *cabecera = new QHBoxLayout;
    cabecera->addLayout(campos, 1);
    cabecera->addLayout(logo);
    cuerpo()->addLayout(cabecera);
    setCajaCodigo(txtCodigo);
}

void TfrmTitular::crearDomicilio()
{
    txtDireccion = nuevaCaja("txtDireccion", QStringLiteral("DIRECCION"));
    txtLocalidad = nuevaCaja("txtLocalidad", QStringLiteral("LOCALIDAD"));
    txtCodPostal = nuevaCaja("txtCodPostal", m_descripcion.columnaPostal);
    txtProvincia = nuevaCaja("txtProvincia", QStringLiteral("PROVINCIA"));
    txtTelefono1 = nuevaCaja("txtTelefono1", QStringLiteral("TELEFONO1"));
    txtTelefono2 = nuevaCaja("txtTelefono2", QStringLiteral("TELEFONO2"));
    txtFax = nuevaCaja("txtFax", QStringLiteral("FAX"));
    txtEmail = nuevaCaja("txtEmail", QStringLiteral("EMAIL"));
    txtPaginaWeb = nuevaCaja("txtPaginaWeb", QStringLiteral("PAGINA_WEB"));
    auto *btnWeb = fw::BotonEnlace::web(txtPaginaWeb, this);
    btnWeb->setObjectName(QStringLiteral("btnWeb"));

    auto *pagina = new QWidget;
    auto *campos = new QFormLayout(pagina);
    campos->addRow(QStringLiteral("DIRECCION"), txtDireccion);
    campos->addRow(QStringLiteral("LOCALIDAD"), txtLocalidad);
    campos->addRow(QStringLiteral("COD.POSTAL"), txtCodPostal);
    campos->addRow(QStringLiteral("PROVINCIA"), txtProvincia);
    campos->addRow(QStringLiteral("TELEFONO/s"), master::enFila({txtTelefono1, txtTelefono2}));
    campos->addRow(QStringLiteral("FAX"), txtFax);
    campos->addRow(QStringLiteral("EMAIL"), master::filaEmail(txtEmail));
    campos->addRow(QStringLiteral("PAGINA WEB"), master::enFila({txtPaginaWeb, btnWeb}));
    PageControl1->addTab(pagina, QStringLiteral("DOMICILIO SOCIAL"));
}

void TfrmTitular::crearBanco()
{
    txtBanco = nuevaCaja("txtBanco", QStringLiteral("BANCO"));
    txtSucursal = nuevaCaja("txtSucursal", QStringLiteral("SUCURSAL"));
    txtProvinciaBanco = nuevaCaja("txtProvinciaBanco", QStringLiteral("PROVINCIA_BANCO"));
    txtEntidad = nuevaCaja("txtEntidad", QStringLiteral("COD_ENTIDAD"));
    txtAgencia = nuevaCaja("txtAgencia", QStringLiteral("COD_AGENCIA"));
    txtDc = nuevaCaja("txtDc", QStringLiteral("DC"));
    txtCuenta = nuevaCaja("txtCuenta", QStringLiteral("NCUENTA"));
    fw::SaltoCuenta::install(txtEntidad, txtAgencia, txtDc, txtCuenta);

    auto *pagina = new QWidget;
    auto *campos = new QFormLayout(pagina);
    campos->addRow(QStringLiteral("BANCO"), txtBanco);
    campos->addRow(QStringLiteral("SUCURSAL"), txtSucursal);
    campos->addRow(QStringLiteral("PROVINCIA"), txtProvinciaBanco);
    auto *cuenta = new QGridLayout;
    const std::pair<const char *, fw::DBEdit *> partes[] = {
        {"ENTIDAD", txtEntidad}, {"AGENCIA", txtAgencia}, {"DC", txtDc}, {"CUENTA", txtCuenta}};
    for (int i = 0; i < 4; ++i) {
        cuenta->addWidget(new QLabel(QLatin1String(partes[i].first), pagina), 0, i);
        cuenta->addWidget(partes[i].second, 1, i);
    }
    campos->addRow(cuenta);
    PageControl1->addTab(pagina, QStringLiteral("BANCO"));
}

void TfrmTitular::crearComentario() { memObservaciones = master::agregarPestanaComentario(PageControl1, datos()); }

TfrmRegistro *TfrmTitular::crearFicha(master::Satelite tipo, QWidget *owner) const
{
    switch (tipo) {
    case master::Satelite::Personas:
        return new TfrmPersona(owner, true, satelites->mdlPersonas);
    case master::Satelite::Notas:
        return new TfrmNota(owner, true, satelites->mdlNotas);
    case master::Satelite::Direcciones:
        break;
    }
    return new TfrmDireccion(owner, true, satelites->mdlDirecciones);
}

void TfrmTitular::crearSatelites(master::Satelite tipo, const QString &pestana,
                                 const master::ComandosSatelites &comandos)
{
    ds::RecordSet &lista = satelites->lista(tipo);
    auto *pagina = new master::PestanaSatelites(
        lista, comandos, [this, tipo](QWidget *owner) { return crearFicha(tipo, owner); },
        [this, &lista] { satelites->marcarNueva(lista, datos().value(QStringLiteral("CODIGO"))); });
    m_pestanas.push_back(pagina);
    PageControl1->addTab(pagina, pestana);
}

void TfrmTitular::crearDocumentos()
{
    auto *paginas = new master::PestanaDocumentos(*documentos);
    paginas->setObjectName(QStringLiteral("PageControl2"));
    PageControl1->addTab(paginas, QStringLiteral("DOCUMENTOS"));
}

TfrmTitular::Referencia TfrmTitular::crearReferencia(const DescripcionReferencia &d)
{
    fw::DBEdit *codigo = nuevaCaja(d.caja, d.columna);
    fw::DBEdit *nombre = nuevaCaja(d.cajaNombre, d.columnaNombre);
    nombre->setEnabled(false); // the name follows the code; it is never typed
    auto *btnBuscar = new QToolButton(this);
    btnBuscar->setObjectName(QStringLiteral("btn") + QLatin1String(d.buscar));
    auto *btnVer = new QToolButton(this);
    btnVer->setObjectName(QStringLiteral("btn") + QLatin1String(d.ver));
    Referencia referencia{
        master::enFila({codigo, btnBuscar, btnVer, nombre}), codigo, nombre, nullptr, btnBuscar, nullptr};
    referencia.buscar = agregarBuscar(btnBuscar, d.buscar, d.hintBuscar, d.columna, d.gestion, d.sqlGestion);
    referencia.ver = agregarVer(btnVer, d.ver, d.hintVer, d.columna, d.registro);
    return referencia;
}

fw::DBRadioGroup *TfrmTitular::crearRegimenIva(QWidget *pagina)
{
    rgRegimenIva = new fw::DBRadioGroup(QStringLiteral("REGIMEN IVA"), datos(), QStringLiteral("REGIMEN_IVA"),
                                        {{QStringLiteral("GENERAL"), 1}, {QStringLiteral("EXENTO"), 0}}, pagina);
    rgRegimenIva->setObjectName(QStringLiteral("rgRegimenIva"));
    return rgRegimenIva;
}

void TfrmTitular::aplicarModo()
{
    for (master::PestanaSatelites *pestana : m_pestanas)
        pestana->setSoloLectura(modo() == Modo::Ver);
}

// The owned rows and the documents are read once the window shows on its
// row (in add mode the code is still empty).
void TfrmTitular::showEvent(QShowEvent *event)
{
    TfrmRegistro::showEvent(event);
    if (event->spontaneous() || m_abierta)
        return;
    m_abierta = true;
    const QVariant codigo = datos().value(QStringLiteral("CODIGO"));
    fw::intentar([&] {
        satelites->abrir(codigo);
        documentos->abrir(codigo);
    });
    aplicarModo();
}

bool TfrmTitular::aplicarDependientes() { return satelites->aplicar(datos().value(QStringLiteral("CODIGO"))); }

void TfrmTitular::cancelarDependientes() { satelites->descartar(); }
