#include "tests/support/gameselection.h"

#include "tests/support/windowcontrols.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

QModelIndex selectedGame(const QObject *window)
{
    const QAbstractItemView *view = gameView(window);
    const QItemSelectionModel *selection = view ? view->selectionModel() : nullptr;
    const QModelIndexList selected = selection ? selection->selectedIndexes() : QModelIndexList();
    return selected.isEmpty() ? QModelIndex() : selected.front();
}
