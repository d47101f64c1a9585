#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// Starts outside programs and opens documents, without waiting for them.
class Launcher {
public:
    // How a started program ended: its exit code when it exited on its own, and how long
    // it ran from its start.
    struct Exit {
        bool normal = true; // false when a signal ended it
        int code = 0;
        qint64 milliseconds = 0;
    };
    using Finished = std::function<void(const Exit &)>;

    virtual ~Launcher() = default;
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool start(const QString &program, const QStringList &arguments) = 0;
    // The same, and `finished` runs in the program's event loop once the program has ended.
    // A launcher that cannot follow its programs never calls it.
    virtual bool startFollowed(const QString &program, const QStringList &arguments, Finished finished)
    {
        Q_UNUSED(finished);
        return start(program, arguments);
    }
    // Opens a file with the program associated with its type; false on failure.
    virtual bool openDocument(const QString &path) = 0;
    // Why the last start failed, in words for the error line; empty when not known.
    virtual QString lastError() const { return {}; }
};

// The real launcher: posix_spawn on POSIX systems (it returns in well under a
// millisecond whatever the size of the calling process), QProcess elsewhere.
class SystemLauncher final : public Launcher {
public:
    SystemLauncher();
    ~SystemLauncher() override;
    bool start(const QString &program, const QStringList &arguments) override;
    bool startFollowed(const QString &program, const QStringList &arguments, Finished finished) override;
    bool openDocument(const QString &path) override;
    QString lastError() const override { return m_lastError; }

    struct Receiver; // where the reaping threads hand their news to the event loop

private:
    QString m_lastError;
    std::shared_ptr<Receiver> m_receiver;
};
