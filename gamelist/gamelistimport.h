#pragma once

#include "gamelist/consolefolders.h"
#include "gamelist/entry.h"
#include "gamelist/fieldmerge.h"
#include "gamelist/pictures.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Importing a gamelist into a console's catalogue, in two steps: prepare() reads the
// file, matches each entry with a rom of the games folder and a game, and reads the
// pictures; store() then writes all of it in one transaction. Nothing is stored before
// store(), and nothing at all when store() is cancelled or fails.
namespace GamelistImport {

struct Request {
    ConsoleFolders folders;
    QString file;
    bool overwrite = false;
    QString mediaDir; // the EmulationStation-DE media folder, or empty
    QDate today;      // the date new games are added on
};

// Told how far the work is; false cancels it.
using Progress = std::function<bool(qsizetype done, qsizetype total)>;
enum class Status { Done, Cancelled, Failed };

enum class Action { Add, Update, Unchanged, SkipNoPath, SkipNoRom, SkipRepeated };

// One <game> of the file and what becomes of it.
struct Item {
    GamelistEntry entry;
    QString rom;             // the file of the games folder, as named on disk
    QString base;            // the screenshot base of the rom
    QStringList staged;      // its pictures, read and kept until the store
    bool hasPicture = false; // a picture staged, or one the game already has
    Action action = Action::SkipNoRom;
    std::optional<qint64> row; // the game updated
    QList<FieldMerge::Change> changes;
    FieldMerge::Incoming incoming; // what the entry gives, with the lists below
};

struct Counts {
    int added = 0;
    int updated = 0;
    int unchanged = 0;
    int noPath = 0;
    int noRom = 0;
    int repeated = 0;
    int pictures = 0;           // made (staged, by prepare())
    int picturesThere = 0;      // already the game's
    int picturesUnreadable = 0; // could not be read (missing, not a picture)
    int picturesUnnamed = 0;    // of roms whose names are too short to name a screenshot
    QStringList newGenres;
    QStringList newProducers;
};

struct Prepared {
    Request request;
    QList<Item> items;
    Counts counts;
    QStringList unreadable; // why each unreadable picture was not read
    GamelistPictures pictures;
    Catalogue::Lists lists; // as the items' incoming values were read with
};

// Reads the file, the games folder, the catalogue and the pictures. Failed with *error
// set (naming the line and the column for a file that is not a well-formed gameList).
Status prepare(const Request &request, Prepared *prepared, QString *error, const Progress &progress = {});
// Stores what prepare() found, decided again on the catalogue as it stands under the
// store's lock; *done counts what was stored.
Status store(Prepared &prepared, Counts *done, QString *error, const Progress &progress = {});

// What an item changes, one line each ("add", "update", "skip"), and the lists' new entries.
QStringList changeLines(const Prepared &prepared);
// "12 games added, 3 updated, 5 unchanged, 2 skipped (...), 7 pictures made (...)".
QString summary(const Counts &counts);
// The same for what a dry run found: "12 games to add, 3 to update, ...".
QString dryRunSummary(const Counts &counts);

// Decides each matched item against the catalogue: added, updated or unchanged, with its
// changes; counts them and the lists' new genres and producers.
void decide(Prepared &prepared, const Catalogue::Games &games, const Catalogue::Lists &lists);

} // namespace GamelistImport
