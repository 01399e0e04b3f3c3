#include "EnterAsTab.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabBar>

namespace ui {
namespace {

bool esEnter(const QKeyEvent *key)
{
    const bool tecla = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    return tecla && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// A line edit inside a grid (cell editor) or a combo box belongs to that
// control, where Enter has a meaning of its own.
bool dentroDeOtroControl(const QWidget *campo, const QWidget *container)
{
    for (const QWidget *w = campo->parentWidget(); w && w != container; w = w->parentWidget()) {
        if (qobject_cast<const QAbstractItemView *>(w) || qobject_cast<const QComboBox *>(w))
            return true;
    }
    return false;
}

bool avanzaConEnter(const QWidget *campo, const QWidget *container)
{
    if (qobject_cast<const QAbstractSpinBox *>(campo) || qobject_cast<const QTabBar *>(campo))
        return true;
    return qobject_cast<const QLineEdit *>(campo) && !dentroDeOtroControl(campo, container);
}

// The window or child window within which Tab moves the focus.
QWidget *marcoDe(QWidget *campo)
{
    QWidget *marco = campo;
    while (!marco->isWindow() && marco->windowType() != Qt::SubWindow)
        marco = marco->parentWidget();
    return marco;
}

} // namespace

EnterAsTab::EnterAsTab(QWidget *container) : QObject(container), m_container(container)
{
    container->installEventFilter(this);
}

void EnterAsTab::install(QWidget *container)
{
    new EnterAsTab(container);
}

bool EnterAsTab::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_container || event->type() != QEvent::KeyPress
        || !esEnter(static_cast<QKeyEvent *>(event)))
        return false;
    QWidget *campo = QApplication::focusWidget();
    if (!campo || !m_container->isAncestorOf(campo) || !avanzaConEnter(campo, m_container)
        || campo->property(kEnterPulsaDefecto).toBool())
        return false;
    // The Tab goes to the field's window (or child window), not to the
    // field: a date box takes Tab to move between day, month and year.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(marcoDe(campo), &tab);
    return true;
}

} // namespace ui
