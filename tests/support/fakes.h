#pragma once

#include "shared/dialogs.h"
#include "shared/launcher.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Dialogs that record every message box and answer as told (OK unless queued otherwise).
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        Icon icon;
        Buttons buttons;
        QString title;
        QString text;
    };

    // A front-end started with these dialogs is closed first, while they can still answer.
    ~ScriptedDialogs() override;
    ScriptedDialogs() = default;
    ScriptedDialogs(const ScriptedDialogs &) = default;
    ScriptedDialogs &operator=(const ScriptedDialogs &) = default;

    bool message(Icon icon, Buttons buttons, const QString &title, const QString &text) override;
    // Save/Discard/Cancel boxes take these answers in order; after them they answer as a
    // box with OK and Cancel would (Save for OK).
    Choice askToSave(const QString &title, const QString &text) override;
    void queueSaveAnswers(std::initializer_list<Choice> answers) { m_saveAnswers.append(answers); }
    void clearSaveAnswers() { m_saveAnswers.clear(); }

    // Answers for the next boxes, in order; after them every box is answered OK.
    void queueAnswers(std::initializer_list<bool> answers) { m_answers.append(answers); }
    // Runs inside the next message box (while it would be open), then is forgotten.
    void onNextMessage(std::function<void()> action) { m_action = std::move(action); }

    QList<Shown> shown;

private:
    QList<bool> m_answers;
    QList<Choice> m_saveAnswers;
    std::function<void()> m_action;
};

// A launcher that records what it is asked to start and answers as told.
class RecordingLauncher final : public Launcher {
public:
    struct Started {
        QString program;
        QStringList arguments;
    };

    bool start(const QString &program, const QStringList &arguments) override;
    // As start(); a started program's `finished` waits in `running` until the test ends it.
    bool startFollowed(const QString &program, const QStringList &arguments, Finished finished) override;
    // Ends the program started as number `index` (of `started`), as if it had run that long.
    void finish(int index, qint64 milliseconds, int code = 0);
    bool openDocument(const QString &path) override;
    // The cause a real launcher would give for a refused start.
    QString lastError() const override { return succeed ? QString() : cause; }

    QList<Started> started;
    QList<Finished> running; // one per start, empty for starts nobody follows
    QStringList documents;
    bool succeed = true;
    QString cause = QStringLiteral("No such file or directory");
};
