#include "convert/sqlitewriter.h"

#include "convert/schematraits.h"
#include "shared/gamedates.h"
#include "shared/sqlitehandles.h"

#include <QDateTime>
#include <QFile>

#include <sqlite3.h>

#include <algorithm>

namespace Convert {

namespace {

using SqliteHandles::Database;
using SqliteHandles::Statement;

using DateForm = QString (*)(const QDate &);

// The date columns the front-end itself writes, as text in its own forms.
struct ProgramDate {
    Schema::File file;
    QLatin1StringView table, column;
    DateForm form;
};
const ProgramDate programDates[] = {
    {Schema::File::Console, QLatin1StringView("giochi"), QLatin1StringView("DataAdd"), &GameDates::added},
    {Schema::File::Console, QLatin1StringView("giochi"), QLatin1StringView("Data"), &GameDates::lastPlay},
};

DateForm dateForm(Schema::File file, const QString &table, const QString &column)
{
    for (const ProgramDate &date : programDates) {
        if (date.file == file && table.compare(date.table, Qt::CaseInsensitive) == 0
            && column.compare(date.column, Qt::CaseInsensitive) == 0)
            return date.form;
    }
    return nullptr;
}

QString quoted(const QString &name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

QString declaredType(Kind kind)
{
    switch (kind) {
    case Kind::Integer:
    case Kind::Boolean: return QStringLiteral("INTEGER");
    case Kind::Real: return QStringLiteral("REAL");
    case Kind::Blob: return QStringLiteral("BLOB");
    case Kind::Text:
    case Kind::DateTime: break;
    }
    return QStringLiteral("TEXT");
}

QString columnDefinition(const Column &column, const ColumnTraits &traits)
{
    QString definition = quoted(column.name) + QLatin1Char(' ') + declaredType(column.kind);
    if (traits.integerKey && column.autoNumber && column.kind == Kind::Integer)
        definition += QStringLiteral(" PRIMARY KEY");
    if (traits.noCase)
        definition += QStringLiteral(" COLLATE NOCASE");
    if (!traits.defaultValue.isEmpty())
        definition += QStringLiteral(" DEFAULT ") + traits.defaultValue;
    return definition;
}

class Writer {
public:
    Writer(TableSource &source, Schema::File file, QString *error)
        : m_source(source), m_file(file), m_traits(file), m_error(error)
    {}

    bool run(const QString &path, WriteCounts *counts)
    {
        if (!m_traits.isValid())
            return fail(QStringLiteral("the schema cannot be read: ") + m_traits.error());
        sqlite3 *raw = nullptr;
        const int opened = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw,
                                           SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        m_db.reset(raw);
        if (opened != SQLITE_OK)
            return failSql(QStringLiteral("open ") + path);
        QList<Table> tables;
        if (!m_source.tables(&tables))
            return fail(m_source.error());
        if (!exec(QStringLiteral("PRAGMA journal_mode = MEMORY")) || !exec(QStringLiteral("BEGIN")))
            return false;
        for (const Table &table : tables) {
            if (!writeTable(table) || !appendAddedColumns(table))
                return false;
            ++counts->tables;
            counts->rows += m_rows.last();
        }
        if (!exec(QStringLiteral("PRAGMA user_version = %1").arg(Schema::Version))
            || !exec(QStringLiteral("COMMIT")))
            return false;
        return check(tables);
    }

private:
    bool fail(const QString &text)
    {
        if (m_error)
            *m_error = text;
        return false;
    }
    bool failSql(const QString &sql)
    {
        return fail(QString::fromUtf8(sqlite3_errmsg(m_db.get())) + QStringLiteral(" (") + sql + QLatin1Char(')'));
    }
    bool exec(const QString &sql)
    {
        return sqlite3_exec(m_db.get(), sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK
               || failSql(sql);
    }
    Statement prepare(const QString &sql)
    {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(m_db.get(), sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
            failSql(sql);
        return Statement(statement);
    }

    bool writeTable(const Table &table)
    {
        if (table.columns.isEmpty())
            return fail(QStringLiteral("table %1 has no columns").arg(table.name));
        QStringList definitions, placeholders;
        m_forms.clear();
        for (const Column &column : table.columns) {
            definitions.append(columnDefinition(column, m_traits.column(table.name, column.name)));
            placeholders.append(QStringLiteral("?"));
            m_forms.append(dateForm(m_file, table.name, column.name));
        }
        if (!exec(QStringLiteral("CREATE TABLE %1 (%2)")
                      .arg(quoted(table.name), definitions.join(QStringLiteral(", ")))))
            return false;
        const QString sql = QStringLiteral("INSERT INTO %1 VALUES (%2)")
                                .arg(quoted(table.name), placeholders.join(QLatin1Char(',')));
        const Statement insert = prepare(sql);
        if (!insert)
            return false;
        qint64 rows = 0;
        bool refused = false;
        const auto store = [&](const QVariantList &values) {
            for (int i = 0; i < values.size(); ++i)
                bind(insert.get(), i, values[i]);
            const bool stored = sqlite3_step(insert.get()) == SQLITE_DONE;
            refused = !stored && !failSql(sql);
            sqlite3_reset(insert.get());
            ++rows;
            return stored;
        };
        if (!m_source.readRows(table, store))
            return refused ? false : fail(m_source.error());
        m_rows.append(rows);
        // The schema's indexes speed up the programs' lookups; one that names a column the
        // earlier file lacks is left out, as the programs work without it.
        for (const QString &index : m_traits.indexes(table.name))
            sqlite3_exec(m_db.get(), index.toUtf8().constData(), nullptr, nullptr, nullptr);
        return true;
    }

    // The columns the programs added after the Jet files were made (giochi's PlayTime)
    // come after the table's own, as they do in a file brought up to date.
    bool appendAddedColumns(const Table &table)
    {
        for (const Schema::AddedColumn &added : Schema::addedColumns(m_file)) {
            const bool present = std::any_of(table.columns.begin(), table.columns.end(),
                                             [&](const Column &column) {
                                                 return column.name.compare(added.column, Qt::CaseInsensitive)
                                                        == 0;
                                             });
            if (table.name.compare(added.table, Qt::CaseInsensitive) == 0 && !present && !exec(added.statement()))
                return false;
        }
        return true;
    }

    void bind(sqlite3_stmt *statement, int i, const QVariant &value)
    {
        const int position = i + 1;
        switch (value.typeId()) {
        case QMetaType::UnknownType: sqlite3_bind_null(statement, position); break;
        case QMetaType::Bool: sqlite3_bind_int(statement, position, value.toBool() ? 1 : 0); break;
        case QMetaType::LongLong:
        case QMetaType::Int: sqlite3_bind_int64(statement, position, value.toLongLong()); break;
        case QMetaType::Double: sqlite3_bind_double(statement, position, value.toDouble()); break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            sqlite3_bind_blob64(statement, position, bytes.constData(), sqlite3_uint64(bytes.size()),
                                SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QDateTime: bindText(statement, position, dateText(i, value.toDateTime())); break;
        default: bindText(statement, position, value.toString());
        }
    }

    QString dateText(int column, const QDateTime &date) const
    {
        const DateForm form = m_forms.value(column);
        return form ? form(date.date()) : date.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    }

    static void bindText(sqlite3_stmt *statement, int position, const QString &text)
    {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text64(statement, position, utf8.constData(), sqlite3_uint64(utf8.size()), SQLITE_TRANSIENT,
                            SQLITE_UTF8);
    }

    // The written file read back: SQLite finds it whole, and every table holds the rows sent.
    bool check(const QList<Table> &tables)
    {
        const Statement integrity = prepare(QStringLiteral("PRAGMA integrity_check"));
        if (!integrity)
            return false;
        if (sqlite3_step(integrity.get()) != SQLITE_ROW
            || qstrcmp(reinterpret_cast<const char *>(sqlite3_column_text(integrity.get(), 0)), "ok") != 0)
            return fail(QStringLiteral("the converted file fails its integrity check"));
        for (int t = 0; t < tables.size(); ++t) {
            const Statement count = prepare(QStringLiteral("SELECT count(*) FROM %1").arg(quoted(tables[t].name)));
            if (!count || sqlite3_step(count.get()) != SQLITE_ROW)
                return count ? failSql(tables[t].name) : false;
            if (sqlite3_column_int64(count.get(), 0) != m_rows[t])
                return fail(QStringLiteral("table %1 holds %2 rows after conversion instead of %3")
                                .arg(tables[t].name)
                                .arg(sqlite3_column_int64(count.get(), 0))
                                .arg(m_rows[t]));
        }
        return true;
    }

    TableSource &m_source;
    Schema::File m_file;
    SchemaTraits m_traits;
    QString *m_error;
    Database m_db;
    QList<DateForm> m_forms;
    QList<qint64> m_rows;
};

} // namespace

bool writeSqlite(TableSource &source, const QString &path, Schema::File file, WriteCounts *counts, QString *error)
{
    WriteCounts ignored;
    return Writer(source, file, error).run(path, counts ? counts : &ignored);
}

} // namespace Convert
