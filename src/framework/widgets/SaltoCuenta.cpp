#include "SaltoCuenta.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace fw {

SaltoCuenta::SaltoCuenta(QLineEdit *entidad, QLineEdit *agencia, QLineEdit *dc, QLineEdit *cuenta)
    : QObject(entidad), m_saltos{{entidad, 4, agencia}, {agencia, 4, dc}, {dc, 2, cuenta}}
{
    for (const Salto &salto : m_saltos)
        salto.desde->installEventFilter(this);
}

void SaltoCuenta::install(QLineEdit *entidad, QLineEdit *agencia, QLineEdit *dc, QLineEdit *cuenta)
{
    new SaltoCuenta(entidad, agencia, dc, cuenta);
}

bool SaltoCuenta::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyRelease)
        return false;
    // Only a key that typed something: Shift+Tab back into a full box must
    // not send the focus forward again when Shift is released.
    const QString tecla = static_cast<QKeyEvent *>(event)->text();
    if (tecla.isEmpty() || !tecla.front().isPrint())
        return false;
    for (const Salto &salto : m_saltos)
        if (watched == salto.desde && salto.desde->text().size() == salto.longitud)
            salto.hacia->setFocus(Qt::OtherFocusReason);
    return false;
}

} // namespace fw
