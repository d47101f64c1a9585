#pragma once

#include "emuset/editing/editor.h"
#include "emuset/emulators/emulatoreditor_ui.h"
#include "shared/datasource.h"

#include <QPointer>

class QComboBox;
class QListWidgetItem;

namespace Consoles {
struct Console;
}

namespace Emuset {

class FrmBrowserCons;

// The emulator editor ("Emulators"): the open console's emulator list, the emulatori row
// of the selected emulator in three boxes, New/Edit/Save/Cancel/Delete, the executable
// chooser and the test launch. The console list is the window's; it sits in this frame.
class EmulatorEditor : public Editor {
    Q_OBJECT
public:
    EmulatorEditor(Generale::State &state, QComboBox *consoles);
    ~EmulatorEditor() override;

    // Lists the console's emulators (the database is the state's ConsoleDb), none
    // selected; then the sets of no emulator are to be shown.
    void openConsole(const Consoles::Console &console);

signals:
    // The emulator selected in the list, empty for none: every change of the selection.
    void selectionChanged(const QString &emulator);
    // The sets of the selected emulator are to be listed (again).
    void emulatorShown();

private:
    void connectControls();
    void LoadEmulatorList();
    void emulatorSelected();
    void emulatorClicked(QListWidgetItem *entry);
    void showEmulator(const QListWidgetItem *entry);
    void newEmulator();
    void editEmulator();
    void saveEmulator();
    void cancelEmulator();
    void deleteEmulator();
    void chooseExecutable();
    void launchEmulator();
    void setEmulatorPending(bool pending);
    QListWidgetItem *selectedEmulatorEntry() const;
    QString selectedEmulator() const;

    EmulatorEditorUi ui;
    DataSource DatEmu{QStringLiteral("DatEmu")};
    const Consoles::Console *m_console = nullptr;
    bool m_selectionMoved = false; // the selection moved since the last click
    QPointer<FrmBrowserCons> m_chooser;
};

} // namespace Emuset
