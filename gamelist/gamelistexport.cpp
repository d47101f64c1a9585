#include "gamelist/gamelistexport.h"

#include "gamelist/catalogue.h"
#include "gamelist/entry.h"
#include "gamelist/fields.h"
#include "gamelist/newgame.h"
#include "gamelist/writer.h"
#include "shared/datasource.h"
#include "shared/rating.h"
#include "shared/sqlitestatement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>

namespace GamelistExport {

namespace {

using namespace Catalogue;

// A column's value in a row of selectGames(), and the row's Link.
QString text(const SqliteStatement &row, Column column) { return row.text(column + FirstValue); }
QString link(const SqliteStatement &row) { return row.text(1); }

// A path as the gamelist names it: "./" and the path from the gamelist's folder when the
// file lies below it, otherwise the whole path.
QString gamelistPath(const QDir &gamelistDir, const QString &file)
{
    const QString relative = gamelistDir.relativeFilePath(file);
    return relative.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(relative)
               ? QDir::cleanPath(file)
               : QStringLiteral("./") + relative;
}

QHash<QString, QString> screenFiles(const QString &screenDir)
{
    QHash<QString, QString> files;
    const QStringList names = QDir(screenDir).entryList(QDir::Files);
    for (const QString &name : names)
        files.insert(Catalogue::folded(name), name);
    return files;
}

GamelistEntry entryOf(const SqliteStatement &row)
{
    GamelistEntry entry;
    entry.path = QStringLiteral("./") + link(row);
    entry.name = text(row, Gioco);
    entry.desc = text(row, Notes);
    entry.releaseDate = GamelistFields::releaseDate(text(row, Anno));
    entry.developer = text(row, Producer);
    entry.genre = text(row, Genre);
    const int stars = ::Rating::stars(row.value(Catalogue::Rating + FirstValue));
    entry.rating = stars > 0 ? GamelistFields::rating(stars) : QString();
    entry.favorite = row.integer(Favorites + FirstValue) != 0 ? QStringLiteral("true") : QString();
    const qint64 times = text(row, Times).trimmed().toLongLong();
    entry.playCount = times > 0 ? QString::number(times) : QString();
    entry.lastPlayed = GamelistFields::timestamp(GamelistFields::storedDate(text(row, Data)));
    const qint64 seconds = text(row, PlayTime).trimmed().toLongLong();
    entry.gameTime = seconds > 0 ? QString::number(seconds) : QString();
    entry.lang = text(row, Language);
    return entry;
}

// Copies the first screenshot to MEDIA/screenshots/<rom without extension>.gif.
bool copyToMedia(const QString &screenshot, const QString &mediaDir, const QString &rom, QString *copy,
                 QString *error)
{
    const QString folder = QDir(mediaDir).filePath(QStringLiteral("screenshots"));
    *copy = QDir(folder).filePath(NewGame::nameOf(rom) + QStringLiteral(".gif"));
    QFile::remove(*copy);
    QFile source(screenshot);
    if (QDir().mkpath(folder) && source.copy(*copy))
        return true;
    *error = QDir::toNativeSeparators(*copy) + QStringLiteral(": ") + source.errorString();
    return false;
}

} // namespace

bool run(const Request &request, Counts *counts, QString *error)
{
    *counts = {};
    const QSqlDatabase db = DataSource::connection(request.folders.database, error);
    if (!db.isValid())
        return false;
    const QDir gamelistDir = QFileInfo(request.file).absoluteDir();
    const QHash<QString, QString> screens = screenFiles(request.folders.screenDir);
    QList<GamelistEntry> entries;
    sqlite3 *handle = SqliteStatement::handle(db);
    // A file of an earlier release, without PlayTime, exports no play time.
    SqliteStatement rows(handle,
                         selectGames(handle)
                             + QStringLiteral(" FROM giochi WHERE trim(Gioco) <> '' ORDER BY Gioco, rowid"));
    while (rows.next()) {
        if (link(rows).trimmed().isEmpty()) {
            ++counts->withoutRom;
            continue;
        }
        GamelistEntry entry = entryOf(rows);
        const QString screen = screens.value(Catalogue::folded(text(rows, Screen)));
        if (!text(rows, Screen).isEmpty() && !screen.isEmpty()) {
            QString picture = QDir(request.folders.screenDir).filePath(screen);
            if (!request.mediaDir.isEmpty()) {
                QString copy;
                if (!copyToMedia(picture, request.mediaDir, link(rows), &copy, error))
                    return false;
                picture = copy;
                ++counts->pictures;
            }
            entry.pictures.append(gamelistPath(gamelistDir, picture));
        }
        entries.append(std::move(entry));
    }
    if (!rows.error().isEmpty()) {
        *error = QDir::toNativeSeparators(request.folders.database) + QStringLiteral(": ") + rows.error();
        return false;
    }
    counts->games = int(entries.size());
    return GamelistWriter::write(request.file, entries, error);
}

QString summary(const Counts &counts, bool media)
{
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    QString text = english.toString(counts.games) + QStringLiteral(" games written");
    if (counts.withoutRom > 0)
        text += QStringLiteral(" (") + english.toString(counts.withoutRom)
                + QStringLiteral(" without a rom file left out)");
    if (media)
        text += QStringLiteral(", ") + english.toString(counts.pictures) + QStringLiteral(" pictures copied");
    return text;
}

} // namespace GamelistExport
