#include "frontend/app/startcheck.h"

#include "frontend/app/globale.h"
#include "shared/dialogs.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

namespace StartCheck {

namespace {

bool seen = false;

class PrintingDialogs final : public Dialogs {
public:
    bool message(Icon, Buttons, const QString &title, const QString &text) override
    {
        std::fprintf(stderr, "Message: %s: %s\n", qPrintable(title), qPrintable(text));
        return true;
    }
};

// Polled from the event loop (not a wait): the load runs on the splash timer's tick.
void look(QTimer *timer)
{
    const QMainWindow *window = Globale::mainWindow();
    if (!window || !window->isVisible())
        return;
    timer->stop();
    seen = true;
    const auto *panel = window->findChild<QLabel *>(QStringLiteral("Panel6"));
    std::printf("Shown: %s\nStatus: %s\n", qPrintable(window->windowTitle()),
                qPrintable(panel ? panel->text() : QString()));
    std::fflush(stdout);
    Globale::endProgram();
}

} // namespace

Dialogs &dialogs()
{
    static PrintingDialogs printing;
    return printing;
}

void arm(QObject *context)
{
    auto *timer = new QTimer(context);
    timer->setInterval(50);
    QObject::connect(timer, &QTimer::timeout, context, [timer] { look(timer); });
    timer->start();
}

bool passed() { return seen; }

} // namespace StartCheck
