#include "TfrmInicio.h"

#include "app/ImagenesPrograma.h"
#include "platform/ui/widgets/Colores.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QLabel *nuevaImagen(const QPixmap &pixmap, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setPixmap(pixmap);
    return label;
}

} // namespace

TfrmInicio::TfrmInicio(QWidget *parent)
    : QFrame(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TfrmInicio"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, ui::kColorPrograma);
    setPalette(fondo);
    setAutoFillBackground(true);

    const QSize tamano(268, 257);
    const int margen = 10;
    const QSize interior = tamano - QSize(2, 2) * (frameWidth() + margen);
    const int altoBanner = 56;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(margen, margen, margen, margen);
    layout->setSpacing(margen);
    layout->addWidget(nuevaImagen(imagenes::bannerTitulo({interior.width(), altoBanner}), this));
    layout->addWidget(nuevaImagen(
        imagenes::portada({interior.width(), interior.height() - margen - altoBanner}), this));

    setFixedSize(tamano);
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, tamano,
                                    QGuiApplication::primaryScreen()->availableGeometry()));
}

void TfrmInicio::mostrar()
{
    show();
    repaint();
    QApplication::processEvents();
}
