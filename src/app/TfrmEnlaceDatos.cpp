#include "TfrmEnlaceDatos.h"

#include "platform/ui/Dialogs.h"
#include "platform/ui/widgets/EnterAsTab.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *nuevoCampo(const char *nombre, QWidget *parent)
{
    auto *campo = new QLineEdit(parent);
    campo->setObjectName(QLatin1String(nombre));
    campo->setMinimumWidth(320);
    return campo;
}

} // namespace

TfrmEnlaceDatos::TfrmEnlaceDatos(Configuracion configuracion, QWidget *parent)
    : QDialog(parent), m_configuracion(std::move(configuracion)),
      txtEquipo(nuevoCampo("txtEquipo", this)), txtPath(nuevoCampo("txtPath", this)),
      btnOk(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("TfrmEnlaceDatos"));
    setWindowTitle(QStringLiteral("ENLACE DATOS"));
    setModal(true);
    btnOk->setObjectName(QStringLiteral("btnOk"));

    auto *campos = new QFormLayout;
    campos->setRowWrapPolicy(QFormLayout::WrapAllRows);
    campos->addRow(QStringLiteral("NOMBRE EQUIPO SERVIDOR"), txtEquipo);
    campos->addRow(QStringLiteral("RUTA COMPLETA DE DATOS (GENERAL.GDB)"), txtPath);
    auto *botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(btnOk);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addLayout(botones);
    setFixedSize(sizeHint());

    ui::EnterAsTab::install(this);
    connect(btnOk, &QPushButton::clicked, this, &TfrmEnlaceDatos::btnOkClick);
}

void TfrmEnlaceDatos::btnOkClick()
{
    if (txtPath->text().trimmed().isEmpty()) {
        ui::showMessage(QStringLiteral("Especifique la ruta a los daots"));
        txtPath->setFocus();
        return;
    }
    QString error;
    if (!m_configuracion.escribirRutaDatos(
            Configuracion::componerRutaDatos(txtEquipo->text(), txtPath->text()), &error)) {
        ui::showError(error);
        return;
    }
    accept();
}
