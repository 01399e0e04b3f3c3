#include "ScriptedDialogs.h"

namespace testsupport {

ScriptedDialogs::ScriptedDialogs() : m_previous(ui::Dialogs::install(this)) {}

ScriptedDialogs::~ScriptedDialogs() { ui::Dialogs::install(m_previous); }

void ScriptedDialogs::showMessage(const QString &text)
{
    messages << text;
    shown << QStringLiteral("msg:") + text;
}

bool ScriptedDialogs::ask(const QString &text, Icon icon)
{
    questions << text;
    questionIcons << icon;
    shown << QStringLiteral("ask:") + text;
    if (m_answers.empty())
        return false;
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

void ScriptedDialogs::showError(const QString &text)
{
    errors << text;
    shown << QStringLiteral("err:") + text;
}

void ScriptedDialogs::clear()
{
    messages.clear();
    questions.clear();
    errors.clear();
    questionIcons.clear();
    shown.clear();
    m_answers.clear();
}

} // namespace testsupport
