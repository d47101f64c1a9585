#include "gamelist/importstore.h"

#include "gamelist/newgame.h"
#include "shared/paths.h"
#include "shared/schema.h"
#include "shared/sqlitestatement.h"
#include "shared/transaction.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>

#include <map>
#include <memory>

namespace ImportStore {

namespace {

using namespace GamelistImport;

constexpr qsizetype ProgressStep = 256;
const QString listsSchema = QStringLiteral("lists");

// A connection of the import's own, so that attaching the master database touches no
// connection the programs read through; closed and forgotten when the store ends.
class Connection {
public:
    explicit Connection(const Request &request)
        : m_name(QStringLiteral("ludora-gamelist:") + QString::number(quintptr(this)))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(Paths::resolve(request.folders.database));
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        if (!db.open()) {
            m_error = db.lastError().text();
            return;
        }
        QSqlQuery attach(db);
        attach.prepare(QStringLiteral("ATTACH DATABASE ? AS ") + listsSchema);
        attach.addBindValue(Paths::resolve(request.folders.masterDatabase));
        if (!attach.exec())
            m_error = QDir::toNativeSeparators(request.folders.masterDatabase) + QStringLiteral(": ")
                      + attach.lastError().text();
    }
    ~Connection()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }
    QString error() const { return m_error; }

private:
    QString m_name;
    QString m_error;
};

// Statements kept for their text: every update of the same columns reuses one.
class Statements {
public:
    explicit Statements(sqlite3 *db) : m_db(db) {}
    SqliteStatement &get(const QString &sql)
    {
        std::unique_ptr<SqliteStatement> &statement = m_statements[sql];
        if (!statement)
            statement = std::make_unique<SqliteStatement>(m_db, sql);
        return *statement;
    }

private:
    sqlite3 *m_db;
    std::map<QString, std::unique_ptr<SqliteStatement>> m_statements;
};

QString valueOf(const Item &item, Catalogue::Column column, const QString &otherwise)
{
    for (const FieldMerge::Change &change : item.changes) {
        if (change.column == column)
            return change.after;
    }
    return otherwise;
}

bool addGame(Statements &statements, const Item &item, const NewGame::Defaults &defaults, QString *error)
{
    SqliteStatement &insert = statements.get(QStringLiteral(
        "INSERT INTO giochi (Gioco, Link, DataAdd, EmuName, Playable, Colour, Sound, Favorites, "
        "Times, Rating, Notes, Anno, Producer, Genre, Data, Language, Screen, PlayTime) VALUES (?1, ?2, "
        "?3, ?4, 0, 0, 0, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15)"));
    using namespace Catalogue;
    const QString values[] = {
        valueOf(item, Gioco, NewGame::nameOf(item.rom)),
        item.rom,
        defaults.added,
        defaults.emulator.isEmpty() ? QString() : defaults.emulator,
        valueOf(item, Favorites, QStringLiteral("0")),
        valueOf(item, Times, QStringLiteral("0")),
        valueOf(item, Rating, QStringLiteral("0")),
        valueOf(item, Notes, {}),
        valueOf(item, Anno, {}),
        valueOf(item, Producer, {}),
        valueOf(item, Genre, {}),
        valueOf(item, Data, {}),
        valueOf(item, Language, {}),
        valueOf(item, Screen, {}),
        valueOf(item, PlayTime, QStringLiteral("0")),
    };
    for (int i = 0; i < int(std::size(values)); ++i) {
        if (!insert.bind(i + 1, values[i]))
            break;
    }
    if (insert.execute())
        return true;
    *error = item.rom + QStringLiteral(": ") + insert.error();
    return false;
}

bool updateGame(Statements &statements, const Item &item, QString *error)
{
    if (item.changes.isEmpty())
        return true;
    QStringList assignments;
    for (qsizetype i = 0; i < item.changes.size(); ++i)
        assignments.append(Catalogue::columnName(item.changes[i].column) + QStringLiteral(" = ?")
                           + QString::number(i + 1));
    const int rowParameter = int(item.changes.size()) + 1;
    SqliteStatement &update = statements.get(
        QStringLiteral("UPDATE giochi SET ") + assignments.join(QStringLiteral(", "))
        + QStringLiteral(" WHERE rowid = CAST(?%1 AS INTEGER)").arg(rowParameter));
    bool bound = true;
    for (qsizetype i = 0; i < item.changes.size() && bound; ++i)
        bound = update.bind(int(i + 1), item.changes[i].after);
    if (bound && update.bind(rowParameter, QString::number(*item.row)) && update.execute())
        return true;
    *error = item.rom + QStringLiteral(": ") + update.error();
    return false;
}

bool addToList(Statements &statements, const Catalogue::List &list, const QStringList &texts, QString *error)
{
    SqliteStatement &insert = statements.get(QStringLiteral("INSERT INTO ") + listsSchema + QLatin1Char('.')
                                             + list.table + QStringLiteral(" (\"") + list.column
                                             + QStringLiteral("\") VALUES (?1)"));
    for (const QString &text : texts) {
        if (!insert.bind(1, text) || !insert.execute()) {
            *error = list.table + QStringLiteral(": ") + insert.error();
            return false;
        }
    }
    return true;
}

bool placePictures(Prepared &prepared, const Item &item, Counts *done, QString *error)
{
    for (const QString &staged : item.staged) {
        QString name;
        if (!prepared.pictures.place(staged, item.base, &name, error))
            return false;
        ++done->pictures;
    }
    return true;
}

Status storeItems(Prepared &prepared, sqlite3 *db, const Catalogue::Lists &lists, Counts *done, QString *error,
                  const Progress &progress)
{
    NewGame::Defaults defaults;
    if (!NewGame::defaults(db, prepared.request.today, &defaults, error))
        return Status::Failed;
    Statements statements(db);
    for (qsizetype i = 0; i < prepared.items.size(); ++i) {
        const Item &item = prepared.items[i];
        const bool stored = item.action == Action::Add      ? addGame(statements, item, defaults, error)
                            : item.action == Action::Update ? updateGame(statements, item, error)
                                                            : true;
        if (!stored || !placePictures(prepared, item, done, error))
            return Status::Failed;
        const bool report = !item.staged.isEmpty() || (i + 1) % ProgressStep == 0;
        if (report && progress && !progress(i + 1, prepared.items.size()))
            return Status::Cancelled;
    }
    if (!addToList(statements, lists.genres, prepared.counts.newGenres, error)
        || !addToList(statements, lists.producers, prepared.counts.newProducers, error))
        return Status::Failed;
    return Status::Done;
}

} // namespace

Status store(Prepared &prepared, Counts *done, QString *error, const Progress &progress)
{
    Connection connection(prepared.request);
    if (!connection.error().isEmpty()) {
        *error = connection.error();
        return Status::Failed;
    }
    QSqlDatabase db = connection.database();
    sqlite3 *handle = SqliteStatement::handle(db);
    Status status = Status::Failed;
    {
        Transaction transaction(db);
        if (!transaction.isActive()) {
            *error = transaction.error();
            return Status::Failed;
        }
        // A file of an earlier release gets PlayTime before anything is written to it.
        if (!Schema::addMissingColumns(db, Schema::File::Console, error))
            return Status::Failed;
        // Decided again under the write lock: what another program stored since is seen.
        Catalogue::Games games;
        Catalogue::Lists lists;
        if (!Catalogue::readGames(handle, &games, error)
            || !Catalogue::readLists(handle, listsSchema, &lists, error))
            return Status::Failed;
        decide(prepared, games, lists);
        *done = prepared.counts;
        done->pictures = 0;
        status = storeItems(prepared, handle, lists, done, error, progress);
        if (status == Status::Done && !transaction.commit()) {
            *error = transaction.error();
            status = Status::Failed;
        }
    }
    if (status != Status::Done)
        prepared.pictures.undoPlaced();
    return status;
}

} // namespace ImportStore
