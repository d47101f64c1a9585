#include "tests/support/chooserfolders.h"

#include "tests/support/windowcontrols.h"

#include <QDir>
#include <QWidget>

bool enterDirectory(const QString &directory, const QString &formName)
{
    QWidget *chooser = openChooser(formName);
    if (!chooser)
        return false;
    const QString parent = QStringLiteral("..");
    for (int up = 0; up < 256; ++up) {
        const int row = int(entries(chooser, QStringLiteral("Dir1")).indexOf(parent));
        if (row < 0)
            break;
        clickEntry(chooser, QStringLiteral("Dir1"), row);
    }
    if (entries(chooser, QStringLiteral("Dir1")).contains(parent))
        return false;
    const QStringList steps = QDir(directory).canonicalPath().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &step : steps) {
        const int row = int(entries(chooser, QStringLiteral("Dir1")).indexOf(step));
        if (row < 0)
            return false;
        clickEntry(chooser, QStringLiteral("Dir1"), row);
    }
    return true;
}
