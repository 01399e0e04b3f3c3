#include "TfrmCambioEstado.h"

#include "framework/widgets/BandaTitulo.h"
#include "framework/widgets/Formularios.h"
#include "framework/widgets/Intentar.h"
#include "platform/dataset/RecordSet.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QPushButton *nuevoBoton(const char *nombre, const QString &texto, QStyle::StandardPixmap icono, QWidget *parent)
{
    QPushButton *boton = fw::botonDialogo(nombre, texto, parent);
    boton->setIcon(parent->style()->standardIcon(icono));
    return boton;
}

} // namespace

TfrmCambioEstado::TfrmCambioEstado(QWidget *owner, ds::RecordSet &datos, const DescripcionCambioEstado &descripcion)
    : QDialog(owner), m_datos(datos)
{
    setWindowTitle(descripcion.caption);
    setModal(true);
    auto *banda = new fw::BandaTitulo(this);
    lblTitulo = banda->lblTitulo();
    lblTitulo->setText(descripcion.titulo);
    rgEstado = new fw::DBRadioGroup(QStringLiteral("ESTADO"), datos, QStringLiteral("ESTADO"), descripcion.estados,
                                    this);
    rgEstado->setObjectName(QStringLiteral("rgEstado"));
    btnAceptar = nuevoBoton("btnAceptar", descripcion.textoAceptar, QStyle::SP_DialogOkButton, this);
    btnCancelar = nuevoBoton("btnCancelar", descripcion.textoCancelar, QStyle::SP_DialogCancelButton, this);
    connect(btnAceptar, &QPushButton::clicked, this, &TfrmCambioEstado::aceptar);
    connect(btnCancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto *botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(btnAceptar);
    botones->addWidget(btnCancelar);
    auto *centro = new QVBoxLayout;
    centro->setContentsMargins(9, 9, 9, 9);
    centro->addWidget(rgEstado);
    centro->addLayout(botones);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(banda);
    layout->addLayout(centro);
}

bool TfrmCambioEstado::Cambiar()
{
    if (!fw::intentar([this] { m_datos.edit(); }))
        return false;
    if (exec() == QDialog::Accepted)
        return true;
    m_datos.cancel();
    return false;
}

// A refused post leaves the dialog open for another choice; a refused apply
// has shown the database's text and keeps the change pending, as every apply does.
void TfrmCambioEstado::aceptar()
{
    if (!fw::intentar([this] { m_datos.post(); }))
        return;
    m_datos.applyUpdates();
    accept();
}
