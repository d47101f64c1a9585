#include "frontend/app/dataroot.h"

#include "install/installation.h"
#include "shared/datasource.h"
#include "shared/installationpaths.h"
#include "shared/installationroot.h"
#include "shared/paths.h"
#include "shared/pluginregistry.h"
#include "shared/userdirs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <dirent.h>
#include <unistd.h>

namespace DataRoot {

namespace {

// The plug-in panel then starts the installed Emuset; a failure only costs that entry.
QString registerEmuset(const QString &root, const QString &programsDir)
{
    const QFileInfo emuset(Paths::resolve(
        Paths::join(programsDir, QLatin1Char('\\') + Paths::executableName(QStringLiteral("emuset")))));
    if (!emuset.isFile() || !emuset.isExecutable())
        return {};
    DataSource registry(QStringLiteral("DatPlug"));
    QString why;
    const QString file = Paths::join(root, InstallationPaths::pluginRegistry());
    if (PluginRegistry::writePath(registry, file, QStringLiteral("emuset"), emuset.absoluteFilePath(), &why))
        return {};
    return QStringLiteral("; Emuset was not registered: ") + why;
}

// What an installation's root holds besides its files.
constexpr const char *installationFolders[] = {"pack", "database"};

// looksLikeInstallation() on a name's bytes, for a folder whose name does not decode.
bool holdsInstallationFolder(const QByteArray &dir)
{
    DIR *listing = ::opendir(dir.constData());
    if (!listing)
        return false;
    bool found = false;
    while (const dirent *entry = ::readdir(listing)) {
        for (const char *folder : installationFolders)
            found = found || qstricmp(entry->d_name, folder) == 0;
    }
    ::closedir(listing);
    return found;
}

} // namespace

bool holdsInstallation(const QString &dir) { return InstallationRoot::holdsInstallation(dir); }

bool looksLikeInstallation(const QString &dir)
{
    return std::any_of(std::begin(installationFolders), std::end(installationFolders), [&dir](const char *folder) {
        return QFileInfo(Paths::resolve(Paths::join(dir, QLatin1Char('\\') + QLatin1String(folder)))).isDir();
    });
}

QByteArray executableDirBytes()
{
    QByteArray path(PATH_MAX, '\0');
    const ssize_t size = ::readlink("/proc/self/exe", path.data(), path.size());
    if (size <= 0)
        return QFile::encodeName(QCoreApplication::applicationDirPath());
    path.truncate(size);
    return path.left(qMax(qsizetype(1), path.lastIndexOf('/')));
}
QString userDataDir() { return InstallationRoot::userDataDir(); }

bool checkExecutableDir(const QByteArray &dir, QString *error)
{
    if (Paths::roundTrips(dir) || !holdsInstallationFolder(dir))
        return true;
    *error = QStringLiteral("Ludora4 cannot use the folder ") + Paths::shownBytes(dir)
             + QStringLiteral(
                 ": its name is not valid UTF-8. Rename the folder, or start Ludora4 with --root DIR.");
    return false;
}

Choice choose(const QString &explicitRoot, const QString &executableDir)
{
    if (!explicitRoot.isEmpty())
        return {explicitRoot, false, executableDir, {}};
    if (holdsInstallation(executableDir) || looksLikeInstallation(executableDir))
        return {executableDir, false, executableDir, {}};
    return {userDataDir(), true, executableDir, {}};
}

bool prepare(const Choice &choice, QString *note, QString *error)
{
    note->clear();
    if (holdsInstallation(choice.root))
        return true;
    if (!choice.makeWhenMissing) {
        if (looksLikeInstallation(choice.root))
            return true; // the start names the missing master database
        const QString root = QDir::toNativeSeparators(choice.root);
        *error = QStringLiteral("There is no Ludora4 installation in ") + root
                 + QStringLiteral(". Make one with: ludora4-mkinstall ") + root;
        return false;
    }
    QString why;
    Installation::Options options;
    options.programs = choice.programs;
    if (!Installation::create(choice.root, options, &why)) {
        *error = QStringLiteral("Can't make the Ludora4 installation in ") + QDir::toNativeSeparators(choice.root)
                 + QStringLiteral(": ") + why;
        return false;
    }
    *note = QStringLiteral("A new empty installation was made in ") + QDir::toNativeSeparators(choice.root)
            + registerEmuset(choice.root, choice.programsDir);
    return true;
}

} // namespace DataRoot
