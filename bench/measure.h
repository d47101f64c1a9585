#pragma once

#include <QElapsedTimer>
#include <QStringList>

class BenchDialogs;
class QDir;
class BenchLauncher;
class FrontEndRun;
namespace Report {
class Run;
}

// The figures measured on one installation of N games with the front-end running in
// this process. Each adds its samples (a warm-up first, then the repetitions) to the run;
// what could not be measured goes to problems.
namespace Measure {

struct Context {
    Report::Run &run;
    QStringList &problems;
    FrontEndRun &frontEnd;
    BenchLauncher &launcher;
    BenchDialogs &dialogs;
    const QElapsedTimer &clock;
    int games = 0;
    int repetitions = 5;
    QString database; // the console database holding the N games
};

// Starts the front-end repeatedly; the last start stays open for the figures below.
bool loads(Context &context);
void fills(Context &context);
// "Complete" again after another program changed the file: the list is read afresh.
void changedFills(Context &context);
void selects(Context &context);
void downWalks(Context &context);
void switches(Context &context);
void plays(Context &context);
void spawns(Context &context);
// Typing a word into the search field key by key and deleting it again.
void searches(Context &context);
// "Scan Roms" finding nothing new, then finding N new roms.
void scans(Context &context);
// A change of each kind of special filter, from none, until the list is painted.
void specialFilters(Context &context);
// The "Report" view with four columns beyond "Games": its fill, and sorting again.
void details(Context &context);

// A commit by another connection, as Emuset's would be, of a value the front-end does not
// show: the front-end's next read of the file cannot reuse what it read before.
bool changeFile(const QString &database);
// Runs SQL on the console database through a connection of its own, as another program;
// the first value of its first row goes to number.
bool execute(const QString &database, const QByteArray &sql, qint64 *number = nullptr);
// The Link of every game that has one.
QStringList links(const QString &database);
// Empty files of these names in dir, where none is yet; false when one cannot be made.
bool makeFiles(const QDir &dir, const QStringList &names);
// The games folder of the console that holds the N games.
QString gamesDir(Context &context);

} // namespace Measure
