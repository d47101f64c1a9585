#pragma once

#include "emuset/frmemuset_ui.h"
#include "emuset/generale.h"
#include "shared/consoles.h"
#include "shared/datasource.h"

#include <QMainWindow>
#include <QPointer>

class QListWidget;
class QListWidgetItem;

namespace Emuset {

class FrmBrowserCons;

// Emuset's main window: the console list and the emulator editor on the left
// (frmemuset_emulators.cpp), the parameter-set editor on the right
// (frmemuset_settings.cpp), the widgets in FrmEmusetUi (frmemuset_ui.cpp).
//
// Each editor is Browse or Pending. While one of them is Pending, everything that would
// move its data source to another row or console is disabled (the console and emulator
// lists, the other editor's commands; the set list while a set is pending), so "Save"
// always stores the typed values into the row they were typed for.
class FrmEmuset : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmEmuset(Generale::State &state, QWidget *parent = nullptr);
    ~FrmEmuset() override;

    // The load step: console list, the Gameboy database check (false after its message:
    // the program must end), then the Gameboy console opened.
    bool load();

    FrmEmusetUi ui;

    DataSource DatEmu{QStringLiteral("DatEmu")};
    DataSource DatSett{QStringLiteral("DatSett")};

    // The executable chooser while it is open, otherwise nullptr.
    FrmBrowserCons *chooser() const;

    void OpenConsole(const Consoles::Console &console);
    void LoadEmulatorList();
    void LoadSettingList();
    void ApplySetMarks(int clickedRow);

    // The error line: panel 1 of the status bar.
    void recordError(const QString &text);
    void reportJetDatabase();

private:
    void bindControls();

    // Emulator editor (frmemuset_emulators.cpp)
    void connectEmulatorEditor();
    void consoleChosen(int index);
    void emulatorSelected();
    void emulatorClicked(QListWidgetItem *entry);
    void showEmulator(const QListWidgetItem *entry);
    void newEmulator();
    void editEmulator();
    void saveEmulator();
    void cancelEmulator();
    void deleteEmulator();
    void chooseExecutable();
    void executableChosen(const QString &path);
    void launchEmulator();
    QString selectedEmulator() const;
    QListWidgetItem *selectedEmulatorEntry() const;

    // Parameter-set editor (frmemuset_settings.cpp)
    void connectSettingEditor();
    bool showSet(const QListWidgetItem *entry, QString *error);
    void newSetting();
    void editSetting();
    void saveSetting();
    void cancelSetting();
    void deleteSetting();

    // Browse and Pending of both editors
    void setEmulatorPending(bool pending);
    void setSettingPending(bool pending);
    void applyStates();
    void report(const QString &what, const QString &error);
    void refuseIncomplete(const QString &what);
    static bool selectEntry(QListWidget *list, const QString &text);

    Generale::State &m_state;
    bool m_emulatorPending = false;
    bool m_settingPending = false;
    bool m_selectionMoved = false; // the selection moved since the last click
    QPointer<FrmBrowserCons> m_chooser;
};

} // namespace Emuset
