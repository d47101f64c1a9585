#pragma once

#include <QList>
#include <QString>
#include <Qt>

#include <optional>

class DataSource;
class QListWidget;
class QListWidgetItem;
class QModelIndex;

// List entries that carry the identity (rowid) of the row they show, so that picking an
// entry positions a data source on exactly that row, whatever its name holds: names that
// differ only in case, repeat, hold a NUL or are stored as a blob.
namespace RowEntries {

// The item-data role holding an entry's row id.
inline constexpr int RowIdRole = Qt::UserRole + 32;

struct Entry {
    QString text;
    qint64 rowId = 0;
};

// Points the data source at a database and a record source, opens it, and gives the text
// at one position of every row with the row's id, first to last, leaving Nulls out. The
// source ends on its first row. False, with the source's lastError(), when it cannot be
// opened.
bool read(DataSource &source, const QString &database, const QString &recordSource, int position,
          QList<Entry> *entries);

// Replaces the list's entries.
void fill(QListWidget *list, const QList<Entry> &entries);
void setRowId(QListWidgetItem *item, qint64 rowId);

// The row id an entry carries; none for no entry.
std::optional<qint64> rowId(const QModelIndex &index);
std::optional<qint64> rowId(const QListWidgetItem *item);

// Makes the entry's row current in the (open) data source. False when there is no entry
// or its row is gone: no row is current then, and *error says why, naming the entry.
// Makes a row current by its id; text names the entry in the error. No row: no entry picked.
bool positionOnRow(DataSource &source, std::optional<qint64> row, const QString &text, QString *error);
bool positionOn(DataSource &source, const QListWidgetItem *item, QString *error);
bool positionOn(DataSource &source, const QModelIndex &index, QString *error);

} // namespace RowEntries
