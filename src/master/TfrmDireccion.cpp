#include "TfrmDireccion.h"

#include "master/TmdlDirecciones.h"
#include "framework/widgets/BloquesFicha.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/Formularios.h"

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

    fw::agregarDomicilio(fw::agregarPestana(PageControl1, QStringLiteral("DIRECCION")), datos(), this,
                         {&txtDireccion, &txtLocalidad, &txtCodPostal, &txtProvincia, &txtTelefono1, &txtTelefono2,
                          &txtFax, &txtEmail},
                         {QStringLiteral("CODIGO_POSTAL"), "txtCodPostal"});
    memObservaciones = fw::agregarPestanaComentario(PageControl1, datos());
}
