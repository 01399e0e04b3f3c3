#pragma once

#include <QObject>

namespace ui {

// Enter as Tab for every window of the program: each window (main window,
// dialog, record window) and each dialog shown inside the main window gets
// its EnterAsTab the first time it is shown, so no window has to remember to
// install it.
class EnterAsTabPrograma final : public QObject
{
    Q_OBJECT
public:
    // Watches the application from now on; the watch ends with its owner.
    static void install(QObject *owner);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit EnterAsTabPrograma(QObject *owner);
};

} // namespace ui
