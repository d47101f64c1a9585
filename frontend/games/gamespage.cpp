#include "frontend/games/gamespage.h"

#include "frontend/common/pictures.h"
#include "frontend/games/detailsview.h"
#include "frontend/games/gamelistmodel.h"
#include "frontend/games/gamelistwidget.h"
#include "frontend/games/specialfilterspanel.h"
#include "frontend/session/session.h"
#include "shared/dialogs.h"
#include "shared/widgets/rowentries.h"
#include "shared/widgets/statuspanels.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

namespace {

// The game query of each filter option, in the options' order.
constexpr const char *filterQueries[] = {
    "SELECT * from giochi order by [gioco]",
    "SELECT * from giochi WHERE favorites = true order by [gioco]",
    "SELECT * from giochi WHERE playable = true order by [gioco]",
    "SELECT * from giochi WHERE playable = false order by [gioco]",
};

const ImageListPair &flagImages()
{
    static const ImageListPair pair(QStringLiteral("ImageFlagsNormal"), QStringLiteral("ImageFlagsLittle"),
                                    &Pictures::flag, 6);
    return pair;
}

const ImageListPair &ratingImages()
{
    static const ImageListPair pair(QStringLiteral("ImageRat"), QStringLiteral("ImageRatLittle"),
                                    &Pictures::rating, 6);
    return pair;
}

const ImageListPair &playImages()
{
    static const ImageListPair pair(QStringLiteral("ImagePlay"), QStringLiteral("ImagePlayLittle"),
                                    &Pictures::playable, 2);
    return pair;
}

// The picture each row takes and the image lists showing it, in the icon options' order.
struct IconChoice {
    GameList::IconType type;
    const ImageListPair &(*images)();
};
constexpr IconChoice iconChoices[] = {
    {GameList::IconType::Language, &flagImages},
    {GameList::IconType::Rating, &ratingImages},
    {GameList::IconType::Playable, &playImages},
};

constexpr int viewModes[] = {GameListWidget::Icon, GameListWidget::SmallIcon, GameListWidget::List,
                             GameListWidget::Report};

// The view and icon type chosen are kept per user across starts, in the settings of the
// program's organization (the real main names one). A host without one, a test or the
// benchmark, neither reads nor writes them.
const QString viewKey = QStringLiteral("GameList/view");
const QString iconKey = QStringLiteral("GameList/icon");

bool keepsChoices() { return !QCoreApplication::organizationName().isEmpty(); }

void rememberChoice(const QString &key, int index)
{
    if (keepsChoices())
        QSettings().setValue(key, index);
}

// The remembered index of an option group of `count` options, or -1.
int rememberedChoice(const QString &key, size_t count)
{
    if (!keepsChoices())
        return -1;
    bool number = false;
    const int index = QSettings().value(key).toInt(&number);
    return number && index >= 0 && size_t(index) < count ? index : -1;
}

template <size_t N> int checkedIndex(const std::array<QRadioButton *, N> &options)
{
    for (size_t i = 0; i < N; ++i) {
        if (options[i]->isChecked())
            return int(i);
    }
    return 0;
}

// Panels 2 to 6: each label, its number and two blanks.
void showCounts(StatusPanels *panels, const GameList::Counts &counts)
{
    const std::pair<const char *, qint64> texts[] = {
        {"All Games : ", counts.all},
        {"Favorite Games : ", counts.favorite},
        {"Playable Games : ", counts.playable},
        {"Not Working Games : ", counts.notWorking},
        {"Total Times Played : ", counts.timesPlayed},
    };
    int panel = 2;
    for (const auto &[label, number] : texts)
        panels->setText(panel++, QLatin1String(label) + QString::number(number) + QLatin1String("  "));
}

} // namespace

GamesPage::GamesPage(Session &session, StatusPanels *counts, QObject *parent)
    : QObject(parent), m_session(session), m_counts(counts), m_special(new SpecialFiltersPanel(session, this))
{
    m_page = buildGamesPage();
    m_filtersPage = buildFiltersPage();
    m_gameList = new GameListModel(this);
    m_gameList->setImageLists(&flagImages());
    LstGames->setModel(m_gameList);
    m_details = new DetailsView(LstGames, m_gameList, m_session, this);
    connect(m_special, &SpecialFiltersPanel::changed, this, &GamesPage::FillGameList);
    connect(LstGames, &GameListWidget::selectionRequested, this, &GamesPage::selectGame);
    connect(Command1, &QPushButton::clicked, &m_session, &Session::requestPlay);
    connect(LstGames, &GameListWidget::playRequested, &m_session, &Session::requestPlay);
    connectOptions();
    connectSearch();
    connect(&m_session, &Session::fillRequested, this, &GamesPage::FillGameList);
    connect(&m_session, &Session::gameShown, this, &GamesPage::selectShownGame);
    connect(&m_session, &Session::gamePlayed, this, &GamesPage::showGameCounts);
    connect(&m_session, &Session::gameDeleted, this, &GamesPage::showNeighbour);
    connect(&m_session, &Session::gamesAdded, this, &GamesPage::showNewGames);
    connect(&m_session, &Session::listFocusRequested, this, [this] { LstGames->view()->setFocus(); });
}

void GamesPage::connectOptions()
{
    // clicked, not toggled: only a person's click refills the list.
    for (QRadioButton *filter : filterOptions())
        connect(filter, &QRadioButton::clicked, this, &GamesPage::FillGameList);
    for (int i = 0; i < int(iconOptions().size()); ++i) {
        connect(iconOptions()[i], &QRadioButton::clicked, this, [this, i] {
            rememberChoice(iconKey, i);
            setGameImageLists(iconChoices[i].images());
        });
    }
    for (int i = 0; i < int(viewOptions().size()); ++i) {
        connect(viewOptions()[i], &QRadioButton::clicked, this, [this, i] {
            rememberChoice(viewKey, i);
            setGameViewMode(viewModes[i]);
        });
    }
}

QString GamesPage::gameQuery() const
{
    return m_special->narrowed(QLatin1String(filterQueries[checkedIndex(filterOptions())]));
}

void GamesPage::restoreGameListChoices()
{
    const int icon = rememberedChoice(iconKey, std::size(iconChoices));
    if (icon >= 0) {
        iconOptions()[icon]->setChecked(true);
        m_gameList->setImageLists(&iconChoices[icon].images());
    }
    const int view = rememberedChoice(viewKey, std::size(viewModes));
    if (view >= 0) {
        viewOptions()[view]->setChecked(true);
        LstGames->setViewMode(viewModes[view]);
    }
}

void GamesPage::setGameImageLists(const ImageListPair &pair)
{
    m_gameList->setImageLists(&pair);
    FillGameList();
}

void GamesPage::setGameViewMode(int mode)
{
    LstGames->setViewMode(mode);
    FillGameList();
}

void GamesPage::FillGameList()
{
    // The shown record's changes are settled first; staying puts the options back.
    if (!m_session.mayLeaveRecord()) {
        restoreLastChoices();
        return;
    }
    m_lastChoices = {checkedIndex(filterOptions()), checkedIndex(iconOptions()), checkedIndex(viewOptions())};
    m_special->prepareFill();
    m_session.setGameQuery(gameQuery());
    DatGames.setDatabaseName(m_session.console().database);
    DatGames.setRecordSource(gameQuery());
    LstGames->hide();
    GameList::Fill fill;
    QString error;
    const bool read = GameList::read(DatGames, iconChoices[checkedIndex(iconOptions())].type, &m_gameList->table(),
                                     &fill, &error);
    std::vector<qint32> order = m_details->orderForFill(DatGames, fill.rows);
    m_gameList->setRows(std::move(fill.rows), std::move(order));
    LstGames->fitNames(m_gameList->longestNames(16));
    showSearchCount();
    showCounts(m_counts, fill.counts);
    if (!read)
        m_session.reportError(error);
    LstGames->show();
    if (m_gameList->rowCount() == 0)
        m_session.requestEmptyRecord();
    else
        m_session.requestRecord();
}

void GamesPage::restoreLastChoices()
{
    filterOptions()[m_lastChoices[0]]->setChecked(true);
    iconOptions()[m_lastChoices[1]]->setChecked(true);
    viewOptions()[m_lastChoices[2]]->setChecked(true);
    m_gameList->setImageLists(&iconChoices[m_lastChoices[1]].images());
    LstGames->setViewMode(viewModes[m_lastChoices[2]]);
}

// Selects the entry of the shown game, when the shown game is the current game's own row
// and listed; otherwise none.
void GamesPage::selectShownGame()
{
    const std::optional<qint64> shown = m_session.shownGame().row;
    LstGames->setCurrentRow(shown && shown == m_session.currentGameRow() ? m_gameList->rowOfId(shown) : -1);
}

// The counts of the listed games read afresh, the list itself left as it is (after a play).
void GamesPage::showGameCounts()
{
    DataSource games(QStringLiteral("DatCounts"));
    games.setDatabaseName(m_session.console().database);
    games.setRecordSource(gameQuery());
    GameList::Fill fill;
    QString error;
    if (GameList::read(games, iconChoices[checkedIndex(iconOptions())].type, &m_gameList->table(), &fill, &error))
        showCounts(m_counts, fill.counts);
    else
        m_session.reportError(error);
}

// A click on an entry or a key let go in the list: the selected game becomes the shown one.
void GamesPage::selectGame()
{
    const QModelIndex selected = LstGames->selectedIndex();
    if (!selected.isValid()) {
        m_session.reportError(QStringLiteral("LstGames: no game is selected"));
        return;
    }
    m_session.pickGame(RowEntries::rowId(selected), selected.data(Qt::DisplayRole).toString());
}

// After a delete, the game that took the deleted one's place in the list (or the one
// before it, at the end) is selected and shown.
void GamesPage::showNeighbour(std::optional<qint64> deletedRow)
{
    const int row = m_gameList->rowOfId(deletedRow);
    if (row >= 0) {
        const QString next = m_gameList->name(row + 1);
        m_session.setCurrentGame(next.isEmpty() ? m_gameList->name(row - 1) : next);
    }
    FillGameList();
}

// New games are neither favourite nor playable: the filters of those hide them. The
// filter stays as the person chose it, and says so; otherwise the first new game is shown.
void GamesPage::showNewGames(const QString &first)
{
    const QRadioButton *hiding = OptFavorite->isChecked()   ? OptFavorite
                                 : OptPlayable->isChecked() ? OptPlayable
                                                            : nullptr;
    if (!hiding)
        m_session.setCurrentGame(first);
    FillGameList();
    if (hiding) {
        m_session.dialogs().information(QStringLiteral("Scan Roms"),
                                        QStringLiteral("The new games are not listed: the filter \"")
                                            + hiding->text() + QStringLiteral("\" hides them. \"") + OptAll->text()
                                            + QStringLiteral("\" lists them."));
    }
}
