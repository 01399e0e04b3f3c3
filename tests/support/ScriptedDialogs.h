#pragma once

#include "platform/ui/Dialogs.h"

#include <QStringList>
#include <deque>

namespace testsupport {

// Dialogs service for tests: records every message, question and error, and
// answers questions from a queue (No when the queue is empty). Installs
// itself on construction and puts the previous service back on destruction.
class ScriptedDialogs final : public ui::Dialogs
{
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    void showMessage(const QString &text) override;
    bool ask(const QString &text, Icon icon) override;
    void showError(const QString &text) override;

    void answer(bool yes) { m_answers.push_back(yes); }

    QStringList messages;
    QStringList questions;
    QStringList errors;
    QList<Icon> questionIcons;

    // Everything shown, in order, each prefixed with its kind ("msg:", "ask:", "err:").
    QStringList shown;
    void clear();

private:
    std::deque<bool> m_answers;
    ui::Dialogs *m_previous;
};

} // namespace testsupport
