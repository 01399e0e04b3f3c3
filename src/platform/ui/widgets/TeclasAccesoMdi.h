#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QKeyEvent;
class QKeySequence;
class QMdiArea;
class QMenuBar;

namespace ui {

// Access keys (Alt+letter) in a window with child windows. Qt sees the
// buttons of every open child window and the menu bar as one window, so
// Alt+N could reach the "Ve&ntas" menu or the "&Nuevo" button of a window
// behind. Here the active child window answers first: a visible, enabled
// button whose caption marks that letter, an action of the child with that
// shortcut, or a label that takes the focus to its field. Only when the child
// claims nothing does the key open the menu of the menu bar marked with it.
//
// Watches the whole application; acts only while the keyboard focus is in
// the area's window. The filter ends with the area.
class TeclasAccesoMdi final : public QObject
{
    Q_OBJECT
public:
    static void install(QMdiArea *area, QMenuBar *menu);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TeclasAccesoMdi(QMdiArea *area, QMenuBar *menu);

    // What the key would do, not done yet; empty when nothing claims it.
    std::function<void()> destino(const QKeySequence &tecla) const;
    std::function<void()> destinoEnHija(const QKeySequence &tecla) const;
    std::function<void()> destinoEnMenu(const QKeySequence &tecla) const;

    QMdiArea *m_area;
    QPointer<QMenuBar> m_menu;
};

} // namespace ui
