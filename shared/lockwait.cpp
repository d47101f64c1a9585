#include "shared/lockwait.h"

#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>

namespace LockWait {

namespace {

constexpr int defaultWaitMs = 10000;
int budgetTotal = defaultWaitMs;
thread_local Budget *currentBudget = nullptr;

qint64 now() { return QDeadlineTimer::current().deadline(); }

} // namespace

int maxWaitMs() { return defaultWaitMs; }
int budgetTotalMs() { return budgetTotal; }
void setBudgetTotalMs(int milliseconds) { budgetTotal = milliseconds; }

Budget::Budget(int totalMs) : m_deadline(now() + totalMs), m_outer(currentBudget)
{
    // A budget inside another never lasts longer than the outer one.
    if (m_outer)
        m_deadline = std::min(m_deadline, m_outer->m_deadline);
    currentBudget = this;
}

Budget::~Budget()
{
    currentBudget = m_outer;
    for (const QString &file : std::as_const(m_lockedFiles)) {
        if (m_outer && !m_outer->m_lockedFiles.contains(file))
            m_outer->m_lockedFiles.append(file);
    }
}

bool Waiter::waitMore(int attempt)
{
    const qint64 time = now();
    if (attempt == 0)
        m_started = time;
    qint64 deadline = m_started + maxWaitMs();
    if (currentBudget)
        deadline = std::min(deadline, currentBudget->m_deadline);
    if (time >= deadline) {
        if (currentBudget && !currentBudget->m_lockedFiles.contains(m_file))
            currentBudget->m_lockedFiles.append(m_file);
        return false;
    }
    // Short sleeps first, as most locks are held briefly; then every 50 ms.
    const qint64 sleep = std::min<qint64>({qint64(1) << std::min(attempt, 6), 50, deadline - time});
    QThread::msleep(std::max<qint64>(sleep, 1));
    return true;
}

} // namespace LockWait
