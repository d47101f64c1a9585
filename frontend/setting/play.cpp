// Playing the shown game: store its record, look up its emulator and active sets, build
// the command line and start the emulator; the play is counted once it has started.
#include "frontend/session/session.h"
#include "frontend/setting/settingpage.h"
#include "shared/commandline.h"
#include "shared/dialogs.h"
#include "shared/launcher.h"
#include "shared/paths.h"
#include "shared/queries.h"
#include "shared/schema.h"

#include <QFileInfo>
#include <QLineEdit>

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
    return true;
}

// The command line from DatEmu's row, DatSett's rows and the game's rom file; a placement
// other than 1, 2 or 3 starts nothing and is no error (*started stays false).
bool SettingPage::startEmulator(bool *started, QString *error)
{
    CommandLine::Input input;
    input.executable = DatEmu.value(Schema::Emulators::Link).toString();
    input.placement = TxtSetmode->text();
    input.sets = readSets(DatSett);
    input.gamesDir = m_session.console().gamesDir;
    input.romFile = m_session.shownGame().rom;
    input.amiga = m_session.isAmigaActive();
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
    if (!m_session.launcher().start(launch.program, launch.arguments)) {
        *error = startError(m_session.launcher(), line.launch.program);
        return false;
    }
    *started = true;
    return true;
}
