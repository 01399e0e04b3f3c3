#pragma once

#include <QObject>

class QWidget;

namespace ui {

// Enter moves to the next field, as Tab does, in single-line edit boxes
// (line edits, spin and date boxes) and on page tabs. Elsewhere Enter keeps
// its own meaning: a new line in a memo, the cell editor in a grid, the
// choice in a combo box, the click of a button.
//
// A field whose Enter must reach the dialog's default button instead (the
// password of the login: typing it and pressing Enter logs in) carries the
// property kEnterPulsaDefecto set to true.
//
// Installed once on a window (or any container). It sees the key when the
// focused field has let it go up to the container, so the field has already
// handled it (returnPressed, editingFinished) and a dialog's default button
// is not clicked by Enter from a field.
class EnterAsTab final : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *kEnterPulsaDefecto = "enterPulsaDefecto";

    // The filter belongs to the container and ends with it.
    static void install(QWidget *container);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit EnterAsTab(QWidget *container);
    QWidget *m_container;
};

} // namespace ui
