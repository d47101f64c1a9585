#include "convert/conversion.h"

#include "convert/jetreader.h"
#include "convert/sqlitewriter.h"
#include "shared/jetfile.h"
#include "shared/paths.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryFile>

namespace Convert {

namespace {

const QString backupSuffix = QStringLiteral(".jet");

FileResult failed(const DatabaseFile &file, const QString &error)
{
    FileResult result;
    result.path = file.path;
    result.error = error;
    return result;
}

// Why a file that is not a Jet file is not converted; empty for our own SQLite files.
QString notJet(JetFile::Format format)
{
    switch (format) {
    case JetFile::Format::Unreadable: return QStringLiteral("it cannot be read");
    case JetFile::Format::Empty: return QStringLiteral("the file is empty");
    case JetFile::Format::Other: return QStringLiteral("it is neither a Jet nor an SQLite database");
    case JetFile::Format::Jet:
    case JetFile::Format::Sqlite: break;
    }
    return {};
}

// The original becomes the backup and the new file takes its name; if the second step
// fails, the first is undone.
bool putInPlace(const QString &converted, const QString &original, QString *error)
{
    const QString backup = original + backupSuffix;
    if (!QFile::rename(original, backup)) {
        *error = QStringLiteral("it cannot be renamed to ") + QFileInfo(backup).fileName();
        return false;
    }
    if (!QFile::rename(converted, original)) {
        QFile::rename(backup, original);
        *error = QStringLiteral("the converted file cannot take its name");
        return false;
    }
    return true;
}

} // namespace

QList<DatabaseFile> databaseFiles(const QString &root)
{
    QList<DatabaseFile> files;
    const auto add = [&](const QString &path, Schema::File kind) {
        if (QFileInfo(path).isFile())
            files.append({path, kind});
    };
    add(Paths::resolve(Paths::join(root, QStringLiteral("\\pack\\ludora.mdb"))), Schema::File::Master);
    add(Paths::resolve(Paths::join(root, QStringLiteral("\\pack\\plugins.mdb"))), Schema::File::Registry);
    const QDir database(Paths::resolve(Paths::join(root, QStringLiteral("\\database"))));
    if (database.exists()) {
        for (const QString &name : database.entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name))
            add(database.filePath(name), Schema::File::Console);
    }
    return files;
}

QList<DatabaseFile> jetFiles(const QString &root)
{
    QList<DatabaseFile> files = databaseFiles(root);
    files.removeIf([](const DatabaseFile &file) { return !JetFile::isJet(file.path); });
    return files;
}

FileResult convertFile(const DatabaseFile &file)
{
    const JetFile::Format format = JetFile::format(file.path);
    if (format == JetFile::Format::Sqlite) {
        FileResult result;
        result.path = file.path;
        result.outcome = Outcome::AlreadyConverted;
        return result;
    }
    if (format != JetFile::Format::Jet)
        return failed(file, notJet(format));
    JetReader reader(file.path);
    if (!reader.open())
        return failed(file, reader.error());
    return convertFile(file, reader);
}

FileResult convertFile(const DatabaseFile &file, TableSource &source)
{
    QElapsedTimer clock;
    clock.start();
    FileResult result = failed(file, QString());
    if (QFileInfo::exists(file.path + backupSuffix) || QFileInfo(file.path + backupSuffix).isSymLink()) {
        result.outcome = Outcome::BackupInTheWay;
        return result;
    }
    const QFileInfo info(file.path);
    QTemporaryFile temporary(info.dir().filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".XXXXXX")));
    temporary.setAutoRemove(false);
    if (!temporary.open()) {
        result.error = QStringLiteral("no file can be made beside it: ") + temporary.errorString();
        return result;
    }
    const QString converted = temporary.fileName();
    temporary.close();
    auto removeConverted = qScopeGuard([&] { QFile::remove(converted); });

    WriteCounts counts;
    if (!writeSqlite(source, converted, file.kind, &counts, &result.error))
        return result;
    QFile::setPermissions(converted, info.permissions());
    if (!putInPlace(converted, file.path, &result.error))
        return result;
    removeConverted.dismiss();
    result.outcome = Outcome::Converted;
    result.tables = counts.tables;
    result.rows = counts.rows;
    result.milliseconds = clock.elapsed();
    return result;
}

QList<FileResult> convertInstallation(const QString &root)
{
    QList<FileResult> results;
    for (const DatabaseFile &file : databaseFiles(root))
        results.append(convertFile(file));
    Paths::clearCache(); // the directories now hold the backups too
    return results;
}

QString describe(const FileResult &result, const QString &root)
{
    const QString name = QDir(root).relativeFilePath(result.path) + QStringLiteral(": ");
    switch (result.outcome) {
    case Outcome::Converted:
        return name
               + QStringLiteral("converted, %1 tables, %2 rows, %3 s")
                     .arg(result.tables)
                     .arg(result.rows)
                     .arg(double(result.milliseconds) / 1000.0, 0, 'f', 2);
    case Outcome::AlreadyConverted: return name + QStringLiteral("already converted");
    case Outcome::BackupInTheWay:
        return name
               + QStringLiteral("not converted, %1 is already there (move it away and convert again)")
                     .arg(QFileInfo(result.path).fileName() + backupSuffix);
    case Outcome::Failed: break;
    }
    return name + QStringLiteral("not converted, ") + result.error + QStringLiteral("; the file is unchanged");
}

bool succeeded(const FileResult &result)
{
    return result.outcome == Outcome::Converted || result.outcome == Outcome::AlreadyConverted;
}

} // namespace Convert
