#pragma once

#include "shared/datasource.h"

#include <QObject>

#include <array>
#include <optional>

class DetailsView;
class GameListModel;
class GameListWidget;
class ImageListPair;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Session;
class SpecialFiltersPanel;
class StatusPanels;

// The "Games" page: the search field, the game list with its filter, icon and view
// options, the play button; the counts in status panels 2 to 6; and the "Filters" page.
class GamesPage : public QObject {
    Q_OBJECT
public:
    GamesPage(Session &session, StatusPanels *counts, QObject *parent = nullptr);

    QGroupBox *page() const { return m_page; }
    QGroupBox *filtersPage() const { return m_filtersPage; }

    // Puts back the view and icon type of the last run, before the list's first fill.
    void restoreGameListChoices();
    // Lists the named games of the filter's query by name, writes the counts, and shows
    // the record of the current game.
    void FillGameList();
    // A console switch starts without a search.
    void clearSearch();
    // Ctrl+F: the search field takes the keys, its text selected.
    void focusSearch();

private:
    QGroupBox *buildGamesPage();
    QWidget *buildSearchRow();
    QWidget *buildOptions();
    QGroupBox *buildFiltersPage();
    void connectOptions();
    void connectSearch();

    std::array<QRadioButton *, 4> filterOptions() const { return {OptAll, OptFavorite, OptPlayable, OptNotPlay}; }
    std::array<QRadioButton *, 3> iconOptions() const { return {OptIcon1, OptIcon2, OptIcon3}; }
    std::array<QRadioButton *, 4> viewOptions() const { return {Option1, Option2, Option3, Option4}; }
    QString gameQuery() const;
    void selectGame();
    void selectShownGame();
    void showGameCounts();
    void setGameImageLists(const ImageListPair &pair);
    void setGameViewMode(int mode);
    void applySearch();
    void showSearchCount();
    void enterGameList();
    void showNeighbour(std::optional<qint64> deletedRow);
    void showNewGames(const QString &first);
    void restoreLastChoices();

    Session &m_session;
    StatusPanels *m_counts;
    SpecialFiltersPanel *m_special = nullptr;
    GameListModel *m_gameList = nullptr;
    std::array<int, 3> m_lastChoices{}; // filter, icon and view options of the last fill
    DetailsView *m_details = nullptr;
    DataSource DatGames{QStringLiteral("DatGames")};
    QGroupBox *m_page = nullptr;
    QGroupBox *m_filtersPage = nullptr;
    QLineEdit *TxtSearch = nullptr;
    QLabel *LabSearchCount = nullptr;
    GameListWidget *LstGames = nullptr;
    QPushButton *Command1 = nullptr;
    QRadioButton *OptAll = nullptr, *OptFavorite = nullptr, *OptPlayable = nullptr, *OptNotPlay = nullptr;
    QRadioButton *OptIcon1 = nullptr, *OptIcon2 = nullptr, *OptIcon3 = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr, *Option3 = nullptr, *Option4 = nullptr;
};
