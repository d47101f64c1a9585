#include "gamelist/catalogue.h"

#include "shared/sqlitestatement.h"

namespace Catalogue {

namespace {

const char *const columnNames[ColumnCount] = {"Gioco",     "Notes", "Anno", "Producer", "Genre",  "Rating",
                                              "Favorites", "Times", "Data", "Language", "Screen", "PlayTime"};

QString prefixed(const QString &schema, const QString &table)
{
    return schema.isEmpty() ? table : schema + QLatin1Char('.') + table;
}

bool readList(sqlite3 *db, const QString &schema, const QString &table, List *list, QString *error)
{
    list->table = table;
    list->entries.clear();
    SqliteStatement columns(db, QStringLiteral("PRAGMA ") + prefixed(schema, QStringLiteral("table_info(")) + table
                                    + QLatin1Char(')'));
    for (int position = 0; columns.next(); ++position) {
        if (position == 1)
            list->column = columns.text(1);
    }
    if (list->column.isEmpty()) {
        *error = QStringLiteral("The master database has no list ") + table;
        return false;
    }
    SqliteStatement rows(db, QStringLiteral("SELECT \"") + list->column + QStringLiteral("\" FROM ")
                                 + prefixed(schema, table) + QStringLiteral(" ORDER BY rowid"));
    while (rows.next()) {
        const QString text = rows.text(0);
        const QString key = folded(text.trimmed());
        if (!key.isEmpty() && !list->entries.contains(key))
            list->entries.insert(key, text);
    }
    if (!rows.error().isEmpty()) {
        *error = table + QStringLiteral(": ") + rows.error();
        return false;
    }
    return true;
}

} // namespace

QString columnName(Column column) { return QLatin1String(columnNames[column]); }

const Game *Games::withLink(const QString &file) const
{
    const auto found = byLink.constFind(folded(file));
    return found == byLink.cend() ? nullptr : &games[*found];
}

bool hasGamesColumn(sqlite3 *db, const QString &column)
{
    SqliteStatement columns(db, QStringLiteral("PRAGMA table_info(giochi)"));
    while (columns.next()) {
        if (columns.text(1).compare(column, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString selectGames(sqlite3 *db)
{
    const bool playTime = hasGamesColumn(db, columnName(PlayTime));
    QString sql = QStringLiteral("SELECT rowid, Link");
    for (int column = 0; column < ColumnCount; ++column)
        sql += QStringLiteral(", ")
               + (column == PlayTime && !playTime ? QStringLiteral("NULL") : columnName(Column(column)));
    return sql;
}

bool readGames(sqlite3 *db, Games *games, QString *error)
{
    SqliteStatement rows(db, selectGames(db) + QStringLiteral(" FROM giochi ORDER BY rowid"));
    games->games.clear();
    games->byLink.clear();
    while (rows.next()) {
        Game game;
        game.row = rows.integer(0);
        game.link = rows.text(1);
        for (int column = 0; column < ColumnCount; ++column)
            game.values[column] = rows.text(column + FirstValue);
        const QString key = folded(game.link);
        if (!key.isEmpty() && !games->byLink.contains(key))
            games->byLink.insert(key, games->games.size());
        games->games.append(std::move(game));
    }
    if (!rows.error().isEmpty()) {
        *error = QStringLiteral("giochi: ") + rows.error();
        return false;
    }
    return true;
}

QString List::spelling(const QString &text) const { return entries.value(folded(text.trimmed())); }

bool readLists(sqlite3 *db, const QString &schema, Lists *lists, QString *error)
{
    return readList(db, schema, QStringLiteral("genres"), &lists->genres, error)
           && readList(db, schema, QStringLiteral("publisher"), &lists->producers, error)
           && readList(db, schema, QStringLiteral("langu"), &lists->languages, error);
}

} // namespace Catalogue
