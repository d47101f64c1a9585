// Playing the shown game: store its record, look up its emulator and active sets, build
// the command line and start the emulator; the play is counted once it has started, its
// play time once it has ended, and every play is written to the launch log.
#include "frontend/session/session.h"
#include "frontend/setting/settingpage.h"
#include "shared/commandline.h"
#include "shared/consoles.h"
#include "shared/dialogs.h"
#include "shared/launcher.h"
#include "shared/launchlog.h"
#include "shared/paths.h"
#include "shared/playtime.h"
#include "shared/queries.h"
#include "shared/schema.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>

#include <memory>
#include <utility>

namespace {

const QString playFailed = QStringLiteral(
    "Have you choose an emulator for this console? go to 'Plug-In' -> Emuset !!");

// The sets of the record set, in its order, as the command line reads them.
QList<CommandLine::ParameterSet> readSets(DataSource &sets)
{
    QList<CommandLine::ParameterSet> rows;
    for (; !sets.atEnd(); sets.moveNext()) {
        rows.append({sets.value(Schema::Settings::Stringa), sets.value(Schema::Settings::Scelta),
                     sets.value(Schema::Settings::Attivo), sets.value(Schema::Settings::Nome).toString()});
    }
    return rows;
}

// What is started: the command line of the same input with the executable and the rom
// path as they stand on disk (matched without regard to case); the text stays as stored.
CommandLine::Launch launchOnDisk(CommandLine::Input input)
{
    input.executable = Paths::existing(input.executable);
    input.romFile = Paths::existing(input.gamesDir + input.romFile);
    input.gamesDir.clear();
    return CommandLine::build(input).launch;
}

QString startError(const Launcher &launcher, const QString &program)
{
    const QString cause = launcher.lastError();
    return QStringLiteral("Emulator ") + program + QStringLiteral(" could not be started")
           + (cause.isEmpty() ? QString() : QStringLiteral(": ") + cause);
}

} // namespace

// A failing step ends the play; the steps before it stay done. A step that said why
// itself (the unnamed new game) leaves no error. The box gives the cause on a line of its
// own under the usual text.
void SettingPage::playGame()
{
    QString error;
    if (playSteps(&error) || error.isEmpty())
        return;
    m_session.reportError(error);
    m_session.dialogs().critical(playFailed + QLatin1Char('\n') + error);
}

bool SettingPage::playSteps(QString *error)
{
    m_logError.clear();
    if (!m_session.storeShownRecord(error))
        return false;
    if (!positionOnGameEmulator(error)) {
        if (error->isEmpty())
            *error = QStringLiteral("No emulator named ") + m_session.shownGame().emulator + QStringLiteral(" in ")
                     + m_session.console().database;
        return false;
    }
    DatSett.setDatabaseName(m_session.console().database);
    DatSett.setRecordSource(Queries::setsOf(m_session.shownGame().emulator));
    if (!DatSett.open()) {
        *error = DatSett.lastError();
        return false;
    }
    SettingListReady = true;
    bool started = false;
    if (!startEmulator(&started, error))
        return false;
    // The emulator runs: a count that cannot be stored is no failed play.
    if (started && !m_session.countPlay(error))
        m_session.reportError(QStringLiteral("The play was not counted: ") + *error);
    if (!m_logError.isEmpty())
        m_session.reportError(std::exchange(m_logError, {}));
    return true;
}

// The command line's input from DatEmu's row, the sets of a record set standing on the
// first of the game's sets, and the game's rom file.
CommandLine::Input SettingPage::commandInput(DataSource &sets) const
{
    CommandLine::Input input;
    input.executable = DatEmu.value(Schema::Emulators::Link).toString();
    input.placement = TxtSetmode->text();
    input.sets = readSets(sets);
    input.gamesDir = m_session.console().gamesDir;
    input.romFile = m_session.shownGame().rom;
    input.amiga = m_session.isAmigaActive();
    return input;
}

// The command line from DatEmu's row, DatSett's rows and the game's rom file; a placement
// other than 1, 2 or 3 starts nothing and is no error (*started stays false).
bool SettingPage::startEmulator(bool *started, QString *error)
{
    const CommandLine::Input input = commandInput(DatSett);
    const CommandLine::Result line = CommandLine::build(input);
    if (line.outcome == CommandLine::Result::Outcome::Error) {
        *error = line.error;
        return false;
    }
    if (line.outcome == CommandLine::Result::Outcome::Nothing)
        return true;
    if (!input.romFile.isEmpty() && !QFileInfo::exists(Paths::existing(input.gamesDir + input.romFile))) {
        // Said on its own: the emulator is not what is missing.
        const QString missing = QStringLiteral("The rom file ") + input.romFile
                                + QStringLiteral(" is not in the games folder");
        m_session.reportError(missing);
        m_session.dialogs().critical(missing);
        return false;
    }
    const CommandLine::Launch launch = launchOnDisk(input);
    // Logged once started, so that the log's file work never delays the start.
    const auto play = std::make_shared<Play>(Play{m_session.console().database, m_session.shownGame().row, {}});
    if (!m_session.launcher().startFollowed(launch.program, launch.arguments, playEnded(play))) {
        *error = startError(m_session.launcher(), line.launch.program);
        const QString cause = m_session.launcher().lastError();
        logPlay(play.get(), launch, cause.isEmpty() ? QStringLiteral("it could not be started") : cause);
        return false;
    }
    logPlay(play.get(), launch, {});
    *started = true;
    return true;
}

// What Play would start for the shown game now, by the same steps; false with *why set
// when it would start nothing.
bool SettingPage::shownCommand(CommandLine::Launch *launch, QString *why)
{
    const Session::ShownGame &game = m_session.shownGame();
    if (!game.row && !game.adding) {
        *why = QStringLiteral("No game is shown.");
        return false;
    }
    if (DatEmu.atEnd()) {
        *why = QStringLiteral("No emulator named \"") + game.emulator + QStringLiteral("\" in this console.");
        return false;
    }
    m_commandSets.setDatabaseName(m_session.console().database);
    m_commandSets.setRecordSource(Queries::setsOf(game.emulator));
    if (!m_commandSets.open()) {
        *why = m_commandSets.lastError();
        return false;
    }
    const CommandLine::Input input = commandInput(m_commandSets);
    const CommandLine::Result line = CommandLine::build(input);
    if (line.outcome == CommandLine::Result::Outcome::Error)
        *why = line.error;
    else if (line.outcome == CommandLine::Result::Outcome::Nothing)
        *why = QStringLiteral("Setting mode \"") + input.placement
               + QStringLiteral("\" starts nothing: it must be 1, 2 or 3.");
    else
        *launch = launchOnDisk(input);
    return line.outcome == CommandLine::Result::Outcome::Start;
}

// The play's line in the launch log; a log that cannot be written stops no play.
void SettingPage::logPlay(Play *play, const CommandLine::Launch &launch, const QString &notStarted)
{
    const Consoles::Console *console = m_session.activeConsole();
    const QString consoleName = console ? console->statusFinal : m_session.console().title;
    QString error;
    if (!LaunchLog().started({consoleName, m_session.shownGame().name, CommandLine::shellText(launch)},
                             &play->logLine, &error, notStarted)) {
        play->logLine.clear();
        m_logError = error;
    }
}

// Runs when the emulator has ended, unless the front-end has closed meanwhile: a session
// still running at the close is not counted.
Launcher::Finished SettingPage::playEnded(const std::shared_ptr<const Play> &play)
{
    return [page = QPointer<SettingPage>(this), play](const Launcher::Exit &exit) {
        if (page)
            page->endPlay(*play, exit);
    };
}

// The whole seconds it ran go to the game's row in the database the play started on,
// whatever console or game is shown now; the shown record's fields are left alone. The
// log line is completed first: a log that cannot be written goes to the error line.
void SettingPage::endPlay(const Play &play, const Launcher::Exit &exit)
{
    QString error;
    if (!play.logLine.isEmpty()
        && !LaunchLog().finished(play.logLine, LaunchLog::outcome(exit.normal, exit.code, exit.milliseconds),
                                 &error))
        m_session.reportError(error);
    const qint64 seconds = exit.milliseconds / 1000;
    if (!play.row || seconds <= 0)
        return;
    qint64 total = 0;
    if (PlayTime::add(play.database, *play.row, seconds, &total, &error))
        m_session.reportPlayTime(play.database, *play.row, total);
    else
        m_session.reportError(error);
}
