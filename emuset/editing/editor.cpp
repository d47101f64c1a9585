#include "emuset/editing/editor.h"

#include "shared/dialogs.h"
#include "shared/widgets/rowentries.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace Emuset {

namespace {

const QString lockedTip = QStringLiteral("Save or Cancel the record first");

// Read-only boxes are grey (button face), editable ones white.
template <class Box> void makeEditable(Box *box, bool editable)
{
    box->setReadOnly(!editable);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, editable ? QColor(Qt::white) : palette.color(QPalette::Button));
    box->setPalette(palette);
}

} // namespace

Editor::Editor(Generale::State &state, const QString &name, const QString &title)
    : QGroupBox(title), m_state(state)
{
    setObjectName(name);
}

void Editor::enableCommands(bool browsing)
{
    for (QPushButton *command : std::as_const(m_controls.commands))
        command->setEnabled(browsing);
}

void Editor::enableStore()
{
    m_controls.save->setEnabled(m_pending);
    m_controls.cancel->setEnabled(m_pending);
}

void Editor::lockList(bool locked)
{
    m_controls.list->setEnabled(!locked);
    m_controls.list->setToolTip(locked ? lockedTip : QString());
}

void Editor::setPending(bool pending)
{
    m_pending = pending;
    for (QWidget *box : std::as_const(m_controls.boxes)) {
        if (auto *line = qobject_cast<QLineEdit *>(box))
            makeEditable(line, pending);
        else if (auto *area = qobject_cast<QPlainTextEdit *>(box))
            makeEditable(area, pending);
    }
    emit pendingChanged(pending);
}

void Editor::report(const QString &what, const QString &error)
{
    recordError(error);
    m_state.dialogs->critical(QStringLiteral("Error"), what + QStringLiteral("\n") + error);
}

void Editor::refuseIncomplete(const QString &what)
{
    m_state.dialogs->warning(QStringLiteral("Warning!"), what + QStringLiteral(" Nothing was saved."));
}

bool Editor::selectRow(QListWidget *list, std::optional<qint64> rowId)
{
    for (int row = 0; rowId && row < list->count(); ++row) {
        if (RowEntries::rowId(list->item(row)) == rowId) {
            list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
            return true;
        }
    }
    return false;
}

} // namespace Emuset
