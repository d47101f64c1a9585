#pragma once

#include "shared/datasource.h"
#include "shared/rowidindex.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringView>
#include <QVariant>

#include <optional>
#include <vector>

// The game list's data: one row per named game of the current query, in query order,
// with the picture number its icon type gives it, and the counts of those games.
namespace GameList {

enum class IconType { Language, Rating, Playable };

// The listed games in list order: all names in one text (one allocation for the whole
// list instead of one per game), their folded forms (NameFold) in another, and for each
// row where its name and folded name stand and its picture.
struct Rows {
    struct Entry {
        qint64 rowId = 0;
        qint32 start = 0;
        qint32 length = 0;
        qint32 foldedStart = 0;
        qint32 foldedLength = 0;
        qint32 picture = 0;
    };
    QString names;
    QString folded;
    std::vector<Entry> entries;

    size_t size() const { return entries.size(); }
    QStringView name(size_t row) const { return QStringView(names).mid(entries[row].start, entries[row].length); }
    QStringView foldedName(size_t row) const
    {
        return QStringView(folded).mid(entries[row].foldedStart, entries[row].foldedLength);
    }
};

struct Counts {
    int all = 0;
    int favorite = 0;
    int playable = 0;
    int notWorking = 0;
    qint64 timesPlayed = 0;
};

struct Fill {
    Rows rows;
    Counts counts;
};

// What the list needs of every named game of the table giochi, in table order, as read
// at one state of the file (its content stamp). A fill on a file that nobody changed
// since takes the games from here instead of reading the table again.
class Table {
public:
    struct Game {
        qint64 rowId = 0;
        qint64 times = 0;
        qint32 nameStart = 0;
        qint32 nameLength = 0;
        qint32 foldedStart = 0;
        qint32 foldedLength = 0;
        qint8 languagePicture = 0;
        qint8 ratingPicture = 0;
        bool playable = false;
        bool favorite = false;
    };

    // Reads the table again unless the file is in the state it was read at.
    bool refresh(DataSource &games, QString *error);
    // The game of a row id, or nullptr (no such row, or a row without a name).
    const Game *game(qint64 rowId) const;
    const QString &names() const { return m_names; }
    const QString &foldedNames() const { return m_folded; }

private:
    bool readTable(const QString &databasePath, QString *error);

    QString m_path;
    DataSource::ContentStamp m_stamp;
    QString m_names;           // every name, one after the other
    QString m_folded;          // every name folded for searching (NameFold)
    std::vector<Game> m_games; // in row-id order
    RowIdIndex m_byId;         // row id -> index in m_games
};

// Opens the data source on the query it is set to (database and record source on the
// table giochi) and lists its games in the query's order, leaving out rows without a
// name. A row's picture: for Language 1..6 for "Italian", "French", "English",
// "Deutsche", "Japanese", "Spanish" (exact text) and 0 (none) otherwise; for Rating the
// rating + 1 (Rating::stars); for Playable 1 when
// playable, 2 otherwise. An empty or non-numeric Times counts as 0. False with *error set
// when the database cannot be read.
bool read(DataSource &games, IconType type, Table *table, Fill *fill, QString *error);

// The row key: "a", a blank, the number of games listed before it, and the name.
inline QString rowKey(int position, const QString &name)
{
    return QLatin1String("a ") + QString::number(position) + name;
}

} // namespace GameList

namespace GameDetails {
class Table;
}

// A pair of image lists (large and small pictures numbered from 1), kept as one QIcon
// per picture number holding both sizes, built once.
class ImageListPair {
public:
    using Picture = QPixmap (*)(int number, bool large);
    ImageListPair(const QString &largeName, const QString &smallName, Picture picture, int count);

    QString largeName() const { return m_largeName; }
    QString smallName() const { return m_smallName; }
    // The icon of a picture number; a null icon for 0 or a number outside the lists.
    const QIcon &icon(int number) const;

private:
    QString m_largeName;
    QString m_smallName;
    std::vector<QIcon> m_icons; // index = picture number, [0] null
};

// The list model of LstGames: the rows of the last fill over a plain vector, shown with
// the icons of the current image-list pair. Each entry carries its game's row id under
// RowEntries::RowIdRole. A search text narrows the rows shown to the games whose name
// contains it without regard to case or accents; the order stays, and the search stays
// set over the fills that follow. Columns beyond the first show the details of the games
// (GameDetails), and the rows may be shown in another order than the fill's.
class GameListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Roles { KeyRole = Qt::UserRole + 1, PictureRole };

    explicit GameListModel(QObject *parent = nullptr);

    // The rows of a fill, shown in the order of their positions in order (all of them),
    // or in their own order when order is empty.
    void setRows(GameList::Rows rows, std::vector<qint32> order = {});
    // The rows of the last fill shown in another order; the selection stays on its games.
    void setOrder(std::vector<qint32> order);
    // The row ids of the last fill, in the fill's order.
    std::vector<qint64> rowIds() const;
    // Where the columns beyond the first take their texts from.
    void setDetails(const GameDetails::Table *details) { m_details = details; }
    void setImageLists(const ImageListPair *pair);
    const ImageListPair *imageLists() const { return m_images; }

    // Shows only the rows whose name contains text; an empty text shows them all.
    void setSearch(const QString &text);
    // Every row of the last fill, shown or not.
    int totalRows() const { return int(m_rows.size()); }

    // The table the rows were read from, kept for the next fill.
    GameList::Table &table() { return m_table; }

    // Names longer than this are listed cut, with an ellipsis.
    static constexpr int ShownNameLength = 4096;
    static QString shownName(QStringView name);

    // The longest names of the last fill by their number of characters, at most count
    // of them, longest first: what the list must leave room for.
    QStringList longestNames(int count) const;

    // Rows below are the rows shown.
    QString name(int row) const;
    // The row showing the game of this row id, or -1.
    int rowOfId(std::optional<qint64> rowId) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    // The entry of a shown row.
    size_t entry(int row) const
    {
        if (m_searching)
            return size_t(m_shown[size_t(row)]);
        return m_order.empty() ? size_t(row) : size_t(m_order[size_t(row)]);
    }
    void narrow(bool fromShown);

    GameList::Rows m_rows;
    GameList::Table m_table;
    const ImageListPair *m_images = nullptr;
    QString m_needle;            // the folded search text
    bool m_searching = false;    // m_shown holds the rows shown
    std::vector<qint32> m_shown; // entries matching m_needle, in list order
    std::vector<qint32> m_order; // the entries in the order shown; empty: the fill's
    const GameDetails::Table *m_details = nullptr;
};
