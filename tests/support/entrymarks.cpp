#include "tests/support/entrymarks.h"

#include "tests/support/windowcontrols.h"

#include <QAbstractItemView>

bool entryMarked(const QObject *window, const QString &list, int row)
{
    const auto *view = child<QAbstractItemView>(window, list);
    const QAbstractItemModel *model = view ? view->model() : nullptr;
    return model && row < model->rowCount()
           && model->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked;
}
