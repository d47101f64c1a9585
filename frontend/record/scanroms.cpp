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
    QString error;
    if (!RomScan::findNew(m_session.console().gamesDir, database, &roms, &error)) {
        dialogs.warning(QStringLiteral("Warning!"), error);
        return;
    }
    if (roms.isEmpty()) {
        dialogs.information(title, QStringLiteral("No new roms: every file of the games folder is already in the ")
                                       + console + QStringLiteral(" catalogue."));
        return;
    }
    const QString question = QStringLiteral("Add ") + countText(roms.size()) + QStringLiteral(" new roms to the ")
                             + console + QStringLiteral(" catalogue?");
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
