#pragma once

#include <QString>

// What a database file of the installation holds, told by its first bytes: a Jet (Access)
// file of the earlier program, an SQLite file of ours, or neither. Needs no database library.
namespace JetFile {

enum class Format { Unreadable, Empty, Jet, Sqlite, Other };

Format format(const QString &path);
inline bool isJet(const QString &path) { return format(path) == Format::Jet; }

} // namespace JetFile
