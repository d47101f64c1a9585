#pragma once

#include <QByteArray>
#include <QString>

// Emuset's settings file, "emuset.ini" beside its executable: a first line holding the
// front-end's installation directory with a trailing separator, ended by CR LF; then a
// line "folder.KEY=PATH" for each chooser purpose, the folder it was last used in.
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

// The line stored for a directory, without its end: the directory with a trailing
// separator, between double quotes when a comma or a leading blank or quote would
// otherwise cut it on reading.
QString storedLine(const QString &directory);
// False for a directory the file cannot hold: one with a line break, or one that needs
// quotes and holds a double quote itself.
bool canStore(const QString &directory);

// Replaces the first line with storedLine() + CR LF; the folder lines stay. False with
// *error set when the directory cannot be stored (nothing is written then) or the file
// cannot be written.
bool write(const QString &file, const QString &directory, QString *error);

// The folder last stored for a chooser purpose, empty when none is.
QString folder(const QString &file, const QString &key);
// Stores the folder of a purpose; the first line and the other folders stay (a file made
// here has an empty first line, which reads as no directory). False with *error set when
// the file cannot be written.
bool storeFolder(const QString &file, const QString &key, const QString &folder, QString *error);

// The directory as stored: native, with exactly one trailing separator.
QString withTrailingSeparator(const QString &directory);

} // namespace Emuset::SettingsFile
