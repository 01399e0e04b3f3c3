#include "TfrmLogin.h"

#include "app/ImagenesPrograma.h"
#include "platform/ui/widgets/Colores.h"
#include "app/TmdlConexiones.h"
#include "framework/widgets/Formularios.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbError.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/widgets/EnterAsTab.h"
#include "platform/ui/widgets/EtiquetaTitulo.h"

#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int kLargoCampos = 10; // NOMBRE and CONTRASENA are CHAR(10)

QLineEdit *nuevoCampo(const char *nombre, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(nombre));
    edit->setMaxLength(kLargoCampos);
    return edit;
}


} // namespace

TfrmLogin::TfrmLogin(QWidget *parent) : TfrmLogin(mdlConexiones().ConexionGeneral, parent) {}

TfrmLogin::TfrmLogin(fb::Connection &general, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_general(general),
      txtNombre(nuevoCampo("txtNombre", this)), txtContrasena(nuevoCampo("txtContrasena", this)),
      lblError(new QLabel(QStringLiteral("ERROR"), this)),
      btnAceptar(fw::botonDialogo("btnAceptar", QStringLiteral("&Aceptar"), this)),
      btnCancelar(fw::botonDialogo("btnCancelar", QStringLiteral("&Cancelar"), this))
{
    setObjectName(QStringLiteral("TfrmLogin"));
    setWindowTitle(QStringLiteral("Entrada al sistema"));
    setModal(true);
    setAutoFillBackground(true);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, ui::kColorPrograma);
    fondo.setColor(QPalette::WindowText, Qt::white);
    setPalette(fondo);

    txtContrasena->setEchoMode(QLineEdit::Password);
    lblError->setObjectName(QStringLiteral("lblError"));
    QPalette rojo = lblError->palette();
    rojo.setColor(QPalette::WindowText, Qt::red);
    lblError->setPalette(rojo);
    QFont negrita = lblError->font();
    negrita.setBold(true);
    lblError->setFont(negrita);
    lblError->setVisible(false);
    btnAceptar->setDefault(true);
    connect(btnAceptar, &QPushButton::clicked, this, &TfrmLogin::btnAceptarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TfrmLogin::btnCancelarClick);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->addWidget(ui::nuevaEtiquetaTitulo("lblTitulo", QStringLiteral("VANTREL FACTURACION"), 16, this));
    layout->addWidget(ui::nuevaEtiquetaTitulo("lblIdentificacion", QStringLiteral("IDENTIFICACION DE USUARIO"), 10, this));
    layout->addWidget(crearPanel());
    ui::EnterAsTab::install(this);
    // Name, Enter, password, Enter: the last Enter logs in.
    txtContrasena->setProperty(ui::EnterAsTab::kEnterPulsaDefecto, true);
    setFixedSize(sizeHint());
    // Centred on the screen, not over the main window, which may be hidden.
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    QGuiApplication::primaryScreen()->availableGeometry()));
    txtNombre->setFocus();
}

QWidget *TfrmLogin::crearPanel()
{
    auto *panel = new QWidget(this);
    auto *campos = new QFormLayout;
    auto *lblNombre = new QLabel(QStringLiteral("&Nombre"), panel);
    lblNombre->setBuddy(txtNombre);
    auto *lblContrasena = new QLabel(QStringLiteral("C&ontraseña"), panel);
    lblContrasena->setBuddy(txtContrasena);
    campos->addRow(lblNombre, txtNombre);
    campos->addRow(lblContrasena, txtContrasena);

    auto *botones = new QHBoxLayout;
    botones->addWidget(lblError);
    botones->addStretch();
    botones->addWidget(btnAceptar);
    botones->addWidget(btnCancelar);

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->addLayout(campos);
    layout->addLayout(botones);
    return panel;
}

// Name and password go as typed: both columns are CHAR(10), so trailing
// blanks make no difference while letter case does.
void TfrmLogin::btnAceptarClick()
{
    if (txtNombre->text().isEmpty())
        return;
    ds::RecordSet sqlUsuarios(QStringLiteral("sqlUsuarios"));
    sqlUsuarios.setConnection(&m_general);
    try {
        sqlUsuarios.open(QStringLiteral("SELECT CODIGO FROM USUARIO WHERE (NOMBRE = ?) AND (CONTRASENA = ?)"),
                         {txtNombre->text(), txtContrasena->text()});
    } catch (const fb::Error &e) {
        ui::showError(e.text());
        return;
    }
    if (sqlUsuarios.isEmpty()) {
        lblError->setVisible(true);
        txtContrasena->clear();
        txtNombre->setFocus();
        return;
    }
    CodigoUsuario = sqlUsuarios.value(QStringLiteral("CODIGO")).toInt();
    sqlUsuarios.close();
    accept();
}

void TfrmLogin::btnCancelarClick()
{
    m_cancelado = true;
    reject();
}

// Escape is the Cancel button; closing the dialog any other way is not.
void TfrmLogin::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        btnCancelar->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
