#include "frontend/snapshots/snapshotfiles.h"

#include "shared/paths.h"
#include "shared/regularfile.h"

#include <QLabel>
#include <QPixmap>

namespace SnapshotFiles {

QString file(const QString &screenDir, const QString &screen, int number)
{
    if (number == 0)
        return screenDir + screen;
    return screenDir + screen.left(qMax(0, screen.size() - 4)) + QLatin1Char('_') + QString::number(number)
           + QStringLiteral(".gif");
}

bool load(QLabel *box, const QString &path)
{
    QString error;
    const QPixmap picture = QPixmap::fromImage(RegularFile::image(Paths::resolve(path), &error));
    if (picture.isNull())
        return false;
    box->setPixmap(picture);
    return true;
}

void showNone(QLabel *box, const QString &noPicture)
{
    if (!load(box, noPicture))
        box->clear();
}

bool showOrNone(QLabel *box, const QString &path, const QString &noPicture, QString *error)
{
    if (load(box, path))
        return true;
    showNone(box, noPicture);
    *error = QStringLiteral("File ") + path + QStringLiteral(" is not a picture that can be shown");
    return false;
}

} // namespace SnapshotFiles
