#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <array>

struct sqlite3;

// What an import compares a gamelist with: the console's games (the columns a gamelist
// fills) and the master database's lists of genres, producers and languages.
namespace Catalogue {

// The columns of giochi an import reads and writes.
enum Column {
    Gioco,
    Notes,
    Anno,
    Producer,
    Genre,
    Rating,
    Favorites,
    Times,
    Data,
    Language,
    Screen,
    PlayTime,
    ColumnCount
};
QString columnName(Column column);

using Values = std::array<QString, ColumnCount>;

struct Game {
    qint64 row = 0;
    QString link;
    Values values;
};

struct Games {
    QList<Game> games;
    QHash<QString, qsizetype> byLink; // case-folded Link -> the first game with it
    const Game *withLink(const QString &file) const;
};

// Whether giochi has the column (an earlier file lacks PlayTime until it is written to).
bool hasGamesColumn(sqlite3 *db, const QString &column);

// "SELECT rowid, Link" and then the columns above in their order (NULL for a PlayTime
// the file lacks), for " FROM giochi ..." to follow: column C stands at C + FirstValue.
constexpr int FirstValue = 2;
QString selectGames(sqlite3 *db);

// Every game of giochi, in row order; a file without PlayTime reads it as empty. False with *error set when it
// cannot be read.
bool readGames(sqlite3 *db, Games *games, QString *error);

// A list of the master database: its entries by their case-folded text.
struct List {
    QString table;  // genres, publisher, langu
    QString column; // the name of its column at position 1, which holds the text
    QHash<QString, QString> entries;
    // The list's own spelling of a text, or empty when the list lacks it.
    QString spelling(const QString &text) const;
    bool operator==(const List &) const = default;
};

struct Lists {
    List genres;
    List producers;
    List languages;
    bool operator==(const Lists &) const = default;
};

// The three lists from the master database, attached as schema (empty: the main one).
bool readLists(sqlite3 *db, const QString &schema, Lists *lists, QString *error);

// The case-folded text that matches names and files without regard to case.
inline QString folded(const QString &text) { return text.toCaseFolded(); }

} // namespace Catalogue
