#pragma once

#include <QByteArray>
#include <QString>

class QDateTime;

// Paths are written in the code as the programs build them, a root followed by a
// relative path with backslashes ("\pack\ludora.mdb"). These helpers turn them into
// native paths and find files without regard to the case of their names.
namespace Paths {

// Backslashes become the native separator and runs of separators collapse into one:
// "/fe/\database\gameboy.mdb" -> "/fe/database/gameboy.mdb". A trailing separator stays.
QString native(const QString &path);

// native(root + relative): the plain concatenation the programs do, made native.
inline QString join(const QString &root, const QString &relative) { return native(root + relative); }

// The path as it stands on disk: each component is matched exactly first, then without
// regard to case. Components that match nothing are kept as written.
QString resolve(const QString &path);

// What to hand to another program: the path as it stands on disk when something there
// matches it without regard to case, otherwise the path exactly as given (a bare program
// name is left to the system's search path).
QString existing(const QString &path);

// The file-existence probe: the name, as stored on disk, of a normal file at path
// (directories and hidden files do not count), or an empty text.
QString probe(const QString &path);
inline bool fileExists(const QString &path) { return !probe(path).isEmpty(); }

// The platform's executable name: "ludora4.exe" on Windows, "ludora4" elsewhere.
QString executableName(const QString &baseName);

// True when a name's bytes decode to a text that encodes back to the same bytes (valid
// UTF-8). Any other name would be stored, shown or opened as another one.
bool roundTrips(QByteArrayView encoded);
// A name's bytes for a message: what decodes is shown as text, every other byte as \xNN.
QString shownBytes(QByteArrayView encoded);

// Forgets the directory listings remembered for case-insensitive matching.
void clearCache();

// Whether a listing of a directory made now sees every change made to it so far: file
// times come from a coarse clock, so a change within the same tick as the directory's
// time leaves that time as it was.
bool listingSettled(const QDateTime &modified);

} // namespace Paths
