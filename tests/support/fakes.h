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

    bool message(Icon icon, Buttons buttons, const QString &title, const QString &text) override;

    // Answers for the next boxes, in order; after them every box is answered OK.
    void queueAnswers(std::initializer_list<bool> answers) { m_answers.append(answers); }
    // Runs inside the next message box (while it would be open), then is forgotten.
    void onNextMessage(std::function<void()> action) { m_action = std::move(action); }

    QList<Shown> shown;

private:
    QList<bool> m_answers;
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
    bool openDocument(const QString &path) override;
    // The cause a real launcher would give for a refused start.
    QString lastError() const override { return succeed ? QString() : cause; }

    QList<Started> started;
    QStringList documents;
    bool succeed = true;
    QString cause = QStringLiteral("No such file or directory");
};
