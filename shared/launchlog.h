#pragma once

#include <QString>

// The launch log: one line per play, the newest last, at most `keep` lines. A line is
// written when the emulator starts and completed, in place, when it ends:
//   TIME <tab> CONSOLE <tab> GAME <tab> COMMAND <tab> running
//   TIME <tab> CONSOLE <tab> GAME <tab> COMMAND <tab> exit status 0, ran 2 s
// TIME is the local start time in ISO 8601 with milliseconds. Every change rewrites the
// file whole through a temporary file, so a reader never sees half a line.
class LaunchLog {
public:
    static constexpr int keep = 1000;

    // $XDG_STATE_HOME/ludora4/launches.log (~/.local/state/ludora4/launches.log).
    static QString defaultPath();

    explicit LaunchLog(const QString &path = defaultPath()) : m_path(path) {}
    QString path() const { return m_path; }

    struct Play {
        QString console;
        QString game;
        QString command;
    };
    // Appends the line of a play that has just started ("running"), or of one that could
    // not start (`notStarted` says why), and drops the oldest beyond `keep`. *line is what
    // finished() completes. False with *error set when the file cannot be written.
    bool started(const Play &play, QString *line, QString *error, const QString &notStarted = {});
    // Completes the line started() wrote: how the emulator ended and how long it ran. A line
    // no longer in the log (dropped, or the log removed) is not written again.
    bool finished(const QString &line, const QString &outcome, QString *error);

    // "exit status 0, ran 2 s"; "ended by a signal, ran 2 s".
    static QString outcome(bool normal, int code, qint64 milliseconds);

private:
    bool rewrite(const QStringList &lines, QString *error) const;
    QStringList lines() const;

    QString m_path;
};
