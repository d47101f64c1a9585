#include "convert/conversion.h"

#include "convert/jetreader.h"
#include "convert/sqlitewriter.h"
#include "shared/jetfile.h"
#include "shared/paths.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Convert {

namespace {

const QString backupSuffix = QStringLiteral(".jet");

constexpr int lockWaitMilliseconds = 120000;

QString lockPath(const QString &path)
{
    const QFileInfo info(path);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".lock"));
}

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

// The tables a file of this kind must hold: those the programs read.
QStringList requiredTables(Schema::File kind)
{
    static const QRegularExpression create(QStringLiteral("^CREATE TABLE (\\w+)"));
    QStringList names;
    for (const QString &statement : Schema::statements(kind)) {
        const QRegularExpressionMatch match = create.match(statement);
        if (match.hasMatch())
            names.append(match.captured(1));
    }
    return names;
}

// The source as the procedure sees it: a file without user tables, or without one of
// the tables the programs read, is refused before anything is written.
class CheckedSource final : public TableSource {
public:
    CheckedSource(TableSource &source, Schema::File kind) : m_source(source), m_kind(kind) {}
    bool tables(QList<Table> *tables) override
    {
        if (!m_source.tables(tables)) {
            m_error = m_source.error();
            return false;
        }
        if (tables->isEmpty()) {
            m_error = QStringLiteral("it holds no table");
            return false;
        }
        QStringList missing;
        for (const QString &name : requiredTables(m_kind)) {
            const bool present = std::any_of(tables->cbegin(), tables->cend(), [&](const Table &table) {
                return table.name.compare(name, Qt::CaseInsensitive) == 0;
            });
            if (!present)
                missing.append(name);
        }
        if (!missing.isEmpty()) {
            m_error = QStringLiteral("it lacks the table%1 %2 that the programs read")
                          .arg(missing.size() > 1 ? QStringLiteral("s") : QString(),
                               missing.join(QStringLiteral(", ")));
            return false;
        }
        return true;
    }
    bool readRows(const Table &table, const RowSink &sink) override
    {
        const bool read = m_source.readRows(table, sink);
        if (!read)
            m_error = m_source.error();
        return read;
    }
    QString error() const override { return m_error; }

private:
    TableSource &m_source;
    Schema::File m_kind;
    QString m_error;
};

// Whether two paths name one file (a hard link) or files of equal bytes.
bool sameFile(const QString &a, const QString &b)
{
#ifdef Q_OS_UNIX
    struct stat first {
    }, second{};
    if (::stat(QFile::encodeName(a).constData(), &first) == 0
        && ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev
        && first.st_ino == second.st_ino)
        return true;
#endif
    QFile left(a), right(b);
    if (!left.open(QIODevice::ReadOnly) || !right.open(QIODevice::ReadOnly) || left.size() != right.size())
        return false;
    while (!left.atEnd()) {
        if (left.read(1 << 20) != right.read(1 << 20))
            return false;
    }
    return true;
}

// The backup is made as a second name of the original (a copy where the file system has
// no hard links), so that the original path never stands empty.
bool makeBackup(const QString &original, const QString &backup)
{
#ifdef Q_OS_UNIX
    if (::link(QFile::encodeName(original).constData(), QFile::encodeName(backup).constData()) == 0)
        return true;
#endif
    return QFile::copy(original, backup);
}

// The new file takes the original's name in one step (rename replaces atomically).
bool replace(const QString &converted, const QString &original)
{
    std::error_code failure;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(converted).toStdString()),
                            std::filesystem::path(QFile::encodeName(original).toStdString()), failure);
    return !failure;
}

// What a run killed half-way left beside the file, put right under the file's lock: its
// temporaries go; an original that only its backup still holds (as the earlier procedure,
// renaming twice, could leave it) is put back, and a backup that is the original itself
// goes, so that the file is converted again.
void repairLeftovers(const QString &path)
{
    const QFileInfo info(path);
    QDir dir = info.dir();
    const QString prefix = QLatin1Char('.') + info.fileName() + QLatin1Char('.');
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name.startsWith(prefix) && name.size() == prefix.size() + 6 && !name.endsWith(QLatin1String(".lock")))
            dir.remove(name);
    }
    const QString backup = path + backupSuffix;
    if (!QFileInfo::exists(path) && !info.isSymLink() && QFileInfo(backup).isFile() && JetFile::isJet(backup)) {
        makeBackup(backup, path);
        if (QFileInfo::exists(path))
            QFile::remove(backup);
    }
    if (JetFile::isJet(path) && QFileInfo(backup).isFile() && !QFileInfo(backup).isSymLink()
        && sameFile(path, backup))
        QFile::remove(backup);
}

} // namespace

QList<DatabaseFile> databaseFiles(const QString &root)
{
    QList<DatabaseFile> files;
    // A file a killed run of the earlier procedure left only as its backup counts too:
    // its conversion puts it back first.
    const auto add = [&](const QString &path, Schema::File kind) {
        const bool listed = std::any_of(files.cbegin(), files.cend(),
                                        [&](const DatabaseFile &file) { return file.path == path; });
        if (!listed && (QFileInfo(path).isFile() || QFileInfo(path + backupSuffix).isFile()))
            files.append({path, kind});
    };
    add(Paths::resolve(Paths::join(root, QStringLiteral("\\pack\\ludora.mdb"))), Schema::File::Master);
    add(Paths::resolve(Paths::join(root, QStringLiteral("\\pack\\plugins.mdb"))), Schema::File::Registry);
    const QDir database(Paths::resolve(Paths::join(root, QStringLiteral("\\database"))));
    if (database.exists()) {
        for (const QString &name : database.entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name))
            add(database.filePath(name), Schema::File::Console);
        for (const QString &name : database.entryList({QStringLiteral("*.mdb.jet")}, QDir::Files, QDir::Name)) {
            const QString path = database.filePath(name.chopped(backupSuffix.size()));
            if (!QFileInfo::exists(path))
                add(path, Schema::File::Console);
        }
    }
    return files;
}

QList<DatabaseFile> jetFiles(const QString &root)
{
    QList<DatabaseFile> files = databaseFiles(root);
    files.removeIf([](const DatabaseFile &file) {
        return !JetFile::isJet(QFileInfo::exists(file.path) ? file.path : file.path + backupSuffix);
    });
    return files;
}

FileResult convertFile(const DatabaseFile &file) { return convertFile(file, nullptr); }

FileResult convertFile(const DatabaseFile &file, TableSource &source) { return convertFile(file, &source); }

FileResult convertFile(const DatabaseFile &file, TableSource *given, Stop stopAt)
{
    QElapsedTimer clock;
    clock.start();
    FileResult result = failed(file, QString());
    // One run at a time on a file: another run waits here and then finds the file
    // converted. A run that holds the lock for minutes is stuck: the file is left to it.
    QLockFile lock(lockPath(file.path));
    lock.setStaleLockTime(0); // stale only when the run that made it is gone
    if (!lock.tryLock(lockWaitMilliseconds)) {
        // A directory no one may write to: nothing can be converted there, and an SQLite
        // file there is already converted.
        if (JetFile::format(file.path) == JetFile::Format::Sqlite)
            result.outcome = Outcome::AlreadyConverted;
        else if (lock.error() == QLockFile::LockFailedError)
            result.error = QStringLiteral("another run has been converting it for two minutes");
        else
            result.error = QStringLiteral(
                "no file can be made beside it: its lock against another run cannot be made");
        return result;
    }
    repairLeftovers(file.path);

    const JetFile::Format format = JetFile::format(file.path);
    if (format == JetFile::Format::Sqlite) {
        result.outcome = Outcome::AlreadyConverted;
        return result;
    }
    if (format != JetFile::Format::Jet) {
        result.error = notJet(format);
        return result;
    }
    if (QFileInfo::exists(file.path + backupSuffix) || QFileInfo(file.path + backupSuffix).isSymLink()) {
        result.outcome = Outcome::BackupInTheWay;
        return result;
    }
    std::unique_ptr<JetReader> reader;
    if (!given) {
        reader = std::make_unique<JetReader>(file.path);
        if (!reader->open())
            return failed(file, reader->error());
        given = reader.get();
    }
    CheckedSource source(*given, file.kind);

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
    if (stopAt == Stop::BeforeBackup) {
        removeConverted.dismiss();
        return result;
    }
    const QString backup = file.path + backupSuffix;
    if (!makeBackup(file.path, backup)) {
        result.error = QStringLiteral("it cannot be renamed to ") + QFileInfo(backup).fileName();
        return result;
    }
    if (stopAt == Stop::BeforeReplace) {
        removeConverted.dismiss();
        return result;
    }
    if (!replace(converted, file.path)) {
        QFile::remove(backup);
        result.error = QStringLiteral("the converted file cannot take its name");
        return result;
    }
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
