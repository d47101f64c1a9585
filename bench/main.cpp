// ludora4-bench: makes installations of N generated games, runs the real front-end on
// each in this process (offscreen) and prints how long what a person does takes.
#include "bench/fakes.h"
#include "bench/figures.h"
#include "bench/floor.h"
#include "bench/frontendrun.h"
#include "bench/gamelistfigures.h"
#include "bench/longfields.h"
#include "bench/measure.h"
#include "bench/memory.h"
#include "bench/report.h"
#include "install/installation.h"
#include "shared/datasource.h"
#include "tests/support/builtprograms.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

struct Settings {
    QList<int> sizes = {1000, 10000, Figures::Large, Figures::Largest};
    int repetitions = 7;
    QString workDir;
    QStringList only; // --only: the groups or figure-name beginnings to run; empty: all

    // Whether a part of the run is wanted: its group or one of its figures' names (or
    // their common beginning) begins with a word of --only, or the word with the latter.
    bool wants(const QString &group, const QStringList &figures = {}) const
    {
        return only.isEmpty() || std::any_of(only.cbegin(), only.cend(), [&](const QString &word) {
                   return group.startsWith(word, Qt::CaseInsensitive)
                          || std::any_of(figures.cbegin(), figures.cend(), [&](const QString &figure) {
                                 return figure.startsWith(word, Qt::CaseInsensitive)
                                        || word.startsWith(figure, Qt::CaseInsensitive);
                             });
               });
    }
};

void progress(const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    std::fflush(stderr);
}

bool parse(const QStringList &arguments, Settings *settings, QString *probeRoot)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the front-end on installations of N games."));
    parser.addHelpOption();
    const QCommandLineOption sizes(QStringLiteral("sizes"), QStringLiteral("Game counts, comma-separated."),
                                   QStringLiteral("list"));
    const QCommandLineOption repetitions(QStringLiteral("repetitions"),
                                         QStringLiteral("Repetitions after the warm-up (at least 5)."),
                                         QStringLiteral("n"));
    const QCommandLineOption work(QStringLiteral("work"),
                                  QStringLiteral("Directory for the installations (default: a temporary one)."),
                                  QStringLiteral("dir"));
    const QCommandLineOption probe(QStringLiteral("memory-probe"),
                                   QStringLiteral("Internal: load the installation and print the peak memory."),
                                   QStringLiteral("root"));
    const QCommandLineOption only(
        QStringLiteral("only"),
        QStringLiteral("Only these parts, comma-separated: load, fill, select, switch, play, spawn, search, "
                       "special, details, scan, memory, long, gamelist, or the beginning of a figure's name."),
        QStringLiteral("list"));
    parser.addOptions({sizes, repetitions, work, probe, only});
    parser.process(arguments);
    if (parser.isSet(sizes)) {
        settings->sizes.clear();
        for (const QString &size : parser.value(sizes).split(QLatin1Char(','), Qt::SkipEmptyParts))
            settings->sizes.append(size.toInt());
    }
    if (parser.isSet(repetitions))
        settings->repetitions = qMax(5, parser.value(repetitions).toInt());
    settings->workDir = parser.value(work);
    for (const QString &word : parser.value(only).split(QLatin1Char(','), Qt::SkipEmptyParts))
        settings->only.append(word.trimmed());
    *probeRoot = parser.value(probe);
    return std::all_of(settings->sizes.cbegin(), settings->sizes.cend(), [](int size) { return size > 0; });
}

// --memory-probe: one load in a fresh process, then its peak memory on stdout.
int memoryProbe(const QString &root)
{
    QElapsedTimer clock;
    clock.start();
    BenchDialogs dialogs;
    BenchLauncher launcher(clock);
    FrontEndRun frontEnd(root, dialogs, launcher, clock);
    if (frontEnd.start() < 0)
        return 1;
    std::printf("%.1f\n", peakResidentMB());
    return 0;
}

// The parts measured with the front-end running, by group and the names of their figures.
struct Part {
    const char *group;
    QStringList figures;
    void (*measure)(Measure::Context &);
};

const QList<Part> &parts()
{
    static const QList<Part> all = {
        {"fill", {Figures::fillPrefix()}, &Measure::fills},
        {"fill", {Figures::fillPrefix()}, &Measure::changedFills},
        {"select", {Figures::select()}, &Measure::selects},
        {"select", {Figures::downStep()}, &Measure::downWalks},
        {"switch", {Figures::switchConsole()}, &Measure::switches},
        {"play", {Figures::play()}, &Measure::plays},
        {"spawn", {Figures::spawn()}, &Measure::spawns},
        {"search", {Figures::searchKeystroke()}, &Measure::searches},
        {"special", {Figures::specialFilterPrefix(), Figures::specialFiltersCleared()}, &Measure::specialFilters},
        {"details",
         {Figures::detailsFill(), Figures::detailsFillChanged(), Figures::detailsSort(),
          Figures::detailsSortRenamed()},
         &Measure::details},
        {"scan", {Figures::scanNew(), Figures::scanNothingNew()}, &Measure::scans},
    };
    return all;
}

bool measureOne(Report::Run &run, QStringList &problems, const QString &root, int games, const Settings &settings)
{
    const int repetitions = settings.repetitions;
    progress(QStringLiteral("bench: %1 games: making the installation").arg(games));
    QString error;
    if (!Installation::create(root, BuiltPrograms::options(true, games), &error)) {
        problems.append(QStringLiteral("installation of %1 games (%2)").arg(games).arg(error));
        return false;
    }
    progress(QStringLiteral("bench: %1 games: measuring").arg(games));
    const QString database = QDir(root).filePath(QStringLiteral("database/gameboy.mdb"));
    const std::vector<double> floor = floorReads(database, repetitions, &error);
    if (floor.empty())
        problems.append(QStringLiteral("floor at %1 (%2)").arg(games).arg(error));
    else
        run.add(Figures::floor(), games, floor);

    QElapsedTimer clock;
    clock.start();
    BenchDialogs dialogs;
    BenchLauncher launcher(clock);
    {
        FrontEndRun frontEnd(root, dialogs, launcher, clock);
        Measure::Context context{run, problems, frontEnd, launcher, dialogs, clock, games, repetitions, database};
        // Without the load figure the front-end is started once, untimed.
        Measure::Context once = context;
        once.repetitions = 0;
        if (Measure::loads(settings.wants(QStringLiteral("load"), {Figures::load()}) ? context : once)) {
            for (const Part &part : parts()) {
                if (settings.wants(QLatin1String(part.group), part.figures))
                    part.measure(context);
            }
        }
    }
    for (const QString &text : std::as_const(dialogs.texts))
        problems.append(QStringLiteral("message box at %1 games: %2").arg(games).arg(text));

    if (!settings.wants(QStringLiteral("memory"), {Figures::memory()}))
        return true;
    const double memory = peakMemoryOfLoad(QCoreApplication::applicationFilePath(), root, &error);
    if (memory < 0)
        problems.append(QStringLiteral("peak memory at %1 (%2)").arg(games).arg(error));
    else
        run.add(Figures::memory(), games, {memory}, true);
    return true;
}

} // namespace

// Qt's offscreen platform says on every window that it cannot do some things a
// desktop does; nothing the figures depend on.
QtMessageHandler standardHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        standardHandler(type, context, message);
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(&quietHandler);
    QApplication app(argc, argv);
    Settings settings;
    QString probeRoot;
    if (!parse(app.arguments(), &settings, &probeRoot)) {
        progress(QStringLiteral("bench: a game count must be a whole number above 0"));
        return 2;
    }
    if (!probeRoot.isEmpty())
        return memoryProbe(probeRoot);

    QTemporaryDir temporary;
    const QString work = settings.workDir.isEmpty() ? temporary.path() : settings.workDir;
    Report::Run run;
    QStringList problems;
    const bool onInstallations = settings.wants(QStringLiteral("floor"), {Figures::floor()})
                                 || settings.wants(QStringLiteral("load"), {Figures::load()})
                                 || settings.wants(QStringLiteral("memory"), {Figures::memory()})
                                 || std::any_of(parts().cbegin(), parts().cend(), [&](const Part &part) {
                                        return settings.wants(QLatin1String(part.group), part.figures);
                                    });
    const QList<int> sizes = onInstallations ? settings.sizes : QList<int>();
    for (const int games : sizes) {
        const QString root = QDir(work).filePath(QStringLiteral("ludora-%1").arg(games));
        measureOne(run, problems, root, games, settings);
        DataSource::closeAllConnections();
        QDir(root).removeRecursively();
    }

    if (settings.wants(QStringLiteral("long"),
                       {Figures::longNotesShown(), Figures::longNotesSaved(), Figures::longNameLoadDelay()})) {
        progress(QStringLiteral("bench: long fields"));
        LongFields::measure(run, problems, work, settings.repetitions);
    }
    if (settings.wants(QStringLiteral("gamelist"),
                       {Figures::gamelistImport(), Figures::gamelistExport(), Figures::gamelistPicture()})) {
        progress(QStringLiteral("bench: gamelist import and export"));
        GamelistFigures::measure(run, problems, work, settings.repetitions);
    }

    QTextStream out(stdout);
    out << run.table();
    problems += run.overTarget();
    if (problems.isEmpty())
        out << "bench: ok\n";
    else
        out << "bench: over target: " << problems.join(QStringLiteral("; ")) << '\n';
    return 0;
}
