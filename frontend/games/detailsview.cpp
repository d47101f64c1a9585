#include "frontend/games/detailsview.h"

#include "frontend/games/gamelistwidget.h"
#include "frontend/session/session.h"
#include "shared/datasource.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QSettings>
#include <QTreeView>

namespace {

// Kept per user, as the view type is, when the program's organization is named (the real
// main names one; a test or the benchmark names none and keeps nothing).
const QString stateKey = QStringLiteral("GameList/details");

bool keepsChoices() { return !QCoreApplication::organizationName().isEmpty(); }

// The names of the menu's actions: "ColumnYear", "ColumnLastplayed", ...
QString actionName(int column)
{
    QString name = GameDetails::title(column).toLower();
    name.remove(QLatin1Char(' '));
    name[0] = name[0].toUpper();
    return QStringLiteral("Column") + name;
}

} // namespace

DetailsView::DetailsView(GameListWidget *list, GameListModel *model, Session &session, QObject *parent)
    : QObject(parent), m_list(list), m_model(model), m_session(session)
{
    m_model->setDetails(&m_details);
    QHeaderView *head = header();
    for (int column = GameDetails::Games + 1; column < GameDetails::ColumnCount; ++column)
        head->hideSection(column);
    head->setSectionsClickable(true);
    head->setSortIndicatorShown(true);
    head->setSortIndicator(-1, Qt::AscendingOrder);
    head->setSectionsMovable(true);
    head->setFirstSectionMovable(false);
    head->setContextMenuPolicy(Qt::CustomContextMenu);
    m_menu = buildMenu();
    restore();
    connect(head, &QWidget::customContextMenuRequested, this,
            [this, head](const QPoint &at) { m_menu->popup(head->mapToGlobal(at)); });
    connect(head, &QHeaderView::sortIndicatorChanged, this, [this] {
        sortAgain();
        remember();
    });
    connect(head, &QHeaderView::sectionResized, this, &DetailsView::remember);
    connect(head, &QHeaderView::sectionMoved, this, &DetailsView::remember);
}

QHeaderView *DetailsView::header() const { return m_list->treeView()->header(); }

QMenu *DetailsView::buildMenu()
{
    auto *menu = new QMenu(header());
    menu->setObjectName(QStringLiteral("MenuColumns"));
    for (int column = GameDetails::Games + 1; column < GameDetails::ColumnCount; ++column) {
        QAction *action = menu->addAction(GameDetails::title(column));
        action->setObjectName(actionName(column));
        action->setCheckable(true);
        connect(action, &QAction::toggled, this, [this, column](bool shown) { showColumn(column, shown); });
    }
    return menu;
}

bool DetailsView::sorting() const { return header()->sortIndicatorSection() >= 0; }

bool DetailsView::showsDetails() const { return header()->count() - header()->hiddenSectionCount() > 1; }

// What a sort reads of every game: its column, and the names.
GameDetails::Table::Columns DetailsView::columnsNeeded() const
{
    using Table = GameDetails::Table;
    return sorting() ? Table::bit(GameDetails::Games) | Table::bit(header()->sortIndicatorSection()) : 0;
}

bool DetailsView::readDetails(DataSource &games)
{
    QString error;
    if (m_details.refresh(games, columnsNeeded(), &error))
        return true;
    m_session.reportError(error);
    return false;
}

std::vector<qint32> DetailsView::orderForFill(DataSource &games, const GameList::Rows &rows)
{
    const bool report = m_list->viewMode() == GameListWidget::Report;
    if (!report || (!sorting() && !showsDetails()))
        return {};
    if (!readDetails(games) || !sorting())
        return {};
    std::vector<qint64> ids;
    ids.reserve(rows.size());
    for (const GameList::Rows::Entry &entry : rows.entries)
        ids.push_back(entry.rowId);
    return m_details.order(ids, header()->sortIndicatorSection(), header()->sortIndicatorOrder());
}

// A column shown reads the details first, so that it shows them at once.
void DetailsView::showColumn(int column, bool shown)
{
    if (shown) {
        DataSource games(QStringLiteral("DatDetails"));
        games.setDatabaseName(m_session.console().database);
        readDetails(games);
    }
    // Shown beside "Games", a column is no longer held to the width of the widest name.
    if (shown)
        header()->setMinimumSectionSize(-1);
    header()->setSectionHidden(column, !shown);
    if (shown && header()->sectionSize(column) < header()->defaultSectionSize())
        header()->resizeSection(column, header()->defaultSectionSize());
    m_list->applyNameWidth();
    remember();
}

// The rows of the last fill in the header's order; the selected game stays selected.
void DetailsView::sortAgain()
{
    if (m_list->viewMode() != GameListWidget::Report || !sorting())
        return;
    DataSource games(QStringLiteral("DatDetails"));
    games.setDatabaseName(m_session.console().database);
    if (!readDetails(games))
        return;
    m_model->setOrder(
        m_details.order(m_model->rowIds(), header()->sortIndicatorSection(), header()->sortIndicatorOrder()));
    m_list->scrollToCurrent();
}

void DetailsView::remember()
{
    if (keepsChoices())
        QSettings().setValue(stateKey, header()->saveState());
}

void DetailsView::restore()
{
    if (keepsChoices()) {
        const QByteArray state = QSettings().value(stateKey).toByteArray();
        if (!state.isEmpty())
            header()->restoreState(state);
    }
    header()->showSection(GameDetails::Games);
    for (QAction *action : m_menu->actions()) {
        const int column = GameDetails::Games + 1 + int(m_menu->actions().indexOf(action));
        const QSignalBlocker quiet(action);
        action->setChecked(!header()->isSectionHidden(column));
    }
    m_list->applyNameWidth();
}
