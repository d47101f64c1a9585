// The connection registry of DataSource: one connection per database file and thread,
// each with the content stamp that tells whether anything was committed since a read.
//
// Every cache of the data layer, and what invalidates it:
// - connections (here), by file and thread: kept until closeAllConnections(); a closed one,
//   or one whose file was replaced on disk (another device and inode), is opened again on
//   next use.
// - each connection's opening number and commit count (here, counted by SQLite's commit
//   hook), with PRAGMA data_version for the commits of other connections: together the
//   ContentStamp. A new opening or any commit by anyone changes it.
// - DataSource's rows (m_rowIds): kept by open() while the file, the record source and
//   the ContentStamp are those of the last read; setDatabaseName() to another file and
//   any failed read drop them. The last rows read on a thread are kept beside, for
//   another DataSource that opens the same source on the same file at the same stamp,
//   and so are all rows in the order of the last "WHERE ... ORDER BY" read, for the next
//   such read in that order at that stamp.
// - DataSource's row positions (m_positions, for findFirst): rebuilt on first use after
//   the rows were read again.
// - DataSource's table columns (m_columns): read once per file and table; a column added
//   while a program runs is not seen until another table or file is opened.
// - Transaction's nesting depth per connection (transaction.cpp): back to 0 when the
//   outer transaction ends.
// - Paths' directory listings (paths.cpp), for matching names without regard to case: a
//   directory whose modification time changed is listed again; Paths::clearCache() drops
//   them all (each start procedure does).
// - GameList's rows (frontend/gamelistmodel.h): a fill on a file whose ContentStamp is
//   unchanged reuses the rows already read.
// - The details view's values (frontend/games/gamedetails.h): the columns a sort read and
//   the rows shown, until the ContentStamp changes; the names' last ranking, updated
//   where names came, changed or went.
// - "Rom file missing"'s listing of the games folder (frontend/games/missingroms.cpp):
//   listed again when the folder's modification time changed or was too recent to trust.
#include "shared/datasource.h"

#include "shared/databasepath.h"
#include "shared/lockwait.h"
#include "shared/paths.h"
#include "shared/sqlitestatement.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <sqlite3.h>
#include <sys/stat.h>

#include <memory>
#include <unordered_map>

namespace {

const QString connectionPrefix = QStringLiteral("ludora:");

struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const FileIdentity &) const = default;
};

// What this program knows of each of its connections, by name: when it was opened (a
// number never given twice) and how many commits went through it, counted by SQLite's
// commit hook. PRAGMA data_version only counts the commits of other connections.
struct ConnectionState {
    sqlite3 *handle = nullptr;
    quint64 opened = 0;
    quint64 commits = 0;
    FileIdentity identity; // of the file when it was opened
    std::unique_ptr<LockWait::Waiter> waiter;
};

std::unordered_map<QString, std::unique_ptr<ConnectionState>> &connectionStates()
{
    static thread_local std::unordered_map<QString, std::unique_ptr<ConnectionState>> states;
    return states;
}

// Which file a path names: another file put in its place (a copy renamed over it) has
// another identity, though it has the same name.
FileIdentity identityOf(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return {quint64(status.st_dev), quint64(status.st_ino)};
}

int waitForLock(void *state, int attempt)
{
    return static_cast<ConnectionState *>(state)->waiter->waitMore(attempt) ? 1 : 0;
}

// Taken on before the first read, so that every wait for a lock follows LockWait's rules.
void startConnectionState(const QSqlDatabase &db, const QString &path)
{
    auto &state = connectionStates()[db.connectionName()];
    state = std::make_unique<ConnectionState>();
    state->handle = SqliteStatement::handle(db);
    state->identity = identityOf(path);
    state->waiter = std::make_unique<LockWait::Waiter>(path);
    sqlite3_busy_handler(state->handle, &waitForLock, state.get());
}

// An open connection whose file was replaced on disk (or removed) since it was opened,
// with no transaction of its own under way: it reads and writes the old file.
bool fileReplaced(const QSqlDatabase &db, const QString &path)
{
    const auto found = connectionStates().find(db.connectionName());
    if (found == connectionStates().end())
        return false;
    const ConnectionState &state = *found->second;
    return state.handle && sqlite3_get_autocommit(state.handle) != 0 && identityOf(path) != state.identity;
}

int countCommit(void *state)
{
    ++static_cast<ConnectionState *>(state)->commits;
    return 0; // the commit goes ahead
}

// Settings of a connection just opened: memory-mapped reads (the game list reads tables
// of up to 100,000 rows in index order, and a small page cache makes every row a system
// call) and the count of its commits.
void setUpConnection(const QSqlDatabase &db)
{
    QSqlQuery(db).exec(QStringLiteral("PRAGMA mmap_size = 268435456"));
    static thread_local quint64 openings = 0;
    auto &state = connectionStates()[db.connectionName()];
    state->opened = ++openings;
    sqlite3_commit_hook(state->handle, &countCommit, state.get());
}

} // namespace

QSqlDatabase DataSource::connection(const QString &path, QString *error)
{
    const QString resolved = Paths::resolve(path);
    const QString name = connectionPrefix + QString::number(quintptr(QThread::currentThreadId()))
                         + QLatin1Char(':') + resolved;
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen() && fileReplaced(db, resolved)) {
            db.close(); // opened again below, on the file now there
            connectionStates().erase(name);
        }
        if (db.isOpen())
            return db;
        if (QFileInfo(resolved).isFile() && db.open()) {
            startConnectionState(db, resolved);
            setUpConnection(db);
            return db;
        }
    }
    if (!QFileInfo(resolved).isFile()) {
        if (error)
            *error = QStringLiteral("File ") + resolved + QStringLiteral(" Not Found");
        return {};
    }
    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                   : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(resolved);
    if (!db.open()) {
        const QString tooLong = DatabasePath::tooLong(resolved);
        if (error)
            *error = tooLong.isEmpty() ? resolved + QStringLiteral(": ") + db.lastError().text() : tooLong;
        return {};
    }
    startConnectionState(db, resolved);
    // A file that is not a database opens without complaint; the first read tells.
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA schema_version"))) {
        if (error)
            *error = resolved + QStringLiteral(": ") + check.lastError().text();
        check.finish();
        db.close();
        connectionStates().erase(name);
        return {};
    }
    check.finish();
    setUpConnection(db);
    return db;
}

void DataSource::closeAllConnections()
{
    const QStringList names = QSqlDatabase::connectionNames();
    for (const QString &name : names) {
        if (!name.startsWith(connectionPrefix))
            continue;
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
        connectionStates().erase(name);
    }
}

DataSource::ContentStamp DataSource::contentStamp(const QSqlDatabase &db)
{
    const auto found = connectionStates().find(db.connectionName());
    if (!db.isOpen() || found == connectionStates().end() || found->second->handle != SqliteStatement::handle(db))
        return {};
    SqliteStatement version(found->second->handle, QStringLiteral("PRAGMA data_version"));
    if (!version.next())
        return {};
    return {found->second->opened, version.integer(0), found->second->commits};
}
