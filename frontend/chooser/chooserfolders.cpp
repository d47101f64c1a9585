#include "frontend/chooser/chooserfolders.h"

#include <QCoreApplication>
#include <QSettings>
#include <QUrl>

namespace ChooserFolders {

namespace {
bool keepsFolders() { return !QCoreApplication::organizationName().isEmpty(); }

// One key below "Chooser", without the separators QSettings reads as groups.
QString key(const QString &purpose, const QString &defaultFolder)
{
    return QStringLiteral("Chooser/")
           + QString::fromLatin1(QUrl::toPercentEncoding(purpose + QLatin1Char('|') + defaultFolder));
}
} // namespace

QString purpose(const QString &caption) { return caption.section(QLatin1Char(':'), 0, 0).trimmed(); }

QString remembered(const QString &purpose, const QString &defaultFolder)
{
    return keepsFolders() ? QSettings().value(key(purpose, defaultFolder)).toString() : QString();
}

void remember(const QString &purpose, const QString &defaultFolder, const QString &folder)
{
    if (keepsFolders())
        QSettings().setValue(key(purpose, defaultFolder), folder);
}

} // namespace ChooserFolders
