// The parameter-set editor: the set list with its marks and the setting rows of the
// emulator selected in the emulator list.
#include "emuset/sets/seteditor.h"

#include "shared/commandline.h"
#include "shared/dialogs.h"
#include "shared/queries.h"
#include "shared/schema.h"
#include "shared/setmarks.h"
#include "shared/widgets/boundwidget.h"
#include "shared/widgets/marklist.h"
#include "shared/widgets/rowentries.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace Emuset {

namespace {

const QString newSetName = QStringLiteral("sett.name");

// An empty emulator name is stored as an empty text, not as Null, so that the set is
// listed while no emulator is selected.
QString storedText(const QString &text) { return text.isNull() ? QStringLiteral("") : text; }

} // namespace

SetEditor::SetEditor(Generale::State &state)
    : Editor(state, QStringLiteral("Frame3"), QStringLiteral("Command Line Passed"))
{
    ui.setupUi(this);
    // TxtValue first: both show Scelta, and the value stored is the one typed in TxtPassed.
    const std::pair<QWidget *, const char *> columns[] = {
        {ui.TxtValue, "Scelta"},      {ui.LabEmu, "ID_Emula"},  {ui.TxtSettName, "Nome"},
        {ui.TxtParameter, "Stringa"}, {ui.TxtPassed, "Scelta"}, {ui.TxtOptAvaiable, "Opzioni"},
        {ui.TxtDescri, "Descri"},
    };
    for (const auto &[control, column] : columns)
        bindWidget(DatSett, control, QLatin1String(column));
    setControls({{ui.CmdAddSett, ui.CmdEditSett, ui.CmdDelete},
                 ui.CmdSalvaSett,
                 ui.CmdAnnullaSett,
                 ui.LstSetting,
                 {ui.TxtSettName, ui.TxtParameter, ui.TxtPassed, ui.TxtOptAvaiable, ui.TxtDescri}});
    connectControls();
    setPending(false);
}

void SetEditor::connectControls()
{
    connect(ui.LstSetting, &MarkList::entryClicked, this, &SetEditor::ApplySetMarks);
    connect(ui.LstSetting, &QListWidget::currentItemChanged, this, &SetEditor::setMovedTo);
    connect(ui.CmdAddSett, &QPushButton::clicked, this, &SetEditor::newSetting);
    connect(ui.CmdEditSett, &QPushButton::clicked, this, &SetEditor::editSetting);
    connect(ui.CmdSalvaSett, &QPushButton::clicked, this, &SetEditor::saveSetting);
    connect(ui.CmdAnnullaSett, &QPushButton::clicked, this, &SetEditor::cancelSetting);
    connect(ui.CmdDelete, &QPushButton::clicked, this, &SetEditor::deleteSetting);
}

// Lists the sets of the selected emulator with their marks (only Attivo = 1 is marked),
// then shows the first set, current and selected. Filling writes no mark.
void SetEditor::LoadSettingList()
{
    DatSett.setDatabaseName(m_state.ConsoleDb);
    DatSett.setRecordSource(Queries::setsOf(m_emulator));
    const bool opened = DatSett.open();
    ui.LstSetting->clear();
    m_listReady = false;
    for (; opened && !DatSett.atEnd(); DatSett.moveNext())
        ui.LstSetting->addEntry(DatSett.value(Schema::Settings::Nome).toString(),
                                CommandLine::isActive(DatSett.value(Schema::Settings::Attivo)),
                                *DatSett.currentRowId());
    if (ui.LstSetting->count() > 0)
        ui.LstSetting->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    m_listReady = true;
    if (!opened) {
        recordError(DatSett.lastError());
        return;
    }
    DatSett.open();
}

// Only the clicked set's mark is stored, so that marks another program (the front-end)
// changed meanwhile are not undone; the list then shows every mark as the file holds it.
// A refused store changes no mark: the clicked entry shows its stored mark again and the
// error line says why. Then the clicked set is shown.
void SetEditor::ApplySetMarks(int clickedRow)
{
    if (!m_listReady)
        return;
    const QListWidgetItem *entry = ui.LstSetting->item(clickedRow);
    if (!entry)
        return;
    QString error;
    const SetMarks::Mark mark{RowEntries::rowId(entry).value_or(0), ui.LstSetting->isMarked(clickedRow),
                              entry->text()};
    if (!SetMarks::store(m_state.ConsoleDb, {mark}, &error)) {
        ui.LstSetting->setMarked(clickedRow, !ui.LstSetting->isMarked(clickedRow));
        recordError(error);
    }
    ui.LstSetting->setMarks(SetMarks::stored(m_state.ConsoleDb, m_emulator));
    // A Ctrl+click may have cleared the highlight: the clicked set is shown, so highlighted.
    if (QListWidgetItem *clicked = ui.LstSetting->item(clickedRow)) {
        ui.LstSetting->setCurrentItem(clicked, QItemSelectionModel::ClearAndSelect);
        showSet(clicked, &error);
    }
}

// The current entry, moved to by the keyboard or the mouse, is the one highlighted and
// shown, so that Edit and Delete act on what the boxes show.
void SetEditor::setMovedTo(QListWidgetItem *entry)
{
    if (!m_listReady || !entry)
        return;
    if (!entry->isSelected())
        ui.LstSetting->setCurrentItem(entry, QItemSelectionModel::ClearAndSelect);
    QString error;
    if (!showSet(entry, &error))
        recordError(error);
}

// Opens the selected emulator's sets on the row of a list entry.
bool SetEditor::showSet(const QListWidgetItem *entry, QString *error)
{
    DatSett.setDatabaseName(m_state.ConsoleDb);
    DatSett.setRecordSource(Queries::setsOf(m_emulator));
    if (!DatSett.open()) {
        *error = DatSett.lastError();
        return false;
    }
    return RowEntries::positionOn(DatSett, entry, error);
}

// As for a new emulator, a table that could not be opened is tried once more.
void SetEditor::newSetting()
{
    if (!DatSett.addNew() && !(DatSett.open() && DatSett.addNew())) {
        recordError(DatSett.lastError());
        return;
    }
    ui.LabEmu->setText(m_emulator);
    DatSett.setValue(QStringLiteral("ID_Emula"), storedText(m_emulator));
    ui.TxtSettName->setText(newSetName);
    setPending(true);
}

// Edits the current set, the one shown; with none (or its row gone) the button does
// nothing.
void SetEditor::editSetting()
{
    const QListWidgetItem *current = ui.LstSetting->currentItem();
    if (!current)
        return;
    QString error;
    if (!showSet(current, &error) || !DatSett.edit()) {
        recordError(error.isEmpty() ? DatSett.lastError() : error);
        return;
    }
    setPending(true);
}

// A set needs a name to be picked: refused without one. An empty parameter is stored as
// an empty text, never Null: a command line takes it as a parameter that adds only its
// blanks, while a Null one fails the play. The saved row (by its id: names may repeat) is
// selected and shown, so that Edit works on it at once.
void SetEditor::saveSetting()
{
    const QString name = ui.TxtSettName->text();
    if (name.trimmed().isEmpty()) {
        refuseIncomplete(QStringLiteral("The set needs a name and a parameter."));
        return;
    }
    if (ui.TxtParameter->text().isEmpty())
        DatSett.setValue(QStringLiteral("Stringa"), QStringLiteral(""));
    if (!DatSett.update()) {
        report(QStringLiteral("The setting was not saved; the editor keeps what you typed."), DatSett.lastError());
        return;
    }
    const std::optional<qint64> saved = DatSett.currentRowId();
    setPending(false);
    LoadSettingList();
    if (selectRow(ui.LstSetting, saved)) {
        QString error;
        showSet(ui.LstSetting->currentItem(), &error);
    }
}

void SetEditor::cancelSetting()
{
    DatSett.cancelUpdate();
    setPending(false);
}

void SetEditor::deleteSetting()
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
