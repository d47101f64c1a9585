#pragma once

#include "emuset/app/generale.h"

#include <QGroupBox>
#include <QList>

#include <optional>

class QListWidget;
class QPushButton;

namespace Emuset {

// What the two editors of the main window share: each is a titled frame that is Browse
// or Pending, says when that changes, and puts its errors on the window's error line.
//
// The window locks the editors through enableCommands, enableStore and lockList, in the
// order that decides where the keyboard focus goes when a focused control is disabled.
class Editor : public QGroupBox {
    Q_OBJECT
public:
    bool isPending() const { return m_pending; }

    // New, Edit and Delete: enabled only while neither editor is pending.
    void enableCommands(bool browsing);
    // Save and Cancel: enabled while this editor is pending.
    void enableStore();
    // The list that moves the editor to another row; a locked list says why in its tip.
    void lockList(bool locked);

signals:
    void pendingChanged(bool pending);
    void errorRecorded(const QString &text); // for the window's error line

protected:
    Editor(Generale::State &state, const QString &name, const QString &title);

    struct Controls {
        QList<QPushButton *> commands; // New, Edit, Delete
        QPushButton *save = nullptr;
        QPushButton *cancel = nullptr;
        QWidget *list = nullptr;
        QList<QWidget *> boxes; // line edits and text areas, editable while pending
    };
    void setControls(const Controls &controls) { m_controls = controls; }

    // Makes the boxes editable (white) or read-only (grey), then says so.
    void setPending(bool pending);
    void recordError(const QString &text) { emit errorRecorded(text); }
    // A store or deletion the database refused: the error line and a message naming it.
    void report(const QString &what, const QString &error);
    // A record the editor will not store as it stands: said, and the editor stays pending.
    void refuseIncomplete(const QString &what);
    // Makes the entry of this row current and selected; false when none shows it.
    static bool selectRow(QListWidget *list, std::optional<qint64> rowId);

    Generale::State &m_state;

private:
    Controls m_controls;
    bool m_pending = false;
};

} // namespace Emuset
