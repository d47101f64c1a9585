#pragma once

#include <QString>

// The "Special Filters" of the "Filters" tab: what narrows the game list besides the
// filter option and the search, and the query text that does it.
namespace SpecialFilters {

enum class Flag { Any, Yes, No };

struct Choice {
    QString genre; // empty: any
    QString language;
    QString producer;
    int yearFrom = 0; // 0: no lower bound
    int yearTo = 0;   // 0: no upper bound
    int leastRating = 0;
    Flag playable = Flag::Any;
    Flag favourite = Flag::Any;
    Flag colour = Flag::Any;
    Flag cracked = Flag::Any; // the column Sound
    bool neverPlayed = false;
    bool romMissing = false;

    bool isOn() const { return !(*this == Choice{}); }
    bool operator==(const Choice &) const = default;
};

// The SQL function that answers 1 for a Link whose file is not in the games folder;
// MissingRoms registers it on the console database's connection before each fill. Its
// second argument is the number of the folder's listing it answers from.
inline QString romMissingFunction() { return QStringLiteral("ludora_rom_missing"); }

// The condition on the columns of giochi that keeps the games of the choice, or an empty
// text when nothing is chosen. Texts compare without regard to case, as criteria do; a
// year counts when Anno begins with it; "no" takes in an empty flag, as the counts do.
// romListing: the listing of the games folder "Rom file missing" answers from.
QString condition(const Choice &choice, quint64 romListing = 0);

// A game query ("SELECT * from giochi [WHERE ...] order by ...") narrowed by the choice:
// its condition joined to the query's own, before the order.
QString narrowed(const QString &query, const Choice &choice, quint64 romListing = 0);

// What is chosen, for the line under the list: "Genre = Platform, 1990–1995".
QString description(const Choice &choice);

} // namespace SpecialFilters
