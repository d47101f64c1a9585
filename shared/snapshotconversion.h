#pragma once

#include "shared/launcher.h"

#include <QString>
#include <QStringList>

#include <functional>

// Turning an image file into a game's screenshot: the file is copied into the console's
// screenshot directory under the game's snapshot name (keeping its extension), and the
// converter I_View32 writes a GIF beside the copy. The names are worked out first
// (prepare, no file is touched), then the copy and the start are carried out.
namespace SnapshotConversion {

// Where the converter lies below the installation root.
QString converterRelativePath(); // "\pack\I_View32\I_View32" (+ ".exe" on Windows)

struct Request {
    QString source;      // full path of the chosen image file
    QString romFile;     // the shown game's rom file name
    QString consoleText; // text of the main window's status panel 1
    QString screenDir;   // the console's screenshot directory, ending with a separator
    QString rootDir;     // installation root
};

struct Plan {
    QString base; // rom file name without its extension characters
    QString source;
    QString copied;        // screenDir + base [+ "_" + n] + source extension
    QString output;        // screenDir + base [+ "_" + n] + ".gif"
    QString screenField;   // base + ".gif": the game's first screenshot, in every case
    QString program;       // the converter
    QStringList arguments; // {copied, "/c=" + output}
    // The command line as one text: program, a blank, input, " /c=", output.
    QString commandLine() const;
};

using ExistsFunction = std::function<bool(const QString &path)>;

// Characters cut from the rom name: 3 when the console text is exactly "Gameboy", else 4.
int charactersCut(const QString &consoleText);
// The rom name without its last charactersCut() characters; empty when nothing is left.
QString baseName(const QString &romFile, const QString &consoleText);
// The last 4 characters of the source's file name (".bmp"); the extension itself is not
// read. Never a separator: a short name ("/pics/ab") gives its name alone ("ab").
QString sourceExtension(const QString &source);
QString firstSnapshot(const QString &screenDir, const QString &base);
QString numberedSnapshot(const QString &screenDir, const QString &base, int number);
// 0 when the first snapshot is free, otherwise the first n >= 1 whose numbered snapshot
// does not exist (a gap is filled). Only the GIF files are looked at.
int freeNumber(const QString &screenDir, const QString &base, const ExistsFunction &exists);

// Works out the names, from the last component of the rom name's base only, so that they
// lie inside screenDir. False with error set when the rom name is too short to name a
// screenshot (no rom set for the game), or the names would not lie inside screenDir.
bool prepare(const Request &request, Plan *plan, QString *error, const ExistsFunction &exists = ExistsFunction());

// Copies the source and starts the converter without waiting for it; `converted` runs once
// the converter has ended. Never overwrites a file: an existing target refuses the copy.
// Nothing is copied when the converter is missing. False with error set (naming the
// files) when a step fails.
bool carryOut(const Plan &plan, Launcher &launcher, QString *error, Launcher::Finished converted = {});

} // namespace SnapshotConversion
