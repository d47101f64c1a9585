#pragma once

#include "gamelist/catalogue.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <optional>

struct GamelistEntry;

// Which of a game's fields an entry of a gamelist changes.
namespace FieldMerge {

// The values an entry gives, as the columns store them; nothing where the entry has none.
struct Incoming {
    std::array<std::optional<QString>, Catalogue::ColumnCount> values;
    QDate lastPlayed; // the date Data holds, for comparing
    bool read = false;
};

// <name> -> Gioco, <desc> -> Notes, the year of <releasedate> -> Anno, <developer> (else
// <publisher>) -> Producer, <genre> -> Genre, <rating> -> Rating (stars), <favorite> ->
// Favorites, <playcount> -> Times, <gametime> -> PlayTime, <lastplayed> -> Data, <lang> (else <region>) ->
// Language when the language list has it. Genres, producers and languages take the
// list's spelling when the list has them, whatever their case.
Incoming incoming(const GamelistEntry &entry, const Catalogue::Lists &lists);

struct Change {
    Catalogue::Column column;
    QString before;
    QString after;
};

// An existing game keeps what it holds: empty fields are filled, Times and PlayTime keep the
// larger count, Data the later date, Favorites and Rating are set when unset. With overwrite
// every value the entry has wins.
QList<Change> merge(const Incoming &incoming, const Catalogue::Values &stored, bool overwrite);

} // namespace FieldMerge
