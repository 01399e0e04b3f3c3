#include "TfrmPersona.h"

#include "master/TmdlPersonas.h"
#include "framework/widgets/BloquesFicha.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/Formularios.h"

#include <QFormLayout>
#include <QTabWidget>

TfrmPersona::TfrmPersona(QWidget *owner, bool modal, TmdlPersonas *modulo)
    : TfrmRegistro(owner, modal, modulo != nullptr,
                   {.caption = QStringLiteral("PERSONA DE CONTACTO"),
                    .titulo = QStringLiteral("PERSONA DE CONTACTO"),
                    .tabla = QStringLiteral("PERSONA_CONTACTO"),
                    .codigoNumerico = true}),
      mdlPersonas(modulo ? modulo : new TmdlPersonas(this))
{
    setObjectName(QStringLiteral("TfrmPersona"));
    setDatos(mdlPersonas->Personas);
    txtNombre = nuevaCaja("txtNombre", QStringLiteral("NOMBRE"));
    auto *cabecera = new QFormLayout;
    cabecera->addRow(QStringLiteral("NOMBRE"), txtNombre);
    cuerpo()->addLayout(cabecera);

    // A contact has no postal address and no fax: only its phones and e-mail.
    fw::agregarDomicilio(fw::agregarPestana(PageControl1, QStringLiteral("DIRECCION")), datos(), this,
                         {.telefono1 = &txtTelefono1, .telefono2 = &txtTelefono2, .email = &txtEmail});
    memObservaciones = fw::agregarPestanaComentario(PageControl1, datos());
}
