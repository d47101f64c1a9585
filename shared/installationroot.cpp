#include "shared/installationroot.h"

#include "shared/installationpaths.h"
#include "shared/paths.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace InstallationRoot {

namespace {

// The user's home: HOME when it is an absolute path, else the password database's entry.
QString homeDir()
{
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home))
        return home;
    const passwd *entry = getpwuid(getuid());
    return entry && entry->pw_dir ? QFile::decodeName(entry->pw_dir) : QDir::rootPath();
}

} // namespace

bool holdsInstallation(const QString &dir)
{
    Paths::clearCache();
    return Paths::fileExists(Paths::join(dir, InstallationPaths::masterDatabase()));
}

// XDG_DATA_HOME when it is an absolute path (a relative one is ignored), else ~/.local/share.
QString userDataDir()
{
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    const QString base = QDir::isAbsolutePath(data) ? data : homeDir() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/ludora4"));
}

QString of(const QString &programsDir) { return holdsInstallation(programsDir) ? programsDir : userDataDir(); }

} // namespace InstallationRoot
