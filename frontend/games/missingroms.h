#pragma once

#include <QString>

// "Rom file missing" in SQL: the function SpecialFilters::romMissingFunction() on the
// connection of a console database, answering from one listing of the games folder.
namespace MissingRoms {

// Lists the regular files of gamesDir once (names without regard to case, hidden files
// left out) and (re)defines the function on the database's connection: 1 for a Link that
// is empty or names no listed file, 0 otherwise. A folder that cannot be read lists
// nothing: every rom is missing. False with *error set when the database cannot be
// opened or the function not defined.
bool prepare(const QString &databasePath, const QString &gamesDir, QString *error);

} // namespace MissingRoms
