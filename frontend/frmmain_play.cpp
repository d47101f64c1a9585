// Playing the shown game (Command1): count the play, look up the game's emulator and its
// active sets, build the command line and start the emulator.
#include "frontend/frmmain.h"

#include "shared/commandline.h"
#include "shared/dialogs.h"
#include "shared/gamedates.h"
#include "shared/launcher.h"
#include "shared/schema.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString playFailed =
    QStringLiteral("Have you choose an emulator for this console? go to 'Plug-In' -> Emuset !!");

// The play count after one more play; a count that is not a whole number counts as 0.
QString nextCount(const QString &times)
{
    bool number = false;
    const qlonglong count = times.trimmed().toLongLong(&number);
    return QString::number(number ? count + 1 : 1);
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

QString startError(Launcher *launcher, const QString &program)
{
    const auto *system = dynamic_cast<SystemLauncher *>(launcher);
    const QString cause = system ? system->lastError() : QString();
    return QStringLiteral("Emulator ") + program + QStringLiteral(" could not be started")
           + (cause.isEmpty() ? QString() : QStringLiteral(": ") + cause);
}

} // namespace

void FrmMain::connectPlayButton()
{
    connect(ui.Command1, &QPushButton::clicked, this, &FrmMain::playGame);
}

// A failing step ends the play; the steps before it stay done.
void FrmMain::playGame()
{
    QString error;
    if (playSteps(&error))
        return;
    recordError(error);
    m_state.dialogs->message(Dialogs::Icon::Critical, Dialogs::Buttons::Ok, QStringLiteral("ERROR!"), playFailed);
}

bool FrmMain::playSteps(QString *error)
{
    if (!storePlay(error))
        return false;
    if (!positionOnGameEmulator(error)) {
        if (error->isEmpty())
            *error = QStringLiteral("No emulator named ") + ui.CmbEmulatore->currentText()
                     + QStringLiteral(" in ") + m_state.ConsoleDb;
        return false;
    }
    DatSett.setDatabaseName(m_state.ConsoleDb);
    DatSett.setRecordSource(setsQuery(DatGames.value(Schema::Games::EmuName).toString()));
    if (!DatSett.open()) {
        *error = DatSett.lastError();
        return false;
    }
    SettingListReady = true;
    return startEmulator(error);
}

// One more play, dated today, stored with every other change of the record view. The
// row then stays in edit mode for the next action.
bool FrmMain::storePlay(QString *error)
{
    ui.TxtTimes->setText(nextCount(ui.TxtTimes->text()));
    ui.TxtLastPlay->setText(GameDates::lastPlay(QDate::currentDate()));
    if (!DatGames.update()) {
        *error = DatGames.lastError();
        return false;
    }
    DatGames.edit();
    return true;
}

// The command line from DatEmu's row, DatSett's rows and the game's rom file; a placement
// other than 1, 2 or 3 starts nothing and is no error.
bool FrmMain::startEmulator(QString *error)
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
    if (!m_state.launcher->start(line.launch.program, line.launch.arguments)) {
        *error = startError(m_state.launcher, line.launch.program);
        return false;
    }
    return true;
}
