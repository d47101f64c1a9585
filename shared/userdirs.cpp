#include "shared/userdirs.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace UserDirs {

namespace {
QString fromVariable(const char *name, const QString &belowHome)
{
    const QString value = qEnvironmentVariable(name);
    return QDir::cleanPath(QDir::isAbsolutePath(value) ? value : home() + belowHome);
}
} // namespace

QString home()
{
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home))
        return home;
    const passwd *entry = getpwuid(getuid());
    return entry && entry->pw_dir ? QFile::decodeName(entry->pw_dir) : QDir::rootPath();
}

QString dataHome() { return fromVariable("XDG_DATA_HOME", QStringLiteral("/.local/share")); }

QString configHome() { return fromVariable("XDG_CONFIG_HOME", QStringLiteral("/.config")); }

QString stateHome() { return fromVariable("XDG_STATE_HOME", QStringLiteral("/.local/state")); }

} // namespace UserDirs
