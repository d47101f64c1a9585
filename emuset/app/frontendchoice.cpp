#include "emuset/app/frontendchoice.h"

#include "emuset/app/generale.h"
#include "shared/dialogs.h"
#include "shared/paths.h"

#include <QDir>
#include <QFileInfo>

namespace Emuset::FrontEndChoice {

namespace {
const QString masterFile = QStringLiteral("ludora.mdb");

QString frontEndExecutable() { return Paths::executableName(QStringLiteral("ludora4")); }

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
} // namespace

QString pattern(bool installed)
{
    return installed ? frontEndExecutable() + QLatin1Char(';') + masterFile : frontEndExecutable();
}

QString installationDir(const QString &directory, const QString &fileName)
{
    if (sameName(fileName, frontEndExecutable()))
        return directory;
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

} // namespace Emuset::FrontEndChoice
