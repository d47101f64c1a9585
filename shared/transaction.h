#pragma once

#include <QSqlDatabase>
#include <QString>

// One store as one SQLite transaction: BEGIN IMMEDIATE on construction (waiting on
// another program's lock through the busy timeout), ROLLBACK on destruction unless
// commit() succeeded. Nested transactions on the same connection join the outer one.
class Transaction {
public:
    explicit Transaction(QSqlDatabase db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    bool isActive() const { return m_ok; }
    bool commit();
    QString error() const { return m_error; }

private:
    QSqlDatabase m_db;
    bool m_outer = false;
    bool m_ok = false;
    bool m_done = false;
    QString m_error;
};
