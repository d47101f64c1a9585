#include "gamelist/consolefolders.h"

#include "shared/consoles.h"
#include "shared/installationpaths.h"
#include "shared/paths.h"

ConsoleFolders ConsoleFolders::of(const QString &root, const Consoles::Console &console)
{
    const QString directory = InstallationPaths::consoleDir(console.directory);
    return {Paths::join(root, console.databasePath), Paths::join(root, directory + QStringLiteral("\\games\\")),
            Paths::join(root, directory + QStringLiteral("\\screen\\")),
            Paths::join(root, InstallationPaths::masterDatabase()), console.statusFinal};
}
