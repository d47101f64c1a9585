#include "shared/installationpaths.h"

#include "shared/paths.h"

namespace InstallationPaths {

QString masterDatabase() { return QStringLiteral("\\pack\\ludora.mdb"); }
QString pluginRegistry() { return QStringLiteral("\\pack\\plugins.mdb"); }
QString picturesDir() { return QStringLiteral("\\pack\\immagini\\"); }
QString noPicture() { return picturesDir() + QStringLiteral("none.gif"); }
QString converterDir() { return QStringLiteral("\\pack\\I_View32"); }
QString databasesDir() { return QStringLiteral("\\database\\"); }
QString pluginsDir() { return QStringLiteral("\\plugins\\"); }

QString converter()
{
    return converterDir() + QLatin1Char('\\') + Paths::executableName(QStringLiteral("I_View32"));
}

QString consoleDir(const QString &directory) { return QStringLiteral("\\console\\") + directory; }

QString notFoundMessage(const QString &path)
{
    return QStringLiteral("File ") + path + QStringLiteral(" Not Found! Bad Ludora4 Installation");
}

} // namespace InstallationPaths
