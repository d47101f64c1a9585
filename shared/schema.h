#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The one definition of every table of the installation's database files. Columns stand
// at the positions the programs read them by; text columns compared in criteria ignore
// case; yes/no columns hold 1/0; Times and Rating default to 0. The schema version is
// kept in PRAGMA user_version.
namespace Schema {

constexpr int Version = 1;

enum class File { Master, Console, Registry };

// The CREATE statements of one kind of file, in order.
QStringList statements(File file);
// Creates the tables of one kind of file in an open, empty database, in one transaction.
bool create(QSqlDatabase &db, File file, QString *error);

// A column appended to a table after the first files were made (giochi's PlayTime).
struct AddedColumn {
    QString table;
    QString column;
    QString definition;        // type and default
    QString statement() const; // the ALTER TABLE that appends it
};
QList<AddedColumn> addedColumns(File file);
// The ALTER TABLE statements a file still needs; a table it lacks altogether is left alone.
QStringList missingColumns(QSqlDatabase &db, File file);
// Appends the columns a file lacks, all in one transaction. True when none was missing.
bool addMissingColumns(QSqlDatabase &db, File file, QString *error);

// Positions read by number (0-based).
namespace MasterConfig {
constexpr int Database = 0, Game = 1, Picture = 2, Top = 3, Left = 4;
}
namespace Lookup {
constexpr int Text = 1;
} // namespace Lookup
namespace ConsoleConfig {
constexpr int GamesDir = 6, ScreenDir = 7;
}
namespace Games {
constexpr int Gioco = 0, Screen = 2, Times = 3, Rating = 6, Language = 9, Playable = 14, EmuName = 15,
              Favorites = 19;
// Appended later: in a file brought up to date it stands last, so it is read by name.
inline constexpr QLatin1StringView PlayTime("PlayTime");
} // namespace Games
namespace Emulators {
constexpr int Name = 0, Link = 1;
}
namespace Settings {
constexpr int Nome = 2, Stringa = 3, Scelta = 5, Attivo = 6;
}
namespace Documents {
constexpr int Name = 0, File = 1;
}
namespace Plugins {
constexpr int Path = 1;
}

} // namespace Schema
