#pragma once

#include <QString>

// "Rom file missing" in SQL: the function SpecialFilters::romMissingFunction() on the
// connection of a console database, answering from one listing of the games folder.
namespace MissingRoms {

// Lists the regular files of gamesDir (names without regard to case, hidden files left
// out) and (re)defines the function on the database's connection: 1 for a Link that is
// empty or names no listed file, 0 otherwise. The listing is kept while the folder stays
// as it was (same folder, same modification time, older than the listing by more than a
// tick of the file times' clock, and no symbolic link in it); otherwise the folder is
// listed again. A folder that cannot be read lists nothing: every rom is missing. *listing gets
// the number of the listing the function answers from: a new one whenever the folder was
// listed again, for the query to name (its text, and so its rows, change with it). False
// with *error set when the database cannot be opened or the function not defined.
bool prepare(const QString &databasePath, const QString &gamesDir, quint64 *listing, QString *error);

} // namespace MissingRoms
