#include "bench/measure.h"

#include "bench/fakes.h"
#include "bench/figures.h"
#include "bench/frontendrun.h"
#include "bench/report.h"
#include "shared/launcher.h"
#include "tests/support/windowcontrols.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QThread>
#include <QToolBar>

#include <sqlite3.h>

namespace Measure {

namespace {

constexpr int DownSteps = 100;
constexpr int SpawnPauseMs = 50;

void fail(Context &context, const QString &figure, const QString &why)
{
    context.problems.append(QStringLiteral("%1 at %2 (%3)").arg(figure).arg(context.games).arg(why));
}

// Runs one measurement once as a warm-up and then once per repetition; a negative
// sample means it failed.
std::vector<double> repeat(Context &context, const QString &figure, const std::function<double(int)> &once)
{
    std::vector<double> samples;
    for (int i = -1; i < context.repetitions; ++i) {
        const double ms = once(i);
        if (ms < 0) {
            fail(context, figure, QStringLiteral("failed"));
            return {};
        }
        if (i >= 0)
            samples.push_back(ms);
    }
    return samples;
}

void add(Context &context, const QString &figure, std::vector<double> samples)
{
    if (!samples.empty())
        context.run.add(figure, context.games, std::move(samples));
}

QMainWindow *frontEnd(Context &context) { return context.frontEnd.main(); }

QAbstractItemView *listView(Context &context) { return gameView(frontEnd(context)); }

// The game the record shows, by the name in its name field.
QString shownGame(Context &context) { return shownText(frontEnd(context), QStringLiteral("LabGame")); }

int listedGames(Context &context) { return listView(context)->model()->rowCount(); }

// A game spread over the list for each repetition (-1: the warm-up).
int gameFor(Context &context, int repetition)
{
    const int count = listedGames(context);
    return count == 0 ? -1 : int((qint64(repetition + 2) * 7919) % count);
}

bool shows(Context &context, const QModelIndex &index) { return shownGame(context) == index.data().toString(); }

double clickGame(Context &context, int row)
{
    QAbstractItemView *view = listView(context);
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    context.frontEnd.settle();
    const double ms = context.frontEnd.timeUntilPainted(
        [&] { QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center()); });
    return shows(context, index) ? ms : -1;
}

// The filter, icon-type and view-type options, in the order they are clicked: the icon
// and view types follow "Complete", so that they fill the whole list.
struct Option {
    const char *figure;
    const char *button;
};
constexpr Option options[] = {
    {"Favourites", "OptFavorite"}, {"Playable", "OptPlayable"},    {"Not Work", "OptNotPlay"},
    {"Complete", "OptAll"},        {"icon Rating", "OptIcon2"},    {"icon Playable", "OptIcon3"},
    {"icon Language", "OptIcon1"}, {"view Small Icon", "Option2"}, {"view List", "Option3"},
    {"view Report", "Option4"},    {"view Icon", "Option1"},
};

// The toolbar button of a console key.
void clickConsole(QMainWindow *main, const QString &key)
{
    const auto *toolbar = child<QToolBar>(main, "Toolbar1");
    QAction *action = child<QAction>(main, key);
    QWidget *button = toolbar && action ? toolbar->widgetForAction(action) : nullptr;
    if (button)
        QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

bool loads(Context &context)
{
    std::vector<double> samples;
    for (int i = -1; i < context.repetitions; ++i) {
        const double ms = context.frontEnd.start();
        if (ms < 0) {
            fail(context, Figures::load(), QStringLiteral("the main window did not come"));
            return false;
        }
        if (i >= 0)
            samples.push_back(ms);
        if (i + 1 < context.repetitions)
            context.frontEnd.close();
    }
    add(context, Figures::load(), samples);
    return true;
}

void fills(Context &context)
{
    std::vector<std::vector<double>> samples(std::size(options));
    QMainWindow *main = frontEnd(context);
    for (int i = -1; i < context.repetitions; ++i) {
        for (size_t o = 0; o < std::size(options); ++o) {
            auto *button = child<QRadioButton>(main, options[o].button);
            if (!button)
                return fail(context, Figures::fillPrefix() + QLatin1String(options[o].figure),
                            QStringLiteral("no such option"));
            const double ms = context.frontEnd.timeUntilPainted(
                [&] { QTest::mouseClick(button, Qt::LeftButton); });
            if (ms < 0) {
                fail(context, Figures::fillPrefix() + QLatin1String(options[o].figure),
                     QStringLiteral("no paint"));
                return;
            }
            if (i >= 0)
                samples[o].push_back(ms);
            context.frontEnd.settle();
        }
    }
    for (size_t o = 0; o < std::size(options); ++o)
        add(context, Figures::fillPrefix() + QLatin1String(options[o].figure), std::move(samples[o]));
}

// A commit by another connection, as Emuset's would be, of a value the front-end does
// not show (SQLite commits nothing for a value set to what it was): the front-end's next
// read of the file cannot reuse what it read before.
bool changeFile(const QString &database)
{
    sqlite3 *db = nullptr;
    const char *change = "UPDATE config SET Updated = hex(randomblob(8))";
    const bool changed = sqlite3_open_v2(QFile::encodeName(database).constData(), &db, SQLITE_OPEN_READWRITE,
                                         nullptr)
                             == SQLITE_OK
                         && sqlite3_exec(db, change, nullptr, nullptr, nullptr) == SQLITE_OK
                         && sqlite3_changes(db) > 0;
    sqlite3_close(db);
    return changed;
}

void changedFills(Context &context)
{
    const QString figure = Figures::fillPrefix() + QStringLiteral("Complete, file changed");
    auto *complete = child<QRadioButton>(frontEnd(context), "OptAll");
    add(context, figure, repeat(context, figure, [&](int) {
            if (!complete || !changeFile(context.database))
                return -1.0;
            const double ms = context.frontEnd.timeUntilPainted(
                [&] { QTest::mouseClick(complete, Qt::LeftButton); });
            context.frontEnd.settle();
            return ms;
        }));
}

void selects(Context &context)
{
    add(context, Figures::select(),
        repeat(context, Figures::select(), [&](int i) { return clickGame(context, gameFor(context, i)); }));
}

// From a game near the top, DownSteps presses of the Down key, each until the list is
// painted; one sample is the mean time of a step.
void downWalks(Context &context)
{
    add(context, Figures::downStep(), repeat(context, Figures::downStep(), [&](int i) {
            if (clickGame(context, i + 1) < 0)
                return -1.0;
            QAbstractItemView *view = listView(context);
            view->setFocus();
            double total = 0;
            for (int step = 0; step < DownSteps; ++step) {
                const QString before = shownGame(context);
                const double ms = context.frontEnd.timeUntilPainted([&] { QTest::keyClick(view, Qt::Key_Down); });
                if (ms < 0 || shownGame(context) == before)
                    return -1.0;
                total += ms;
            }
            return total / DownSteps;
        }));
}

// From another console (untimed) to the console of the N games.
void switches(Context &context)
{
    QMainWindow *main = frontEnd(context);
    add(context, Figures::switchConsole(), repeat(context, Figures::switchConsole(), [&](int) {
            clickConsole(main, QStringLiteral("nintendo"));
            context.frontEnd.settle();
            const double ms = context.frontEnd.timeUntilPainted(
                [&] { clickConsole(main, QStringLiteral("gameboy")); });
            return listedGames(context) == context.games ? ms : -1.0;
        }));
}

// The play click until the launcher is asked to start the emulator. The front-end plays
// only a rom file that is in the games folder: the shown game's is written, no other.
void plays(Context &context)
{
    auto *play = child<QPushButton>(frontEnd(context), "Command1");
    const QString rom = shownText(frontEnd(context), QStringLiteral("TxtRom"));
    if (rom.isEmpty() || !makeFiles(QDir(gamesDir(context)), {rom}))
        return fail(context, Figures::play(), QStringLiteral("cannot make the rom file of the shown game"));
    add(context, Figures::play(), repeat(context, Figures::play(), [&](int) {
            if (!play)
                return -1.0;
            const int before = context.launcher.starts;
            const qint64 from = context.clock.nsecsElapsed();
            QTest::mouseClick(play, Qt::LeftButton);
            const double ms = millis(from, context.launcher.askedAt);
            context.frontEnd.settle();
            return context.launcher.starts == before + 1 ? ms : -1.0;
        }));
}

// The real launcher starting a small program, with the front-end and its list loaded.
// Each start comes after the program before it has had time to end, as a person's would.
void spawns(Context &context)
{
    SystemLauncher launcher;
    add(context, Figures::spawn(), repeat(context, Figures::spawn(), [&](int) {
            QThread::msleep(SpawnPauseMs);
            const qint64 from = context.clock.nsecsElapsed();
            const bool started = launcher.start(QStringLiteral("/bin/true"), {});
            const double ms = millis(from, context.clock.nsecsElapsed());
            return started ? ms : -1.0;
        }));
}

} // namespace Measure
