#include "bench/fakes.h"

bool BenchDialogs::message(Icon, Buttons, const QString &title, const QString &text)
{
    texts.append(title + QStringLiteral(": ") + text);
    return true;
}

bool BenchLauncher::start(const QString &, const QStringList &)
{
    askedAt = m_clock.nsecsElapsed();
    ++starts;
    return true;
}

bool BenchLauncher::openDocument(const QString &) { return true; }
