#include "tests/support/frontendrun.h"

#include "frontend/frmmain.h"
#include "frontend/gamelistwidget.h"
#include "frontend/globale.h"
#include "shared/datasource.h"
#include "shared/widgets/statuspanels.h"
#include "tests/support/fakes.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDeadlineTimer>
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

FrmMain *startFrontEnd(const QString &root, ScriptedDialogs &dialogs, RecordingLauncher &launcher)
{
    Globale::setSplashDelay(0);
    Globale::startProcedure(root, dialogs, launcher);
    QDeadlineTimer deadline(20000);
    while (!Globale::mainWindow() && splashShown() && !deadline.hasExpired())
        QTest::qWait(10);
    QApplication::processEvents();
    return qobject_cast<FrmMain *>(Globale::mainWindow());
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

QStringList listedGames(FrmMain *main, int role)
{
    QStringList names;
    const QAbstractItemModel *model = main->ui.LstGames->model();
    for (int row = 0; model && row < model->rowCount(); ++row)
        names.append(model->index(row, 0).data(role).toString());
    return names;
}

QString errorLine(FrmMain *main)
{
    const QString text = main->ui.StatusBar1->text(6);
    return text.startsWith(QStringLiteral("Total Times Played : ")) ? QString() : text;
}

void clickGame(FrmMain *main, int row)
{
    QAbstractItemView *view = main->ui.LstGames->view();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}
