#include "TfrmPersonal.h"

#include "DescripcionPersonal.h"
#include "TmdlPersonal.h"
#include "framework/widgets/BloquesFicha.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/Formularios.h"

namespace {

DescripcionRegistro descripcionRegistro(const DescripcionPersonal &personal)
{
    return {
        .caption = personal.captionRegistro,
        .titulo = personal.tituloRegistro,
        .tabla = personal.tabla,
    };
}

} // namespace

TfrmPersonal::TfrmPersonal(QWidget *owner, bool modal, TmdlPersonal *modulo, bool compartido)
    : TfrmRegistro(owner, modal, compartido, descripcionRegistro(modulo->descripcion())), m_modulo(modulo)
{
    if (!compartido)
        modulo->setParent(this);
    setDatos(modulo->personal());
    crearCabecera();
    crearDomicilio(modulo->descripcion().primeraPestana);
    crearComentario();
    setCajaCodigo(txtCodigo);
}

void TfrmPersonal::crearCabecera()
{
    imgFoto = fw::agregarCabeceraImagen(cuerpo(), datos(), this,
                                        {{{"txtCodigo", QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), &txtCodigo},
                                          {"txtNombre", QStringLiteral("NOMBRE"), QStringLiteral("NOMBRE"), &txtNombre},
                                          {"txtNif", QStringLiteral("NIF"), QStringLiteral("NIF"), &txtNif}},
                                         "imgFoto",
                                         QStringLiteral("FOTO"),
                                         QSize(100, 120)});
}

void TfrmPersonal::crearDomicilio(const QString &pestana)
{
    fw::agregarDomicilio(fw::agregarPestana(PageControl1, pestana), datos(), this,
                         {&txtDireccion, &txtLocalidad, &txtCodigoPostal, &txtProvincia, &txtTelefono1, &txtTelefono2,
                          &txtFax, &txtEmail},
                         {QStringLiteral("CODIGO_POSTAL"), "txtCodigoPostal"});
}

void TfrmPersonal::crearComentario() { memObservaciones = fw::agregarPestanaComentario(PageControl1, datos()); }
