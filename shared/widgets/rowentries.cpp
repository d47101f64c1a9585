#include "shared/widgets/rowentries.h"

#include "shared/columntexts.h"
#include "shared/datasource.h"

#include <QListWidget>
#include <QModelIndex>

namespace RowEntries {

bool read(DataSource &source, const QString &database, const QString &recordSource, int position,
          QList<Entry> *entries)
{
    entries->clear();
    QStringList texts;
    QList<qint64> rowIds;
    if (!readColumnTexts(source, database, recordSource, position, &texts, &rowIds))
        return false;
    for (qsizetype i = 0; i < texts.size(); ++i)
        entries->append({texts.at(i), rowIds.at(i)});
    return true;
}

void setRowId(QListWidgetItem *item, qint64 rowId) { item->setData(RowIdRole, rowId); }

void fill(QListWidget *list, const QList<Entry> &entries)
{
    list->clear();
    for (const Entry &entry : entries)
        setRowId(new QListWidgetItem(entry.text, list), entry.rowId);
}

std::optional<qint64> rowId(const QModelIndex &index)
{
    const QVariant id = index.data(RowIdRole);
    if (!id.isValid())
        return std::nullopt;
    return id.toLongLong();
}

std::optional<qint64> rowId(const QListWidgetItem *item)
{
    if (!item)
        return std::nullopt;
    const QVariant id = item->data(RowIdRole);
    if (!id.isValid())
        return std::nullopt;
    return id.toLongLong();
}

bool positionOnRow(DataSource &source, std::optional<qint64> row, const QString &text, QString *error)
{
    if (!row) {
        source.moveTo(source.rowCount());
        *error = QStringLiteral("No entry is picked");
        return false;
    }
    if (source.moveToRowId(*row))
        return true;
    *error = QLatin1Char('"') + text + QStringLiteral("\" cannot be used: ") + source.lastError();
    return false;
}

bool positionOn(DataSource &source, const QListWidgetItem *item, QString *error)
{
    return positionOnRow(source, rowId(item), item ? item->text() : QString(), error);
}

bool positionOn(DataSource &source, const QModelIndex &index, QString *error)
{
    return positionOnRow(source, rowId(index), index.data(Qt::DisplayRole).toString(), error);
}

} // namespace RowEntries
