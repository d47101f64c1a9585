#include "frontend/record/gamelistimporter.h"

#include "frontend/chooser/filechooser.h"
#include "frontend/games/counttext.h"
#include "frontend/record/importprogress.h"
#include "frontend/session/session.h"
#include "gamelist/gamelistimport.h"
#include "gamelist/newgame.h"
#include "shared/consoles.h"
#include "shared/dialogs.h"
#include "shared/widgets/formbuilder.h"

#include <QDate>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

namespace {

const QString title = QStringLiteral("Import gamelist");

// The name of the first game added, in the list's order.
QString firstAdded(const GamelistImport::Prepared &prepared)
{
    QString first;
    for (const GamelistImport::Item &item : prepared.items) {
        if (item.action != GamelistImport::Action::Add)
            continue;
        QString name = NewGame::nameOf(item.rom);
        for (const FieldMerge::Change &change : item.changes) {
            if (change.column == Catalogue::Gioco)
                name = change.after;
        }
        if (first.isNull() || name.compare(first, Qt::CaseInsensitive) < 0)
            first = name;
    }
    return first;
}

} // namespace

GamelistImporter::GamelistImporter(Session &session, QObject *parent) : QObject(parent), m_session(session)
{
    m_button = Form::button(QStringLiteral("CmdImportGamelist"), QString::fromUtf8("Import gamelist\u2026"));
    m_button->setToolTip(QStringLiteral("Add or update games from the gamelist.xml of EmulationStation, ES-DE, "
                                        "RetroPie, Batocera, Recalbox or Skraper"));
    connect(m_button, &QPushButton::clicked, this, &GamelistImporter::chooseFile);
}

// The chooser closes on the click; the import runs after, from the event loop.
void GamelistImporter::chooseFile()
{
    m_session.chooser().open(QStringLiteral("Choose Gamelist For : ") + m_session.console().title,
                             m_session.console().gamesDir, QStringLiteral("*.xml"),
                             [this](const QString &directory, const QString &fileName) {
                                 const QString path = FileChooser::path(directory, fileName);
                                 QTimer::singleShot(0, this, [this, path] { importFile(path); });
                             });
}

void GamelistImporter::importFile(const QString &path)
{
    const Session::Console &console = m_session.console();
    const QString fileName = QFileInfo(path).fileName();
    // The screenshots' names follow the active console, as a snapshot conversion's do.
    const Consoles::Console *active = m_session.activeConsole();
    const GamelistImport::Request request{{console.database, console.gamesDir, console.screenDir,
                                           m_session.masterDatabase(),
                                           active ? active->statusFinal : console.title},
                                          path,
                                          false,
                                          {},
                                          QDate::currentDate()};
    GamelistImport::Prepared prepared;
    QString error;
    GamelistImport::Status status;
    {
        ImportProgress progress(m_button->window(),
                                QStringLiteral("Reading ") + fileName + QStringLiteral("\u2026"));
        status = GamelistImport::prepare(request, &prepared, &error, progress.callback());
    }
    if (status == GamelistImport::Status::Failed)
        m_session.dialogs().warning(QStringLiteral("Warning!"), error);
    if (status != GamelistImport::Status::Done || !confirm(prepared, fileName))
        return;
    GamelistImport::Counts done;
    {
        ImportProgress progress(m_button->window(),
                                QStringLiteral("Importing ") + fileName + QStringLiteral("\u2026"));
        status = GamelistImport::store(prepared, &done, &error, progress.callback());
    }
    if (status == GamelistImport::Status::Cancelled) {
        m_session.dialogs().information(title, QStringLiteral("The import was cancelled: nothing was stored."));
    } else if (status == GamelistImport::Status::Failed) {
        m_session.dialogs().critical(QStringLiteral("Nothing was imported: ") + error);
    } else {
        emit stored();
        showStored(prepared);
        m_session.dialogs().information(title, GamelistImport::summary(done));
    }
}

// Asks before anything is stored; says so when there is nothing to store.
bool GamelistImporter::confirm(const GamelistImport::Prepared &prepared, const QString &fileName)
{
    const GamelistImport::Counts &counts = prepared.counts;
    if (counts.added == 0 && counts.updated == 0) {
        m_session.dialogs().information(title,
                                        QStringLiteral("Nothing to import from ") + fileName + QStringLiteral(": ")
                                            + GamelistImport::dryRunSummary(counts).section(QStringLiteral(": "),
                                                                                            1));
        return false;
    }
    const QString question = QStringLiteral("Import ") + countText(counts.added + counts.updated + counts.noRom)
                             + QStringLiteral(" games from ") + fileName + QStringLiteral(": ")
                             + countText(counts.added) + QStringLiteral(" new, ") + countText(counts.updated)
                             + QStringLiteral(" to update, ") + countText(counts.noRom)
                             + QStringLiteral(" without a rom in the games folder?");
    return m_session.dialogs().question(title, question);
}

// The list follows: the first new game is shown, or the list is read again.
void GamelistImporter::showStored(const GamelistImport::Prepared &prepared)
{
    const QString first = firstAdded(prepared);
    if (first.isNull())
        m_session.requestFill();
    else
        m_session.reportAdded(first);
}
