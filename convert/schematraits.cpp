#include "convert/schematraits.h"

#include "shared/sqlitehandles.h"

#include <sqlite3.h>

namespace Convert {

namespace {

using SqliteHandles::Statement;

QString key(const QString &table, const QString &column) { return (table + QLatin1Char('.') + column).toLower(); }

QString text(sqlite3_stmt *statement, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)));
}

Statement prepare(sqlite3 *db, const QString &sql)
{
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr);
    return Statement(statement);
}

} // namespace

// The schema's statements are run in a database in memory, and SQLite itself says what
// each column declares: nothing here parses SQL.
SchemaTraits::SchemaTraits(Schema::File file)
{
    sqlite3 *raw = nullptr;
    sqlite3_open(":memory:", &raw);
    const SqliteHandles::Database db(raw);
    for (const QString &sql : Schema::statements(file)) {
        if (sqlite3_exec(db.get(), sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            m_error = QString::fromUtf8(sqlite3_errmsg(db.get())) + QStringLiteral(" (") + sql + QLatin1Char(')');
            return;
        }
    }
    const Statement objects = prepare(db.get(),
                                      QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master"));
    while (objects && sqlite3_step(objects.get()) == SQLITE_ROW) {
        const QString table = text(objects.get(), 2);
        if (text(objects.get(), 0) == QLatin1String("index")) {
            if (const QString sql = text(objects.get(), 3); !sql.isEmpty()) // automatic indexes have none
                m_indexes[table.toLower()].append(sql);
            continue;
        }
        const Statement info = prepare(db.get(), QStringLiteral("PRAGMA table_info(\"%1\")").arg(table));
        while (info && sqlite3_step(info.get()) == SQLITE_ROW) {
            const QString column = text(info.get(), 1);
            const QByteArray tableName = table.toUtf8(), columnName = column.toUtf8();
            const char *type = nullptr, *collation = nullptr;
            int notNull = 0, primaryKey = 0, autoIncrement = 0;
            sqlite3_table_column_metadata(db.get(), "main", tableName.constData(), columnName.constData(), &type,
                                          &collation, &notNull, &primaryKey, &autoIncrement);
            ColumnTraits traits;
            traits.noCase = collation && qstricmp(collation, "NOCASE") == 0;
            traits.defaultValue = text(info.get(), 4);
            traits.integerKey = primaryKey && type && qstricmp(type, "INTEGER") == 0;
            m_columns.insert(key(table, column), traits);
        }
    }
}

ColumnTraits SchemaTraits::column(const QString &table, const QString &column) const
{
    return m_columns.value(key(table, column));
}

QStringList SchemaTraits::indexes(const QString &table) const { return m_indexes.value(table.toLower()); }

} // namespace Convert
