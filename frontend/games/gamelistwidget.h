#pragma once

#include <QStringList>
#include <QWidget>

class QAbstractItemModel;
class QAbstractItemView;
class QModelIndex;

class QListView;
class QStackedLayout;
class QTreeView;

// The game list: one model shown in one of four view modes. Modes 0 to 2 use a list
// view (large icons, small icons, list), mode 3 a one-column report headed "Games".
// Both views share one selection model. Give the entries a QIcon holding a 32x32 and a
// 16x16 pixmap: each mode picks the size it shows. A click on an entry, or a key let go
// while a view has the focus, asks for the selected game to be shown; so does a click on
// a list without entries.
class GameListWidget : public QWidget {
    Q_OBJECT
public:
    enum ViewMode { Icon = 0, SmallIcon = 1, List = 2, Report = 3 };

    explicit GameListWidget(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model);
    QAbstractItemModel *model() const;

    void setViewMode(int mode);
    int viewMode() const { return m_mode; }

    // The view that is visible in the current mode.
    QAbstractItemView *view() const;
    QListView *listView() const { return m_list; }
    QTreeView *treeView() const { return m_tree; }

    // The selected entry, or an invalid index when none is selected.
    QModelIndex selectedIndex() const;
    // Makes the entry of a row current and selected and scrolls it wholly into sight (at
    // once, or when the view is first shown); -1 clears.
    void setCurrentRow(int row);
    void scrollToCurrent();
    // Leaves room for the widest of these names in the List and Report modes, so that no
    // name is cut there (the icon modes cut long names; their tooltips show them whole).
    void fitNames(const QStringList &names);
    // The room for names again, after the Report view's columns were shown or hidden: with
    // "Games" alone it never gets narrower than the widest name; beside other columns it
    // keeps the width it is given.
    void applyNameWidth();

signals:
    void selectionRequested();
    // A double click on an entry, or Enter in a view: play the game shown.
    void playRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyHeader();
    QSize listCell() const;

    QListView *m_list;
    QTreeView *m_tree;
    QStackedLayout *m_stack;
    int m_mode = Icon;
    int m_nameWidth = 0;      // room for the widest name with its icon
    bool m_namesAlone = true; // the Report view shows "Games" only
    bool m_scrollPending = false;
};
