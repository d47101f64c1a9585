#include "frontend/gamelistwidget.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QListView>
#include <QStackedLayout>
#include <QTreeView>

GameListWidget::GameListWidget(QWidget *parent)
    : QWidget(parent), m_list(new QListView(this)), m_tree(new QTreeView(this)),
      m_stack(new QStackedLayout(this))
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
    m_tree->header()->setStretchLastSection(true);

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

QAbstractItemModel *GameListWidget::model() const
{
    return m_list->model();
}

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
    m_list->setGridSize(large ? QSize(80, 66) : m_mode == SmallIcon ? QSize(80, 40) : QSize());
    m_list->setMovement(QListView::Static);
    m_stack->setCurrentWidget(m_list);
}

QAbstractItemView *GameListWidget::view() const
{
    return m_mode == Report ? static_cast<QAbstractItemView *>(m_tree) : m_list;
}
