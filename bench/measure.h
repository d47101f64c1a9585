#pragma once

#include <QElapsedTimer>
#include <QStringList>

class BenchDialogs;
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

} // namespace Measure
