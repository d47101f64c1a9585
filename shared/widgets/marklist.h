#pragma once

#include <QHash>
#include <QListWidget>

// A list whose entries carry their own on/off mark. A left click anywhere on an entry
// (or Space on the current entry) toggles its mark and then emits entryClicked; marks
// set by the program emit nothing.
class MarkList : public QListWidget {
    Q_OBJECT
public:
    explicit MarkList(QWidget *parent = nullptr);

    // An entry showing a row: it carries the row's id (see RowEntries).
    void addEntry(const QString &text, bool marked, qint64 rowId = 0);
    bool isMarked(int row) const;
    void setMarked(int row, bool marked);
    // Each entry whose row id is among these takes its mark from them.
    void setMarks(const QHash<qint64, bool> &byRowId);

signals:
    void entryClicked(int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int rowAt(const QPoint &pos) const;
    void toggleByUser(int row);

    int m_pressedRow = -1;
};
