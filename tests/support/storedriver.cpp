#include "tests/support/storedriver.h"

#include "tests/support/builtprograms.h"

#include <QDeadlineTimer>
#include <QDir>

#include <csignal>
#include <sys/types.h>

QString StoreDriver::program() { return BuiltPrograms::crashDriver(); }

bool StoreDriver::start(const QString &database, const QString &mode, qint64 first, qint64 count, bool waitForGo)
{
    QStringList arguments = {database, mode, QString::number(first), QString::number(count)};
    if (waitForGo)
        arguments.append(QStringLiteral("wait"));
    m_process.start(program(), arguments);
    return m_process.waitForStarted(30000);
}

void StoreDriver::readLines(bool ended)
{
    m_partial += m_process.readAllStandardOutput();
    qsizetype end;
    while ((end = m_partial.indexOf('\n')) >= 0) {
        const QByteArray line = m_partial.left(end);
        m_partial.remove(0, end + 1);
        m_lines.append(line);
        m_stored += line.startsWith("stored ") ? 1 : 0;
        m_ready += line == "ready" ? 1 : 0;
        m_lastStarted = line.startsWith("doing ") ? line.split(' ').value(2) : QByteArray();
    }
    // A line cut by the kill was never reported.
    if (ended)
        m_partial.clear();
}

bool StoreDriver::waitFor(const std::function<bool()> &done, int msecs)
{
    QDeadlineTimer deadline(msecs);
    readLines(false);
    while (!done() && !deadline.hasExpired()) {
        if (m_process.state() != QProcess::Running) {
            readLines(true);
            break;
        }
        if (m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            readLines(false);
    }
    return done();
}

bool StoreDriver::waitForReady(int msecs)
{
    return waitFor([this] { return m_ready > 0; }, msecs);
}

bool StoreDriver::waitForStored(int n, int msecs)
{
    const int wanted = m_stored + n;
    return waitFor([this, wanted] { return m_stored >= wanted; }, msecs);
}

// The last line read starts a store of the kind: as far as the reports tell, it is under way.
bool StoreDriver::waitForStart(const QByteArray &kind, int msecs)
{
    return waitFor([this, kind] { return m_lastStarted == kind; }, msecs);
}

void StoreDriver::go()
{
    m_process.write("go\n");
    m_process.waitForBytesWritten(30000);
}

void StoreDriver::kill()
{
    ::kill(pid_t(m_process.processId()), SIGKILL);
    m_process.waitForFinished(30000);
    readLines(true);
}

bool StoreDriver::finish(int msecs)
{
    const bool ended = m_process.waitForFinished(msecs);
    readLines(true);
    return ended && m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

bool StoreDriver::killedBySignal() const
{
    return m_process.state() == QProcess::NotRunning && m_process.exitStatus() == QProcess::CrashExit;
}

QString StoreDriver::diagnostics()
{
    return QStringLiteral("driver: exit code %1, status %2, stderr: ")
               .arg(m_process.exitCode())
               .arg(int(m_process.exitStatus()))
           + QString::fromLocal8Bit(m_process.readAllStandardError());
}
