#include "shared/launcher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <algorithm>
#include <mutex>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char **environ;
#endif

// The news of an ended program goes to the event loop for as long as the launcher lives:
// a reaping thread that outlives it drops the news.
struct SystemLauncher::Receiver {
    std::mutex mutex;
    bool launcherAlive = true;

    void post(Launcher::Finished finished, const Launcher::Exit &exit)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (QCoreApplication *application = QCoreApplication::instance(); launcherAlive && application)
            QMetaObject::invokeMethod(
                application, [finished = std::move(finished), exit] { finished(exit); }, Qt::QueuedConnection);
    }
};

namespace {

#ifdef Q_OS_UNIX
// posix_spawn: the caller's size does not matter, unlike fork-based starts. The child
// gets its own process group, so it outlives the program; a small thread reaps it and,
// when asked, says how the program ended.
bool spawnDetached(const QString &program, const QStringList &arguments, QString *error,
                   std::function<void(const Launcher::Exit &)> ended = {})
{
    std::vector<QByteArray> storage;
    storage.reserve(size_t(arguments.size()) + 1);
    storage.push_back(QFile::encodeName(program));
    for (const QString &argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &bytes : storage)
        argv.push_back(bytes.data());
    argv.push_back(nullptr);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t pid = 0;
    const int result = posix_spawnp(&pid, argv[0], nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (result != 0) {
        *error = program + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(result));
        return false;
    }
    QElapsedTimer running;
    running.start();
    std::thread([pid, running, ended = std::move(ended)] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        if (ended)
            ended({WIFEXITED(status), WIFEXITED(status) ? WEXITSTATUS(status) : -1, running.elapsed()});
    }).detach();
    return true;
}
#endif

} // namespace

SystemLauncher::SystemLauncher() : m_receiver(std::make_shared<Receiver>()) {}

SystemLauncher::~SystemLauncher()
{
    const std::lock_guard<std::mutex> lock(m_receiver->mutex);
    m_receiver->launcherAlive = false;
}

bool SystemLauncher::start(const QString &program, const QStringList &arguments)
{
    return startFollowed(program, arguments, {});
}

bool SystemLauncher::startFollowed(const QString &program, const QStringList &arguments, Finished finished)
{
    m_lastError.clear();
    if (program.isEmpty()) {
        m_lastError = QStringLiteral("No program to start");
        return false;
    }
    // Arguments go to the process as C strings, where a NUL would cut them.
    if (program.contains(QChar(0)) || std::any_of(arguments.begin(), arguments.end(), [](const QString &argument) {
            return argument.contains(QChar(0));
        })) {
        m_lastError = program
                      + QStringLiteral(": a NUL character in the program or an argument; nothing was started");
        return false;
    }
#ifdef Q_OS_UNIX
    std::function<void(const Exit &)> ended;
    if (finished)
        ended = [receiver = m_receiver, finished](const Exit &exit) { receiver->post(finished, exit); };
    return spawnDetached(program, arguments, &m_lastError, std::move(ended));
#else
    if (QProcess::startDetached(program, arguments))
        return true;
    m_lastError = program + QStringLiteral(": cannot be started");
    return false;
#endif
}

bool SystemLauncher::openDocument(const QString &path)
{
    m_lastError.clear();
    if (path.contains(QChar(0))) {
        m_lastError = path + QStringLiteral(": a NUL character in the path; nothing was opened");
        return false;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return true;
    m_lastError = path + QStringLiteral(": no program opens this document");
    return false;
}
