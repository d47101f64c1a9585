#pragma once

#include <QString>

// How long a game was played: the seconds every followed play adds to its row's PlayTime.
namespace PlayTime {

// Adds the seconds to the row of giochi in the database file, in one transaction that
// first appends the column when the file lacks it. *total is the row's new play time.
// False with *error set when the file or the row cannot be written.
bool add(const QString &database, qint64 row, qint64 seconds, qint64 *total, QString *error);

// "3 h 12 min", "45 min", "< 1 min"; empty for no time.
QString duration(qint64 seconds);
// "Played for " and the duration; empty for no time.
QString text(qint64 seconds);

} // namespace PlayTime
