#include "EnterAsTabPrograma.h"

#include "EnterAsTab.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace ui {
namespace {

const char *const kInstalado = "vantrelEnterAsTab";

} // namespace

EnterAsTabPrograma::EnterAsTabPrograma(QObject *owner) : QObject(owner)
{
    qApp->installEventFilter(this);
}

void EnterAsTabPrograma::install(QObject *owner)
{
    new EnterAsTabPrograma(owner);
}

bool EnterAsTabPrograma::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto *ventana = static_cast<QWidget *>(watched);
    const Qt::WindowType tipo = ventana->windowType();
    // A dialog shown as a child window is no window any more, but it still
    // takes Enter for its default button before the frame could see it.
    const bool marco = tipo == Qt::Window || tipo == Qt::Dialog || qobject_cast<QDialog *>(ventana);
    if (marco && !ventana->property(kInstalado).toBool()) {
        ventana->setProperty(kInstalado, true);
        EnterAsTab::install(ventana);
    }
    return false;
}

} // namespace ui
