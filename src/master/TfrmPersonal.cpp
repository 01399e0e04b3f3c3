#include "TfrmPersonal.h"

#include "DescripcionPersonal.h"
#include "TmdlPersonal.h"
#include "framework/widgets/BotonEnlace.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBImage.h"
#include "framework/widgets/DBMemo.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

DescripcionRegistro descripcionRegistro(const DescripcionPersonal &personal)
{
    return {
        .caption = personal.captionRegistro,
        .titulo = personal.tituloRegistro,
        .tabla = personal.tabla,
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
    txtCodigo = nuevaCaja("txtCodigo", QStringLiteral("CODIGO"));
    txtNombre = nuevaCaja("txtNombre", QStringLiteral("NOMBRE"));
    txtNif = nuevaCaja("txtNif", QStringLiteral("NIF"));
    imgFoto = new fw::DBImage(datos(), QStringLiteral("FOTO"), this);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setFixedSize(100, 120);

    auto *campos = new QFormLayout;
    campos->addRow(QStringLiteral("CODIGO"), txtCodigo);
    campos->addRow(QStringLiteral("NOMBRE"), txtNombre);
    campos->addRow(QStringLiteral("NIF"), txtNif);
    auto *foto = new QVBoxLayout;
    foto->addWidget(new QLabel(QStringLiteral("FOTO"), this));
    foto->addWidget(imgFoto);
    auto *cabecera = new QHBoxLayout;
    cabecera->addLayout(campos, 1);
    cabecera->addLayout(foto);
    cuerpo()->addLayout(cabecera);
}

void TfrmPersonal::crearDomicilio(const QString &pestana)
{
    txtDireccion = nuevaCaja("txtDireccion", QStringLiteral("DIRECCION"));
    txtLocalidad = nuevaCaja("txtLocalidad", QStringLiteral("LOCALIDAD"));
    txtCodigoPostal = nuevaCaja("txtCodigoPostal", QStringLiteral("CODIGO_POSTAL"));
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
    campos->addRow(QStringLiteral("COD.POSTAL"), txtCodigoPostal);
    campos->addRow(QStringLiteral("PROVINCIA"), txtProvincia);
    campos->addRow(QStringLiteral("TELEFONO/s"), enFila({txtTelefono1, txtTelefono2}));
    campos->addRow(QStringLiteral("FAX"), txtFax);
    campos->addRow(QStringLiteral("EMAIL"), enFila({txtEmail, btnEmail}));
    PageControl1->addTab(pagina, pestana);
}

void TfrmPersonal::crearComentario()
{
    memObservaciones = new fw::DBMemo(datos(), QStringLiteral("OBSERVACIONES"), this);
    memObservaciones->setObjectName(QStringLiteral("memObservaciones"));
    auto *pagina = new QWidget;
    auto *layout = new QVBoxLayout(pagina);
    layout->addWidget(memObservaciones);
    PageControl1->addTab(pagina, QStringLiteral("COMENTARIO"));
}
