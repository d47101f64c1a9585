#pragma once

#include <QList>
#include <QString>

// Adding every rom of a console's games folder that no game uses yet: which files are
// new, and storing one game for each.
namespace RomScan {

struct Rom {
    QString name; // the file name without its last extension
    QString link; // the file name
};

// Files of the folder that are not taken, by cause.
struct LeftOut {
    int notRoms = 0;     // new files that cannot be roms (RomFiles::canBeRom)
    int undecodable = 0; // names that are not valid UTF-8: never stored under another name
    bool any() const { return notRoms > 0 || undecodable > 0; }
};

// The regular files directly in gamesDir, whose names begin with no dot, that no game of
// the table giochi of the database has as its Link (compared without regard to case),
// in the order the game list shows their names, less those *leftOut counts. Of files
// whose names differ only in case, the first in that order is taken. False with *error
// set when the folder or the database cannot be read.
bool findNew(const QString &gamesDir, const QString &databasePath, QList<Rom> *roms, LeftOut *leftOut,
             QString *error);

// What each new game gets besides its name and file, as "Add Rom" gives it.
struct NewGame {
    QString added;    // DataAdd
    QString emulator; // EmuName; empty when the console has no emulator
};

// Adds one game per rom in one transaction: all of them, or none and *error set.
bool store(const QString &databasePath, const QList<Rom> &roms, const NewGame &game, QString *error);

} // namespace RomScan
