#include "frontend/games/specialfilters.h"

#include "shared/sql.h"

#include <QStringList>

namespace SpecialFilters {

namespace {

// Year bounds that no Anno reaches, for a range open at one end; a text that is no
// number reads as 0 and is never in a range.
constexpr int FirstYear = 1;
constexpr int LastYear = 999999;

QString equalsText(const char *column, const QString &value)
{
    return QLatin1Char('[') + QLatin1String(column) + QStringLiteral("] = ") + Sql::quoted(value)
           + QStringLiteral(" COLLATE NOCASE");
}

QString flagCondition(const char *column, Flag flag)
{
    const QString name = QLatin1Char('[') + QLatin1String(column) + QLatin1Char(']');
    return flag == Flag::Yes ? name + QStringLiteral(" = true")
                             : QStringLiteral("coalesce(") + name + QStringLiteral(", false) = false");
}

struct FlagPart {
    Flag Choice::*flag;
    const char *column;
    const char *caption;
};
constexpr FlagPart flagParts[] = {
    {&Choice::playable, "playable", "Playable"},
    {&Choice::favourite, "favorites", "Favourite"},
    {&Choice::colour, "colour", "Colour"},
    {&Choice::cracked, "sound", "Cracked"},
};

struct TextPart {
    QString Choice::*text;
    const char *column;
    const char *caption;
};
const TextPart textParts[] = {
    {&Choice::genre, "genre", "Genre"},
    {&Choice::language, "language", "Language"},
    {&Choice::producer, "producer", "Producer"},
};

QString yearText(const Choice &choice)
{
    const QString from = QString::number(choice.yearFrom);
    const QString to = QString::number(choice.yearTo);
    if (choice.yearFrom && choice.yearTo)
        return choice.yearFrom == choice.yearTo ? from : from + QChar(0x2013) + to;
    if (choice.yearFrom)
        return from + QStringLiteral(" or later");
    return choice.yearTo ? to + QStringLiteral(" or earlier") : QString();
}

} // namespace

QString condition(const Choice &choice, quint64 romListing)
{
    QStringList parts;
    for (const TextPart &part : textParts) {
        if (!(choice.*part.text).isEmpty())
            parts.append(equalsText(part.column, choice.*part.text));
    }
    if (choice.yearFrom || choice.yearTo) {
        parts.append(QStringLiteral("CAST([anno] AS INTEGER) BETWEEN %1 AND %2")
                         .arg(choice.yearFrom ? choice.yearFrom : FirstYear)
                         .arg(choice.yearTo ? choice.yearTo : LastYear));
    }
    if (choice.leastRating > 0)
        parts.append(QStringLiteral("[rating] >= ") + QString::number(choice.leastRating));
    for (const FlagPart &part : flagParts) {
        if (choice.*part.flag != Flag::Any)
            parts.append(flagCondition(part.column, choice.*part.flag));
    }
    if (choice.neverPlayed)
        parts.append(QStringLiteral("coalesce([times], 0) = 0"));
    if (choice.romMissing)
        parts.append(romMissingFunction() + QStringLiteral("([link], %1)").arg(romListing));
    return parts.join(QStringLiteral(" AND "));
}

QString narrowed(const QString &query, const Choice &choice, quint64 romListing)
{
    const QString extra = condition(choice, romListing);
    if (extra.isEmpty())
        return query;
    const qsizetype order = query.lastIndexOf(QStringLiteral(" order by "), -1, Qt::CaseInsensitive);
    const QString head = order < 0 ? query : query.left(order);
    const QString tail = order < 0 ? QString() : query.mid(order);
    const bool hasWhere = head.contains(QStringLiteral(" where "), Qt::CaseInsensitive);
    return head + (hasWhere ? QStringLiteral(" AND (") : QStringLiteral(" WHERE (")) + extra + QLatin1Char(')')
           + tail;
}

QString description(const Choice &choice)
{
    QStringList parts;
    for (const TextPart &part : textParts) {
        if (!(choice.*part.text).isEmpty())
            parts.append(QLatin1String(part.caption) + QStringLiteral(" = ") + choice.*part.text);
    }
    const QString years = yearText(choice);
    if (!years.isEmpty())
        parts.append(years);
    if (choice.leastRating > 0)
        parts.append(QStringLiteral("Rating ") + QChar(0x2265) + QLatin1Char(' ')
                     + QString::number(choice.leastRating));
    for (const FlagPart &part : flagParts) {
        if (choice.*part.flag != Flag::Any)
            parts.append(QLatin1String(part.caption) + QStringLiteral(" = ")
                         + (choice.*part.flag == Flag::Yes ? QStringLiteral("yes") : QStringLiteral("no")));
    }
    if (choice.neverPlayed)
        parts.append(QStringLiteral("Never played"));
    if (choice.romMissing)
        parts.append(QStringLiteral("Rom file missing"));
    return parts.join(QStringLiteral(", "));
}

} // namespace SpecialFilters
