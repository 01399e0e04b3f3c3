#include "BotonEnlace.h"

#include <QDesktopServices>
#include <QLineEdit>
#include <QUrl>

namespace fw {

BotonEnlace::BotonEnlace(QLineEdit *caja, QString prefijo, QWidget *parent)
    : QToolButton(parent), m_caja(caja), m_prefijo(std::move(prefijo))
{
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QToolButton::clicked, this, &BotonEnlace::abrir);
}

BotonEnlace *BotonEnlace::email(QLineEdit *caja, QWidget *parent)
{
    auto *boton = new BotonEnlace(caja, QStringLiteral("mailto:"), parent);
    boton->setText(QStringLiteral("@"));
    return boton;
}

BotonEnlace *BotonEnlace::web(QLineEdit *caja, QWidget *parent)
{
    auto *boton = new BotonEnlace(caja, QString(), parent);
    boton->setText(QStringLiteral("www"));
    return boton;
}

void BotonEnlace::abrir()
{
    const QString texto = m_caja->text().trimmed();
    if (texto.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl::fromUserInput(m_prefijo + texto));
}

} // namespace fw
