#include "frontend/games/gamelistwidget.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListView>
#include <QStackedLayout>
#include <QStyledItemDelegate>
#include <QTreeView>

namespace {

// Every entry keeps room for a picture, whether its game has one or not. The views take
// one size for all entries (from the last one), so an entry without a picture at the
// end of the list would otherwise squeeze every entry's text out of sight.
class EntryDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem entry = option;
        initStyleOption(&entry, index);
        entry.features |= QStyleOptionViewItem::HasDecoration;
        const QWidget *view = option.widget;
        QStyle *style = view ? view->style() : QApplication::style();
        return style->sizeFromContents(QStyle::CT_ItemViewItem, &entry, QSize(), view);
    }
};

} // namespace

GameListWidget::GameListWidget(QWidget *parent)
    : QWidget(parent), m_list(new QListView(this)), m_tree(new QTreeView(this)), m_stack(new QStackedLayout(this))
{
    m_list->setObjectName(QStringLiteral("LstGamesList"));
    m_list->setUniformItemSizes(true);
    m_list->setMovement(QListView::Static);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setWordWrap(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);

    m_tree->setObjectName(QStringLiteral("LstGamesReport"));
    m_tree->setRootIsDecorated(false);
    m_tree->setItemsExpandable(false);
    m_tree->setIconSize(QSize(16, 16));
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setUniformRowHeights(true);
    m_tree->header()->setStretchLastSection(true);

    const std::initializer_list<QAbstractItemView *> views = {m_list, m_tree};
    auto *delegate = new EntryDelegate(this);
    for (QAbstractItemView *view : views) {
        view->setItemDelegate(delegate);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->installEventFilter(this);
        view->viewport()->installEventFilter(this);
        connect(view, &QAbstractItemView::clicked, this, &GameListWidget::selectionRequested);
        connect(view, &QAbstractItemView::doubleClicked, this, &GameListWidget::playRequested);
    }

    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_list);
    m_stack->addWidget(m_tree);
    setViewMode(Icon);
}

void GameListWidget::setModel(QAbstractItemModel *model)
{
    if (QAbstractItemModel *old = m_list->model())
        disconnect(old, nullptr, this, nullptr);
    m_list->setModel(model);
    m_tree->setModel(model);
    m_tree->setSelectionModel(m_list->selectionModel());
    if (!model)
        return;
    // A model that is cleared loses its header; put "Games" back when columns return.
    connect(model, &QAbstractItemModel::columnsInserted, this, &GameListWidget::applyHeader);
    connect(model, &QAbstractItemModel::modelReset, this, &GameListWidget::applyHeader);
    applyHeader();
}

QAbstractItemModel *GameListWidget::model() const { return m_list->model(); }

void GameListWidget::applyHeader()
{
    QAbstractItemModel *model = m_list->model();
    const QString games = QStringLiteral("Games");
    if (model && model->columnCount() > 0 && model->headerData(0, Qt::Horizontal) != games)
        model->setHeaderData(0, Qt::Horizontal, games);
}

void GameListWidget::setViewMode(int mode)
{
    m_mode = qBound(int(Icon), mode, int(Report));
    if (m_mode == Report) {
        m_stack->setCurrentWidget(m_tree);
        return;
    }
    const bool large = m_mode == Icon;
    m_list->setViewMode(m_mode == List ? QListView::ListMode : QListView::IconMode);
    m_list->setFlow(m_mode == List ? QListView::TopToBottom : QListView::LeftToRight);
    m_list->setWrapping(true);
    m_list->setIconSize(large ? QSize(32, 32) : QSize(16, 16));
    m_list->setGridSize(large ? QSize(80, 66) : m_mode == SmallIcon ? QSize(80, 40) : listCell());
    m_list->setMovement(QListView::Static);
    m_stack->setCurrentWidget(m_list);
}

void GameListWidget::fitNames(const QStringList &names)
{
    const QFontMetrics metrics = m_list->fontMetrics();
    int widest = 0;
    for (const QString &name : names)
        widest = qMax(widest, metrics.horizontalAdvance(name));
    // The icon, the gaps around it and the text, and a little room for the frame.
    m_nameWidth = widest + 16 + 4 * metrics.averageCharWidth();
    applyNameWidth();
    if (m_mode == List)
        m_list->setGridSize(listCell());
}

void GameListWidget::applyNameWidth()
{
    QHeaderView *header = m_tree->header();
    const bool alone = header->count() - header->hiddenSectionCount() <= 1;
    // The first column shown beside it: "Games" keeps room for the names it had.
    if (!alone && m_namesAlone && header->sectionSize(0) < m_nameWidth)
        header->resizeSection(0, m_nameWidth);
    m_namesAlone = alone;
    header->setMinimumSectionSize(alone ? m_nameWidth : -1);
}

// A List-mode cell: the widest name on one line.
QSize GameListWidget::listCell() const
{
    return {qMax(m_nameWidth, 80), qMax(16, m_list->fontMetrics().height()) + 4};
}

QAbstractItemView *GameListWidget::view() const
{
    return m_mode == Report ? static_cast<QAbstractItemView *>(m_tree) : m_list;
}

QModelIndex GameListWidget::selectedIndex() const
{
    const QItemSelectionModel *selection = m_list->selectionModel();
    if (!selection)
        return {};
    const QModelIndexList selected = selection->selectedIndexes();
    return selected.isEmpty() ? QModelIndex() : selected.first().siblingAtColumn(0);
}

void GameListWidget::setCurrentRow(int row)
{
    QItemSelectionModel *selection = m_list->selectionModel();
    if (!selection || !m_list->model())
        return;
    const QModelIndex index = m_list->model()->index(row, 0);
    if (!index.isValid()) {
        selection->clear();
        return;
    }
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    // A view that is not shown yet has no size to scroll in: it scrolls once it is shown.
    m_scrollPending = !view()->isVisible();
    if (!m_scrollPending)
        scrollToCurrent();
}

void GameListWidget::scrollToCurrent()
{
    const QItemSelectionModel *selection = m_list->selectionModel();
    if (selection && selection->currentIndex().isValid())
        view()->scrollTo(selection->currentIndex(), QAbstractItemView::EnsureVisible);
}

bool GameListWidget::eventFilter(QObject *watched, QEvent *event)
{
    const bool isView = watched == m_list || watched == m_tree;
    if (event->type() == QEvent::KeyRelease && isView)
        emit selectionRequested();
    // Enter plays the game shown (the key that moved to it, let go, showed it).
    if (event->type() == QEvent::KeyPress && isView) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit playRequested();
            return true;
        }
    }
    // A click on a list without entries asks too, as a key does (and is told that no
    // game is selected); on a list with entries, only a click on an entry asks.
    if (event->type() == QEvent::MouseButtonRelease && !isView && m_list->model()
        && m_list->model()->rowCount() == 0)
        emit selectionRequested();
    // Scrolled once the view has its size: after the events of its showing are handled.
    if (event->type() == QEvent::Show && watched == view() && m_scrollPending) {
        m_scrollPending = false;
        QMetaObject::invokeMethod(this, &GameListWidget::scrollToCurrent, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}
