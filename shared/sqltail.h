#pragma once

#include <QString>

// The part of a record source after its table name ("WHERE ... ORDER BY ..."), taken
// apart where that can be done safely.
namespace SqlTail {

// A tail of exactly the form " WHERE <condition> ORDER BY <terms>", the terms ascending,
// gives its condition and its terms; false for any other form (no condition, no order, a
// descending term, grouping, limits, compound selects, comments, several statements),
// which is then run as it stands. Words inside quoted texts, quoted names and
// parentheses do not count.
bool splitWhereOrderBy(const QString &tail, QString *condition, QString *order);

} // namespace SqlTail
