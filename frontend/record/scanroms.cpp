// "Scan Roms": one game for every file of the games folder that no game uses yet.
#include "frontend/games/counttext.h"
#include "frontend/record/recordpage.h"
#include "frontend/record/romscan.h"
#include "shared/consoles.h"
#include "shared/dialogs.h"
#include "shared/gamedates.h"

#include <QComboBox>
#include <QDate>
#include <QFileInfo>

namespace {

// The name of the console whose database is open, as its toolbar button's tip gives it.
QString consoleName(const QString &databasePath)
{
    const QString file = QFileInfo(databasePath).fileName();
    for (const Consoles::Console &console : Consoles::toolbarOrder()) {
        if (console.databaseFile.compare(file, Qt::CaseInsensitive) == 0)
            return console.statusFinal;
    }
    return QStringLiteral("active console's");
}

// One line per cause of files left out, each after a blank line; empty when none was.
QString leftOutText(const RomScan::LeftOut &leftOut)
{
    const auto line = [](int count, const char *one, const char *many) {
        if (count == 0)
            return QString();
        return QStringLiteral("\n\n") + countText(count)
               + (count == 1 ? QStringLiteral(" file was left out: ") + QLatin1String(one)
                             : QStringLiteral(" files were left out: ") + QLatin1String(many));
    };
    return line(leftOut.notRoms, "it is a document, a picture, a save or a list of games, not a rom",
                "they are documents, pictures, saves or lists of games, not roms")
           + line(leftOut.undecodable, "its name is not valid UTF-8", "their names are not valid UTF-8");
}

} // namespace

// Asks once with the number found, stores every new game in one transaction, then the
// list shows the first of them.
void RecordPage::scanRoms()
{
    const QString title = QStringLiteral("Scan Roms");
    const QString database = m_session.console().database;
    const QString console = consoleName(database);
    Dialogs &dialogs = m_session.dialogs();
    QList<RomScan::Rom> roms;
    RomScan::LeftOut leftOut;
    QString error;
    if (!RomScan::findNew(m_session.console().gamesDir, database, &roms, &leftOut, &error)) {
        dialogs.warning(QStringLiteral("Warning!"), error);
        return;
    }
    const QString leftOutLines = leftOutText(leftOut);
    if (roms.isEmpty()) {
        dialogs.information(title, leftOut.any() ? QStringLiteral("No new roms for the ") + console
                                                       + QStringLiteral(" catalogue.") + leftOutLines
                                                 : QStringLiteral("No new roms: every file of the games folder "
                                                                  "is already in the ")
                                                       + console + QStringLiteral(" catalogue."));
        return;
    }
    const QString question = QStringLiteral("Add ") + countText(roms.size()) + QStringLiteral(" new roms to the ")
                             + console + QStringLiteral(" catalogue?") + leftOutLines;
    if (!dialogs.question(title, question))
        return;
    // The first emulator, as "Add Rom" chooses it.
    const RomScan::NewGame game{GameDates::added(QDate::currentDate()),
                                CmbEmulatore->count() > 0 ? CmbEmulatore->itemText(0) : QString()};
    if (!RomScan::store(database, roms, game, &error)) {
        reportStoreError(QStringLiteral("No roms were added: ") + error);
        return;
    }
    m_session.reportAdded(roms.front().name);
}
