#include "TfrmAcerca.h"

#include "app/ImagenesPrograma.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QLabel *nuevoTexto(const char *nombre, const QString &texto, int puntos, QWidget *parent)
{
    auto *label = new QLabel(texto, parent);
    label->setObjectName(QLatin1String(nombre));
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(puntos);
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

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
    layout->addWidget(nuevoTexto("lblProducto", QStringLiteral("VANTREL FACTURACION"), 14, this));
    layout->addWidget(nuevoTexto("lblVersion", QStringLiteral("Versión 1.0.1"), 10, this));
    layout->addLayout(botones);
    setFixedSize(sizeHint());

    // Placed now, so the dialog shows centred on the screen rather than over its parent.
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    QGuiApplication::primaryScreen()->availableGeometry()));
}
