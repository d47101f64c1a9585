#pragma once

#include <QByteArrayView>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// Reads through the SQLite C API on the handle of a QSQLITE connection: the same
// connection (its locks, busy timeout and transactions) without the cost of a QVariant
// per value. Values asked for as QVariant are what Qt's driver would give.
class SqliteStatement {
public:
    // The SQLite handle behind an open QSQLITE connection, or nullptr.
    static sqlite3 *handle(const QSqlDatabase &db);

    SqliteStatement(sqlite3 *db, const QString &sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    // Steps to the next row: false at the end or on an error (error() then tells).
    bool next();
    // Empty unless preparing or stepping failed.
    QString error() const { return m_error; }

    int columnCount() const;
    QString columnName(int column) const;
    qint64 integer(int column) const;
    bool isNull(int column) const;
    // The value when SQLite stores it as an integer; nothing for any other value.
    std::optional<qint64> storedInteger(int column) const;
    // What value(column).toString() gives, without the QVariant.
    QString text(int column) const;
    // The bytes of a text (UTF-8) or blob value; empty for other values.
    QByteArrayView bytes(int column) const;
    // The value as Qt's driver gives it (texts read as UTF-8).
    QVariant value(int column) const;

    // Binds a text to a parameter (numbered from 1) for the next execute(); a null text
    // binds NULL. A binding stays until it is changed.
    bool bind(int parameter, const QString &text);
    // Runs a statement that returns no rows, ready to run again; false with error() set
    // when it fails.
    bool execute();

    // Every value of the first column, as whole numbers (row ids).
    static bool readIds(sqlite3 *db, const QString &sql, std::vector<qint64> *ids, QString *error);

private:
    void noteError();

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statement = nullptr;
    QString m_error;
};
