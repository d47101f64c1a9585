// The emulator editor: the emulator list and the emulatori rows of the open console.
#include "emuset/emulators/emulatoreditor.h"

#include "emuset/choosers/frmbrowsercons.h"
#include "shared/commandline.h"
#include "shared/consoles.h"
#include "shared/dialogs.h"
#include "shared/launcher.h"
#include "shared/paths.h"
#include "shared/queries.h"
#include "shared/schema.h"
#include "shared/widgets/boundwidget.h"
#include "shared/widgets/filelists.h"
#include "shared/widgets/rowentries.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include <utility>

namespace Emuset {

EmulatorEditor::EmulatorEditor(Generale::State &state, QComboBox *consoles)
    : Editor(state, QStringLiteral("Frame1"), QStringLiteral("Emulators"))
{
    ui.setupUi(this, consoles);
    bindWidget(DatEmu, ui.TxtEmu1, QStringLiteral("Emu_Name"));
    bindWidget(DatEmu, ui.TxtSetmode, QStringLiteral("Emu_Type"));
    bindWidget(DatEmu, ui.TxtFileEmu1, QStringLiteral("Emu_Link"));
    setControls({{ui.CmdNewEmu, ui.CmdEditEmu, ui.CmdDeleteEmu},
                 ui.CmdSaveEmu,
                 ui.CmdCancelEmu,
                 ui.LstEmu,
                 {ui.TxtEmu1, ui.TxtFileEmu1, ui.TxtSetmode}});
    connectControls();
    setEmulatorPending(false);
}

EmulatorEditor::~EmulatorEditor() = default;

void EmulatorEditor::connectControls()
{
    connect(ui.LstEmu, &QListWidget::itemSelectionChanged, this, &EmulatorEditor::emulatorSelected);
    connect(ui.LstEmu, &QListWidget::itemClicked, this, &EmulatorEditor::emulatorClicked);
    connect(ui.CmdNewEmu, &QPushButton::clicked, this, &EmulatorEditor::newEmulator);
    connect(ui.CmdEditEmu, &QPushButton::clicked, this, &EmulatorEditor::editEmulator);
    connect(ui.CmdSaveEmu, &QPushButton::clicked, this, &EmulatorEditor::saveEmulator);
    connect(ui.CmdCancelEmu, &QPushButton::clicked, this, &EmulatorEditor::cancelEmulator);
    connect(ui.CmdDeleteEmu, &QPushButton::clicked, this, &EmulatorEditor::deleteEmulator);
    connect(ui.CmdEmu1, &QPushButton::clicked, this, &EmulatorEditor::chooseExecutable);
    connect(ui.CmdLaunch, &QPushButton::clicked, this, &EmulatorEditor::launchEmulator);
}

// The selected entry, not merely the current one: a list that gets the focus makes its
// first entry current without selecting it.
QListWidgetItem *EmulatorEditor::selectedEmulatorEntry() const
{
    const QList<QListWidgetItem *> selected = ui.LstEmu->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

QString EmulatorEditor::selectedEmulator() const
{
    const QListWidgetItem *entry = selectedEmulatorEntry();
    return entry ? entry->text() : QString();
}

void EmulatorEditor::openConsole(const Consoles::Console &console)
{
    m_console = &console;
    LoadEmulatorList();
    emit emulatorShown();
}

// Lists the console's emulators; none is selected, and the boxes show no emulator.
void EmulatorEditor::LoadEmulatorList()
{
    QList<RowEntries::Entry> emulators;
    const bool opened = RowEntries::read(DatEmu, m_state.ConsoleDb, Queries::allEmulators(),
                                         Schema::Emulators::Name, &emulators);
    {
        const QSignalBlocker blocker(ui.LstEmu);
        RowEntries::fill(ui.LstEmu, emulators);
    }
    emit selectionChanged(selectedEmulator());
    if (!opened) {
        recordError(DatEmu.lastError());
        return;
    }
    DatEmu.moveTo(DatEmu.rowCount()); // no emulator selected: the boxes show none
}

// A click selects (the emulator is shown then) or clicks the selected entry again (it is
// read again then); the keyboard moves the selection.
void EmulatorEditor::emulatorSelected()
{
    m_selectionMoved = true;
    emit selectionChanged(selectedEmulator());
    showEmulator(selectedEmulatorEntry());
}

void EmulatorEditor::emulatorClicked(QListWidgetItem *entry)
{
    if (!std::exchange(m_selectionMoved, false) && entry->isSelected())
        showEmulator(entry);
}

// Shows the entry's emulator and lists its sets. No entry (the selection was cleared)
// shows no emulator; a row gone since the list was filled shows none either, never
// another one, and the error line says so.
void EmulatorEditor::showEmulator(const QListWidgetItem *entry)
{
    if (!DatEmu.open()) {
        recordError(DatEmu.lastError());
        return;
    }
    QString error;
    if (!RowEntries::positionOn(DatEmu, entry, &error) && entry)
        recordError(error);
    emit emulatorShown();
}

// A table that could not be opened is tried once more, so that the error line says why
// it cannot be (not merely that nothing is open).
void EmulatorEditor::newEmulator()
{
    if (!DatEmu.addNew() && !(DatEmu.open() && DatEmu.addNew())) {
        recordError(DatEmu.lastError());
        return;
    }
    setEmulatorPending(true);
}

// Edits the emulator selected in the list; with none selected (or its row gone) the
// button does nothing.
void EmulatorEditor::editEmulator()
{
    if (!DatEmu.open()) {
        recordError(DatEmu.lastError());
        return;
    }
    const QListWidgetItem *entry = selectedEmulatorEntry();
    QString error;
    if (!entry)
        return;
    if (!RowEntries::positionOn(DatEmu, entry, &error) || !DatEmu.edit()) {
        recordError(error.isEmpty() ? DatEmu.lastError() : error);
        return;
    }
    setEmulatorPending(true);
}

// An emulator without a name is never listed by either program: refused. The saved row
// (by its id: names may repeat) is selected and shown, so that Edit works on it at once.
void EmulatorEditor::saveEmulator()
{
    const QString name = ui.TxtEmu1->text();
    if (name.trimmed().isEmpty()) {
        refuseIncomplete(QStringLiteral("The emulator needs a name."));
        return;
    }
    if (!DatEmu.update()) {
        report(QStringLiteral("The emulator was not saved; the editor keeps what you typed."), DatEmu.lastError());
        return;
    }
    const std::optional<qint64> saved = DatEmu.currentRowId();
    setEmulatorPending(false);
    LoadEmulatorList();
    if (!selectRow(ui.LstEmu, saved))
        emit emulatorShown();
}

void EmulatorEditor::cancelEmulator()
{
    DatEmu.cancelUpdate();
    setEmulatorPending(false);
}

void EmulatorEditor::deleteEmulator()
{
    if (!m_state.dialogs->question(ui.TxtEmu1->text(), QStringLiteral("Delete This Emulator?")))
        return;
    if (DatEmu.atEnd())
        return; // no emulator shown: nothing to delete
    if (!DatEmu.deleteCurrent()) {
        report(QStringLiteral("The emulator was not deleted."), DatEmu.lastError());
        return;
    }
    LoadEmulatorList();
    emit emulatorShown();
}

// A path chosen after Save or Cancel would show without being stored: the chooser goes.
void EmulatorEditor::setEmulatorPending(bool pending)
{
    if (!pending && m_chooser)
        m_chooser->close();
    setPending(pending);
}

void EmulatorEditor::chooseExecutable()
{
    if (ui.TxtFileEmu1->isReadOnly())
        return;
    if (!m_chooser) {
        m_chooser = new FrmBrowserCons(window());
        m_chooser->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_chooser, &FrmBrowserCons::fileChosen, ui.TxtFileEmu1, &QLineEdit::setText);
    }
    m_chooser->show();
    m_chooser->raise();
    m_chooser->setWindowTitle(QStringLiteral("Choose Executable File For : ") + ui.TxtEmu1->text());
    // The folder of this console's last choice, else the console folder; when neither
    // exists the chooser stays where it is.
    if (m_console)
        m_chooser->startIn(QStringLiteral("emulator.") + m_console->key,
                           Paths::resolve(Paths::join(m_state.FrontEndDir, m_console->emusetFolder)));
}

void EmulatorEditor::launchEmulator()
{
    const QString path = ui.TxtFileEmu1->text();
    if (Paths::probe(path).isEmpty()) {
        m_state.dialogs->critical(QStringLiteral("Error"), QStringLiteral("Emulator not found!"));
        return;
    }
    const CommandLine::Launch launch = CommandLine::testLaunch(Paths::resolve(path));
    if (!m_state.launcher->start(launch.program, launch.arguments))
        recordError(QStringLiteral("Can't start ") + launch.program);
}

} // namespace Emuset
