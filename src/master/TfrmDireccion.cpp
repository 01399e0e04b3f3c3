#include "TfrmDireccion.h"

#include "master/TmdlDirecciones.h"
#include "master/widgets/Formularios.h"
#include "framework/widgets/DBEdit.h"

#include <QFormLayout>
#include <QTabWidget>

TfrmDireccion::TfrmDireccion(QWidget *owner, bool modal, TmdlDirecciones *modulo)
    : TfrmRegistro(owner, modal, modulo != nullptr,
                   {.caption = QStringLiteral("DIRECCION"),
                    .titulo = QStringLiteral("DIRECCION"),
                    .tabla = QStringLiteral("DIRECCION"),
                    .codigoNumerico = true}),
      mdlDirecciones(modulo ? modulo : new TmdlDirecciones(this))
{
    setObjectName(QStringLiteral("TfrmDireccion"));
    setDatos(mdlDirecciones->Direcciones);
    txtDescripcion = nuevaCaja("txtDescripcion", QStringLiteral("DESCRIPCION"));
    auto *cabecera = new QFormLayout;
    cabecera->addRow(QStringLiteral("DESCRIPCION"), txtDescripcion);
    cuerpo()->addLayout(cabecera);

    auto *pagina = new QWidget;
    txtDireccion = nuevaCaja("txtDireccion", QStringLiteral("DIRECCION"));
    txtLocalidad = nuevaCaja("txtLocalidad", QStringLiteral("LOCALIDAD"));
    txtCodPostal = nuevaCaja("txtCodPostal", QStringLiteral("CODIGO_POSTAL"));
    txtProvincia = nuevaCaja("txtProvincia", QStringLiteral("PROVINCIA"));
    txtTelefono1 = nuevaCaja("txtTelefono1", QStringLiteral("TELEFONO1"));
    txtTelefono2 = nuevaCaja("txtTelefono2", QStringLiteral("TELEFONO2"));
    txtFax = nuevaCaja("txtFax", QStringLiteral("FAX"));
    txtEmail = nuevaCaja("txtEmail", QStringLiteral("EMAIL"));
    auto *campos = new QFormLayout(pagina);
    campos->addRow(QStringLiteral("DIRECCION"), txtDireccion);
    campos->addRow(QStringLiteral("LOCALIDAD"), txtLocalidad);
    campos->addRow(QStringLiteral("COD.POSTAL"), txtCodPostal);
    campos->addRow(QStringLiteral("PROVINCIA"), txtProvincia);
    campos->addRow(QStringLiteral("TELEFONO/s"), master::enFila({txtTelefono1, txtTelefono2}));
    campos->addRow(QStringLiteral("FAX"), txtFax);
    campos->addRow(QStringLiteral("EMAIL"), master::filaEmail(txtEmail));
    PageControl1->addTab(pagina, QStringLiteral("DIRECCION"));
    memObservaciones = master::agregarPestanaComentario(PageControl1, datos());
}
