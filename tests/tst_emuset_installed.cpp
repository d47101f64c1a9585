// An installed Emuset (its directory not writable, no emuset.ini beside it): the settings
// file in the user's configuration directory, the user's own installation used without
// the first-run question, and the choosers accepting an installation without ludora4.
#include "emuset/app/settingsfile.h"
#include "install/installation.h"
#include "shared/widgets/filelists.h"
#include "tests/support/builtprograms.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"
#include "tests/tst_emuset_support.h"

#include <QTemporaryDir>

using namespace EmusetRun;
using Emuset::SettingsPlace::Place;

namespace {
QString native(const QString &path) { return QDir::toNativeSeparators(path); }
// The emulator of the test's installation: a main window showing it is open on it.
const QStringList marker = {"Marker"};
} // namespace

class TestEmusetInstalled : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_install.isValid() && m_install.addEmulator(marker[0], "/m")); }
    void cleanup() { closeAll(); }
    void place_data();
    void place();
    void installedStart_data();
    void installedStart();
    void pluginChooserPicks_data();
    void pluginChooserPicks();
    void chooserStoresInConfiguration();
    void pluginChooserTakesMasterDatabase();
    void choosersStartAndPick_data();
    void choosersStartAndPick();

private:
    // Starts as installed: the settings in the test's home, its data directory the
    // user's own installation.
    void startInstalled()
    {
        m_dialogs.shown.clear();
        Generale::startProcedure(m_own.path(),
                                 Emuset::SettingsPlace::choose(m_own.path(), false, m_home.filePath("config"),
                                                               m_home.filePath("data")),
                                 m_dialogs, m_launcher);
        QApplication::processEvents();
    }
    // Installed, on the test's installation, with the plug-in chooser open in dir.
    QWidget *openPluginChooser(const QString &dir);

    TestInstall m_install;
    QTemporaryDir m_own;
    QTemporaryDir m_home;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
};

QWidget *TestEmusetInstalled::openPluginChooser(const QString &dir)
{
    if (!writeIni(m_home.path(), iniLine(m_install.root())))
        return nullptr;
    Generale::startProcedure(m_own.path(), Place{true, m_home.filePath("emuset.ini"), {}}, m_dialogs, m_launcher);
    const WorkingDir there(dir);
    trigger(mainWindow(), "ludora4");
    return window("FrmBrowserPlug");
}

void TestEmusetInstalled::place_data()
{
    QTest::addColumn<bool>("iniBeside");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("installed");
    QTest::newRow("writable directory") << false << true << false;
    QTest::newRow("emuset.ini beside, read-only directory") << true << false << false;
    QTest::newRow("read-only directory without emuset.ini") << false << false << true;
}

void TestEmusetInstalled::place()
{
    QFETCH(bool, iniBeside);
    QFETCH(bool, writable);
    QFETCH(bool, installed);
    QTemporaryDir own;
    if (iniBeside)
        QVERIFY(writeIni(own.path(), "x\r\n"));
    const Place place = Emuset::SettingsPlace::choose(own.path(), writable, "/home/u/.config",
                                                      "/home/u/.local/share");
    QCOMPARE(place.installed, installed);
    QCOMPARE(place.settingsFile,
             installed ? native("/home/u/.config/ludora4/emuset.ini") : native(own.filePath("emuset.ini")));
    QCOMPARE(place.dataRoot, installed ? native("/home/u/.local/share/ludora4") : QString());
}

// DATA: the user's data directory holds a fresh installation (no emulator); OTHER:
// emuset.ini in the configuration directory names the test's installation, which wins.
void TestEmusetInstalled::installedStart_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("opened"); // the installation used, "" for the chooser
    QTest::newRow("own installation, no settings") << "DATA"
                                                   << "DATA";
    QTest::newRow("settings name another installation") << "DATA OTHER"
                                                        << "OTHER";
    QTest::newRow("settings and no own installation") << "OTHER"
                                                      << "OTHER";
    QTest::newRow("nothing: the first-run question") << ""
                                                     << "";
}

void TestEmusetInstalled::installedStart()
{
    QFETCH(QString, setup);
    QFETCH(QString, opened);
    const QString data = m_home.filePath("data/ludora4");
    QDir(data).removeRecursively();
    QDir(m_home.filePath("config")).removeRecursively();
    QString error;
    if (setup.contains("DATA"))
        QVERIFY2(Installation::create(data, BuiltPrograms::options(), &error), qPrintable(error));
    if (setup.contains("OTHER")) {
        QVERIFY(QDir().mkpath(m_home.filePath("config/ludora4")));
        QVERIFY(writeIni(m_home.filePath("config/ludora4"), iniLine(m_install.root())));
    }
    startInstalled();

    QVERIFY(!QFile::exists(m_own.filePath("emuset.ini")));
    QCOMPARE(window("FrmBrowser") != nullptr, opened.isEmpty());
    QCOMPARE(mainWindow() != nullptr, !opened.isEmpty());
    QVERIFY(m_dialogs.shown.isEmpty());
    if (!opened.isEmpty())
        QCOMPARE(entries(mainWindow(), "LstEmu"), opened == "DATA" ? QStringList() : marker);
}

// The installation a click in the plug-in chooser picks, told by the registry it then
// looks for; a click that picks none is refused with a warning.
void TestEmusetInstalled::pluginChooserPicks_data()
{
    QTest::addColumn<QStringList>("files"); // made below a fresh tree
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("picked"); // relative to the tree, "-" for none, "" when not listed
    const QString ludora4 = exe("ludora4");
    QTest::newRow("executable") << QStringList{"root/" + ludora4} << "root/" + ludora4 << "root";
    QTest::newRow("executable, other case")
        << QStringList{"root/" + ludora4.toUpper()} << "root/" + ludora4.toUpper() << "root";
    QTest::newRow("master database in pack") << QStringList{"root/pack/ludora.mdb"} << "root/pack/ludora.mdb"
                                             << "root";
    QTest::newRow("master database, other case") << QStringList{"root/PACK/LUDORA.MDB"} << "root/PACK/LUDORA.MDB"
                                                 << "root";
    QTest::newRow("master database beside an executable")
        << QStringList{"root/" + ludora4, "root/pack/ludora.mdb"} << "root/pack/ludora.mdb"
        << "-";
    QTest::newRow("master database outside pack") << QStringList{"root/ludora.mdb"} << "root/ludora.mdb"
                                                  << "-";
    QTest::newRow("another file") << QStringList{"root/pack/plugins.mdb"} << "root/pack/plugins.mdb"
                                  << "";
}

void TestEmusetInstalled::pluginChooserPicks()
{
    QFETCH(QStringList, files);
    QFETCH(QString, clicked);
    QFETCH(QString, picked);
    QTemporaryDir tree;
    for (const QString &file : files)
        QVERIFY(QDir(tree.path()).mkpath(QFileInfo(file).path()) && touch(tree.filePath(file)));
    const QFileInfo click(tree.filePath(clicked));
    QVERIFY(openPluginChooser(click.path()));
    m_dialogs.shown.clear();
    QCOMPARE(clickFile(click.fileName(), "FrmBrowserPlug"), !picked.isEmpty());
    if (picked.isEmpty())
        return;
    const QStringList boxes = said(m_dialogs);
    QCOMPARE(boxes.size(), 1);
    if (picked == "-")
        QVERIFY2(boxes[0].startsWith("warning|Warning!|" + native(click.filePath())
                                     + " is not the master database of a Ludora4 installation without "),
                 qPrintable(boxes[0]));
    else
        QCOMPARE(boxes[0], "critical|ERROR!|File " + native(tree.filePath(picked) + "/pack/plugins.mdb")
                               + " Not Found !? Can't Install Plug-In");
}

// The first-run chooser of an installed Emuset: the master database of the user's
// installation is listed and picks it; the choice, and the folder it was made in, go to
// a configuration directory that did not exist yet.
void TestEmusetInstalled::chooserStoresInConfiguration()
{
    QDir(m_home.filePath("config")).removeRecursively();
    QDir(m_home.filePath("data")).removeRecursively();
    {
        const WorkingDir there(m_install.path("pack"));
        startInstalled();
    }
    QCOMPARE(entries(window("FrmBrowser"), "File1"), QStringList{"ludora.mdb"});
    QVERIFY(clickFile("ludora.mdb"));

    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(readAll(m_home.filePath("config/ludora4/emuset.ini")),
             iniLine(m_install.root()) + "folder.frontend=" + native(m_install.path("pack")).toUtf8() + "\r\n");
    QVERIFY(!QFile::exists(m_own.filePath("emuset.ini")));
    QCOMPARE(entries(mainWindow(), "LstEmu"), marker);
}

// Installing into the front-end from an installed Emuset: a click on the master database
// registers the program's own path; a master database beside an executable is refused.
void TestEmusetInstalled::pluginChooserTakesMasterDatabase()
{
    const QString query = "SELECT Path FROM plugins WHERE plug = 'emuset'";
    QVERIFY(openPluginChooser(m_install.path("pack")));
    m_dialogs.shown.clear();
    QVERIFY(touch(m_install.path(exe("ludora4"))));
    QVERIFY(clickFile("ludora.mdb", "FrmBrowserPlug"));
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].title, "Warning!");
    QVERIFY(m_install.scalar(TestInstall::registryDb(), query).isNull());

    QVERIFY(QFile::remove(m_install.path(exe("ludora4"))));
    QVERIFY(clickFile("ludora.mdb", "FrmBrowserPlug"));
    QCOMPARE(said(m_dialogs).value(1), "none|Installation Complete!|Plug In Installed !");
    QCOMPARE(m_install.scalar(TestInstall::registryDb(), query), QVariant(native(m_own.filePath(exe("emuset")))));
}

// The choosers of an installed Emuset: where they start (the folder last chosen in for
// their purpose, else the user's installation, else the working directory), and what a
// typed installed ludora4 picks. Tokens: DATA the user's installation, BIN a folder
// holding only ludora4 (as /usr/bin), OTHER the test's installation, CWD the working
// directory, GONE a folder that no longer exists.
void TestEmusetInstalled::choosersStartAndPick_data()
{
    QTest::addColumn<QString>("data");    // the user's installation: "", "pack" (master only), "full"
    QTest::addColumn<QString>("stored");  // emuset.ini: OTHER on its first line, then "PURPOSE=FOLDER"
    QTest::addColumn<QString>("chooser"); // the chooser opened (from the menu when the main window opens)
    QTest::addColumn<bool>("typed");      // BIN/ludora4 typed into its path box
    QTest::addColumn<QString>("shows");   // the folder it starts in
    QTest::addColumn<QString>("uses");    // the front-end's directory afterwards, "" with no main window
    QTest::addColumn<QString>("said");    // the start of the one message, "" for none
    QTest::addColumn<QString>("kept");    // the folder kept for its purpose afterwards
    const QString browser = "FrmBrowser", plug = "FrmBrowserPlug";
    QTest::newRow("fallback without the Gameboy database: the chooser") << "pack"
                                                                        << "" << browser << false << "DATA/pack"
                                                                        << ""
                                                                        << ""
                                                                        << "";
    QTest::newRow("installed ludora4: the user's installation") << "full"
                                                                << "OTHER" << browser << true << "DATA/pack"
                                                                << "DATA"
                                                                << ""
                                                                << "BIN";
    QTest::newRow("installed ludora4 before the user's installation: refused")
        << ""
        << "OTHER" << browser << true << "CWD"
        << "OTHER"
        << "warning|Warning!|The folder DATA holds no usable Ludora4 installation"
        << "";
    QTest::newRow("installed ludora4 installs the plug-in into the user's installation")
        << "full"
        << "OTHER" << plug << true << "DATA/pack"
        << "OTHER"
        << "none|Installation Complete!"
        << "BIN";
    QTest::newRow("last folder remembered") << "full"
                                            << "OTHER\nfrontend=BIN" << browser << false << "BIN"
                                            << "OTHER"
                                            << ""
                                            << "BIN";
    QTest::newRow("remembered folder gone: the default")
        << "full"
        << "OTHER\nfrontend=GONE" << browser << false << "DATA/pack"
        << "OTHER"
        << ""
        << "GONE";
    QTest::newRow("another purpose's folder not used")
        << ""
        << "OTHER\nfrontend=BIN\nemulator.gameboy=BIN" << plug << false << "CWD"
        << "OTHER"
        << ""
        << "";
    QTest::newRow("each purpose its own") << "full"
                                          << "OTHER\nfrontend=DATA\nplugin=BIN" << plug << false << "BIN"
                                          << "OTHER"
                                          << ""
                                          << "BIN";
}

void TestEmusetInstalled::choosersStartAndPick()
{
    QFETCH(QString, data);
    QFETCH(QString, stored);
    QFETCH(QString, chooser);
    QFETCH(bool, typed);
    QFETCH(QString, shows);
    QFETCH(QString, uses);
    QFETCH(QString, said);
    QFETCH(QString, kept);
    QTemporaryDir tree;
    QVERIFY(QDir(tree.path()).mkpath("bin") && QDir(tree.path()).mkpath("cwd"));
    QVERIFY(touch(tree.filePath("bin/" + exe("ludora4"))));
    const QString dataRoot = m_home.filePath("data/ludora4");
    const auto path = [&](QString token) {
        token.replace("DATA", dataRoot).replace("BIN", tree.filePath("bin")).replace("OTHER", m_install.root());
        return native(token.replace("CWD", tree.filePath("cwd")).replace("GONE", tree.filePath("gone")));
    };
    QDir(dataRoot).removeRecursively();
    QDir(m_home.filePath("config")).removeRecursively();
    QString error;
    if (data == "full")
        QVERIFY2(Installation::create(dataRoot, BuiltPrograms::options(), &error), qPrintable(error));
    if (data == "pack")
        QVERIFY(QDir().mkpath(dataRoot + "/pack") && touch(dataRoot + "/pack/ludora.mdb"));
    const QString ini = m_home.filePath("config/ludora4/emuset.ini");
    const QStringList lines = stored.split('\n', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString purpose = lines[i].section('=', 0, 0), folder = path(lines[i].section('=', 1));
        QVERIFY(QDir().mkpath(m_home.filePath("config/ludora4")));
        QVERIFY(i > 0 ? Emuset::SettingsFile::storeFolder(ini, purpose, folder, &error)
                      : Emuset::SettingsFile::write(ini, path(lines[i]), &error));
    }
    QVERIFY(QDir().mkpath(tree.filePath("gone")) && QDir(tree.filePath("gone")).removeRecursively());
    {
        const WorkingDir there(tree.filePath("cwd"));
        startInstalled();
        if (mainWindow())
            trigger(mainWindow(), chooser == "FrmBrowser" ? "database" : "ludora4");
    }
    QWidget *opened = window(chooser);
    QVERIFY(opened);
    QCOMPARE(native(opened->findChild<FileLists *>()->path()), path(shows));
    m_dialogs.shown.clear();
    if (typed) {
        replaceText(child(opened, "TxtPath"), tree.filePath("bin/" + exe("ludora4")));
        QTest::keyClick(child(opened, "TxtPath"), Qt::Key_Return);
    }

    const QStringList boxes = EmusetRun::said(m_dialogs);
    QCOMPARE(boxes.size(), said.isEmpty() ? 0 : 1);
    if (!said.isEmpty())
        QVERIFY2(boxes[0].startsWith(path(said)), qPrintable(boxes[0]));
    QCOMPARE(mainWindow() != nullptr, !uses.isEmpty());
    if (!uses.isEmpty())
        QCOMPARE(Generale::state().FrontEndDir, Emuset::SettingsFile::withTrailingSeparator(path(uses)));
    QString first;
    Emuset::SettingsFile::read(ini, &first, &error);
    QCOMPARE(first, uses.isEmpty() ? QString() : Emuset::SettingsFile::withTrailingSeparator(path(uses)));
    const QString purpose = chooser == "FrmBrowser" ? "frontend" : "plugin";
    QCOMPARE(Emuset::SettingsFile::folder(ini, purpose), kept.isEmpty() ? QString() : path(kept));
}

QTEST_MAIN(TestEmusetInstalled)
#include "tst_emuset_installed.moc"
