#pragma once

#include "shared/dialogs.h"
#include "shared/launcher.h"

#include <QElapsedTimer>
#include <QStringList>

// Message boxes answered OK at once, remembered so that a run can tell it went wrong.
class BenchDialogs final : public Dialogs {
public:
    bool message(Icon icon, Buttons buttons, const QString &title, const QString &text) override;
    QStringList texts;
};

// A launcher that starts nothing: it notes when it was asked (on the given clock).
class BenchLauncher final : public Launcher {
public:
    explicit BenchLauncher(const QElapsedTimer &clock) : m_clock(clock) {}
    bool start(const QString &program, const QStringList &arguments) override;
    bool openDocument(const QString &path) override;

    int starts = 0;
    qint64 askedAt = -1; // nanoseconds on the clock

private:
    const QElapsedTimer &m_clock;
};
