#include "shared/databasepath.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace DatabasePath {

namespace {
// The longest suffix the engine adds to a database's path for a file of its own: "-journal".
constexpr int journalSuffix = 8;
} // namespace

int maxBytes()
{
    const sqlite3_vfs *vfs = sqlite3_vfs_find(nullptr);
    return (vfs ? vfs->mxPathname : 512) - journalSuffix;
}

QString tooLong(const QString &path)
{
    const qsizetype bytes = QFile::encodeName(QFileInfo(path).absoluteFilePath()).size();
    if (bytes <= maxBytes())
        return {};
    return QStringLiteral("The path ") + path
           + QStringLiteral(" is too long for a database file (%1 bytes; at most %2)").arg(bytes).arg(maxBytes());
}

} // namespace DatabasePath
