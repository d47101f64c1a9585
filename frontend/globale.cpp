#include "frontend/globale.h"

#include "frontend/frminizio.h"
#include "frontend/frmmain.h"
#include "shared/datasource.h"
#include "shared/paths.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <utility>

namespace Globale {

namespace {
QPointer<FrmInizio> splash;
QPointer<FrmMain> main;
QString pendingNote;
int splashDelay = -1; // the splash timer's own interval

// The splash timer's tick: only the first one loads the main window.
void splashTick()
{
    State &s = state();
    if (s.MainLoaded != 0 || main)
        return;
    main = new FrmMain(s);
    if (!main->load()) {
        endProgram();
        return;
    }
    s.MainLoaded = 1;
    if (splash)
        splash->close();
    main->applyStoredPosition();
    if (!s.StartNote.isEmpty())
        main->recordError(s.StartNote);
}
} // namespace

State &state()
{
    static State s;
    return s;
}

void startProcedure(const QString &rootDir, Dialogs &dialogs, Launcher &launcher)
{
    State &s = state();
    s = State{};
    s.RootDir = Paths::native(rootDir);
    while (s.RootDir.size() > 1 && s.RootDir.endsWith(QLatin1Char('/')))
        s.RootDir.chop(1);
    s.dialogs = &dialogs;
    s.launcher = &launcher;
    s.MainLoaded = 0;
    s.StartNote = std::exchange(pendingNote, QString());
    Paths::clearCache();

    splash = new FrmInizio;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(splash->Timer1, &QTimer::timeout, splash, &splashTick);
    if (splashDelay >= 0)
        splash->Timer1->start(splashDelay);
    splash->show();
}

void setSplashDelay(int milliseconds) { splashDelay = milliseconds; }

QMainWindow *mainWindow() { return state().MainLoaded ? main.data() : nullptr; }

void setStartNote(const QString &text) { pendingNote = text; }

QString probe(const QString &path)
{
    state().ProbeResult = Paths::probe(path);
    return state().ProbeResult;
}

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
