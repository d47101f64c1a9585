#include "emuset/app/frontendchoice.h"

#include "emuset/app/generale.h"
#include "shared/dialogs.h"
#include "shared/installationpaths.h"
#include "shared/paths.h"

#include <QDir>
#include <QFileInfo>

namespace Emuset::FrontEndChoice {

namespace {
const QString masterFile = QStringLiteral("ludora.mdb");

QString frontEndExecutable() { return Paths::executableName(QStringLiteral("ludora4")); }

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool holdsFolder(const QString &directory, const QString &name)
{
    return !directory.isEmpty()
           && QFileInfo(Paths::resolve(Paths::join(directory, QLatin1Char('\\') + name))).isDir();
}
} // namespace

QString pattern(bool installed)
{
    return installed ? frontEndExecutable() + QLatin1Char(';') + masterFile : frontEndExecutable();
}

QString installationDir(const QString &directory, const QString &fileName, const QString &userInstallation)
{
    if (sameName(fileName, frontEndExecutable())) {
        const bool portable = holdsFolder(directory, QStringLiteral("pack"))
                              || holdsFolder(directory, QStringLiteral("database"));
        return portable || userInstallation.isEmpty() ? directory : Paths::native(userInstallation);
    }
    const QDir pack(directory);
    if (!sameName(fileName, masterFile) || !sameName(pack.dirName(), QStringLiteral("pack")))
        return {};
    const QString root = QFileInfo(pack.absolutePath()).absolutePath();
    if (Paths::fileExists(Paths::join(root, QLatin1Char('\\') + frontEndExecutable())))
        return {};
    return Paths::native(root);
}

void reportNoInstallation(const QString &directory, const QString &fileName)
{
    Generale::state().dialogs->warning(QStringLiteral("Warning!"),
                                       Paths::join(directory, QLatin1Char('\\') + fileName)
                                           + QStringLiteral(
                                               " is not the master database of a Ludora4 installation without ")
                                           + frontEndExecutable() + QStringLiteral(". Choose ")
                                           + frontEndExecutable() + QStringLiteral(", or the file pack")
                                           + QDir::separator() + masterFile
                                           + QStringLiteral(" of an installation that does not hold it."));
}

QString gameboyDatabase(const QString &installation)
{
    return Paths::join(installation, InstallationPaths::databasesDir() + QStringLiteral("gameboy.mdb"));
}

bool holdsGameboyDatabase(const QString &installation)
{
    return !installation.isEmpty() && Paths::fileExists(gameboyDatabase(installation));
}

QString startFolder(const QString &userInstallation)
{
    if (holdsFolder(userInstallation, QStringLiteral("pack")))
        return Paths::resolve(Paths::join(userInstallation, QStringLiteral("\\pack")));
    return QFileInfo(userInstallation).isDir() ? userInstallation : QString();
}

} // namespace Emuset::FrontEndChoice
