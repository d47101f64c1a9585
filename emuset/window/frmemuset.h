#pragma once

#include "emuset/app/generale.h"

#include <QMainWindow>

class QComboBox;
class StatusPanels;

namespace Consoles {
struct Console;
}

namespace Emuset {

class EmulatorEditor;
class SetEditor;

// Emuset's main window: the menus, the console list, the emulator editor on the left and
// the parameter-set editor on the right, the error line in the status bar.
//
// The editors meet here: the emulator editor's selection and shown emulator decide the
// sets listed, and each editor's Pending state locks the other. While one of them is
// Pending, everything that would move its data source to another row or console is
// disabled (the console and emulator lists, the other editor's commands; the set list
// while a set is pending), so "Save" always stores the typed values into the row they
// were typed for.
class FrmEmuset : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmEmuset(Generale::State &state, QWidget *parent = nullptr);
    ~FrmEmuset() override;

    // The load step: console list, the Gameboy database check (false after its message:
    // the program must end), then the Gameboy console opened.
    bool load();

private:
    void createMenus();
    void connectEditors();
    void consoleChosen(int index);
    void openConsole(const Consoles::Console &console);
    void reportJetDatabase();
    void recordError(const QString &text);
    void applyStates();

    Generale::State &m_state;
    QComboBox *m_consoles = nullptr; // CmbEmu
    EmulatorEditor *m_emulators = nullptr;
    SetEditor *m_sets = nullptr;
    StatusPanels *m_status = nullptr; // StatusBar1, panel 1 the error line
};

} // namespace Emuset
