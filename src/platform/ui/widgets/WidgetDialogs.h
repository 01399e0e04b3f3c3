#pragma once

#include "platform/ui/Dialogs.h"

namespace ui {

// The program's message boxes: plain boxes with OK, Yes/No questions, and the
// standard error box. Owned by main(); installed for the whole run.
class WidgetDialogs final : public Dialogs
{
public:
    void showMessage(const QString &text) override;
    bool ask(const QString &text, Icon icon) override;
    void showError(const QString &text) override;
};

} // namespace ui
