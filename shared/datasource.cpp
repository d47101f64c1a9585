#include "shared/datasource.h"

#include "shared/paths.h"
#include "shared/rowidindex.h"
#include "shared/sql.h"
#include "shared/sqlitestatement.h"
#include "shared/sqltail.h"
#include "shared/transaction.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>

#include <sqlite3.h>

#include <memory>
#include <utility>

DataSource::DataSource(const QString &name, QObject *parent) : QObject(parent), m_name(name)
{
    setObjectName(name);
}

DataSource::~DataSource() = default;

void DataSource::setDatabaseName(const QString &path)
{
    const QString native = Paths::native(path);
    if (native == m_databasePath)
        return;
    m_databasePath = native;
    m_db = QSqlDatabase();
    m_readPath.clear();
}

void DataSource::setRecordSource(const QString &source) { m_source = source; }

bool DataSource::fail(const QString &what, const QString &detail)
{
    m_lastError = m_databasePath + QStringLiteral(": ") + what
                  + (detail.isEmpty() ? QString() : QStringLiteral(": ") + detail);
    return false;
}

// Asked of the registry each time: a file replaced on disk since is opened again.
bool DataSource::ensureConnection()
{
    QString error;
    m_db = connection(m_databasePath, &error);
    if (!m_db.isValid()) {
        m_lastError = error;
        return false;
    }
    return true;
}

bool DataSource::parseSource()
{
    static const QRegularExpression selectAll(QStringLiteral(
                                                  "^\\s*select\\s+\\*\\s+from\\s+(\\[[^\\]]+\\]|\\w+)(.*)$"),
                                              QRegularExpression::CaseInsensitiveOption
                                                  | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = selectAll.match(m_source);
    if (match.hasMatch()) {
        m_table = match.captured(1);
        m_tail = match.captured(2);
    } else if (!m_source.trimmed().contains(QLatin1Char(' '))) {
        m_table = m_source.trimmed();
        m_tail.clear();
    } else {
        return fail(QStringLiteral("unsupported record source"), m_source);
    }
    if (m_table.startsWith(QLatin1Char('[')))
        m_table = m_table.mid(1, m_table.size() - 2);
    return true;
}

DataSource::ContentStamp DataSource::contentStamp()
{
    return ensureConnection() ? contentStamp(m_db) : ContentStamp();
}

bool DataSource::fileChangedSinceRead()
{
    if (m_readPath != m_databasePath || m_readSource != m_source)
        return true;
    const ContentStamp now = contentStamp(m_db);
    return !now.isValid() || now != m_readStamp;
}

namespace {

// The row ids of the record source this thread read last: another data source opening the
// same source on the same file in the same state (the record beside the list) takes them
// instead of running the query again.
struct LastRead {
    QString path;
    QString source;
    DataSource::ContentStamp stamp;
    std::vector<qint64> ids;
};

LastRead &lastRead()
{
    thread_local LastRead last;
    return last;
}

// Every row in the order of the last filtered read, for the next one in the same order
// (another condition on the same list).
LastRead &lastOrder()
{
    thread_local LastRead last;
    return last;
}

} // namespace

bool DataSource::readRowIds()
{
    // Taken before reading: a commit during the read makes the next open read again.
    const ContentStamp stamp = contentStamp(m_db);
    LastRead &last = lastRead();
    if (stamp.isValid() && stamp == last.stamp && m_databasePath == last.path && m_source == last.source) {
        m_rowIds = last.ids;
        m_positionsReady = false;
        m_readPath = m_databasePath;
        m_readSource = m_source;
        m_readStamp = stamp;
        return true;
    }
    std::vector<qint64> ids;
    ids.reserve(m_rowIds.size()); // as many as last time, most often
    QString error;
    QString condition;
    QString order;
    const QString table = Sql::quotedName(m_table);
    sqlite3 *handle = SqliteStatement::handle(m_db);
    bool read = false;
    if (SqlTail::splitWhereOrderBy(m_tail, &condition, &order)) {
        read = readFilteredRowIds(table, condition, order, &ids, &error);
    } else {
        const QString sql = QStringLiteral("SELECT rowid FROM ") + table + m_tail;
        read = SqliteStatement::readIds(handle, sql, &ids, &error);
        if (!read)
            error += QStringLiteral(": ") + sql;
    }
    if (!read)
        return fail(error, QString());
    m_rowIds.swap(ids);
    last = {m_databasePath, m_source, stamp, m_rowIds};
    m_positionsReady = false;
    m_readPath = m_databasePath;
    m_readSource = m_source;
    m_readStamp = stamp;
    return true;
}

// "WHERE <condition> ORDER BY <terms>" in two reads: the matching rows in table order (a
// scan of the table, where walking the order's index would look up every row) and all
// rows in the order (from the index alone), kept where they match. Rows that sort alike
// stay in row-id order, as they come from the index.
bool DataSource::readFilteredRowIds(const QString &table, const QString &condition, const QString &order,
                                    std::vector<qint64> *ids, QString *error)
{
    sqlite3 *handle = SqliteStatement::handle(m_db);
    const QString matchingSql = QStringLiteral("SELECT rowid FROM ") + table + QStringLiteral(" WHERE ")
                                + condition;
    std::vector<qint64> matching;
    if (!SqliteStatement::readIds(handle, matchingSql, &matching, error)) {
        *error += QStringLiteral(": ") + matchingSql;
        return false;
    }
    const QString orderSql = QStringLiteral("SELECT rowid FROM ") + table + QStringLiteral(" ORDER BY ") + order
                             + QStringLiteral(", rowid");
    const ContentStamp stamp = contentStamp(m_db);
    LastRead &last = lastOrder();
    if (!stamp.isValid() || stamp != last.stamp || m_databasePath != last.path || orderSql != last.source) {
        last = {};
        std::vector<qint64> ordered;
        if (!SqliteStatement::readIds(handle, orderSql, &ordered, error)) {
            *error += QStringLiteral(": ") + orderSql;
            return false;
        }
        last = {m_databasePath, orderSql, stamp, std::move(ordered)};
    }
    const std::vector<qint64> &ordered = last.ids;
    const RowIdIndex matches(matching);
    ids->reserve(matching.size());
    for (const qint64 id : ordered) {
        if (matches.contains(id))
            ids->push_back(id);
    }
    return true;
}

bool DataSource::open()
{
    m_lastError.clear();
    m_mode = EditMode::None;
    m_pendingFields.clear();
    m_noMatch = false;
    if (!ensureConnection() || !parseSource()) {
        m_rowIds.clear();
        m_positionsReady = false;
        m_current = -1;
        m_record = QSqlRecord();
        m_readPath.clear();
        pushToControls();
        return false;
    }
    if (fileChangedSinceRead() && !readRowIds()) {
        m_rowIds.clear();
        m_positionsReady = false;
        m_readPath.clear();
        m_current = -1;
        m_record = QSqlRecord();
        pushToControls();
        return false;
    }
    m_current = m_rowIds.empty() ? -1 : 0;
    const bool loaded = loadCurrentRecord();
    pushToControls();
    return loaded;
}

bool DataSource::atEnd() const { return m_current < 0 || m_current >= int(m_rowIds.size()); }

void DataSource::moveFirst() { moveTo(0); }

void DataSource::moveNext() { moveTo(m_current + 1); }

bool DataSource::moveTo(int index)
{
    m_mode = EditMode::None;
    m_pendingFields.clear();
    m_current = index >= 0 && index < int(m_rowIds.size()) ? index : int(m_rowIds.size());
    const bool loaded = loadCurrentRecord();
    pushToControls();
    return loaded && !atEnd();
}

// The table's columns, remembered once read: reading them again may fail while another
// program holds the file locked.
QSqlRecord DataSource::tableColumns()
{
    if (m_columns.isEmpty() || m_columnsTable != m_table || m_columnsPath != m_databasePath) {
        const QSqlRecord columns = m_db.record(m_table);
        if (columns.isEmpty())
            return columns;
        m_columns = columns;
        m_columnsTable = m_table;
        m_columnsPath = m_databasePath;
    }
    return m_columns;
}

bool DataSource::loadCurrentRecord()
{
    if (!m_db.isValid())
        return false;
    if (atEnd()) {
        m_record = tableColumns();
        m_record.clearValues();
        return true;
    }
    const QString sql = QStringLiteral("SELECT * FROM ") + Sql::quotedName(m_table)
                        + QStringLiteral(" WHERE rowid = ") + QString::number(m_rowIds[size_t(m_current)]);
    SqliteStatement query(SqliteStatement::handle(m_db), sql);
    const bool found = query.next();
    if (!query.error().isEmpty())
        return fail(query.error(), sql);
    m_record = tableColumns();
    if (m_record.count() != query.columnCount()) {
        // The table's columns changed since they were read: take them from the row.
        m_record.clear();
        for (int column = 0; column < query.columnCount(); ++column)
            m_record.append(QSqlField(query.columnName(column)));
    }
    if (!found) {
        // The row went away behind our back: show it as empty.
        m_record.clearValues();
        return true;
    }
    for (int column = 0; column < m_record.count(); ++column)
        m_record.setValue(column, query.value(column));
    return true;
}

int DataSource::columnCount() const { return m_record.count(); }

QString DataSource::columnName(int position) const { return m_record.fieldName(position); }

QVariant DataSource::value(int position) const
{
    for (const auto &[field, value] : m_pendingFields) {
        if (field == position)
            return value;
    }
    if (m_mode == EditMode::AddNew) {
        const QString column = m_record.fieldName(position);
        for (const Binding &binding : m_bindings) {
            if (binding.control->exists() && binding.column.compare(column, Qt::CaseInsensitive) == 0)
                return binding.control->value();
        }
        return {};
    }
    if (atEnd() || position < 0 || position >= m_record.count())
        return {};
    return m_record.value(position);
}

QVariant DataSource::value(const QString &column) const
{
    const int position = m_record.indexOf(column);
    return position < 0 ? QVariant() : value(position);
}

bool DataSource::findFirst(const QString &criterion)
{
    m_lastError.clear();
    m_noMatch = true;
    if (!m_db.isValid() || m_table.isEmpty())
        return fail(QStringLiteral("no open record set"), criterion);
    const QString sql = QStringLiteral("SELECT rowid FROM ") + Sql::quotedName(m_table) + QStringLiteral(" WHERE ")
                        + criterion;
    std::vector<qint64> matching;
    QString error;
    if (!SqliteStatement::readIds(SqliteStatement::handle(m_db), sql, &matching, &error))
        return fail(error, sql);
    int first = -1;
    for (const qint64 id : matching) {
        const int position = positionOfRowId(id);
        if (position >= 0 && (first < 0 || position < first))
            first = position;
    }
    if (first < 0)
        return false;
    m_noMatch = false;
    moveTo(first);
    return true;
}

bool DataSource::scan(const QStringList &columns, const std::function<void(const SqliteStatement &row)> &row)
{
    m_lastError.clear();
    if (!ensureConnection() || !parseSource())
        return false;
    QStringList quoted;
    for (const QString &column : columns)
        quoted.append(Sql::quotedName(column));
    const QString sql = QStringLiteral("SELECT ") + quoted.join(QStringLiteral(", ")) + QStringLiteral(" FROM ")
                        + Sql::quotedName(m_table) + m_tail;
    SqliteStatement query(SqliteStatement::handle(m_db), sql);
    while (query.next())
        row(query);
    if (!query.error().isEmpty())
        return fail(query.error(), sql);
    return true;
}
