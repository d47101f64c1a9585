#pragma once

#include <QDate>
#include <QString>

#include <optional>

// How a gamelist's values and a game's stored values turn into each other.
namespace GamelistFields {

// The year of a release date ("19910523T000000", "1991-05-23", "1991"): its first four
// characters when they are digits; empty otherwise.
QString year(const QString &releaseDate);
// "YYYY0101T000000" for a stored year of four digits; empty for anything else.
QString releaseDate(const QString &anno);

// A gamelist rating (0 to 1) as whole stars 0 to 5, halves up; values beyond the range
// are taken as its ends. Nothing for a text that is no number.
std::optional<int> stars(const QString &rating);
// Stars as a gamelist rating: "0", "0.2", ... "1".
QString rating(int stars);

// "true" / "1" and "false" / "0", whatever their case; nothing for anything else.
std::optional<bool> flag(const QString &favorite);
// A play count of digits; nothing for anything else.
std::optional<qint64> count(const QString &playCount);

// The date of a gamelist time stamp ("20230115T203000", or its first eight digits).
QDate timestampDate(const QString &stamp);
// "YYYYMMDDT000000".
QString timestamp(const QDate &date);

// A last-play date as the program stores it (the system's short date; two-digit years
// are taken within the last hundred years); an ISO date is read too.
QDate storedDate(const QString &text);

} // namespace GamelistFields
