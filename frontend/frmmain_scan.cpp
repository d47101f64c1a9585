// "Scan Roms": one game for every file of the games folder that no game uses yet.
#include "frontend/frmmain.h"

#include "frontend/counttext.h"
#include "frontend/romscan.h"
#include "shared/consoles.h"
#include "shared/dialogs.h"
#include "shared/gamedates.h"

#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>

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

void FrmMain::connectScanButton() { connect(ui.CmdScanRoms, &QPushButton::clicked, this, &FrmMain::scanRoms); }

// Asks once with the number found, stores every new game in one transaction, then shows
// the first of them in the refreshed list.
void FrmMain::scanRoms()
{
    const QString title = QStringLiteral("Scan Roms");
    const QString console = consoleName(m_state.ConsoleDb);
    QList<RomScan::Rom> roms;
    QString error;
    if (!RomScan::findNew(m_state.GamesDir, m_state.ConsoleDb, &roms, &error)) {
        m_state.dialogs->message(Dialogs::Icon::Warning, Dialogs::Buttons::Ok, QStringLiteral("Warning!"), error);
        return;
    }
    if (roms.isEmpty()) {
        m_state.dialogs->message(Dialogs::Icon::Information, Dialogs::Buttons::Ok, title,
                                 QStringLiteral("No new roms: every file of the games folder is already in the ")
                                     + console + QStringLiteral(" catalogue."));
        return;
    }
    const QString question = QStringLiteral("Add ") + countText(roms.size()) + QStringLiteral(" new roms to the ")
                             + console + QStringLiteral(" catalogue?");
    if (!m_state.dialogs->question(title, question))
        return;
    // The first emulator, as "Add Rom" chooses it.
    const RomScan::NewGame game{GameDates::added(QDate::currentDate()),
                                ui.CmbEmulatore->count() > 0 ? ui.CmbEmulatore->itemText(0) : QString()};
    if (!RomScan::store(m_state.ConsoleDb, roms, game, &error)) {
        reportStoreError(QStringLiteral("No roms were added: ") + error);
        return;
    }
    showNewGames(roms.front().name);
}

// New games are neither favourite nor playable: a filter that would hide them gives way
// to the whole list.
void FrmMain::showNewGames(const QString &first)
{
    if (ui.OptFavorite->isChecked() || ui.OptPlayable->isChecked())
        ui.OptAll->setChecked(true);
    m_state.CurrentGame = first;
    FillGameList();
}
