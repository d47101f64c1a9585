#pragma once

#include <QString>

#include <array>

// The ten fixed consoles and the orders in which the programs visit them.
namespace Consoles {

struct Console {
    QString key;          // toolbar key, "gameboy" ... "amiga"
    QString statusFirst;  // panel 1 text written first on a switch
    QString statusFinal;  // panel 1 text that remains after a switch
    QString missingText;  // list text in the missing-databases message, "Gameboy, "
    QString emusetName;   // entry of Emuset's console list
    QString databaseFile; // "gameboy.mdb", stored in the master configuration record
    QString databasePath; // "\database\gameboy.mdb", used by switching and by Emuset
    QString probedPath;   // "\database\Lynx.mdb", probed by the start-up check
    QString pictureFile;  // file in "\pack\immagini\"
    QString directory;    // "gameboy", below "\console\"
    QString emusetFolder; // "console\gameboy\", appended to Emuset's root
};

constexpr int Count = 10;

// Toolbar order: gameboy, nintendo, snes, lynx, master, megadrive, gamegear, msx, pcengine, amiga.
const std::array<Console, Count> &toolbarOrder();
// Order of key comparisons in switching and of the start-up check (pcengine before msx).
const std::array<const Console *, Count> &comparisonOrder();
// Order of Emuset's console list (PcEngine before MSX).
const std::array<const Console *, Count> &emusetOrder();

// Exact, case-sensitive lookups; nullptr when nothing matches.
const Console *byKey(const QString &key);
const Console *byDatabaseFile(const QString &file);
const Console *byEmusetName(const QString &name);

} // namespace Consoles
