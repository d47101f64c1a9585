#pragma once

#include <QByteArrayList>
#include <QProcess>
#include <QString>

#include <functional>

// The crash driver (tests/crashdriver) as a child process: started on a console database,
// its report lines read as they come, killed without warning when a test says so.
class StoreDriver {
public:
    // The driver's executable in the build tree.
    static QString program();

    // Starts the driver; waitForGo: the stores wait for go().
    bool start(const QString &database, const QString &mode, qint64 first, qint64 count, bool waitForGo = false);
    // Reads report lines until the "ready" line, n more "stored" lines, or the start of a
    // store of a kind ("doing <n> <kind> ...") came. False when the driver ended or the
    // line did not come within the time allowed.
    bool waitForReady(int msecs = 30000);
    bool waitForStored(int n, int msecs = 30000);
    bool waitForStart(const QByteArray &kind, int msecs = 30000);
    void go();
    // SIGKILL at once, then waits for the end and reads what was written before it.
    void kill();
    // Waits for a normal end; true when it exited with 0.
    bool finish(int msecs = 120000);

    const QByteArrayList &lines() const { return m_lines; }
    int storedCount() const { return m_stored; }
    bool killedBySignal() const;
    QString diagnostics(); // exit code and standard error, for failure messages

private:
    void readLines(bool ended);
    bool waitFor(const std::function<bool()> &done, int msecs);

    QProcess m_process;
    QByteArray m_partial;
    QByteArrayList m_lines;
    int m_stored = 0;
    int m_ready = 0;
    QByteArray m_lastStarted; // the kind of store the last line read started, if it did
};
