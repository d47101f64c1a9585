#pragma once

#include <QByteArray>
#include <QString>

// Emuset's settings file, "emuset.ini" beside its executable: one line holding the
// front-end's installation directory with a trailing separator, ended by CR LF.
namespace Emuset::SettingsFile {

// The path of the file in Emuset's own directory.
QString path(const QString &ownDir);

// The first item of a line: leading blanks skipped, then up to the first comma; an item
// that starts with a double quote runs to the closing quote, without the quotes.
QString firstItem(const QString &line);

enum class Read { Item, Missing, Unreadable };
// Reads the first item of the first line. Only the first line is looked at, and no more
// than a bounded number of bytes, so any file (empty, binary, huge) is read quickly.
// Missing: no such file; Unreadable: *error says why; Item: *item holds the item
// (possibly empty).
Read read(const QString &file, QString *item, QString *error);

// Replaces the file with one line: directory + a separator (unless it has one) + CR LF.
// False with *error set when it cannot be written.
bool write(const QString &file, const QString &directory, QString *error);

// The directory as stored: native, with exactly one trailing separator.
QString withTrailingSeparator(const QString &directory);

} // namespace Emuset::SettingsFile
