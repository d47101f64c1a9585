// The emulator editor: the console list, the emulator list and the emulatori rows.
#include "emuset/frmemuset.h"

#include "emuset/frmbrowsercons.h"
#include "shared/commandline.h"
#include "shared/dialogs.h"
#include "shared/launcher.h"
#include "shared/paths.h"
#include "shared/queries.h"
#include "shared/schema.h"
#include "shared/widgets/filelists.h"
#include "shared/widgets/rowentries.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include <utility>

namespace Emuset {

void FrmEmuset::connectEmulatorEditor()
{
    connect(ui.CmbEmu, &QComboBox::activated, this, &FrmEmuset::consoleChosen);
    connect(ui.LstEmu, &QListWidget::itemSelectionChanged, this, &FrmEmuset::emulatorSelected);
    connect(ui.LstEmu, &QListWidget::itemClicked, this, &FrmEmuset::emulatorClicked);
    connect(ui.CmdNewEmu, &QPushButton::clicked, this, &FrmEmuset::newEmulator);
    connect(ui.CmdEditEmu, &QPushButton::clicked, this, &FrmEmuset::editEmulator);
    connect(ui.CmdSaveEmu, &QPushButton::clicked, this, &FrmEmuset::saveEmulator);
    connect(ui.CmdCancelEmu, &QPushButton::clicked, this, &FrmEmuset::cancelEmulator);
    connect(ui.CmdDeleteEmu, &QPushButton::clicked, this, &FrmEmuset::deleteEmulator);
    connect(ui.CmdEmu1, &QPushButton::clicked, this, &FrmEmuset::chooseExecutable);
    connect(ui.CmdLaunch, &QPushButton::clicked, this, &FrmEmuset::launchEmulator);
}

// The selected entry, not merely the current one: a list that gets the focus makes its
// first entry current without selecting it.
QListWidgetItem *FrmEmuset::selectedEmulatorEntry() const
{
    const QList<QListWidgetItem *> selected = ui.LstEmu->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

QString FrmEmuset::selectedEmulator() const
{
    const QListWidgetItem *entry = selectedEmulatorEntry();
    return entry ? entry->text() : QString();
}

void FrmEmuset::consoleChosen(int)
{
    if (const Consoles::Console *console = Consoles::byEmusetName(ui.CmbEmu->currentText()))
        OpenConsole(*console);
}

// Lists the console's emulators; none is selected, and the boxes show no emulator.
void FrmEmuset::LoadEmulatorList()
{
    QList<RowEntries::Entry> emulators;
    const bool opened = RowEntries::read(DatEmu, m_state.ConsoleDb, Queries::allEmulators(),
                                         Schema::Emulators::Name, &emulators);
    const QSignalBlocker blocker(ui.LstEmu);
    RowEntries::fill(ui.LstEmu, emulators);
    if (!opened) {
        recordError(DatEmu.lastError());
        return;
    }
    DatEmu.moveTo(DatEmu.rowCount()); // no emulator selected: the boxes show none
}

// A click selects (the emulator is shown then) or clicks the selected entry again (it is
// read again then); the keyboard moves the selection.
void FrmEmuset::emulatorSelected()
{
    m_selectionMoved = true;
    showEmulator(selectedEmulatorEntry());
}

void FrmEmuset::emulatorClicked(QListWidgetItem *entry)
{
    if (!std::exchange(m_selectionMoved, false) && entry->isSelected())
        showEmulator(entry);
}

// Shows the entry's emulator and lists its sets. No entry (the selection was cleared)
// shows no emulator; a row gone since the list was filled shows none either, never
// another one, and the error line says so.
void FrmEmuset::showEmulator(const QListWidgetItem *entry)
{
    if (!DatEmu.open()) {
        recordError(DatEmu.lastError());
        return;
    }
    QString error;
    if (!RowEntries::positionOn(DatEmu, entry, &error) && entry)
        recordError(error);
    LoadSettingList();
}

// A table that could not be opened is tried once more, so that the error line says why
// it cannot be (not merely that nothing is open).
void FrmEmuset::newEmulator()
{
    if (!DatEmu.addNew() && !(DatEmu.open() && DatEmu.addNew())) {
        recordError(DatEmu.lastError());
        return;
    }
    setEmulatorPending(true);
}

// Edits the emulator selected in the list; with none selected (or its row gone) the
// button does nothing.
void FrmEmuset::editEmulator()
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

// An emulator without a name is never listed by either program: refused. A saved one is
// selected and shown, so that Edit works on it at once.
void FrmEmuset::saveEmulator()
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
    setEmulatorPending(false);
    LoadEmulatorList();
    if (!selectEntry(ui.LstEmu, name))
        LoadSettingList();
}

void FrmEmuset::cancelEmulator()
{
    DatEmu.cancelUpdate();
    setEmulatorPending(false);
}

void FrmEmuset::deleteEmulator()
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
    LoadSettingList();
}

void FrmEmuset::chooseExecutable()
{
    if (ui.TxtFileEmu1->isReadOnly())
        return;
    if (!m_chooser) {
        m_chooser = new FrmBrowserCons(this);
        m_chooser->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_chooser, &FrmBrowserCons::fileChosen, this, &FrmEmuset::executableChosen);
    }
    m_chooser->show();
    m_chooser->raise();
    m_chooser->setWindowTitle(QStringLiteral("Choose Executable File For : ") + ui.TxtEmu1->text());
    // A console folder that does not exist leaves the chooser where it is.
    if (const Consoles::Console *console = Consoles::byEmusetName(ui.CmbEmu->currentText()))
        m_chooser->lists()->setPath(Paths::resolve(Paths::join(m_state.FrontEndDir, console->emusetFolder)));
}

void FrmEmuset::executableChosen(const QString &path) { ui.TxtFileEmu1->setText(path); }

void FrmEmuset::launchEmulator()
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
