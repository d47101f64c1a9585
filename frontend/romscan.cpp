#include "frontend/romscan.h"

#include "shared/datasource.h"
#include "shared/paths.h"
#include "shared/sqlitestatement.h"
#include "shared/transaction.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace RomScan {

namespace {

// The Link of every game, case-folded.
bool linkedFiles(const QString &databasePath, QSet<QString> *linked, QString *error)
{
    const QSqlDatabase db = DataSource::connection(databasePath, error);
    if (!db.isValid())
        return false;
    SqliteStatement links(SqliteStatement::handle(db), QStringLiteral("SELECT Link FROM giochi"));
    while (links.next()) {
        if (!links.isNull(0))
            linked->insert(links.text(0).toCaseFolded());
    }
    if (!links.error().isEmpty()) {
        *error = QDir::toNativeSeparators(databasePath) + QStringLiteral(": ") + links.error();
        return false;
    }
    return true;
}

QString withoutLastExtension(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? fileName.left(dot) : fileName;
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

bool findNew(const QString &gamesDir, const QString &databasePath, QList<Rom> *roms, QString *error)
{
    roms->clear();
    const QString folder = Paths::resolve(gamesDir);
    const QFileInfo folderInfo(folder);
    if (!folderInfo.isDir() || !folderInfo.isReadable()) {
        *error = QStringLiteral("The games folder ") + QDir::toNativeSeparators(folder)
                 + QStringLiteral(" cannot be read.");
        return false;
    }
    QSet<QString> taken;
    if (!linkedFiles(databasePath, &taken, error))
        return false;
    // Sorted first, so that of files alike but for case the same one is always taken.
    QStringList files;
    QDirIterator entries(folder, QDir::Files | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        const QFileInfo file = entries.nextFileInfo();
        if (!file.fileName().startsWith(QLatin1Char('.')) && file.isFile())
            files.append(file.fileName());
    }
    files.sort();
    for (const QString &file : std::as_const(files)) {
        const QString folded = file.toCaseFolded();
        if (taken.contains(folded))
            continue;
        taken.insert(folded);
        roms->append({withoutLastExtension(file), file});
    }
    sortInListOrder(roms);
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
    // unticked; Times and Rating take their default 0.
    QSqlQuery insert(db);
    const bool prepared = insert.prepare(QStringLiteral(
        "INSERT INTO giochi (Gioco, Link, DataAdd, EmuName, Playable, Favorites, Colour, Sound, Times, Rating)"
        " VALUES (?, ?, ?, ?, 0, 0, 0, 0, 0, 0)"));
    if (!prepared) {
        *error = insert.lastError().text();
        return false;
    }
    const QVariant emulator = game.emulator.isEmpty() ? QVariant() : QVariant(game.emulator);
    insert.bindValue(2, game.added);
    insert.bindValue(3, emulator);
    for (const Rom &rom : roms) {
        insert.bindValue(0, rom.name);
        insert.bindValue(1, rom.link);
        if (!insert.exec()) {
            *error = rom.link + QStringLiteral(": ") + insert.lastError().text();
            return false; // the transaction rolls back
        }
    }
    insert.finish();
    if (!transaction.commit()) {
        *error = transaction.error();
        return false;
    }
    return true;
}

} // namespace RomScan
