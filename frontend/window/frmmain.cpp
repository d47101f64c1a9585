#include "frontend/window/frmmain.h"

#include "frontend/app/jetoffer.h"
#include "frontend/chooser/filechooser.h"
#include "frontend/documents/documentspage.h"
#include "frontend/games/gamespage.h"
#include "frontend/plugins/pluginspanel.h"
#include "frontend/record/recordpage.h"
#include "frontend/session/session.h"
#include "frontend/setting/settingpage.h"
#include "frontend/snapshots/snapshotspage.h"
#include "frontend/window/masterconfig.h"
#include "shared/consoles.h"
#include "shared/datasource.h"
#include "shared/dialogs.h"
#include "shared/installationpaths.h"
#include "shared/lockwait.h"
#include "shared/paths.h"
#include "shared/regularfile.h"
#include "shared/schema.h"
#include "shared/twips.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/plaintext.h"
#include "shared/widgets/statuspanels.h"
#include "shared/windowplacement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

namespace {
// The form's size, 11685 x 8520 twips, widened where the status texts would not show whole,
// and never larger than the screen leaves room for, its frame included.
QSize defaultSize(const QMainWindow *window)
{
    QSize size(Twips::toPixels(11685), Twips::toPixels(8520));
    size.setWidth(qMax(size.width(), window->statusBar()->sizeHint().width()));
    size = size.expandedTo(window->minimumSizeHint());
    if (const QScreen *screen = window->screen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 48));
    return size;
}
} // namespace

FrmMain::FrmMain(const QString &rootDir, Dialogs &dialogs, Launcher &launcher, QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FrmMain"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_session = new Session(rootDir, dialogs, launcher, this);
    m_session->setChooser(new FileChooser(this, *m_session));
    createStatusBar();
    m_games = new GamesPage(*m_session, StatusBar1, this);
    m_record = new RecordPage(*m_session, this);
    m_snapshots = new SnapshotsPage(*m_session, this);
    m_setting = new SettingPage(*m_session, this);
    m_documents = new DocumentsPage(*m_session, m_record->notes(), this);
    m_plugins = new PluginsPanel(*m_session, this, this);
    createToolbar();
    createTabStrips();
    resize(defaultSize(this));
    PlainText::applyTo(this);
    showConsoleTitle(QStringLiteral("Console"));
    connect(m_session, &Session::errorReported, this, &FrmMain::showError);
    connect(this, &QObject::destroyed, qApp, [] { QCoreApplication::exit(0); });
}

void FrmMain::showError(const QString &text) { StatusBar1->setText(6, text); }

void FrmMain::showStartNote(const QString &text)
{
    const QString covered = StatusBar1->text(6);
    showError(text);
    auto restore = [this, text, covered] {
        if (StatusBar1->text(6) == text)
            showError(covered);
    };
    connect(m_session, &Session::gameShown, this, restore, Qt::SingleShotConnection);
    auto *timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("NoteTimer"));
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, restore);
    connect(timer, &QTimer::timeout, timer, &QObject::deleteLater);
    timer->start(std::chrono::seconds(20));
}

bool FrmMain::load()
{
    resize(defaultSize(this));
    TabGames->setCurrentIndex(0);
    TabGeneral->setCurrentIndex(0);
    Session &session = *m_session;
    // A file another program holds locked is waited for once: the later steps give up at once.
    const LockWait::Budget lockWait;
    if (Paths::probe(session.masterDatabase()).isEmpty()) {
        session.dialogs().critical(InstallationPaths::notFoundMessage(session.masterDatabase()));
        return false;
    }
    Globale::offerJetConversion(session.rootDir(), session.dialogs());
    MasterConfig::checkConsoleDatabases(session);
    m_storedPosition = MasterConfig::read(session);
    showConsoleTitle(session.console().title);
    applyStoredPosition();
    showConsolePicture();

    m_record->fillLookupLists();
    m_documents->LoadDocumentList();
    MasterConfig::readConsoleFolders(session);
    addMissingColumns();
    m_record->FillEmulatorList();
    m_games->restoreGameListChoices();
    keepSplitter(false);
    m_games->FillGameList();
    m_plugins->ReadPluginRegistry();

    show();
    return true;
}

// The position stored is the contents' top-left corner, and so is the one restored: a
// window frame (known only once the window manager has framed the window) never adds to it,
// so the window stays where it was, restart after restart.
void FrmMain::applyStoredPosition()
{
    if (m_storedPosition)
        setGeometry(QRect(WindowPlacement::visiblePosition(*m_storedPosition, size()), size()));
}

// Panel 1 names the active console; the session keeps the same text.
void FrmMain::showConsoleTitle(const QString &text)
{
    StatusBar1->setText(1, text);
    m_session->editConsole().title = text;
}

void FrmMain::showConsolePicture()
{
    QString error;
    const QString file = m_session->console().picture;
    const QPixmap picture = QPixmap::fromImage(RegularFile::image(Paths::resolve(file), &error));
    ImgConsole->setPixmap(picture);
    // Also in the "Error LOG", where the counts of the list fill do not overwrite it.
    if (picture.isNull())
        m_session->reportLoggedError(QStringLiteral("File ") + file + QStringLiteral(" Not Found"));
}

// Makes a console the active one: its paths, picture and name, the choice kept for the
// next start, and the documents, emulator and game lists filled from its database.
void FrmMain::switchConsole(const Consoles::Console &console)
{
    if (!m_session->mayLeaveRecord())
        return;
    const QString root = m_session->rootDir();
    const QString directory = InstallationPaths::consoleDir(console.directory);
    Session::Console &active = m_session->editConsole();
    showConsoleTitle(console.statusFirst);
    active.database = Paths::join(root, console.databasePath);
    active.picture = Paths::join(root, InstallationPaths::picturesDir() + console.pictureFile);
    showConsolePicture();
    showConsoleTitle(console.statusFinal);
    MasterConfig::storeConsoleChoice(*m_session, console);
    active.screenDir = Paths::join(root, directory + QStringLiteral("\\screen\\"));
    active.gamesDir = Paths::join(root, directory + QStringLiteral("\\games\\"));

    MasterConfig::reportMissingConsoleDatabase(*m_session);
    addMissingColumns();
    m_documents->LoadDocumentList();
    m_record->FillEmulatorList();
    m_games->clearSearch();
    m_games->FillGameList();
}

// A console database of an earlier release gets the columns added since (PlayTime) before
// the pages read its tables. A file that cannot be written keeps working without them: the
// play time is then reported as not stored when a play ends.
void FrmMain::addMissingColumns()
{
    QString error;
    QSqlDatabase db = DataSource::connection(m_session->console().database, &error);
    if (db.isValid())
        Schema::addMissingColumns(db, Schema::File::Console, &error);
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    if (!m_session->mayLeaveRecord()) {
        event->ignore();
        return;
    }
    MasterConfig::storeWindowPosition(*m_session, geometry().topLeft());
    keepSplitter(true);
    event->accept();
}
