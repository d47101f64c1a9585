#include "emuset/app/settingsplace.h"

#include "emuset/app/settingsfile.h"
#include "shared/paths.h"
#include "shared/userdirs.h"

#include <QFileInfo>

namespace Emuset::SettingsPlace {

namespace {
const QString folder = QStringLiteral("/ludora4");
}

Place choose(const QString &ownDir, bool ownDirWritable, const QString &configHome, const QString &dataHome)
{
    const QString own = SettingsFile::path(ownDir);
    if (ownDirWritable || Paths::fileExists(own))
        return {false, own, {}};
    return {true, SettingsFile::path(Paths::native(configHome + folder)), Paths::native(dataHome + folder)};
}

Place forProgramIn(const QString &ownDir)
{
    return choose(ownDir, QFileInfo(ownDir).isWritable(), UserDirs::configHome(), UserDirs::dataHome());
}

} // namespace Emuset::SettingsPlace
