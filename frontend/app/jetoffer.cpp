#include "frontend/app/jetoffer.h"

#include "convert/conversion.h"
#include "shared/dialogs.h"

#include <QApplication>
#include <QDir>

namespace Globale {

namespace {
const QString title = QStringLiteral("Convert Databases");
}

void offerJetConversion(const QString &rootDir, Dialogs &dialogs)
{
    const QList<Convert::DatabaseFile> files = Convert::jetFiles(rootDir);
    if (files.isEmpty())
        return;
    QStringList names;
    for (const Convert::DatabaseFile &file : files)
        names.append(QDir(rootDir).relativeFilePath(file.path));
    const QString question =
        QStringLiteral("These databases are in the format of the earlier program (Jet/Access), which Ludora4 "
                       "cannot read as they are:\n\n")
        + names.join(QLatin1Char('\n'))
        + QStringLiteral("\n\nConvert them now? Each original is kept beside it as NAME.mdb.jet.");
    if (!dialogs.question(title, question))
        return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QList<Convert::FileResult> results = Convert::convertInstallation(rootDir);
    QApplication::restoreOverrideCursor();
    QStringList lines;
    bool allConverted = true;
    for (const Convert::FileResult &result : results) {
        if (result.outcome == Convert::Outcome::AlreadyConverted)
            continue;
        lines.append(Convert::describe(result, rootDir));
        allConverted = allConverted && Convert::succeeded(result);
    }
    if (allConverted)
        dialogs.information(title, lines.join(QLatin1Char('\n')));
    else
        dialogs.critical(QStringLiteral("ERROR!"), lines.join(QLatin1Char('\n')));
}

} // namespace Globale
