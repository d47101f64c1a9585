#include "shared/transaction.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

namespace {
// Open transactions by connection name, so that nested ones join the outer one.
QHash<QString, int> &depths()
{
    static thread_local QHash<QString, int> map;
    return map;
}
} // namespace

Transaction::Transaction(QSqlDatabase db) : m_db(db)
{
    int &depth = depths()[m_db.connectionName()];
    m_outer = depth == 0;
    if (m_outer) {
        QSqlQuery begin(m_db);
        m_ok = begin.exec(QStringLiteral("BEGIN IMMEDIATE"));
        if (!m_ok) {
            m_error = begin.lastError().text();
            return;
        }
    } else {
        m_ok = true;
    }
    ++depth;
}

Transaction::~Transaction()
{
    if (!m_ok || m_done)
        return;
    --depths()[m_db.connectionName()];
    if (m_outer)
        QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
}

bool Transaction::commit()
{
    if (!m_ok || m_done)
        return false;
    if (m_outer) {
        QSqlQuery commit(m_db);
        if (!commit.exec(QStringLiteral("COMMIT"))) {
            m_error = commit.lastError().text();
            return false; // the destructor rolls back
        }
    }
    m_done = true;
    --depths()[m_db.connectionName()];
    return true;
}
