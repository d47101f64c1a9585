// Playing the shown game (Command1): count the play, look up the game's emulator and its
// active sets, build the command line and start the emulator.
#include "frontend/frmmain.h"

#include "shared/commandline.h"
#include "shared/dialogs.h"
#include "shared/gamedates.h"
#include "shared/launcher.h"
#include "shared/paths.h"
#include "shared/queries.h"
#include "shared/saturating.h"
#include "shared/schema.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace {

const QString playFailed = QStringLiteral(
    "Have you choose an emulator for this console? go to 'Plug-In' -> Emuset !!");

// The play count after one more play; a count that is not a whole number counts as 0.
// A count at or beyond the largest whole number stays at the largest.
QString nextCount(const QString &times)
{
    bool number = false;
    qlonglong count = times.trimmed().toLongLong(&number);
    if (!number) {
        const double real = times.trimmed().toDouble(&number);
        number = number && std::abs(real) >= 9223372036854775807.0;
        count = Saturating::toInt64(real);
    }
    return QString::number(number ? Saturating::add(count, 1) : 1);
}

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

QString startError(Launcher *launcher, const QString &program)
{
    const QString cause = launcher->lastError();
    return QStringLiteral("Emulator ") + program + QStringLiteral(" could not be started")
           + (cause.isEmpty() ? QString() : QStringLiteral(": ") + cause);
}

} // namespace

void FrmMain::connectPlayButton() { connect(ui.Command1, &QPushButton::clicked, this, &FrmMain::playGame); }

// A failing step ends the play; the steps before it stay done.
void FrmMain::playGame()
{
    QString error;
    if (playSteps(&error))
        return;
    recordError(error);
    m_state.dialogs->critical(playFailed);
}

// The record's unsaved edits are stored first; the play itself is counted only once the
// emulator has really been started.
bool FrmMain::playSteps(QString *error)
{
    if (!storeRecordForPlay(error))
        return false;
    if (!positionOnGameEmulator(error)) {
        if (error->isEmpty())
            *error = QStringLiteral("No emulator named ") + ui.CmbEmulatore->currentText() + QStringLiteral(" in ")
                     + m_state.ConsoleDb;
        return false;
    }
    DatSett.setDatabaseName(m_state.ConsoleDb);
    DatSett.setRecordSource(Queries::setsOf(DatGames.value(Schema::Games::EmuName).toString()));
    if (!DatSett.open()) {
        *error = DatSett.lastError();
        return false;
    }
    SettingListReady = true;
    bool started = false;
    if (!startEmulator(&started, error))
        return false;
    // The emulator runs: a count that cannot be stored is no failed play.
    if (started && !storePlay(error))
        recordError(QStringLiteral("The play was not counted: ") + *error);
    return true;
}

// Stores the bound controls into the shown row, which then stays in edit mode.
bool FrmMain::storeRecordForPlay(QString *error)
{
    if (!DatGames.update()) {
        *error = DatGames.lastError();
        return false;
    }
    DatGames.edit();
    return true;
}

// One more play, dated today.
bool FrmMain::storePlay(QString *error)
{
    ui.TxtTimes->setText(nextCount(ui.TxtTimes->text()));
    ui.TxtLastPlay->setText(GameDates::lastPlay(QDate::currentDate()));
    if (!storeRecordForPlay(error))
        return false;
    showGameCounts();
    return true;
}

// The command line from DatEmu's row, DatSett's rows and the game's rom file; a placement
// other than 1, 2 or 3 starts nothing and is no error (*started stays false).
bool FrmMain::startEmulator(bool *started, QString *error)
{
    CommandLine::Input input;
    input.executable = DatEmu.value(Schema::Emulators::Link).toString();
    input.placement = ui.TxtSetmode->text();
    input.sets = readSets(DatSett);
    input.gamesDir = m_state.GamesDir;
    input.romFile = DatGames.value(QStringLiteral("Link")).toString();
    input.amiga = isAmigaActive();
    const CommandLine::Result line = CommandLine::build(input);
    if (line.outcome == CommandLine::Result::Outcome::Error) {
        *error = line.error;
        return false;
    }
    if (line.outcome == CommandLine::Result::Outcome::Nothing)
        return true;
    const CommandLine::Launch launch = launchOnDisk(input);
    if (!m_state.launcher->start(launch.program, launch.arguments)) {
        *error = startError(m_state.launcher, line.launch.program);
        return false;
    }
    *started = true;
    return true;
}
