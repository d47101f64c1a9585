#pragma once

#include <QString>

// The database engine opens a file only by a path of limited length (the journal beside it
// takes the same path and a suffix). A longer path fails with a vague "unable to open
// database file"; these say what is wrong instead.
namespace DatabasePath {

// The longest path, in bytes of the absolute path, that a database file can have.
int maxBytes();

// Empty when a database file can have this path; otherwise a sentence saying that the
// path is too long, naming it.
QString tooLong(const QString &path);

} // namespace DatabasePath
