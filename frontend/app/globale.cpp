#include "frontend/app/globale.h"

#include "frontend/app/frminizio.h"
#include "frontend/window/frmmain.h"
#include "shared/paths.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <utility>

namespace Globale {

namespace {

// What one start procedure was given, until its main window is loaded.
struct Start {
    QString rootDir; // no trailing separator
    Dialogs *dialogs = nullptr;
    Launcher *launcher = nullptr;
    QString note; // shown on the error line once the main window stands (first start)
    bool loaded = false;
};

Start start;
QPointer<FrmInizio> splash;
QPointer<FrmMain> main;
QString pendingNote;
int splashDelay = -1; // the splash timer's own interval

// The splash timer's tick: only the first one loads the main window.
void splashTick()
{
    if (start.loaded || main)
        return;
    main = new FrmMain(start.rootDir, *start.dialogs, *start.launcher);
    if (!main->load()) {
        endProgram();
        return;
    }
    start.loaded = true;
    if (splash)
        splash->close();
    main->applyStoredPosition();
    if (!start.note.isEmpty())
        main->showStartNote(start.note);
}

} // namespace

void startProcedure(const QString &rootDir, Dialogs &dialogs, Launcher &launcher)
{
    start = Start{Paths::native(rootDir), &dialogs, &launcher, std::exchange(pendingNote, QString()), false};
    while (start.rootDir.size() > 1 && start.rootDir.endsWith(QLatin1Char('/')))
        start.rootDir.chop(1);
    Paths::clearCache();

    splash = new FrmInizio;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(splash->Timer1, &QTimer::timeout, splash, &splashTick);
    if (splashDelay >= 0)
        splash->Timer1->start(splashDelay);
    splash->show();
}

void setSplashDelay(int milliseconds) { splashDelay = milliseconds; }

QMainWindow *mainWindow() { return start.loaded ? main.data() : nullptr; }

void setStartNote(const QString &text) { pendingNote = text; }

void endProgram()
{
    if (splash)
        splash->close();
    if (main) {
        main->hide();
        main->deleteLater();
    }
    QCoreApplication::exit(0);
}

} // namespace Globale
