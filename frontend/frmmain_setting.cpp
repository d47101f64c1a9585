// The "Setting" page: the console's emulators and the shown game's parameter sets.
#include "frontend/frmmain.h"

#include "shared/columntexts.h"
#include "shared/commandline.h"
#include "shared/queries.h"
#include "shared/schema.h"
#include "shared/setmarks.h"
#include "shared/widgets/boundwidget.h"
#include "shared/widgets/marklist.h"
#include "shared/widgets/rowentries.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

// The emulator's and the parameter set's controls and the columns they show.
void FrmMain::bindSettingControls()
{
    bindWidget(DatEmu, ui.TxtFileEmu1, QStringLiteral("Emu_Link"));
    bindWidget(DatEmu, ui.TxtSetmode, QStringLiteral("Emu_Type"));
    const std::pair<QWidget *, const char *> sets[] = {
        {ui.TxtSettName, "Nome"}, {ui.TxtParameter, "Stringa"}, {ui.TxtOptAvaiable, "Opzioni"},
        {ui.TxtPassed, "Scelta"}, {ui.TxtValue, "Scelta"},      {ui.TxtDescri, "Descri"},
        {ui.LabEmu, "ID_Emula"},
    };
    for (const auto &[control, column] : sets)
        bindWidget(DatSett, control, QLatin1String(column));
}

void FrmMain::connectSettingPage()
{
    bindSettingControls();
    connect(ui.LstSetting, &MarkList::entryClicked, this, &FrmMain::settingEntryClicked);
    connectPlayButton();
}

void FrmMain::FillEmulatorList()
{
    QStringList names;
    const bool opened = readColumnTexts(DatEmu, m_state.ConsoleDb, Queries::allEmulators(),
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
    DatEmu.setRecordSource(Queries::allEmulators());
    if (!DatEmu.open()) {
        *error = DatEmu.lastError();
        return false;
    }
    if (!DatEmu.findName(QStringLiteral("emu_name"), ui.CmbEmulatore->currentText())) {
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
    DatSett.setRecordSource(Queries::setsOf(emulator));
    const bool opened = DatSett.open();
    ui.LstSetting->clear();
    if (!opened) {
        recordDisplayError(DatSett.lastError());
        return;
    }
    SettingListReady = false;
    for (; !DatSett.atEnd(); DatSett.moveNext()) {
        ui.LstSetting->addEntry(DatSett.value(Schema::Settings::Nome).toString(),
                                CommandLine::isActive(DatSett.value(Schema::Settings::Attivo)),
                                *DatSett.currentRowId());
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

// Shows the set of a list entry: exactly its row among the emulator's sets.
bool FrmMain::openOneSet(const QString &emulator, const QListWidgetItem *entry, QString *error)
{
    DatSett.setDatabaseName(m_state.ConsoleDb);
    DatSett.setRecordSource(Queries::setsOf(emulator));
    if (!DatSett.open()) {
        *error = DatSett.lastError();
        return false;
    }
    return RowEntries::positionOn(DatSett, entry, error);
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
    const QListWidgetItem *entry = ui.LstSetting->item(clicked);
    QString error;
    if (!openOneSet(emulator, entry, &error) || !storeSetMarks(&error)) {
        ui.LstSetting->setMarked(clicked, !ui.LstSetting->isMarked(clicked));
        recordError(error);
        return;
    }
    const QVariant value = DatSett.value(Schema::Settings::Scelta);
    ui.TxtValue->setText(value.isNull() ? QStringLiteral(" ") : value.toString());
    openOneSet(emulator, entry, &error);
}

// Every entry's mark into Attivo of its set's row, all in one transaction.
bool FrmMain::storeSetMarks(QString *error)
{
    QList<SetMarks::Mark> marks;
    for (int row = 0; row < ui.LstSetting->count(); ++row) {
        const QListWidgetItem *entry = ui.LstSetting->item(row);
        marks.append({RowEntries::rowId(entry).value_or(0), ui.LstSetting->isMarked(row), entry->text()});
    }
    return SetMarks::store(m_state.ConsoleDb, marks, error);
}
