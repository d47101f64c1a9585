#pragma once

#include "shared/schema.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>

// One database file of a new installation, on a connection of its own that is removed
// when the object goes. Every failure names the file, the cause and the statement.
class InstallDatabase {
public:
    explicit InstallDatabase(const QString &path);
    ~InstallDatabase();
    InstallDatabase(const InstallDatabase &) = delete;
    InstallDatabase &operator=(const InstallDatabase &) = delete;

    // Creates the file and the tables of its kind (one transaction).
    bool create(Schema::File kind, QString *error);

    // Rows for one table: count rows, row(i) giving the values of row i in the order of
    // columns.
    using RowSource = std::function<QVariantList(int)>;
    struct Rows {
        QString table;
        QStringList columns;
        int count = 0;
        RowSource row;
    };
    static Rows rows(const QString &table, const QStringList &columns, const QList<QVariantList> &values);

    // Inserts the rows of every table in one transaction, one prepared statement a table.
    bool insert(const QList<Rows> &tables, QString *error);

private:
    bool insertRows(const Rows &rows, QString *error);
    bool fail(const QString &sql, const QString &cause, QString *error) const;

    QString m_path;
    QString m_connection;
    QSqlDatabase m_db;
};
