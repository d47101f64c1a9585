// The "Games" page: the game list, its filters, icon and view types, and the counts.
#include "frontend/frmmain.h"

#include "frontend/counttext.h"
#include "frontend/gamelistmodel.h"
#include "frontend/gamelistwidget.h"
#include "frontend/pictures.h"
#include "shared/queries.h"
#include "shared/schema.h"
#include "shared/sql.h"
#include "shared/widgets/rowentries.h"
#include "shared/widgets/statuspanels.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>

#include <iterator>

namespace {

using Option = QRadioButton *FrmMainUi::*;

// The filter options, in the order they are tested, with the game query of each.
struct Filter {
    Option option;
    const char *query;
};
constexpr Filter filters[] = {
    {&FrmMainUi::OptAll, "SELECT * from giochi order by [gioco]"},
    {&FrmMainUi::OptFavorite, "SELECT * from giochi WHERE favorites = true order by [gioco]"},
    {&FrmMainUi::OptPlayable, "SELECT * from giochi WHERE playable = true order by [gioco]"},
    {&FrmMainUi::OptNotPlay, "SELECT * from giochi WHERE playable = false order by [gioco]"},
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

// The icon-type options with the picture each row takes and the image lists showing it.
struct IconOption {
    Option option;
    GameList::IconType type;
    const ImageListPair &(*images)();
};
constexpr IconOption iconOptions[] = {
    {&FrmMainUi::OptIcon1, GameList::IconType::Language, &flagImages},
    {&FrmMainUi::OptIcon2, GameList::IconType::Rating, &ratingImages},
    {&FrmMainUi::OptIcon3, GameList::IconType::Playable, &playImages},
};

struct ViewOption {
    Option option;
    int mode;
};
constexpr ViewOption viewOptions[] = {
    {&FrmMainUi::Option1, GameListWidget::Icon},
    {&FrmMainUi::Option2, GameListWidget::SmallIcon},
    {&FrmMainUi::Option3, GameListWidget::List},
    {&FrmMainUi::Option4, GameListWidget::Report},
};

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

QString gameQuery(const FrmMainUi &ui)
{
    for (const Filter &filter : filters) {
        if ((ui.*filter.option)->isChecked())
            return QLatin1String(filter.query);
    }
    return QLatin1String(filters[0].query);
}

GameList::IconType iconType(const FrmMainUi &ui)
{
    for (const IconOption &icon : iconOptions) {
        if ((ui.*icon.option)->isChecked())
            return icon.type;
    }
    return iconOptions[0].type;
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

void FrmMain::connectGamesPage()
{
    m_gameList = new GameListModel(this);
    m_gameList->setImageLists(&flagImages());
    ui.LstGames->setModel(m_gameList);
    connect(ui.LstGames, &GameListWidget::selectionRequested, this, &FrmMain::selectGame);
    // clicked, not toggled: only a person's click refills the list.
    for (const Filter &filter : filters)
        connect(ui.*filter.option, &QRadioButton::clicked, this, &FrmMain::FillGameList);
    for (size_t i = 0; i < std::size(iconOptions); ++i) {
        connect(ui.*iconOptions[i].option, &QRadioButton::clicked, this, [this, i] {
            rememberChoice(iconKey, int(i));
            setGameImageLists(iconOptions[i].images());
        });
    }
    for (size_t i = 0; i < std::size(viewOptions); ++i) {
        connect(ui.*viewOptions[i].option, &QRadioButton::clicked, this, [this, i] {
            rememberChoice(viewKey, int(i));
            setGameViewMode(viewOptions[i].mode);
        });
    }
    connectSearch();
}

void FrmMain::connectSearch()
{
    connect(ui.TxtSearch, &QLineEdit::textChanged, this, &FrmMain::applySearch);
    auto *find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(find, &QShortcut::activated, this, &FrmMain::focusSearch);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), ui.TxtSearch, nullptr, nullptr, Qt::WidgetShortcut);
    connect(escape, &QShortcut::activated, ui.TxtSearch, &QLineEdit::clear);
    auto *down = new QShortcut(QKeySequence(Qt::Key_Down), ui.TxtSearch, nullptr, nullptr, Qt::WidgetShortcut);
    connect(down, &QShortcut::activated, this, &FrmMain::enterGameList);
    connect(ui.TxtSearch, &QLineEdit::returnPressed, this, &FrmMain::enterGameList);
}

// Down or Enter in the search field goes on into the list, at the first match unless a
// game is selected there: the key let go in the list then shows that game.
void FrmMain::enterGameList()
{
    if (m_gameList->rowCount() == 0)
        return;
    if (!ui.LstGames->selectedIndex().isValid())
        ui.LstGames->setCurrentRow(0);
    ui.LstGames->view()->setFocus(Qt::OtherFocusReason);
}

void FrmMain::focusSearch()
{
    ui.TabGames->setCurrentWidget(ui.FrmGames[0]);
    ui.TxtSearch->setFocus(Qt::ShortcutFocusReason);
    ui.TxtSearch->selectAll();
}

// The list narrowed to the games matching the search. The shown game stays shown and
// stays selected while it matches; the list starts at the first match, or at the shown
// game when the search is cleared.
void FrmMain::applySearch()
{
    const QString text = ui.TxtSearch->text();
    m_gameList->setSearch(text);
    showSearchCount();
    selectShownGame();
    if (!text.isEmpty())
        ui.LstGames->view()->scrollToTop();
}

// A console switch starts without a search.
void FrmMain::clearSearch()
{
    const QSignalBlocker quiet(ui.TxtSearch);
    ui.TxtSearch->clear();
    m_gameList->setSearch(QString());
}

void FrmMain::showSearchCount()
{
    ui.LabSearchCount->setText(countText(m_gameList->rowCount()) + QStringLiteral(" of ")
                               + countText(m_gameList->totalRows()));
}

// Puts back the view and icon type of the last run, before the list's first fill.
void FrmMain::restoreGameListChoices()
{
    const int icon = rememberedChoice(iconKey, std::size(iconOptions));
    if (icon >= 0) {
        (ui.*iconOptions[icon].option)->setChecked(true);
        m_gameList->setImageLists(&iconOptions[icon].images());
    }
    const int view = rememberedChoice(viewKey, std::size(viewOptions));
    if (view >= 0) {
        (ui.*viewOptions[view].option)->setChecked(true);
        ui.LstGames->setViewMode(viewOptions[view].mode);
    }
}

void FrmMain::setGameImageLists(const ImageListPair &pair)
{
    m_gameList->setImageLists(&pair);
    FillGameList();
}

void FrmMain::setGameViewMode(int mode)
{
    ui.LstGames->setViewMode(mode);
    FillGameList();
}

// Lists the named games of the filter's query in its order (by name), writes the counts,
// and shows the record of CurrentGame.
void FrmMain::FillGameList()
{
    DatGames.setDatabaseName(m_state.ConsoleDb);
    DatGames.setRecordSource(gameQuery(ui));
    ui.LstGames->hide();
    {
        // The read opens DatGames on its first row: the controls show the current game only.
        const DataSource::ControlsHeld held(DatGames);
        GameList::Fill fill;
        QString error;
        const bool read = GameList::read(DatGames, iconType(ui), &m_gameList->table(), &fill, &error);
        m_gameList->setRows(std::move(fill.rows));
        showSearchCount();
        showCounts(ui.StatusBar1, fill.counts);
        if (!read)
            recordError(error);
        ui.LstGames->show();
        positionOnCurrentGame();
    }
    showRecordDetails();
    selectShownGame();
}

// Selects the entry of the shown game, when the shown game is CurrentGame's own row and
// listed; otherwise none.
void FrmMain::selectShownGame()
{
    const std::optional<qint64> shown = DatGames.currentRowId();
    ui.LstGames->setCurrentRow(shown && shown == m_state.CurrentGameRow ? m_gameList->rowOfId(shown) : -1);
}

// The counts of the listed games read afresh, the list itself left as it is (after a play).
void FrmMain::showGameCounts()
{
    DataSource games(QStringLiteral("DatCounts"));
    games.setDatabaseName(m_state.ConsoleDb);
    games.setRecordSource(gameQuery(ui));
    GameList::Fill fill;
    QString error;
    if (GameList::read(games, iconType(ui), &m_gameList->table(), &fill, &error))
        showCounts(ui.StatusBar1, fill.counts);
    else
        recordError(error);
}

// A click on an entry or a key let go in the list: the selected game becomes the shown one.
void FrmMain::selectGame()
{
    const QModelIndex selected = ui.LstGames->selectedIndex();
    if (!selected.isValid()) {
        recordError(QStringLiteral("LstGames: no game is selected"));
        return;
    }
    // The controls show the game picked, not the first row the open stands on.
    std::optional<DataSource::ControlsHeld> held(std::in_place, DatGames);
    if (!DatGames.open()) {
        recordError(DatGames.lastError());
        return;
    }
    QString error;
    const bool positioned = RowEntries::positionOn(DatGames, selected, &error) && DatGames.edit();
    held.reset();
    if (!positioned) {
        // Nothing is shown, so that no action reaches another game.
        showRecordDetails();
        recordError(error.isEmpty() ? DatGames.lastError() : error);
        return;
    }
    m_state.CurrentGame = DatGames.value(Schema::Games::Gioco).toString();
    rememberCurrentGameRow();
    ShowGameRecord();
}
