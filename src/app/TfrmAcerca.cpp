#include "TfrmAcerca.h"

#include "app/ImagenesPrograma.h"
#include "platform/ui/widgets/EtiquetaTitulo.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

TfrmAcerca::TfrmAcerca(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmAcerca"));
    setWindowTitle(QStringLiteral("Acerca de..."));
    setModal(true);

    auto *banner = new QLabel(this);
    banner->setPixmap(imagenes::bannerTitulo({300, 60}));
    auto *btnOk = new QPushButton(QStringLiteral("&OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);

    auto *botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(btnOk);
    botones->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(banner, 0, Qt::AlignHCenter);
    layout->addWidget(ui::nuevaEtiquetaTitulo("lblProducto", QStringLiteral("VANTREL FACTURACION"), 14, this));
    layout->addWidget(ui::nuevaEtiquetaTitulo("lblVersion", QStringLiteral("Versión 1.0.1"), 10, this));
    layout->addLayout(botones);
    setFixedSize(sizeHint());

    // Placed now, so the dialog shows centred on the screen rather than over its parent.
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    QGuiApplication::primaryScreen()->availableGeometry()));
}
