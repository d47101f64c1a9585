#include "frontend/record/romscan.h"

#include "frontend/record/foldednameset.h"
#include "frontend/record/romfiles.h"
#include "gamelist/newgame.h"
#include "shared/datasource.h"
#include "shared/paths.h"
#include "shared/regularfile.h"
#include "shared/sqlitestatement.h"
#include "shared/transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>

namespace RomScan {

namespace {

// Names looked up together, their slots fetched ahead (FoldedNameSet::prefetch).
constexpr size_t Batch = 32;

// The Link of every game, case-folded.
bool linkedFiles(const QString &databasePath, FoldedNameSet *linked, QString *error)
{
    const QSqlDatabase db = DataSource::connection(databasePath, error);
    if (!db.isValid())
        return false;
    SqliteStatement links(SqliteStatement::handle(db), QStringLiteral("SELECT Link FROM giochi"));
    QString folded;
    std::array<FoldedNameSet::Key, Batch> keys;
    size_t batched = 0;
    const auto insertBatch = [&] {
        for (size_t i = 0; i < batched; ++i)
            linked->insert(keys[i]);
        batched = 0;
    };
    while (links.next()) {
        if (links.isNull(0))
            continue;
        const QByteArrayView text = links.bytes(0); // empty for a number
        if (text.isEmpty())
            FoldedNameSet::fold(QStringView(links.text(0)), &folded);
        else
            FoldedNameSet::fold(text, &folded);
        keys[batched] = linked->keyOf(folded);
        linked->prefetch(keys[batched]);
        if (++batched == Batch)
            insertBatch();
    }
    insertBatch();
    if (!links.error().isEmpty()) {
        *error = QDir::toNativeSeparators(databasePath) + QStringLiteral(": ") + links.error();
        return false;
    }
    return true;
}

// The list's order: names compared with only A-Z folded to a-z, as the database's
// NOCASE order does; alike names in the order of their files.
QString listOrderKey(const QString &name)
{
    QString key = name;
    for (QChar &c : key) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    }
    return key;
}

// The regular files directly in the folder (a link counts as what it points to) that no
// game links to, less those whose names begin with a dot, those that cannot be roms and
// those whose names do not decode (counted in *leftOut). readdir tells most entries'
// type, which spares a stat per file, and a name is decoded only when it is new. False
// when the folder cannot be read.
bool newFiles(const QString &folder, const FoldedNameSet &linked, QList<Rom> *roms, LeftOut *leftOut)
{
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return false;
    struct Entry {
        FoldedNameSet::Key key;
        bool unknown = false; // a link, or a type readdir does not tell
        std::array<char, sizeof(dirent::d_name)> name;
    };
    std::array<Entry, Batch> entries;
    size_t batched = 0;
    const auto lookUpBatch = [&] {
        for (size_t i = 0; i < batched; ++i) {
            const Entry &entry = entries[i];
            if (linked.contains(entry.key))
                continue;
            const QString file = QFile::decodeName(entry.name.data());
            if (entry.unknown && !RegularFile::isRegular(folder + QLatin1Char('/') + file))
                continue;
            if (RomFiles::canBeRom(file))
                roms->append({::NewGame::nameOf(file), file});
            else
                ++leftOut->notRoms;
        }
        batched = 0;
    };
    QString folded;
    while (const dirent *found = readdir(dir)) {
        const QByteArrayView raw(found->d_name);
        const bool unknown = found->d_type == DT_LNK || found->d_type == DT_UNKNOWN;
        if (raw.startsWith('.') || (found->d_type != DT_REG && !unknown))
            continue;
        // Decoded, such a name would name another file, or none.
        if (!Paths::roundTrips(raw)) {
            struct stat status {};
            const QByteArray path = QFile::encodeName(folder) + '/' + raw.toByteArray();
            if (!unknown || (::stat(path.constData(), &status) == 0 && S_ISREG(status.st_mode)))
                ++leftOut->undecodable;
            continue;
        }
        FoldedNameSet::fold(raw, &folded);
        Entry &entry = entries[batched];
        entry.key = linked.keyOf(folded);
        linked.prefetch(entry.key);
        entry.unknown = unknown;
        std::copy_n(found->d_name, raw.size() + 1, entry.name.begin());
        if (++batched == Batch)
            lookUpBatch();
    }
    lookUpBatch();
    closedir(dir);
    return true;
}

void sortInListOrder(QList<Rom> *roms)
{
    std::vector<std::pair<QString, qsizetype>> keys;
    keys.reserve(size_t(roms->size()));
    for (qsizetype i = 0; i < roms->size(); ++i)
        keys.emplace_back(listOrderKey(roms->at(i).name), i);
    std::sort(keys.begin(), keys.end(), [roms](const auto &a, const auto &b) {
        if (a.first != b.first)
            return a.first < b.first;
        return roms->at(a.second).link < roms->at(b.second).link;
    });
    QList<Rom> sorted;
    sorted.reserve(roms->size());
    for (const auto &key : keys)
        sorted.append(roms->at(key.second));
    *roms = std::move(sorted);
}

} // namespace

bool findNew(const QString &gamesDir, const QString &databasePath, QList<Rom> *roms, LeftOut *leftOut,
             QString *error)
{
    roms->clear();
    *leftOut = {};
    const QString folder = Paths::resolve(gamesDir);
    const QFileInfo folderInfo(folder);
    const auto unreadable = [&] {
        *error = QStringLiteral("The games folder ") + QDir::toNativeSeparators(folder)
                 + QStringLiteral(" cannot be read.");
        return false;
    };
    if (!folderInfo.isDir() || !folderInfo.isReadable())
        return unreadable();
    FoldedNameSet linked;
    if (!linkedFiles(databasePath, &linked, error))
        return false;
    if (!newFiles(folder, linked, roms, leftOut))
        return unreadable();
    sortInListOrder(roms);
    // Of files alike but for case, the first in the list's order is taken.
    FoldedNameSet taken;
    QString folded;
    roms->removeIf([&](const Rom &rom) {
        FoldedNameSet::fold(QStringView(rom.link), &folded);
        const bool alike = taken.contains(folded);
        taken.insert(folded);
        return alike;
    });
    return true;
}

bool store(const QString &databasePath, const QList<Rom> &roms, const NewGame &game, QString *error)
{
    QSqlDatabase db = DataSource::connection(databasePath, error);
    if (!db.isValid())
        return false;
    Transaction transaction(db);
    if (!transaction.isActive()) {
        *error = transaction.error();
        return false;
    }
    // The fields "Add Rom" and "Save Modify" store for a new game: its check boxes
    // unticked; Times and Rating take their default 0. Through SQLite itself, on the same
    // connection: tens of thousands of rows, each without the cost of Qt's values.
    // A file another program stored meanwhile (a scan of its own) is not added again: the
    // files in use are read once inside this transaction, under its write lock (Link has
    // no index: one probe per rom would make a large scan quadratic).
    QSet<QString> used;
    SqliteStatement links(SqliteStatement::handle(db), QStringLiteral("SELECT Link FROM giochi"));
    while (links.next())
        used.insert(links.text(0));
    if (!links.error().isEmpty()) {
        *error = links.error();
        return false;
    }
    SqliteStatement insert(SqliteStatement::handle(db),
                           QStringLiteral(
                               "INSERT INTO giochi (Gioco, Link, DataAdd, EmuName, Playable, Favorites, "
                               "Colour, Sound, Times, Rating) VALUES (?1, ?2, ?3, ?4, 0, 0, 0, 0, 0, 0)"));
    if (!insert.error().isEmpty() || !insert.bind(3, game.added)
        || !insert.bind(4, game.emulator.isEmpty() ? QString() : game.emulator)) {
        *error = insert.error();
        return false;
    }
    for (const Rom &rom : roms) {
        if (used.contains(rom.link))
            continue;
        used.insert(rom.link);
        if (!insert.bind(1, rom.name) || !insert.bind(2, rom.link) || !insert.execute()) {
            *error = rom.link + QStringLiteral(": ") + insert.error();
            return false; // the transaction rolls back
        }
    }
    if (!transaction.commit()) {
        *error = transaction.error();
        return false;
    }
    return true;
}

} // namespace RomScan
