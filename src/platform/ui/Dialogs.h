#pragma once

#include <QString>
#include <memory>

namespace ui {

// How rules and windows talk to the user. Business rules never open a box
// themselves: they call the current Dialogs service. The program installs the
// widget implementation at start; tests install a scripted one that records
// what was shown and answers questions from a queue.
class Dialogs
{
public:
    enum class Icon { None, Information, Warning, Error, Question };

    virtual ~Dialogs() = default;

    // A plain message box with an OK button (the rules' messages).
    virtual void showMessage(const QString &text) = 0;
    // Yes/No question; true for Yes. Warning icon for deletions and
    // corrections, Question (confirmation) icon for leaving the program.
    virtual bool ask(const QString &text, Icon icon = Icon::Warning) = 0;
    // The standard error box: errors of the database and of the record-set layer.
    virtual void showError(const QString &text) = 0;

    // The service in use; never null (a service that only writes to stderr
    // and answers No is there until one is installed).
    static Dialogs &current();
    // Installs a service, returns the one it replaces. Ownership stays with the caller.
    static Dialogs *install(Dialogs *dialogs);
};

// Shorthands for rules.
inline void showMessage(const QString &text) { Dialogs::current().showMessage(text); }
inline bool ask(const QString &text, Dialogs::Icon icon = Dialogs::Icon::Warning)
{
    return Dialogs::current().ask(text, icon);
}
inline void showError(const QString &text) { Dialogs::current().showError(text); }

} // namespace ui
