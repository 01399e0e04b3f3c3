#include "Dialogs.h"

#include <cstdio>

namespace ui {
namespace {

// Before the program installs its boxes (tools, early start-up): report on
// stderr and refuse every question, so nothing is done without consent.
class ConsoleDialogs final : public Dialogs
{
public:
    void showMessage(const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool ask(const QString &text, Icon) override
    {
        std::fprintf(stderr, "%s (No)\n", qPrintable(text));
        return false;
    }
    void showError(const QString &text) override { std::fprintf(stderr, "Error: %s\n", qPrintable(text)); }
};

ConsoleDialogs g_console;
Dialogs *g_current = &g_console;

} // namespace

Dialogs &Dialogs::current() { return *g_current; }

Dialogs *Dialogs::install(Dialogs *dialogs)
{
    Dialogs *previous = g_current;
    g_current = dialogs ? dialogs : &g_console;
    return previous;
}

} // namespace ui
