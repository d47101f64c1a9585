#include "tests/support/frontendrun.h"

#include "frontend/globale.h"
#include "shared/datasource.h"
#include "tests/support/fakes.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QMainWindow>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

namespace {
ScriptedDialogs *runningDialogs = nullptr;

bool splashShown()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (widget->objectName() == QLatin1String("FrmInizio") && widget->isVisible())
            return true;
    }
    return false;
}
} // namespace

QMainWindow *startFrontEnd(const QString &root, ScriptedDialogs &dialogs, Launcher &launcher)
{
    static QTemporaryDir stateHome;
    if (!qEnvironmentVariableIsSet("XDG_STATE_HOME"))
        qputenv("XDG_STATE_HOME", QFile::encodeName(stateHome.path()));
    Globale::setSplashDelay(0);
    runningDialogs = &dialogs;
    Globale::startProcedure(root, dialogs, launcher);
    QDeadlineTimer deadline(20000);
    while (!Globale::mainWindow() && splashShown() && !deadline.hasExpired())
        QTest::qWait(10);
    QApplication::processEvents();
    return Globale::mainWindow();
}

ScriptedDialogs *frontEndDialogs() { return runningDialogs; }

void closeFrontEnd()
{
    QPointer<QMainWindow> window = Globale::mainWindow();
    // Changes a test left unsaved are dropped, as a person would answer "Discard".
    if (runningDialogs)
        runningDialogs->queueSaveAnswers({Dialogs::Choice::Discard});
    if (window)
        window->close();
    if (runningDialogs)
        runningDialogs->clearSaveAnswers();
    QDeadlineTimer deadline(5000);
    while (window && !deadline.hasExpired()) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::qWait(5);
    }
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets)
        widget->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    DataSource::closeAllConnections();
    runningDialogs = nullptr;
}
