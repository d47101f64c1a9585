#pragma once

#include <QDate>
#include <QString>

struct sqlite3;

// What a game added from a file gets besides its name and file, as "Add Rom" and "Scan
// Roms" give it: DataAdd today, the console's first emulator, Times and Rating 0, the
// check boxes unticked.
namespace NewGame {

struct Defaults {
    QString added;    // DataAdd
    QString emulator; // EmuName; empty when the console has no emulator
};

// The console's first emulator, in the order the record view lists them.
bool defaults(sqlite3 *db, const QDate &today, Defaults *defaults, QString *error);

// A game's name from its file: the file name without its last extension.
QString nameOf(const QString &fileName);

} // namespace NewGame
