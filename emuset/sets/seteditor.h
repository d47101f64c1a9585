#pragma once

#include "emuset/editing/editor.h"
#include "emuset/sets/seteditor_ui.h"
#include "shared/datasource.h"

class QListWidgetItem;

namespace Emuset {

// The parameter-set editor ("Command Line Passed"): the sets of the emulator selected in
// the emulator editor, their marks (what is stored as Attivo), the setting row of the
// clicked set, New/Edit/Save/Cancel/Delete.
class SetEditor : public Editor {
    Q_OBJECT
public:
    explicit SetEditor(Generale::State &state);

    // The emulator whose sets are listed from now on, empty for none.
    void setEmulator(const QString &emulator) { m_emulator = emulator; }
    // Lists the emulator's sets with their marks, then shows the first set.
    void LoadSettingList();

private:
    void connectControls();
    void ApplySetMarks(int clickedRow);
    void setMovedTo(QListWidgetItem *entry);
    bool showSet(const QListWidgetItem *entry, QString *error);
    void newSetting();
    void editSetting();
    void saveSetting();
    void cancelSetting();
    void deleteSetting();

    SetEditorUi ui;
    DataSource DatSett{QStringLiteral("DatSett")};
    QString m_emulator;
    bool m_listReady = true; // false while the set list is being filled
};

} // namespace Emuset
