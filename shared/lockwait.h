#pragma once

#include <QString>
#include <QStringList>

// Waiting for another program's lock on a database file. One wait lasts at most
// maxWaitMs(). While a Budget lives, every wait of its thread also ends at the budget's
// deadline, so that a procedure of many steps (the start) that meets a locked file waits
// once, and its later steps give up at once.
namespace LockWait {

int maxWaitMs(); // 10 s

// The total a Budget made without one is given: maxWaitMs() unless a test shortened it.
int budgetTotalMs();
void setBudgetTotalMs(int milliseconds);

class Budget {
public:
    explicit Budget(int totalMs = budgetTotalMs());
    ~Budget();
    Budget(const Budget &) = delete;
    Budget &operator=(const Budget &) = delete;

    // The files whose wait ran out while the budget lived, each once, in order.
    QStringList lockedFiles() const { return m_lockedFiles; }

private:
    friend class Waiter;
    qint64 m_deadline; // on the monotonic clock, in ms
    QStringList m_lockedFiles;
    Budget *m_outer;
};

// One wait of a connection for a lock, as the database engine's busy handler asks:
// attempt counts from 0 for each new wait. True while waiting goes on (after a short
// sleep), false once the wait or the budget ran out.
class Waiter {
public:
    explicit Waiter(const QString &file) : m_file(file) {}
    bool waitMore(int attempt);

private:
    QString m_file;
    qint64 m_started = 0;
};

} // namespace LockWait
