#pragma once

#include <QString>
#include <QStringList>

// Starts outside programs and opens documents, without waiting for them.
class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool start(const QString &program, const QStringList &arguments) = 0;
    // Opens a file with the program associated with its type; false on failure.
    virtual bool openDocument(const QString &path) = 0;
    // Why the last start failed, in words for the error line; empty when not known.
    virtual QString lastError() const { return {}; }
};

// The real launcher: posix_spawn on POSIX systems (it returns in well under a
// millisecond whatever the size of the calling process), QProcess elsewhere.
class SystemLauncher final : public Launcher {
public:
    bool start(const QString &program, const QStringList &arguments) override;
    bool openDocument(const QString &path) override;
    QString lastError() const override { return m_lastError; }

private:
    QString m_lastError;
};
