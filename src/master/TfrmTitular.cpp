#include "TfrmTitular.h"

#include "framework/widgets/BloquesFicha.h"
#include "framework/widgets/BotonEnlace.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBRadioGroup.h"
#include "framework/widgets/Formularios.h"
#include "framework/widgets/Intentar.h"
#include "master/TfrmDireccion.h"
#include "master/TfrmNota.h"
#include "master/TfrmPersona.h"
#include "master/widgets/PestanaDocumentos.h"
#include "master/widgets/PestanaSatelites.h"
#include "platform/dataset/RecordSet.h"

#include <QFormLayout>
#include <QTabWidget>

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
    imgLogo = fw::agregarCabeceraImagen(
        cuerpo(), datos(), this,
        {{{"txtCodigo", QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), &txtCodigo},
          {"txtNombre", QStringLiteral("NOMBRE"), QStringLiteral("NOMBRE"), &txtNombre},
          {"txtCif", m_descripcion.columnaCif, m_descripcion.columnaCif, &txtCif},
          {"txtRazonSocial", QStringLiteral("RAZON_SOCIAL"), QStringLiteral("RAZON SOCIAL"), &txtRazonSocial}},
         "imgLogo",
         QStringLiteral("LOGO"),
         QSize(160, 100)});
    setCajaCodigo(txtCodigo);
}

// The registered address, with the web page after the e-mail.
void TfrmTitular::crearDomicilio()
{
    auto *pagina = new QWidget;
    auto *campos = new QFormLayout(pagina);
    fw::agregarDomicilio(campos, datos(), this,
                         {&txtDireccion, &txtLocalidad, &txtCodPostal, &txtProvincia, &txtTelefono1, &txtTelefono2,
                          &txtFax, &txtEmail},
                         {m_descripcion.columnaPostal, "txtCodPostal"});
    txtPaginaWeb = nuevaCaja("txtPaginaWeb", QStringLiteral("PAGINA_WEB"));
    auto *btnWeb = fw::BotonEnlace::web(txtPaginaWeb, this);
    btnWeb->setObjectName(QStringLiteral("btnWeb"));
    campos->addRow(QStringLiteral("PAGINA WEB"), fw::enFila({txtPaginaWeb, btnWeb}));
    PageControl1->addTab(pagina, QStringLiteral("DOMICILIO SOCIAL"));
}

void TfrmTitular::crearBanco()
{
    fw::agregarBanco(fw::agregarPestana(PageControl1, QStringLiteral("BANCO")), datos(), this,
                     {&txtBanco, &txtSucursal, &txtProvinciaBanco, &txtEntidad, &txtAgencia, &txtDc, &txtCuenta},
                     {"txtProvinciaBanco", QStringLiteral("PROVINCIA_BANCO"), "txtCuenta"});
}

void TfrmTitular::crearComentario() { memObservaciones = fw::agregarPestanaComentario(PageControl1, datos()); }

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

// The owned rows and the documents of the row the window stands on (in add
// mode the code is still empty).
void TfrmTitular::alPosicionar()
{
    const QVariant codigo = datos().value(QStringLiteral("CODIGO"));
    fw::intentar([&] {
        satelites->abrir(codigo);
        documentos->abrir(codigo);
    });
    aplicarModo();
}

bool TfrmTitular::aplicarDependientes() { return satelites->aplicar(datos().value(QStringLiteral("CODIGO"))); }

void TfrmTitular::cancelarDependientes() { satelites->descartar(); }
