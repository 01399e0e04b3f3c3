#include "TfrmPersona.h"

#include "master/TmdlPersonas.h"
#include "master/widgets/Formularios.h"
#include "framework/widgets/DBEdit.h"

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

    auto *pagina = new QWidget;
    txtTelefono1 = nuevaCaja("txtTelefono1", QStringLiteral("TELEFONO1"));
    txtTelefono2 = nuevaCaja("txtTelefono2", QStringLiteral("TELEFONO2"));
    txtEmail = nuevaCaja("txtEmail", QStringLiteral("EMAIL"));
    auto *campos = new QFormLayout(pagina);
    campos->addRow(QStringLiteral("TELEFONO/s"), master::enFila({txtTelefono1, txtTelefono2}));
    campos->addRow(QStringLiteral("EMAIL"), master::filaEmail(txtEmail));
    PageControl1->addTab(pagina, QStringLiteral("DIRECCION"));
    memObservaciones = master::agregarPestanaComentario(PageControl1, datos());
}
