// The connection registry of DataSource: one connection per database file and thread,
// each with the content stamp that tells whether anything was committed since a read.
//
// Every cache of the data layer, and what invalidates it:
// - connections (here), by file and thread: kept until closeAllConnections(); a closed one
//   is opened again on next use.
// - each connection's opening number and commit count (here, counted by SQLite's commit
//   hook), with PRAGMA data_version for the commits of other connections: together the
//   ContentStamp. A new opening or any commit by anyone changes it.
// - DataSource's rows (m_rowIds): kept by open() while the file, the record source and
//   the ContentStamp are those of the last read; setDatabaseName() to another file and
//   any failed read drop them.
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
#include "shared/datasource.h"

#include "shared/paths.h"
#include "shared/sqlitestatement.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <sqlite3.h>

#include <memory>
#include <unordered_map>

namespace {

const QString connectionPrefix = QStringLiteral("ludora:");

// What this program knows of each of its connections, by name: when it was opened (a
// number never given twice) and how many commits went through it, counted by SQLite's
// commit hook. PRAGMA data_version only counts the commits of other connections.
struct ConnectionState {
    sqlite3 *handle = nullptr;
    quint64 opened = 0;
    quint64 commits = 0;
};

std::unordered_map<QString, std::unique_ptr<ConnectionState>> &connectionStates()
{
    static thread_local std::unordered_map<QString, std::unique_ptr<ConnectionState>> states;
    return states;
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
    state = std::make_unique<ConnectionState>();
    state->handle = SqliteStatement::handle(db);
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
        if (db.isOpen())
            return db;
        if (db.open()) {
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
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!db.open()) {
        if (error)
            *error = resolved + QStringLiteral(": ") + db.lastError().text();
        return {};
    }
    // A file that is not a database opens without complaint; the first read tells.
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA schema_version"))) {
        if (error)
            *error = resolved + QStringLiteral(": ") + check.lastError().text();
        check.finish();
        db.close();
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
