// The "Games" page: the game list, its filters, icon and view types, and the counts.
#include "frontend/frmmain.h"

#include "frontend/gamelistmodel.h"
#include "frontend/gamelistwidget.h"
#include "frontend/pictures.h"
#include "shared/sql.h"
#include "shared/statuspanels.h"

#include <QRadioButton>

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
    for (const IconOption &icon : iconOptions) {
        connect(ui.*icon.option, &QRadioButton::clicked, this,
                [this, images = icon.images] { setGameImageLists(images()); });
    }
    for (const ViewOption &view : viewOptions)
        connect(ui.*view.option, &QRadioButton::clicked, this, [this, mode = view.mode] { setGameViewMode(mode); });
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
    GameList::Fill fill;
    QString error;
    const bool read = GameList::read(DatGames, iconType(ui), &m_gameList->table(), &fill, &error);
    m_gameList->setRows(std::move(fill.rows));
    showCounts(ui.StatusBar1, fill.counts);
    if (!read)
        recordError(error);
    DatGames.open();
    ui.LstGames->show();
    ui.LstGames->setCurrentRow(m_gameList->rowOf(m_state.CurrentGame));
    ShowGameRecord();
}

// A click on an entry or a key let go in the list: the selected game becomes the shown one.
void FrmMain::selectGame()
{
    const QModelIndex selected = ui.LstGames->selectedIndex();
    if (!selected.isValid()) {
        recordError(QStringLiteral("LstGames: no game is selected"));
        return;
    }
    const QString name = selected.data(Qt::DisplayRole).toString();
    if (!DatGames.open()) {
        recordError(DatGames.lastError());
        return;
    }
    DatGames.findFirst(QStringLiteral("[gioco] ='") + Sql::escape(name) + QLatin1Char('\''));
    if (!DatGames.lastError().isEmpty() || !DatGames.edit()) {
        recordError(DatGames.lastError());
        return;
    }
    m_state.CurrentGame = name;
    ShowGameRecord();
}
