#include "WidgetDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace ui {
namespace {

QMessageBox::Icon toBoxIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Warning: return QMessageBox::Warning;
    case Dialogs::Icon::Error: return QMessageBox::Critical;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void WidgetDialogs::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool WidgetDialogs::ask(const QString &text, Icon icon)
{
    QMessageBox box(toBoxIcon(icon), QApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sí"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void WidgetDialogs::showError(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace ui
