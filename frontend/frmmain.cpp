#include "frontend/frmmain.h"

#include "frontend/documentspage.h"
#include "frontend/jetoffer.h"
#include "frontend/pluginspanel.h"
#include "shared/columntexts.h"
#include "shared/consoles.h"
#include "shared/dialogs.h"
#include "shared/installationpaths.h"
#include "shared/paths.h"
#include "shared/regularfile.h"
#include "shared/schema.h"
#include "shared/twips.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/plaintext.h"
#include "shared/widgets/statuspanels.h"
#include "shared/windowplacement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QTabWidget>

namespace {

const QString configQuery = QStringLiteral("select * from config");

// What the front-end assumes when the master configuration record cannot be read.
const Consoles::Console &fallbackConsole() { return Consoles::toolbarOrder().front(); }

} // namespace

FrmMain::FrmMain(Globale::State &state, QWidget *parent) : QMainWindow(parent), m_state(state)
{
    setAttribute(Qt::WA_DeleteOnClose);
    ui.setupUi(this);
    PlainText::applyTo(this);
    bindRecordControls();
    connectPages();
    connect(this, &QObject::destroyed, qApp, [] { QCoreApplication::exit(0); });
}

FrmMain::~FrmMain() = default;

void FrmMain::connectPages()
{
    connectToolbar();
    connectGamesPage();
    connectRecordPage();
    connectScanButton();
    connectSettingPage();
    connectSnapshotPage();
    connectDocumentsPage();
    connectPluginsPage();
    connectHelpButton();
}

void FrmMain::recordError(const QString &text) { ui.StatusBar1->setText(6, text); }

void FrmMain::connectDocumentsPage()
{
    m_documents = new DocumentsPage(
        ui, m_state, [this](const QString &text) { recordError(text); }, this);
    connect(m_documents, &DocumentsPage::fileWanted, this, [this] {
        openChooserWithCaption(PurposeDocument, QStringLiteral("Choose Document File "), QStringLiteral("*.*"),
                               m_state.RootDir);
    });
}

void FrmMain::LoadDocumentList() { m_documents->load(); }

void FrmMain::connectPluginsPage()
{
    m_plugins = new PluginsPanel(
        ui, m_state, [this](const QString &text) { recordError(text); }, this);
    connect(m_plugins, &PluginsPanel::executableWanted, this,
            [this](int purpose, const QString &caption, const QString &pattern) {
                openChooserWithCaption(purpose, caption, pattern);
            });
}

void FrmMain::ReadPluginRegistry() { m_plugins->readRegistry(); }

void FrmMain::choosePluginExecutable(const QString &directory, const QString &fileName)
{
    m_plugins->registerExecutable(m_state.ChooserPurpose, chooserPath(directory, fileName),
                                  m_browser ? m_browser->DatPlug : m_plugins->DatPlug);
}

void FrmMain::chooseDocumentFile(const QString &directory, const QString &fileName)
{
    m_documents->setFile(chooserPath(directory, fileName));
}

bool FrmMain::load()
{
    resize(FrmMainUi::windowSize());
    ui.TabGames->setCurrentIndex(0);
    ui.TabGeneral->setCurrentIndex(0);

    const QString master = Paths::join(m_state.RootDir, InstallationPaths::masterDatabase());
    if (Globale::probe(master).isEmpty()) {
        m_state.dialogs->critical(InstallationPaths::notFoundMessage(master));
        return false;
    }
    Globale::offerJetConversion(m_state.RootDir, *m_state.dialogs);
    CheckConsoleDatabases();
    readMasterConfig();

    m_state.NoPicFile = Paths::join(m_state.RootDir, InstallationPaths::noPicture());
    showConsolePicture();

    fillLookupList(ui.CmbLanguage, QStringLiteral("SELECT * from langu order by [language]"));
    fillLookupList(ui.CmbGenre, QStringLiteral("genres"));
    fillLookupList(ui.CmbProducer, QStringLiteral("SELECT * from publisher order by [publisher]"));
    fillFixedLists();

    LoadDocumentList();
    readConsoleConfig();
    FillEmulatorList();
    restoreGameListChoices();
    FillGameList();
    ReadPluginRegistry();

    show();
    return true;
}

void FrmMain::CheckConsoleDatabases()
{
    m_state.DbMissing = false;
    QString message = QStringLiteral("This DATABASES of Console are not installed : ");
    for (const Consoles::Console *console : Consoles::comparisonOrder()) {
        if (Globale::probe(Paths::join(m_state.RootDir, console->probedPath)).isEmpty()) {
            message += console->missingText;
            m_state.DbMissing = true;
        }
    }
    if (!m_state.DbMissing)
        return;
    message += QStringLiteral(
        "YOU MUST DOWNLOAD THIS DATABASE AND PUT IT IN THE '\\DATABASE\\' DIRECTORY OF LUDORA4 !!");
    m_state.dialogs->critical(message);
}

// Restores the active console and the window position from the master configuration
// record. A record that cannot be read is reported, and the first console is used.
bool FrmMain::readMasterConfig()
{
    const QString master = Paths::join(m_state.RootDir, InstallationPaths::masterDatabase());
    DatLast.setDatabaseName(master);
    DatLast.setRecordSource(configQuery);
    QString problem;
    if (!DatLast.open())
        problem = DatLast.lastError();
    else if (DatLast.atEnd())
        problem = QStringLiteral("File ") + master + QStringLiteral(" has no configuration record");
    else if (DatLast.value(Schema::MasterConfig::Database).toString().trimmed().isEmpty())
        problem = QStringLiteral("File ") + master
                  + QStringLiteral(" names no console database in its configuration record");

    QString database = fallbackConsole().databaseFile;
    QString picture = fallbackConsole().pictureFile;
    if (problem.isEmpty()) {
        database = DatLast.value(Schema::MasterConfig::Database).toString();
        picture = DatLast.value(Schema::MasterConfig::Picture).toString();
        m_state.CurrentGame = DatLast.value(Schema::MasterConfig::Game).toString();
        const QVariant top = DatLast.value(Schema::MasterConfig::Top);
        const QVariant left = DatLast.value(Schema::MasterConfig::Left);
        if (!top.isNull() && !left.isNull())
            m_storedPosition = QPoint(Twips::toPixels(left.toDouble()), Twips::toPixels(top.toDouble()));
    } else {
        m_state.dialogs->critical(problem + QStringLiteral(". Ludora4 starts with the ")
                                  + fallbackConsole().statusFinal + QStringLiteral(" console."));
    }
    if (database == QLatin1String("amiga.mdb"))
        ui.StatusBar1->setText(1, QStringLiteral("Amiga"));
    m_state.ConsoleDb = Paths::join(m_state.RootDir, InstallationPaths::databasesDir() + database);
    m_state.ConsolePic = Paths::join(m_state.RootDir, InstallationPaths::picturesDir() + picture);
    applyStoredPosition();
    return problem.isEmpty();
}

void FrmMain::applyStoredPosition()
{
    if (m_storedPosition)
        move(WindowPlacement::visiblePosition(*m_storedPosition, size()));
}

void FrmMain::showConsolePicture()
{
    QString error;
    const QPixmap picture = QPixmap::fromImage(RegularFile::image(Paths::resolve(m_state.ConsolePic), &error));
    ui.ImgConsole->setPixmap(picture);
    // Also in the "Error LOG", where the counts of the list fill do not overwrite it.
    if (picture.isNull())
        recordDisplayError(QStringLiteral("File ") + m_state.ConsolePic + QStringLiteral(" Not Found"));
}

void FrmMain::fillLookupList(QComboBox *list, const QString &recordSource)
{
    QStringList entries;
    const bool opened = readColumnTexts(DatLudora,
                                        Paths::join(m_state.RootDir, InstallationPaths::masterDatabase()),
                                        recordSource, Schema::Lookup::Text, &entries);
    list->clear();
    list->addItems(entries);
    if (!opened)
        recordError(DatLudora.lastError());
}

void FrmMain::fillFixedLists()
{
    QStringList years;
    for (int year = 1975; year <= 2009; ++year)
        years.append(QString::number(year));
    ui.TxtYear->addItems(years);
    ui.TxtRating->clear();
    for (int rating = 0; rating <= 5; ++rating)
        ui.TxtRating->addItem(QString::number(rating));
}

// The console's own directories. Without a readable configuration record, or where a
// field of it is empty, they are taken from the console table, as a console switch sets them.
void FrmMain::readConsoleConfig()
{
    const Consoles::Console *console = Consoles::byDatabaseFile(QFileInfo(m_state.ConsoleDb).fileName());
    const QString consoleDir = InstallationPaths::consoleDir(console ? console->directory
                                                                     : fallbackConsole().directory);
    const auto directory = [&](const QString &stored, const QString &ownFolder) {
        return Paths::join(m_state.RootDir, stored.trimmed().isEmpty() ? consoleDir + ownFolder
                                                                       : QStringLiteral("\\console") + stored);
    };
    const QString screen = QStringLiteral("\\screen\\");
    const QString games = QStringLiteral("\\games\\");

    DatConfig.setDatabaseName(m_state.ConsoleDb);
    DatConfig.setRecordSource(configQuery);
    if (DatConfig.open() && !DatConfig.atEnd()) {
        m_state.ScreenDir = directory(DatConfig.value(Schema::ConsoleConfig::ScreenDir).toString(), screen);
        m_state.GamesDir = directory(DatConfig.value(Schema::ConsoleConfig::GamesDir).toString(), games);
        return;
    }
    const bool unreadable = !DatConfig.lastError().isEmpty();
    m_state.ScreenDir = directory(QString(), screen);
    m_state.GamesDir = directory(QString(), games);
    const QString message = unreadable
                                ? DatConfig.lastError()
                                      + QStringLiteral(". The games of this console cannot be shown.")
                                : QStringLiteral("File ") + m_state.ConsoleDb
                                      + QStringLiteral(
                                          " has no configuration record. Its games are shown; their screenshots "
                                          "are looked for in ")
                                      + m_state.ScreenDir + QStringLiteral(" and their roms in ")
                                      + m_state.GamesDir + QLatin1Char('.');
    m_state.dialogs->critical(message);
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    storeWindowPosition();
    event->accept();
}

void FrmMain::storeWindowPosition()
{
    DatLast.setDatabaseName(Paths::join(m_state.RootDir, InstallationPaths::masterDatabase()));
    DatLast.setRecordSource(configQuery);
    if (!DatLast.open() || !DatLast.edit())
        return;
    DatLast.setValue(Schema::MasterConfig::Top, float(Twips::fromPixels(pos().y())));
    DatLast.setValue(Schema::MasterConfig::Left, float(Twips::fromPixels(pos().x())));
    DatLast.update();
}
