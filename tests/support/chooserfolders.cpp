#include "tests/support/chooserfolders.h"

#include "tests/support/windowcontrols.h"

#include <QDir>
#include <QWidget>

bool chooserShowsFolder(const QString &folder, const QString &formName)
{
    const QString shown = QDir::toNativeSeparators(QDir(folder).canonicalPath());
    return !shown.isEmpty() && shownText(openChooser(formName), QStringLiteral("LabPath")) == shown;
}

bool enterFolder(const QString &path, const QString &formName)
{
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        QWidget *chooser = openChooser(formName);
        const int row = int(entries(chooser, QStringLiteral("Dir1")).indexOf(part));
        if (row < 0)
            return false;
        clickEntry(chooser, QStringLiteral("Dir1"), row);
    }
    return true;
}

bool enterDirectory(const QString &directory, const QString &formName)
{
    const QString parent = QStringLiteral("..");
    for (int up = 0; up < 256; ++up) {
        QWidget *chooser = openChooser(formName);
        const int row = int(entries(chooser, QStringLiteral("Dir1")).indexOf(parent));
        if (row < 0)
            break;
        clickEntry(chooser, QStringLiteral("Dir1"), row);
    }
    if (entries(openChooser(formName), QStringLiteral("Dir1")).contains(parent))
        return false;
    return enterFolder(QDir(directory).canonicalPath(), formName);
}
