#include "shared/sqlitestatement.h"

#include <QSqlDriver>

#include <sqlite3.h>

sqlite3 *SqliteStatement::handle(const QSqlDatabase &db)
{
    if (!db.isValid() || !db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

SqliteStatement::SqliteStatement(sqlite3 *db, const QString &sql) : m_db(db)
{
    if (!db) {
        m_error = QStringLiteral("no SQLite connection");
        return;
    }
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &m_statement, nullptr) != SQLITE_OK)
        noteError();
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(m_statement); }

void SqliteStatement::noteError() { m_error = QString::fromUtf8(sqlite3_errmsg(m_db)); }

bool SqliteStatement::next()
{
    if (!m_statement)
        return false;
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        noteError();
    sqlite3_reset(m_statement);
    return false;
}

bool SqliteStatement::bind(int parameter, const QString &text)
{
    const int result = text.isNull() ? sqlite3_bind_null(m_statement, parameter)
                                     : sqlite3_bind_text16(m_statement, parameter, text.utf16(),
                                                           int(text.size() * 2), SQLITE_TRANSIENT);
    if (result != SQLITE_OK)
        noteError();
    return result == SQLITE_OK;
}

bool SqliteStatement::execute()
{
    if (!m_statement)
        return false;
    const int result = sqlite3_step(m_statement);
    if (result != SQLITE_DONE && result != SQLITE_ROW)
        noteError();
    sqlite3_reset(m_statement);
    return result == SQLITE_DONE || result == SQLITE_ROW;
}

int SqliteStatement::columnCount() const { return sqlite3_column_count(m_statement); }

QString SqliteStatement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

qint64 SqliteStatement::integer(int column) const { return sqlite3_column_int64(m_statement, column); }

bool SqliteStatement::isNull(int column) const { return sqlite3_column_type(m_statement, column) == SQLITE_NULL; }

std::optional<qint64> SqliteStatement::storedInteger(int column) const
{
    if (sqlite3_column_type(m_statement, column) != SQLITE_INTEGER)
        return std::nullopt;
    return sqlite3_column_int64(m_statement, column);
}

QByteArrayView SqliteStatement::bytes(int column) const
{
    const int type = sqlite3_column_type(m_statement, column);
    if (type == SQLITE_BLOB)
        return {static_cast<const char *>(sqlite3_column_blob(m_statement, column)),
                qsizetype(sqlite3_column_bytes(m_statement, column))};
    if (type != SQLITE_TEXT)
        return {};
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return {text, qsizetype(sqlite3_column_bytes(m_statement, column))};
}

QString SqliteStatement::text(int column) const
{
    if (sqlite3_column_type(m_statement, column) == SQLITE_TEXT)
        return QString::fromUtf8(bytes(column));
    return value(column).toString();
}

// As Qt's SQLite driver converts a value (with its default numerical precision). Texts
// are stored as UTF-8 and read as such, in one step.
QVariant SqliteStatement::value(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER: return QVariant(qint64(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_NULL: return QVariant(QMetaType::fromType<QString>());
    case SQLITE_BLOB: return bytes(column).toByteArray();
    default: return QString::fromUtf8(bytes(column));
    }
}

bool SqliteStatement::readIds(sqlite3 *db, const QString &sql, std::vector<qint64> *ids, QString *error)
{
    SqliteStatement statement(db, sql);
    ids->clear();
    while (statement.next())
        ids->push_back(statement.integer(0));
    *error = statement.error();
    return error->isEmpty();
}
