// The "Setting" page: the console's emulators and the shown game's parameter sets.
#include "frontend/frmmain.h"

#include "shared/columntexts.h"
#include "shared/commandline.h"
#include "shared/marklist.h"
#include "shared/schema.h"
#include "shared/setmarks.h"
#include "shared/sql.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

QString quoted(const QString &name)
{
    return QLatin1Char('\'') + Sql::escape(name) + QLatin1Char('\'');
}

} // namespace

// The emulator's and the parameter set's controls and the columns they show.
void FrmMain::bindSettingControls()
{
    DatEmu.bind(ui.TxtFileEmu1, QStringLiteral("Emu_Link"));
    DatEmu.bind(ui.TxtSetmode, QStringLiteral("Emu_Type"));
    const std::pair<QWidget *, const char *> sets[] = {
        {ui.TxtSettName, "Nome"}, {ui.TxtParameter, "Stringa"}, {ui.TxtOptAvaiable, "Opzioni"},
        {ui.TxtPassed, "Scelta"}, {ui.TxtValue, "Scelta"},      {ui.TxtDescri, "Descri"},
        {ui.LabEmu, "ID_Emula"},
    };
    for (const auto &[control, column] : sets)
        DatSett.bind(control, QLatin1String(column));
}

void FrmMain::connectSettingPage()
{
    bindSettingControls();
    connect(ui.LstSetting, &MarkList::entryClicked, this, &FrmMain::settingEntryClicked);
    connectPlayButton();
}

QString FrmMain::setsQuery(const QString &emulator)
{
    return QStringLiteral("SELECT * from setting where [id_emula] = ") + quoted(emulator);
}

void FrmMain::FillEmulatorList()
{
    QStringList names;
    const bool opened = readColumnTexts(DatEmu, m_state.ConsoleDb, QStringLiteral("select * from emulatori"),
                                        Schema::Emulators::Name, &names);
    ui.CmbEmulatore->clear();
    ui.CmbEmulatore->addItems(names);
    if (!opened)
        recordError(DatEmu.lastError());
}

// Opens DatEmu again on the emulator named in CmbEmulatore and puts its row into edit
// mode. False when no row has that name (*error stays empty: the caller decides whether
// that is an error) or when the table cannot be read (*error set). Without a match the
// emulator's controls are emptied rather than showing another emulator's settings.
bool FrmMain::positionOnGameEmulator(QString *error)
{
    DatEmu.setDatabaseName(m_state.ConsoleDb);
    DatEmu.setRecordSource(QStringLiteral("select * from emulatori"));
    if (!DatEmu.open()) {
        *error = DatEmu.lastError();
        return false;
    }
    if (!DatEmu.findFirst(QStringLiteral("[emu_name] =") + quoted(ui.CmbEmulatore->currentText()))) {
        *error = DatEmu.lastError();
        DatEmu.moveTo(DatEmu.rowCount());
        return false;
    }
    if (!DatEmu.edit()) {
        *error = DatEmu.lastError();
        return false;
    }
    return true;
}

// Fills the page for the shown game: its emulator's sets with their marks, then the
// emulator's path and placement. Filling writes no mark.
void FrmMain::LoadSettingList()
{
    const QString emulator = DatGames.value(Schema::Games::EmuName).toString();
    DatSett.setDatabaseName(m_state.ConsoleDb);
    DatSett.setRecordSource(setsQuery(emulator));
    const bool opened = DatSett.open();
    ui.LstSetting->clear();
    if (!opened) {
        recordDisplayError(DatSett.lastError());
        return;
    }
    SettingListReady = false;
    for (; !DatSett.atEnd(); DatSett.moveNext()) {
        ui.LstSetting->addEntry(DatSett.value(Schema::Settings::Nome).toString(),
                                CommandLine::isActive(DatSett.value(Schema::Settings::Attivo)));
    }
    SettingListReady = true;
    ui.LabEmu->setText(emulator);
    QString error;
    if (!positionOnGameEmulator(&error) && !error.isEmpty())
        recordDisplayError(error);
}

void FrmMain::settingEntryClicked(int row)
{
    if (!SettingListReady)
        return;
    ui.LstSetting->setCurrentRow(row);
    ApplySetMarks();
}

void FrmMain::openOneSet(const QString &emulator, const QString &set)
{
    DatSett.setDatabaseName(m_state.ConsoleDb);
    DatSett.setRecordSource(setsQuery(emulator) + QStringLiteral(" and [nome] = ") + quoted(set));
    DatSett.open();
}

// Stores the marks of all listed sets after a click, then shows the clicked set. A
// store the database refuses changes no mark; the clicked entry shows its stored mark
// again and the error goes to the error line.
void FrmMain::ApplySetMarks()
{
    const int clicked = ui.LstSetting->currentRow();
    if (clicked < 0)
        return;
    const QString emulator = DatGames.value(Schema::Games::EmuName).toString();
    const QString set = ui.LstSetting->item(clicked)->text();
    openOneSet(emulator, set);
    const QVariant value = DatSett.value(Schema::Settings::Scelta);
    ui.TxtValue->setText(DatSett.atEnd() || value.isNull() ? QStringLiteral(" ") : value.toString());
    QString error;
    if (!storeSetMarks(emulator, &error)) {
        ui.LstSetting->setMarked(clicked, !ui.LstSetting->isMarked(clicked));
        recordError(error);
    }
    openOneSet(emulator, set);
}

// Every entry's mark into Attivo of its set, all in one transaction.
bool FrmMain::storeSetMarks(const QString &emulator, QString *error)
{
    QList<SetMarks::Mark> marks;
    for (int row = 0; row < ui.LstSetting->count(); ++row)
        marks.append({ui.LstSetting->item(row)->text(), ui.LstSetting->isMarked(row)});
    return SetMarks::store(m_state.ConsoleDb, emulator, marks, error);
}
