#include "tests/support/frontendrun.h"

#include "frontend/globale.h"
#include "shared/datasource.h"
#include "tests/support/fakes.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMainWindow>
#include <QPointer>
#include <QTest>

namespace {
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

QMainWindow *startFrontEnd(const QString &root, ScriptedDialogs &dialogs, RecordingLauncher &launcher)
{
    Globale::setSplashDelay(0);
    Globale::startProcedure(root, dialogs, launcher);
    QDeadlineTimer deadline(20000);
    while (!Globale::mainWindow() && splashShown() && !deadline.hasExpired())
        QTest::qWait(10);
    QApplication::processEvents();
    return Globale::mainWindow();
}

void closeFrontEnd()
{
    QPointer<QMainWindow> window = Globale::mainWindow();
    if (window)
        window->close();
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
}
