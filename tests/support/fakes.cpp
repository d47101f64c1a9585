#include "tests/support/fakes.h"

bool ScriptedDialogs::message(Icon icon, Buttons buttons, const QString &title, const QString &text)
{
    shown.append({icon, buttons, title, text});
    if (m_action) {
        auto action = std::move(m_action);
        m_action = nullptr;
        action();
    }
    return m_answers.isEmpty() ? true : m_answers.takeFirst();
}

bool RecordingLauncher::start(const QString &program, const QStringList &arguments)
{
    started.append({program, arguments});
    return succeed;
}

bool RecordingLauncher::openDocument(const QString &path)
{
    documents.append(path);
    return succeed;
}
