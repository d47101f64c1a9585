// The parameter-set editor: the set list with its marks and the setting rows of the
// emulator selected in the emulator list.
#include "emuset/frmemuset.h"

#include "shared/commandline.h"
#include "shared/dialogs.h"
#include "shared/queries.h"
#include "shared/schema.h"
#include "shared/setmarks.h"
#include "shared/sql.h"
#include "shared/widgets/marklist.h"
#include "shared/widgets/rowentries.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Emuset {

namespace {

const QString newSetName = QStringLiteral("sett.name");

// An empty emulator name is stored as an empty text, not as Null, so that the set is
// listed while no emulator is selected.
QString storedText(const QString &text) { return text.isNull() ? QStringLiteral("") : text; }

} // namespace

void FrmEmuset::connectSettingEditor()
{
    connect(ui.LstSetting, &MarkList::entryClicked, this, &FrmEmuset::ApplySetMarks);
    connect(ui.CmdAddSett, &QPushButton::clicked, this, &FrmEmuset::newSetting);
    connect(ui.CmdEditSett, &QPushButton::clicked, this, &FrmEmuset::editSetting);
    connect(ui.CmdSalvaSett, &QPushButton::clicked, this, &FrmEmuset::saveSetting);
    connect(ui.CmdAnnullaSett, &QPushButton::clicked, this, &FrmEmuset::cancelSetting);
    connect(ui.CmdDelete, &QPushButton::clicked, this, &FrmEmuset::deleteSetting);
}

// Lists the sets of the selected emulator with their marks (only Attivo = 1 is marked),
// then shows the first set. Filling writes no mark.
void FrmEmuset::LoadSettingList()
{
    DatSett.setDatabaseName(m_state.ConsoleDb);
    DatSett.setRecordSource(Queries::setsOf(selectedEmulator()));
    const bool opened = DatSett.open();
    ui.LstSetting->clear();
    m_state.SettingListReady = false;
    for (; opened && !DatSett.atEnd(); DatSett.moveNext())
        ui.LstSetting->addEntry(DatSett.value(Schema::Settings::Nome).toString(),
                                CommandLine::isActive(DatSett.value(Schema::Settings::Attivo)),
                                *DatSett.currentRowId());
    m_state.SettingListReady = true;
    if (!opened) {
        recordError(DatSett.lastError());
        return;
    }
    DatSett.open();
}

// The marks in the list are what is stored: every listed set's Attivo is written, in one
// transaction, then the clicked set is shown. A refused store changes no mark: the
// clicked entry shows its stored mark again and the error line says why.
void FrmEmuset::ApplySetMarks(int clickedRow)
{
    if (!m_state.SettingListReady)
        return;
    QList<SetMarks::Mark> marks;
    for (int row = 0; row < ui.LstSetting->count(); ++row) {
        const QListWidgetItem *entry = ui.LstSetting->item(row);
        marks.append({RowEntries::rowId(entry).value_or(0), ui.LstSetting->isMarked(row), entry->text()});
    }
    QString error;
    if (!SetMarks::store(m_state.ConsoleDb, marks, &error)) {
        ui.LstSetting->setMarked(clickedRow, !ui.LstSetting->isMarked(clickedRow));
        recordError(error);
    }
    if (QListWidgetItem *clicked = ui.LstSetting->item(clickedRow))
        showSet(clicked, &error);
}

// Opens the selected emulator's sets on the row of a list entry.
bool FrmEmuset::showSet(const QListWidgetItem *entry, QString *error)
{
    DatSett.setDatabaseName(m_state.ConsoleDb);
    DatSett.setRecordSource(Queries::setsOf(selectedEmulator()));
    if (!DatSett.open()) {
        *error = DatSett.lastError();
        return false;
    }
    return RowEntries::positionOn(DatSett, entry, error);
}

// As for a new emulator, a table that could not be opened is tried once more.
void FrmEmuset::newSetting()
{
    if (!DatSett.addNew() && !(DatSett.open() && DatSett.addNew())) {
        recordError(DatSett.lastError());
        return;
    }
    const QString emulator = selectedEmulator();
    ui.LabEmu->setText(emulator);
    DatSett.setValue(QStringLiteral("ID_Emula"), storedText(emulator));
    ui.TxtSettName->setText(newSetName);
    setSettingPending(true);
}

// Edits the set selected in the list; with none selected (or its row gone) the button
// does nothing.
void FrmEmuset::editSetting()
{
    const QList<QListWidgetItem *> selected = ui.LstSetting->selectedItems();
    if (selected.isEmpty())
        return;
    QString error;
    if (!showSet(selected.first(), &error) || !DatSett.edit()) {
        recordError(error.isEmpty() ? DatSett.lastError() : error);
        return;
    }
    setSettingPending(true);
}

// A set needs a name to be picked and a parameter to be put on a command line: refused
// without them. A saved set is selected and shown, so that Edit works on it at once.
void FrmEmuset::saveSetting()
{
    const QString name = ui.TxtSettName->text();
    if (name.trimmed().isEmpty() || ui.TxtParameter->text().trimmed().isEmpty()) {
        refuseIncomplete(QStringLiteral("The set needs a name and a parameter."));
        return;
    }
    if (!DatSett.update()) {
        report(QStringLiteral("The setting was not saved; the editor keeps what you typed."), DatSett.lastError());
        return;
    }
    setSettingPending(false);
    LoadSettingList();
    if (selectEntry(ui.LstSetting, name)) {
        QString error;
        showSet(ui.LstSetting->selectedItems().value(0), &error);
    }
}

void FrmEmuset::cancelSetting()
{
    DatSett.cancelUpdate();
    setSettingPending(false);
}

void FrmEmuset::deleteSetting()
{
    if (!m_state.dialogs->question(ui.TxtSettName->text(), QStringLiteral("Delete This Setting?")))
        return;
    if (DatSett.atEnd()) {
        recordError(QStringLiteral("No current record"));
        return;
    }
    if (!DatSett.deleteCurrent()) {
        report(QStringLiteral("The setting was not deleted."), DatSett.lastError());
        return;
    }
    LoadSettingList();
}

} // namespace Emuset
