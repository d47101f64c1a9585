// Console switching from the toolbar: one button per console of the console table, all
// handled by one function with the console's constants.
#include "frontend/frmmain.h"

#include "shared/consoles.h"
#include "shared/dialogs.h"
#include "shared/installationpaths.h"
#include "shared/paths.h"
#include "shared/schema.h"
#include "shared/widgets/statuspanels.h"

#include <QAction>

void FrmMain::connectToolbar()
{
    for (QAction *button : ui.ConsoleButtons) {
        connect(button, &QAction::triggered, this, [this, key = button->objectName()] {
            if (const Consoles::Console *console = Consoles::byKey(key))
                switchConsole(*console);
        });
    }
}

// Makes a console the active one: its paths, picture and name, the choice kept for the
// next start, and the documents, emulator and game lists filled from its database.
void FrmMain::switchConsole(const Consoles::Console &console)
{
    const QString pictures = InstallationPaths::picturesDir();
    const QString directory = InstallationPaths::consoleDir(console.directory);
    ui.StatusBar1->setText(1, console.statusFirst);
    m_state.ConsoleDb = Paths::join(m_state.RootDir, console.databasePath);
    m_state.NoPicFile = Paths::join(m_state.RootDir, InstallationPaths::noPicture());
    m_state.ConsolePic = Paths::join(m_state.RootDir, pictures + console.pictureFile);
    showConsolePicture();
    ui.StatusBar1->setText(1, console.statusFinal);
    storeConsoleChoice(console);
    m_state.ScreenDir = Paths::join(m_state.RootDir, directory + QStringLiteral("\\screen\\"));
    m_state.GamesDir = Paths::join(m_state.RootDir, directory + QStringLiteral("\\games\\"));

    reportMissingConsoleDatabase();
    LoadDocumentList();
    FillEmulatorList();
    clearSearch();
    FillGameList();
}

// The master configuration record keeps the console's database and picture; the other
// fields (shown game, window position) stay as they are.
void FrmMain::storeConsoleChoice(const Consoles::Console &console)
{
    DatLast.setDatabaseName(Paths::join(m_state.RootDir, InstallationPaths::masterDatabase()));
    DatLast.setRecordSource(QStringLiteral("select * from config"));
    const bool stored = DatLast.open() && DatLast.edit()
                        && DatLast.setValue(Schema::MasterConfig::Database, console.databaseFile)
                        && DatLast.setValue(Schema::MasterConfig::Picture, console.pictureFile)
                        && DatLast.update();
    if (stored)
        return;
    DatLast.cancelUpdate();
    m_state.dialogs->critical(DatLast.lastError() + QStringLiteral(". The next start will not open the ")
                              + console.statusFinal + QStringLiteral(" console."));
}

// A console database that is missing or is no database: said once, by name; the lists
// then stay empty.
void FrmMain::reportMissingConsoleDatabase()
{
    QString error;
    if (DataSource::connection(m_state.ConsoleDb, &error).isValid())
        return;
    m_state.dialogs->critical(error + QStringLiteral(". The games of this console cannot be shown."));
}
