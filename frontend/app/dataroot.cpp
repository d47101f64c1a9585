#include "frontend/app/dataroot.h"

#include "install/installation.h"
#include "shared/datasource.h"
#include "shared/installationpaths.h"
#include "shared/installationroot.h"
#include "shared/paths.h"
#include "shared/pluginregistry.h"

#include <QDir>
#include <QFileInfo>

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

} // namespace

bool holdsInstallation(const QString &dir) { return InstallationRoot::holdsInstallation(dir); }

QString userDataDir() { return InstallationRoot::userDataDir(); }

Choice choose(const QString &explicitRoot, const QString &executableDir)
{
    if (!explicitRoot.isEmpty())
        return {explicitRoot, false, executableDir, {}};
    if (holdsInstallation(executableDir))
        return {executableDir, false, executableDir, {}};
    return {userDataDir(), true, executableDir, {}};
}

bool prepare(const Choice &choice, QString *note, QString *error)
{
    note->clear();
    if (!choice.makeWhenMissing || holdsInstallation(choice.root))
        return true;
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
