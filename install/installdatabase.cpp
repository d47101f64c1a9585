#include "install/installdatabase.h"

#include "shared/transaction.h"

#include <QAtomicInteger>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString uniqueConnectionName()
{
    static QAtomicInteger<int> counter;
    return QStringLiteral("ludora-install-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString insertStatement(const QString &table, const QStringList &columns)
{
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks.append(QStringLiteral("?"));
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
}

} // namespace

InstallDatabase::InstallDatabase(const QString &path) : m_path(path), m_connection(uniqueConnectionName())
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(path);
}

InstallDatabase::~InstallDatabase()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

bool InstallDatabase::create(Schema::File kind, QString *error)
{
    if (!m_db.open()) {
        if (error)
            *error = m_path + QStringLiteral(": ") + m_db.lastError().text();
        return false;
    }
    // A brand-new file: not waiting for the disk at each commit makes a whole installation
    // (made afresh for nearly every test) several times faster.
    QSqlQuery(m_db).exec(QStringLiteral("PRAGMA synchronous = OFF"));
    return Schema::create(m_db, kind, error);
}

InstallDatabase::Rows InstallDatabase::rows(const QString &table, const QStringList &columns,
                                            const QList<QVariantList> &values)
{
    return {table, columns, int(values.size()), [values](int i) { return values.at(i); }};
}

bool InstallDatabase::insert(const QList<Rows> &tables, QString *error)
{
    Transaction transaction(m_db);
    if (!transaction.isActive())
        return fail(QStringLiteral("BEGIN IMMEDIATE"), transaction.error(), error);
    for (const Rows &rows : tables) {
        if (!insertRows(rows, error))
            return false;
    }
    if (!transaction.commit())
        return fail(QStringLiteral("COMMIT"), transaction.error(), error);
    return true;
}

bool InstallDatabase::insertRows(const Rows &rows, QString *error)
{
    const QString sql = insertStatement(rows.table, rows.columns);
    QSqlQuery query(m_db);
    if (!query.prepare(sql))
        return fail(sql, query.lastError().text(), error);
    for (int i = 0; i < rows.count; ++i) {
        const QVariantList values = rows.row(i);
        for (int c = 0; c < values.size(); ++c)
            query.bindValue(c, values.at(c));
        if (!query.exec())
            return fail(sql, query.lastError().text(), error);
    }
    return true;
}

bool InstallDatabase::fail(const QString &sql, const QString &cause, QString *error) const
{
    if (error)
        *error = m_path + QStringLiteral(": ") + cause + QStringLiteral(" (") + sql + QLatin1Char(')');
    return false;
}
