#include "tests/support/fakes.h"

#include "tests/support/frontendrun.h"

#include <utility>

ScriptedDialogs::~ScriptedDialogs()
{
    if (frontEndDialogs() == this)
        closeFrontEnd();
}

Dialogs::Choice ScriptedDialogs::askToSave(const QString &title, const QString &text)
{
    if (m_saveAnswers.isEmpty())
        return Dialogs::askToSave(title, text);
    shown.append({Icon::Question, Buttons::OkCancel, title, text});
    return m_saveAnswers.takeFirst();
}

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
    return startFollowed(program, arguments, {});
}

bool RecordingLauncher::startFollowed(const QString &program, const QStringList &arguments, Finished finished)
{
    started.append({program, arguments});
    running.append(succeed ? std::move(finished) : Finished());
    return succeed;
}

void RecordingLauncher::finish(int index, qint64 milliseconds, int code)
{
    if (index < running.size() && running[index])
        std::exchange(running[index], {})({true, code, milliseconds});
}

bool RecordingLauncher::openDocument(const QString &path)
{
    documents.append(path);
    return succeed;
}
