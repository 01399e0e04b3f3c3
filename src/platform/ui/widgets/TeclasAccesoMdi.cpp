#include "TeclasAccesoMdi.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace ui {
namespace {

// Alt with a letter or digit, nothing else: the keys that captions mark with "&".
bool esTeclaDeAcceso(const QKeyEvent *key)
{
    const int k = key->key();
    const bool letra = (k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)
                       || (k >= Qt::Key_Agrave && k <= Qt::Key_ydiaeresis);
    return letra && (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
}

bool marca(const QString &texto, const QKeySequence &tecla)
{
    return !texto.isEmpty() && QKeySequence::mnemonic(texto) == tecla;
}

// Shown, usable and in the child window itself, not in a dialog it owns.
bool alAlcance(const QWidget *w, const QWidget *ventana)
{
    return w->isVisible() && w->isEnabled() && w->window() == ventana;
}

} // namespace

TeclasAccesoMdi::TeclasAccesoMdi(QMdiArea *area, QMenuBar *menu)
    : QObject(area), m_area(area), m_menu(menu)
{
    qApp->installEventFilter(this);
}

void TeclasAccesoMdi::install(QMdiArea *area, QMenuBar *menu)
{
    new TeclasAccesoMdi(area, menu);
}

std::function<void()> TeclasAccesoMdi::destinoEnHija(const QKeySequence &tecla) const
{
    const QMdiSubWindow *sub = m_area->activeSubWindow();
    if (!sub || sub->isMinimized() || !sub->widget())
        return {};
    const QWidget *hija = sub->widget();
    const QWidget *ventana = m_area->window();
    for (QAbstractButton *boton : hija->findChildren<QAbstractButton *>()) {
        if (alAlcance(boton, ventana) && marca(boton->text(), tecla))
            return [boton] { boton->click(); };
    }
    for (QAction *accion : hija->findChildren<QAction *>()) {
        if (accion->isEnabled() && accion->shortcuts().contains(tecla))
            return [accion] { accion->trigger(); };
    }
    for (QLabel *etiqueta : hija->findChildren<QLabel *>()) {
        QWidget *campo = etiqueta->buddy();
        if (campo && alAlcance(etiqueta, ventana) && alAlcance(campo, ventana) && marca(etiqueta->text(), tecla))
            return [campo] { campo->setFocus(Qt::ShortcutFocusReason); };
    }
    return {};
}

std::function<void()> TeclasAccesoMdi::destinoEnMenu(const QKeySequence &tecla) const
{
    if (!m_menu || !m_menu->isVisible())
        return {};
    for (QAction *entrada : m_menu->actions()) {
        if (entrada->menu() && entrada->isVisible() && entrada->isEnabled() && marca(entrada->text(), tecla)) {
            QMenuBar *menu = m_menu;
            return [menu, entrada] { menu->setActiveAction(entrada); };
        }
    }
    return {};
}

std::function<void()> TeclasAccesoMdi::destino(const QKeySequence &tecla) const
{
    if (auto hija = destinoEnHija(tecla))
        return hija;
    return destinoEnMenu(tecla);
}

bool TeclasAccesoMdi::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type tipo = event->type();
    if (tipo != QEvent::ShortcutOverride && tipo != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_area->window() || !esTeclaDeAcceso(key))
        return false;
    const auto accion = destino(QKeySequence(key->keyCombination()));
    if (!accion)
        return false;
    // The override keeps Qt from firing its own shortcut for the key; the
    // key press that follows then does what this window decided.
    event->accept();
    if (tipo == QEvent::KeyPress)
        accion();
    return true;
}

} // namespace ui
