#pragma once

#include "frontend/games/gamedetails.h"
#include "frontend/games/gamelistmodel.h"

#include <QObject>

#include <vector>

class DataSource;
class GameListWidget;
class QHeaderView;
class QMenu;
class Session;

// The "Report" view as a details view: its header's context menu shows and hides the
// columns beyond "Games", a click on a header sorts by that column (again: the other
// way), and the columns, their widths, order and the sort are kept per user. Only the
// "Report" view sorts; the other views keep the query's order.
class DetailsView : public QObject {
    Q_OBJECT
public:
    DetailsView(GameListWidget *list, GameListModel *model, Session &session, QObject *parent = nullptr);

    // The order the rows of a fill are shown in: the sort's in the "Report" view, otherwise
    // empty (the query's). Reads the details of the fill's database first when a column
    // beyond "Games" is shown or a sort is set.
    std::vector<qint32> orderForFill(DataSource &games, const GameList::Rows &rows);

private:
    QHeaderView *header() const;
    QMenu *buildMenu();
    bool sorting() const;
    bool showsDetails() const;
    GameDetails::Table::Columns columnsNeeded() const;
    bool readDetails(DataSource &games);
    void showColumn(int column, bool shown);
    void sortAgain();
    void remember();
    void restore();

    GameListWidget *m_list;
    GameListModel *m_model;
    Session &m_session;
    GameDetails::Table m_details;
    QMenu *m_menu = nullptr;
};
