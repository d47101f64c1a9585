#include "shared/installationroot.h"

#include "shared/installationpaths.h"
#include "shared/paths.h"
#include "shared/userdirs.h"

#include <QDir>

namespace InstallationRoot {

bool holdsInstallation(const QString &dir)
{
    Paths::clearCache();
    return Paths::fileExists(Paths::join(dir, InstallationPaths::masterDatabase()));
}

// The user's installation: ludora4 in the user's data folder (XDG rules).
QString userDataDir() { return QDir::cleanPath(UserDirs::dataHome() + QStringLiteral("/ludora4")); }

QString of(const QString &programsDir) { return holdsInstallation(programsDir) ? programsDir : userDataDir(); }

} // namespace InstallationRoot
