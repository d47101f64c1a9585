#include "gamelist/gamelistimport.h"

#include "gamelist/importstore.h"
#include "gamelist/reader.h"
#include "shared/datasource.h"
#include "shared/snapshotconversion.h"
#include "shared/sqlitestatement.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLocale>
#include <QSet>

namespace GamelistImport {

namespace {

// Progress is told every so many entries, and at every entry with pictures.
constexpr qsizetype ProgressStep = 256;

QString number(qint64 count)
{
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    return english.toString(count);
}

// The file name a <path> ends with, whatever folder or machine it names.
QString fileNameOf(const QString &path)
{
    const qsizetype slash = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(slash + 1);
}

// The screenshot base of a rom, from its last component only (as a conversion names it).
QString screenshotBase(const QString &rom, const QString &consoleText)
{
    return SnapshotConversion::baseName(rom, consoleText);
}

bool listGamesFolder(const QString &gamesDir, QHash<QString, QString> *files, QString *error)
{
    const QDir dir(gamesDir);
    if (!dir.exists() || !QFileInfo(gamesDir).isReadable()) {
        *error = QStringLiteral("The games folder ") + QDir::toNativeSeparators(gamesDir)
                 + QStringLiteral(" cannot be read.");
        return false;
    }
    // Of names alike but for case, the first in name order; unsorted listing otherwise.
    QDirIterator it(gamesDir, QDir::Files);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        QString &kept = (*files)[Catalogue::folded(name)];
        if (kept.isEmpty() || name < kept)
            kept = name;
    }
    return true;
}

void matchRoms(Prepared &prepared, const QHash<QString, QString> &roms)
{
    QSet<QString> taken;
    for (Item &item : prepared.items) {
        const QString file = fileNameOf(item.entry.path);
        const QString rom = roms.value(Catalogue::folded(file));
        if (file.isEmpty()) {
            item.action = Action::SkipNoPath;
        } else if (rom.isEmpty()) {
            item.action = Action::SkipNoRom;
        } else if (taken.contains(Catalogue::folded(rom))) {
            item.action = Action::SkipRepeated;
        } else {
            taken.insert(Catalogue::folded(rom));
            item.rom = rom;
            item.base = screenshotBase(rom, prepared.request.folders.consoleText);
            item.action = Action::Add; // decided against the catalogue later
        }
    }
}

bool readPictures(Prepared &prepared, QString *error, const Progress &progress)
{
    Counts &counts = prepared.counts;
    const QString gamelistDir = QFileInfo(prepared.request.file).absolutePath();
    const bool any = !prepared.request.mediaDir.isEmpty()
                     || std::any_of(prepared.items.cbegin(), prepared.items.cend(),
                                    [](const Item &item) { return !item.entry.pictures.isEmpty(); });
    if (!any)
        return true;
    if (!prepared.pictures.open(prepared.request.folders.screenDir, prepared.request.mediaDir, error))
        return false;
    for (qsizetype i = 0; i < prepared.items.size(); ++i) {
        Item &item = prepared.items[i];
        if (item.rom.isEmpty())
            continue;
        const QStringList sources = prepared.pictures.sources(item.entry, gamelistDir, item.rom);
        if (!sources.isEmpty() && item.base.isEmpty()) {
            counts.picturesUnnamed += int(sources.size());
            continue;
        }
        bool alreadyThere = false;
        for (const QString &source : sources) {
            QString staged, why;
            switch (prepared.pictures.stage(source, item.base, &staged, &why)) {
            case GamelistPictures::Result::Staged: item.staged.append(staged); break;
            case GamelistPictures::Result::AlreadyThere:
                ++counts.picturesThere;
                alreadyThere = true;
                break;
            case GamelistPictures::Result::Unreadable:
                ++counts.picturesUnreadable;
                prepared.unreadable.append(why);
                break;
            }
        }
        item.hasPicture = !item.staged.isEmpty() || alreadyThere;
        counts.pictures += int(item.staged.size());
        if (!sources.isEmpty() && progress && !progress(i + 1, prepared.items.size()))
            return false;
    }
    return true;
}

bool readCatalogue(const Request &request, Catalogue::Games *games, Catalogue::Lists *lists, QString *error)
{
    const QSqlDatabase console = DataSource::connection(request.folders.database, error);
    if (!console.isValid() || !Catalogue::readGames(SqliteStatement::handle(console), games, error))
        return false;
    const QSqlDatabase master = DataSource::connection(request.folders.masterDatabase, error);
    return master.isValid() && Catalogue::readLists(SqliteStatement::handle(master), {}, lists, error);
}

// A text the list lacks, once whatever its case; *seen holds the folded ones noted.
void noteNew(const QString &text, const Catalogue::List &list, QSet<QString> *seen, QStringList *added)
{
    if (text.isEmpty() || !list.spelling(text).isEmpty())
        return;
    const QString key = Catalogue::folded(text);
    if (!seen->contains(key)) {
        seen->insert(key);
        added->append(text);
    }
}

QString quoted(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

QString itemLine(const Item &item)
{
    switch (item.action) {
    case Action::SkipNoPath: return QStringLiteral("skip line %1: no <path>").arg(item.entry.line);
    case Action::SkipNoRom:
        return QStringLiteral("skip line %1: %2 is not in the games folder")
            .arg(item.entry.line)
            .arg(item.entry.path);
    case Action::SkipRepeated:
        return QStringLiteral("skip line %1: %2 has an entry above")
            .arg(item.entry.line)
            .arg(item.rom.isEmpty() ? item.entry.path : item.rom);
    case Action::Unchanged: return {};
    case Action::Add:
    case Action::Update: break;
    }
    QStringList parts;
    for (const FieldMerge::Change &change : item.changes) {
        parts.append(Catalogue::columnName(change.column) + QLatin1Char(' ')
                     + (item.action == Action::Add ? QString() : quoted(change.before) + QStringLiteral(" -> "))
                     + quoted(change.after.left(60)));
    }
    if (!item.staged.isEmpty())
        parts.append(QStringLiteral("%1 picture(s)").arg(item.staged.size()));
    return (item.action == Action::Add ? QStringLiteral("add ") : QStringLiteral("update ")) + item.rom
           + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

QString skippedText(const Counts &counts)
{
    QStringList why;
    if (counts.noRom > 0)
        why.append(number(counts.noRom) + QStringLiteral(" without a rom in the games folder"));
    if (counts.noPath > 0)
        why.append(number(counts.noPath) + QStringLiteral(" without a <path>"));
    if (counts.repeated > 0)
        why.append(number(counts.repeated) + QStringLiteral(" naming a rom of an earlier entry"));
    const int skipped = counts.noRom + counts.noPath + counts.repeated;
    return number(skipped) + QStringLiteral(" skipped")
           + (why.isEmpty() ? QString()
                            : QStringLiteral(" (") + why.join(QStringLiteral(", ")) + QLatin1Char(')'));
}

QString picturesText(const Counts &counts, const QString &made)
{
    QStringList why;
    if (counts.picturesThere > 0)
        why.append(number(counts.picturesThere) + QStringLiteral(" already imported"));
    if (counts.picturesUnreadable > 0)
        why.append(number(counts.picturesUnreadable) + QStringLiteral(" unreadable"));
    if (counts.picturesUnnamed > 0)
        why.append(number(counts.picturesUnnamed) + QStringLiteral(" of roms too short a name"));
    return number(counts.pictures) + made
           + (why.isEmpty() ? QString()
                            : QStringLiteral(" (") + why.join(QStringLiteral(", ")) + QLatin1Char(')'));
}

} // namespace

Status prepare(const Request &request, Prepared *prepared, QString *error, const Progress &progress)
{
    prepared->request = request;
    prepared->counts = {};
    QList<GamelistEntry> entries;
    if (!GamelistReader::read(request.file, &entries, error))
        return Status::Failed;
    prepared->items.clear();
    prepared->items.reserve(entries.size());
    for (GamelistEntry &entry : entries)
        prepared->items.append(Item{std::move(entry), {}, {}, {}, false, Action::SkipNoRom, {}, {}, {}});
    QHash<QString, QString> roms;
    if (!listGamesFolder(request.folders.gamesDir, &roms, error))
        return Status::Failed;
    matchRoms(*prepared, roms);
    if (progress && !progress(0, prepared->items.size()))
        return Status::Cancelled;
    Catalogue::Games games;
    Catalogue::Lists lists;
    if (!readCatalogue(request, &games, &lists, error))
        return Status::Failed;
    error->clear();
    if (!readPictures(*prepared, error, progress))
        return error->isEmpty() ? Status::Cancelled : Status::Failed;
    decide(*prepared, games, lists);
    return Status::Done;
}

void decide(Prepared &prepared, const Catalogue::Games &games, const Catalogue::Lists &lists)
{
    Counts &counts = prepared.counts;
    counts.added = counts.updated = counts.unchanged = counts.noPath = counts.noRom = counts.repeated = 0;
    counts.newGenres.clear();
    counts.newProducers.clear();
    QSet<QString> genres, producers;
    // The entries' values are read again only when the lists changed since.
    const bool sameLists = lists == prepared.lists;
    prepared.lists = lists;
    for (Item &item : prepared.items) {
        if (item.rom.isEmpty()) {
            counts.noPath += item.action == Action::SkipNoPath;
            counts.noRom += item.action == Action::SkipNoRom;
            counts.repeated += item.action == Action::SkipRepeated;
            continue;
        }
        if (!sameLists || !item.incoming.read)
            item.incoming = FieldMerge::incoming(item.entry, lists);
        FieldMerge::Incoming incoming = item.incoming;
        noteNew(incoming.values[Catalogue::Genre].value_or(QString()), lists.genres, &genres, &counts.newGenres);
        noteNew(incoming.values[Catalogue::Producer].value_or(QString()), lists.producers, &producers,
                &counts.newProducers);
        if (item.hasPicture)
            incoming.values[Catalogue::Screen] = SnapshotConversion::firstSnapshot({}, item.base);
        const Catalogue::Game *game = games.withLink(item.rom);
        item.row = game ? std::optional<qint64>(game->row) : std::nullopt;
        item.changes = FieldMerge::merge(incoming, game ? game->values : Catalogue::Values{},
                                         prepared.request.overwrite && game);
        if (!game)
            item.action = Action::Add;
        else
            item.action = item.changes.isEmpty() && item.staged.isEmpty() ? Action::Unchanged : Action::Update;
        counts.added += item.action == Action::Add;
        counts.updated += item.action == Action::Update;
        counts.unchanged += item.action == Action::Unchanged;
    }
}

Status store(Prepared &prepared, Counts *done, QString *error, const Progress &progress)
{
    return ImportStore::store(prepared, done, error, progress);
}

QStringList changeLines(const Prepared &prepared)
{
    QStringList lines;
    for (const Item &item : prepared.items) {
        const QString line = itemLine(item);
        if (!line.isEmpty())
            lines.append(line);
    }
    for (const QString &genre : prepared.counts.newGenres)
        lines.append(QStringLiteral("add genre ") + quoted(genre));
    for (const QString &producer : prepared.counts.newProducers)
        lines.append(QStringLiteral("add producer ") + quoted(producer));
    for (const QString &why : prepared.unreadable)
        lines.append(QStringLiteral("unreadable picture ") + why);
    return lines;
}

QString summary(const Counts &counts)
{
    return number(counts.added) + QStringLiteral(" games added, ") + number(counts.updated)
           + QStringLiteral(" updated, ") + number(counts.unchanged) + QStringLiteral(" unchanged, ")
           + skippedText(counts) + QStringLiteral(", ") + picturesText(counts, QStringLiteral(" pictures made"));
}

QString dryRunSummary(const Counts &counts)
{
    return QStringLiteral("Dry run, nothing stored: ") + number(counts.added) + QStringLiteral(" games to add, ")
           + number(counts.updated) + QStringLiteral(" to update, ") + number(counts.unchanged)
           + QStringLiteral(" unchanged, ") + skippedText(counts) + QStringLiteral(", ")
           + picturesText(counts, QStringLiteral(" pictures to make"));
}

} // namespace GamelistImport
