#pragma once

#include "shared/datasource.h"
#include "shared/rowidindex.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringView>
#include <Qt>

#include <array>
#include <limits>
#include <optional>
#include <vector>

class SqliteStatement;

// The columns of the details view ("Report") beyond "Games", the values they show and
// the orders they sort in.
namespace GameDetails {

enum Column { Games, Year, Genre, Producer, Language, Rating, Times, LastPlayed, Added, PlayTime, ColumnCount };

// The header of a column: "Games", "Year", ..., "Play time".
QString title(int column);
// Whole seconds as the details view shows them ("3 h 12 min", "45 min"); empty for 0.
QString playTimeText(qint64 seconds);

// What the details view shows of the games of giochi. The columns a sort needs are read
// for every game (the named ones, when the names are read) at one state of the file (its
// content stamp), and again when the file changed or another column is needed; the other
// columns are read for each row when the view first shows it, until the file changes.
// PlayTime is read when the table has it; without it the column stays empty.
class Table {
public:
    // A set of columns, a bit per Column.
    using Columns = quint32;
    static constexpr Columns bit(int column) { return Columns(1) << column; }

    // Reads the columns of every game again unless the file is in the state it was read
    // at and the columns were read then (Games: the names); forgets the rows shown when
    // the file changed.
    bool refresh(DataSource &games, Columns columns, QString *error);

    // The text a column shows for a game; empty for a row id the table does not hold.
    QString text(qint64 rowId, int column) const;

    // The games of rowIds (given in list order) sorted by a column, by its value's type:
    // numbers as numbers, the two dates as dates, texts and names in the locale's order
    // with numbers in them compared as numbers; empty values first. Games alike in the
    // column follow their names A to Z, then the given order. The result holds positions
    // in rowIds. The column and Games must have been read.
    std::vector<qint32> order(const std::vector<qint64> &rowIds, int column, Qt::SortOrder sortOrder);

private:
    enum TextField { Name, Anno, GenreText, ProducerText, LanguageText, Data, DataAdd, TextFields };
    enum NumberField { RatingNumber, TimesNumber, PlayTimeNumber, NumberFields };
    struct Game {
        std::array<qint32, TextFields> start{};
        std::array<qint32, TextFields> length{};
        std::array<qint64, NumberFields> number{};
        quint8 hasNumber = 0; // bit per NumberField
    };
    static constexpr qint64 Empty = std::numeric_limits<qint64>::min();

    // The names in the locale's order as last ranked: the row ids in that order, whether
    // each is alike to the one before, and the names they were ranked by (in row-id order).
    // A ranking after a few names changed starts from it instead of from nothing.
    struct NameOrder {
        std::vector<qint64> sorted;
        std::vector<char> alike;
        std::vector<qint64> ids;
        QString names;
        std::vector<std::pair<qint32, qint32>> spans; // start and length in names
    };

    // Where a column is read from, and into which field.
    struct Source {
        int column;
        const char *name;
        int text;   // a TextField, or -1
        int number; // a NumberField, or -1
    };

    std::vector<Source> sourcesOf(Columns columns) const;
    bool hasPlayTime() const;
    static Game readGame(const SqliteStatement &values, const std::vector<Source> &sources, QString &names,
                         QString &texts);
    static QString textOf(const Game &game, QStringView names, QStringView texts, int column);
    const std::array<QString, ColumnCount> &shownRow(qint64 rowId) const;
    bool readTable(DataSource &games, Columns columns, QString *error);
    QStringView field(const Game &game, TextField field) const;
    std::optional<qint64> number(const Game &game, NumberField field) const;
    const std::vector<qint64> &keys(int column);
    std::vector<qint64> nameRanks();
    bool rankChangedNames();
    void rankAllNames();
    std::vector<qint64> textRanks(TextField field) const;
    std::vector<qint64> dayKeys(TextField field, QDate (*parse)(const QString &));

    QString m_path;
    DataSource::ContentStamp m_stamp;
    Columns m_columns = 0;                                           // read for every game at m_stamp
    mutable QHash<qint64, std::array<QString, ColumnCount>> m_shown; // rows read as shown
    mutable std::optional<bool> m_hasPlayTime;
    NameOrder m_nameOrder;
    QString m_names;                                     // every name, one after the other
    QString m_texts;                                     // every other text field, one after the other
    std::vector<Game> m_games;                           // in row-id order
    std::vector<qint64> m_ids;                           // the games' row ids, in the same order
    RowIdIndex m_byId;                                   // row id -> index in m_games
    std::array<std::vector<qint64>, ColumnCount> m_keys; // sort keys, made when first needed
    QHash<QString, qint64> m_days;                       // date text -> day, for every text seen
};

} // namespace GameDetails
