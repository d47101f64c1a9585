#include "shared/widgets/marklist.h"

#include "shared/widgets/rowentries.h"

#include <QKeyEvent>
#include <QMouseEvent>

MarkList::MarkList(QWidget *parent) : QListWidget(parent) { setSelectionMode(QAbstractItemView::SingleSelection); }

void MarkList::addEntry(const QString &text, bool marked, qint64 rowId)
{
    auto *entry = new QListWidgetItem(text, this);
    RowEntries::setRowId(entry, rowId);
    // Not user-checkable: the delegate would toggle on the indicator as well, and a
    // click on the indicator would then toggle twice. This class does all toggling.
    entry->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    entry->setCheckState(marked ? Qt::Checked : Qt::Unchecked);
}

bool MarkList::isMarked(int row) const
{
    const QListWidgetItem *entry = item(row);
    return entry && entry->checkState() == Qt::Checked;
}

void MarkList::setMarked(int row, bool marked)
{
    if (QListWidgetItem *entry = item(row))
        entry->setCheckState(marked ? Qt::Checked : Qt::Unchecked);
}

int MarkList::rowAt(const QPoint &pos) const
{
    const QModelIndex index = indexAt(pos);
    return index.isValid() ? index.row() : -1;
}

void MarkList::toggleByUser(int row)
{
    setMarked(row, !isMarked(row));
    emit entryClicked(row);
}

void MarkList::mousePressEvent(QMouseEvent *event)
{
    m_pressedRow = event->button() == Qt::LeftButton ? rowAt(event->position().toPoint()) : -1;
    QListWidget::mousePressEvent(event);
}

void MarkList::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second click of a double click arrives here instead of as a press.
    m_pressedRow = event->button() == Qt::LeftButton ? rowAt(event->position().toPoint()) : -1;
    QListWidget::mouseDoubleClickEvent(event);
}

void MarkList::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    const int row = event->button() == Qt::LeftButton ? rowAt(event->position().toPoint()) : -1;
    const bool click = row >= 0 && row == m_pressedRow;
    m_pressedRow = -1;
    if (click)
        toggleByUser(row);
}

void MarkList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && currentRow() >= 0) {
        toggleByUser(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void MarkList::setMarks(const QHash<qint64, bool> &byRowId)
{
    for (int row = 0; row < count(); ++row) {
        const auto found = byRowId.constFind(RowEntries::rowId(item(row)).value_or(0));
        if (found != byRowId.constEnd())
            setMarked(row, *found);
    }
}
