#pragma once

#include <QDate>
#include <QString>

// The texts the front-end stores in a game's two date columns; the converter writes the
// dates of an earlier installation in the same forms.
namespace GameDates {

// DataAdd: "dd/mm/yyyy", each slash standing for the system's date separator.
QString added(const QDate &date);
// Data, the last play: the system's short date format.
QString lastPlay(const QDate &date);

// The date a stored text of each form stands for; an invalid date for any other text.
// A two-digit year of the short format is read as 1950 to 2049.
QDate fromAdded(const QString &text);
QDate fromLastPlay(const QString &text);

} // namespace GameDates
