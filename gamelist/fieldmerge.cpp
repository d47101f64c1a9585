#include "gamelist/fieldmerge.h"

#include "gamelist/entry.h"
#include "gamelist/fields.h"
#include "shared/gamedates.h"
#include "shared/rating.h"

#include <QHash>

namespace FieldMerge {

namespace {

using Catalogue::Column;

std::optional<QString> present(const QString &text)
{
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

// A name of a list in the list's spelling; a new one as the file writes it.
std::optional<QString> listed(const QString &text, const Catalogue::List &list)
{
    if (text.isEmpty())
        return std::nullopt;
    const QString spelling = list.spelling(text);
    return spelling.isEmpty() ? text : spelling;
}

// The last-play text of a date; entries share a few dates, and the system's format is
// costly to ask for each of tens of thousands.
QString lastPlayText(const QDate &date)
{
    static thread_local QHash<qint64, QString> texts;
    auto found = texts.constFind(date.toJulianDay());
    if (found != texts.cend())
        return *found;
    if (texts.size() > 4096)
        texts.clear();
    return *texts.insert(date.toJulianDay(), GameDates::lastPlay(date));
}

bool storedFlag(const QString &text)
{
    bool number = false;
    const double value = text.trimmed().toDouble(&number);
    return number ? value != 0 : text.trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

qint64 storedCount(const QString &text) { return text.trimmed().toLongLong(); }

// Whether the file's value replaces the stored one.
bool replaces(Column column, const QString &before, const QString &after, const QDate &lastPlayed, bool overwrite)
{
    switch (column) {
    case Catalogue::Rating:
        return overwrite ? Rating::stars(before) != after.toInt()
                         : Rating::stars(before) == 0 && after.toInt() > 0;
    case Catalogue::Favorites:
        return overwrite ? storedFlag(before) != (after == QLatin1String("1"))
                         : !storedFlag(before) && after == QLatin1String("1");
    case Catalogue::Times:
    case Catalogue::PlayTime:
        return overwrite ? storedCount(before) != after.toLongLong() || before.trimmed().isEmpty()
                         : storedCount(before) < after.toLongLong();
    case Catalogue::Data: {
        const QDate stored = GamelistFields::storedDate(before);
        return overwrite ? stored != lastPlayed : !stored.isValid() || lastPlayed > stored;
    }
    default: return overwrite ? before != after : before.trimmed().isEmpty();
    }
}

} // namespace

Incoming incoming(const GamelistEntry &entry, const Catalogue::Lists &lists)
{
    Incoming result;
    result.read = true;
    auto &values = result.values;
    values[Catalogue::Gioco] = present(entry.name);
    values[Catalogue::Notes] = present(entry.desc);
    values[Catalogue::Anno] = present(GamelistFields::year(entry.releaseDate));
    values[Catalogue::Producer] = listed(entry.developer.isEmpty() ? entry.publisher : entry.developer,
                                         lists.producers);
    values[Catalogue::Genre] = listed(entry.genre, lists.genres);
    if (const std::optional<int> stars = GamelistFields::stars(entry.rating))
        values[Catalogue::Rating] = QString::number(*stars);
    if (const std::optional<bool> favorite = GamelistFields::flag(entry.favorite))
        values[Catalogue::Favorites] = *favorite ? QStringLiteral("1") : QStringLiteral("0");
    if (const std::optional<qint64> times = GamelistFields::count(entry.playCount))
        values[Catalogue::Times] = QString::number(*times);
    if (const std::optional<qint64> seconds = GamelistFields::count(entry.gameTime))
        values[Catalogue::PlayTime] = QString::number(*seconds);
    const QDate lastPlayed = GamelistFields::timestampDate(entry.lastPlayed);
    if (lastPlayed.isValid()) {
        values[Catalogue::Data] = lastPlayText(lastPlayed);
        result.lastPlayed = lastPlayed;
    }
    for (const QString &language : {entry.lang, entry.region}) {
        const QString spelling = lists.languages.spelling(language);
        if (!spelling.isEmpty() && !values[Catalogue::Language])
            values[Catalogue::Language] = spelling;
    }
    return result;
}

QList<Change> merge(const Incoming &incoming, const Catalogue::Values &stored, bool overwrite)
{
    QList<Change> changes;
    for (int column = 0; column < Catalogue::ColumnCount; ++column) {
        const std::optional<QString> &after = incoming.values[column];
        if (after && replaces(Column(column), stored[column], *after, incoming.lastPlayed, overwrite))
            changes.append({Column(column), stored[column], *after});
    }
    return changes;
}

} // namespace FieldMerge
