#include "tests/support/readonly.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(const char *what)
{
    return QLatin1String(what) + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
}

// Once per program: mounts made from now on are seen by this program alone.
bool privateMounts(QString *why)
{
    static const QString failure = [] {
        if (unshare(CLONE_NEWNS) != 0)
            return systemError("unshare(CLONE_NEWNS)");
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return systemError("mount --make-rprivate /");
        return QString();
    }();
    *why = failure;
    return failure.isEmpty();
}

} // namespace

ReadOnly::~ReadOnly()
{
    for (const QString &target : std::as_const(m_mounts))
        umount2(target.toLocal8Bit().constData(), MNT_DETACH);
    for (const Permission &permission : std::as_const(m_permissions))
        chmod(permission.path.toLocal8Bit().constData(), permission.mode);
}

bool ReadOnly::protect(const QString &path, QString *why)
{
    const QByteArray target = path.toLocal8Bit();
    if (geteuid() != 0) {
        QStringList paths = {path};
        QDirIterator below(path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                           QDirIterator::Subdirectories);
        while (below.hasNext())
            paths.append(below.next());
        for (const QString &one : std::as_const(paths)) {
            struct stat status {};
            const QByteArray name = one.toLocal8Bit();
            if (stat(name.constData(), &status) != 0 || chmod(name.constData(), status.st_mode & ~0222u) != 0) {
                *why = systemError("chmod");
                return false;
            }
            m_permissions.prepend({one, unsigned(status.st_mode & 07777u)});
        }
        return true;
    }
    if (!privateMounts(why))
        return false;
    if (mount(target.constData(), target.constData(), nullptr, MS_BIND, nullptr) != 0) {
        *why = systemError("mount --bind");
        return false;
    }
    m_mounts.append(path);
    if (mount(nullptr, target.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
        *why = systemError("mount -o remount,bind,ro");
        return false;
    }
    return true;
}
