#include "bench/frontendrun.h"

#include "bench/fakes.h"
#include "frontend/globale.h"
#include "shared/datasource.h"
#include "tests/support/windowcontrols.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QTimer>

namespace {

constexpr int WaitLimitMs = 30000;

QTimer *splashTimer()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (widget->objectName() == QLatin1String("FrmInizio"))
            return widget->findChild<QTimer *>(QStringLiteral("Timer1"));
    }
    return nullptr;
}

} // namespace

FrontEndRun::FrontEndRun(const QString &root, BenchDialogs &dialogs, BenchLauncher &launcher,
                         const QElapsedTimer &clock)
    : m_root(root), m_dialogs(dialogs), m_launcher(launcher), m_clock(clock)
{
    // What a play logs goes beside the installation, into the bench's work directory,
    // never into the person's own state folder.
    const QString state = QDir(QFileInfo(root).absolutePath()).filePath(QStringLiteral("state"));
    QDir().mkpath(state);
    qputenv("XDG_STATE_HOME", QFile::encodeName(state));
    qApp->installEventFilter(this);
}

FrontEndRun::~FrontEndRun()
{
    qApp->removeEventFilter(this);
    close();
}

QMainWindow *FrontEndRun::main() const { return m_main; }

bool FrontEndRun::isGameListViewport(QObject *object) const
{
    if (!object->isWidgetType())
        return false;
    // While the splash tick runs, the window is not yet this run's.
    QMainWindow *window = m_main ? m_main.data() : Globale::mainWindow();
    if (!window)
        return false;
    if (m_viewsOf != window) {
        // Looked up once per window: paints are many, and the list keeps its views.
        m_viewsOf = window;
        m_list = child<QWidget>(window, "LstGames");
        m_views.clear();
        if (auto *view = qobject_cast<QAbstractItemView *>(m_list.data()))
            m_views.append(view);
        else if (m_list)
            for (QAbstractItemView *view : m_list->findChildren<QAbstractItemView *>(Qt::FindDirectChildrenOnly))
                m_views.append(view);
    }
    // The view the list shows in its current view mode.
    for (const QPointer<QAbstractItemView> &view : std::as_const(m_views)) {
        if (view && object == view->viewport())
            return view == m_list || view->isVisibleTo(m_list);
    }
    return false;
}

bool FrontEndRun::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Timer && m_tickAt < 0 && m_splashTimer && watched == m_splashTimer)
        m_tickAt = m_clock.nsecsElapsed();
    else if (event->type() == QEvent::Paint && isGameListViewport(watched))
        m_painted = true;
    return false;
}

double FrontEndRun::start()
{
    m_tickAt = -1;
    m_painted = false;
    Globale::startProcedure(m_root, m_dialogs, m_launcher);
    m_splashTimer = splashTimer();
    QDeadlineTimer deadline(WaitLimitMs);
    while (!Globale::mainWindow() && m_splashTimer && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    m_main = Globale::mainWindow();
    if (!m_main || m_tickAt < 0)
        return -1;
    // The load shows the window; its first paint comes with the events that follow.
    if (!m_painted && !waitForPaint())
        return -1;
    return millis(m_tickAt, m_clock.nsecsElapsed());
}

bool FrontEndRun::waitForPaint()
{
    // The clock panel ticks every second; a short timer keeps the wait from sleeping longer.
    QTimer wake;
    wake.start(5);
    QDeadlineTimer deadline(WaitLimitMs);
    while (!m_painted && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return m_painted;
}

double FrontEndRun::timeUntilPainted(const std::function<void()> &action)
{
    m_painted = false;
    const qint64 from = m_clock.nsecsElapsed();
    action();
    if (!m_painted && !waitForPaint())
        return -1;
    return millis(from, m_clock.nsecsElapsed());
}

void FrontEndRun::settle()
{
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void FrontEndRun::close()
{
    QPointer<QMainWindow> window = Globale::mainWindow();
    if (window)
        window->close();
    QDeadlineTimer deadline(WaitLimitMs);
    while (window && !deadline.hasExpired()) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets)
        widget->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    DataSource::closeAllConnections();
    m_main = nullptr;
}
