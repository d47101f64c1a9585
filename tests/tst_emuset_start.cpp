// Emuset's start: emuset.ini in every shape a file can take, the first-run chooser, the
// load check with its message, the main window's menus and console list, and installing
// Emuset into a front-end's plug-in registry (from its menu and by the installation maker).
#include "emuset/app/startoptions.h"
#include "install/installemuset.h"
#include "shared/twips.h"
#include "tests/support/builtprograms.h"
#include "tests/support/comboentries.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"
#include "tests/tst_emuset_support.h"

#include <QAction>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace EmusetRun;

namespace {
enum class Outcome { Chooser, MainWindow, LoadCheckFails };
// The emulator every test's installation lists: a main window showing it is open on it.
const QStringList marker = {"Marker"};
} // namespace

Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(Emuset::StartOptions::Action)

class TestEmusetStart : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_install.isValid() && m_install.addEmulator(marker[0], "/m")); }
    void cleanup() { closeAll(); }
    void startOptions_data();
    void startOptions();
    void settingsFile_data();
    void settingsFile();
    void missingGameboyDatabaseEndsAndForgets();
    void chooserStoresTheDirectory_data();
    void chooserStoresTheDirectory();
    void mainWindowMenusAndConsoles();
    void exitEndsTheProgram();
    void installWithoutRegistryWritesNothing();
    void installStoresOwnPath();
    void installationMakerLaysEmusetIn();
    void demoInstallationCarriesEmuset();

private:
    QMainWindow *startOn(const QString &ownDir)
    {
        m_dialogs.shown.clear();
        return start(ownDir, m_dialogs, m_launcher);
    }
    QMainWindow *startOnInstallation(QTemporaryDir &own)
    {
        return writeIni(own.path(), iniLine(m_install.root())) ? startOn(own.path()) : nullptr;
    }

    TestInstall m_install;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
};

// What the command line asks, and what the built program prints and how it ends, on a
// platform that cannot show a window: --help and --version need no display.
void TestEmusetStart::startOptions_data()
{
    using Emuset::StartOptions::Action;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("text"); // a pattern the printed text matches
    QTest::newRow("nothing") << QStringList{} << Action::Start << "^$";
    QTest::newRow("help") << QStringList{"--help"} << Action::Print
                          << "^Usage: emuset \\[options\\]\n(.|\n)*emuset\\.ini(.|\n)*--help(.|\n)*--version";
    QTest::newRow("-h wins over a stray argument") << QStringList{"-h", "stray"} << Action::Print << "^Usage:";
    QTest::newRow("version") << QStringList{"--version"} << Action::Print << "^Emuset \\d+\\.\\d+\\.\\d+\n$";
    QTest::newRow("-v") << QStringList{"-v"} << Action::Print << "^Emuset \\d";
    QTest::newRow("unknown option") << QStringList{"--root"} << Action::Fail
                                    << "^emuset: Unknown option 'root'\\.?\nTry 'emuset --help'";
    QTest::newRow("stray argument") << QStringList{"stray"} << Action::Fail
                                    << "^emuset: unexpected argument 'stray'\nTry 'emuset --help'";
}

void TestEmusetStart::startOptions()
{
    using Emuset::StartOptions::Action;
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, text);
    const QRegularExpression pattern(text);
    const Emuset::StartOptions::Result result = Emuset::StartOptions::parse(QStringList{"/usr/bin/emuset"}
                                                                            + arguments);
    QCOMPARE(result.action, action);
    QVERIFY2(pattern.match(result.text).hasMatch(), qPrintable(result.text));
    if (action == Action::Start)
        return;

    QProcess emuset;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "no-such-platform");
    emuset.setProcessEnvironment(environment);
    emuset.start(BuiltPrograms::emuset(), arguments);
    QVERIFY(emuset.waitForFinished(30000));
    QCOMPARE(emuset.exitStatus(), QProcess::NormalExit);
    QCOMPARE(emuset.exitCode(), action == Action::Print ? 0 : 2);
    const QString printed = QString::fromLocal8Bit(action == Action::Print ? emuset.readAllStandardOutput()
                                                                           : emuset.readAllStandardError());
    QCOMPARE(printed, result.text);
}

// ROOT in a content stands for the installation's directory.
void TestEmusetStart::settingsFile_data()
{
    QTest::addColumn<QByteArray>("content"); // "<none>": no file at all
    QTest::addColumn<Outcome>("outcome");
    const QByteArray sep(1, QDir::separator().toLatin1());
    QTest::newRow("no file") << QByteArray("<none>") << Outcome::Chooser;
    QTest::newRow("empty file") << QByteArray() << Outcome::Chooser;
    QTest::newRow("only line empty") << QByteArray("\r\n") << Outcome::Chooser;
    QTest::newRow("blank line, directory below") << QByteArray("  \r\nROOT\r\n") << Outcome::Chooser;
    QTest::newRow("as written, CR LF") << "ROOT" + sep + "\r\n" << Outcome::MainWindow;
    QTest::newRow("no line end") << "ROOT" + sep << Outcome::MainWindow;
    QTest::newRow("LF only") << "ROOT" + sep + "\n" << Outcome::MainWindow;
    QTest::newRow("no trailing separator") << QByteArray("ROOT\r\n") << Outcome::MainWindow;
    QTest::newRow("leading blanks, more items") << "   ROOT" + sep + ",second\r\n" << Outcome::MainWindow;
    QTest::newRow("quoted") << "\"ROOT" + sep + "\"\r\n" << Outcome::MainWindow;
    QTest::newRow("comma cuts the directory")
        << QByteArray("ROOT,x\r\n").replace("ROOT", "ROOT/a") << Outcome::LoadCheckFails;
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe\x01\x02,\x00", 7) << Outcome::LoadCheckFails;
    QTest::newRow("10 MB without line end") << QByteArray(10 * 1024 * 1024, 'x') << Outcome::LoadCheckFails;
    QTest::newRow("10 MB after the directory")
        << "ROOT" + sep + "\r\n" + QByteArray(10 * 1024 * 1024, '\xff') << Outcome::MainWindow;
    QTest::newRow("UTF-8 byte order mark") << "\xef\xbb\xbfROOT" + sep + "\r\n" << Outcome::MainWindow;
    QTest::newRow("CR only") << "ROOT" + sep + "\rsecond line\r" << Outcome::MainWindow;
    QTest::newRow("comma only") << QByteArray(",\r\n") << Outcome::Chooser;
}

void TestEmusetStart::settingsFile()
{
    QFETCH(QByteArray, content);
    QFETCH(Outcome, outcome);
    QTemporaryDir own;
    if (content != "<none>")
        QVERIFY(writeIni(own.path(), QByteArray(content).replace("ROOT", m_install.root().toUtf8())));
    QMainWindow *main = startOn(own.path());

    QCOMPARE(window("FrmBrowser") != nullptr, outcome == Outcome::Chooser);
    QCOMPARE(main != nullptr, outcome == Outcome::MainWindow);
    QCOMPARE(m_dialogs.shown.size(), outcome == Outcome::LoadCheckFails ? 1 : 0);
    if (main)
        QCOMPARE(entries(main, "LstEmu"), marker);
    if (outcome == Outcome::LoadCheckFails)
        QVERIFY(!QFile::exists(own.filePath("emuset.ini")));
}

void TestEmusetStart::missingGameboyDatabaseEndsAndForgets()
{
    QTemporaryDir own;
    QTemporaryDir elsewhere;
    QVERIFY(writeIni(own.path(), iniLine(elsewhere.path())));
    startOn(own.path());
    QCOMPARE(said(m_dialogs),
             QStringList{
                 "critical|Error|Ludora4.exe Not Found! Please RESTART Emuset and select Ludora4.exe Again "});
    QVERIFY(!QFile::exists(own.filePath("emuset.ini")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));

    // The next run starts as a first run.
    startOn(own.path());
    QVERIFY(window("FrmBrowser"));
}

// The first-run chooser lists the front-end's executable only; a click on it stores the
// directory and opens the main window. A settings file that cannot be written (a
// directory in its place) is reported, and the chosen directory serves this run.
void TestEmusetStart::chooserStoresTheDirectory_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("typed"); // the executable's path typed into the path box, not clicked
    QTest::newRow("written") << true << false;
    QTest::newRow("not writable") << false << false;
    QTest::newRow("written, path typed") << true << true;
}

void TestEmusetStart::chooserStoresTheDirectory()
{
    QFETCH(bool, writable);
    QFETCH(bool, typed);
    QVERIFY(touch(m_install.path(exe("ludora4"))));
    QVERIFY(touch(m_install.path("readme.txt")));
    QTemporaryDir own;
    const QString ini = own.filePath("emuset.ini");
    QVERIFY(writable || QDir(own.path()).mkdir("emuset.ini"));
    {
        const WorkingDir there(m_install.root());
        startOn(own.path());
    }
    QWidget *chooser = window("FrmBrowser");
    QVERIFY(chooser);
    QCOMPARE(chooser->windowTitle(), "Select LUDORA4.EXE on your computer");
    QCOMPARE(entries(chooser, "File1"), QStringList{exe("ludora4")});
    if (typed) {
        replaceText(child(chooser, "TxtPath"), m_install.path(exe("ludora4")));
        QTest::keyClick(child(chooser, "TxtPath"), Qt::Key_Return);
    } else {
        QVERIFY(clickFile(exe("ludora4")));
    }

    QVERIFY(!window("FrmBrowser"));
    QVERIFY(mainWindow());
    QCOMPARE(entries(mainWindow(), "LstEmu"), marker);
    if (writable) {
        QCOMPARE(readAll(ini), iniLine(m_install.root()) + "folder.frontend="
                                   + QDir::toNativeSeparators(m_install.root()).toUtf8() + "\r\n");
        QVERIFY(m_dialogs.shown.isEmpty());
        return;
    }
    const QStringList boxes = said(m_dialogs);
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes[0].startsWith("warning|Warning!|Can't store the Ludora4 directory: ") && boxes[0].contains(ini),
             qPrintable(boxes[0]));
}

void TestEmusetStart::mainWindowMenusAndConsoles()
{
    QTemporaryDir own;
    QMainWindow *main = startOnInstallation(own);
    QVERIFY(main);
    QCOMPARE(main->windowTitle(), "Emuset");
    QCOMPARE(main->height(), Twips::toPixels(6675));
    QCOMPARE(child<QMenu>(main, "file")->title(), "&File");
    QCOMPARE(child<QMenu>(main, "help")->title(), "&Help");
    const std::pair<const char *, const char *> items[] = {{"database", "Choose Ludora4 Directory"},
                                                           {"ludora4", "Install Plug-In Into Ludora4"},
                                                           {"exit", "Exit"},
                                                           {"help1", "Help"},
                                                           {"about", "About"}};
    for (const auto &[name, caption] : items) {
        auto *action = child<QAction>(main, name);
        QVERIFY2(action, name);
        QCOMPARE(action->text(), QLatin1String(caption));
    }
    QVERIFY(child<QAction>(main, "linea")->isSeparator());
    QCOMPARE(comboEntries(main, "CmbEmu"),
             QStringList({"Gameboy", "Nintendo", "SuperNintendo", "Atari Lynx", "Sega Master System",
                          "Sega Megadrive", "Sega GameGear", "PcEngine", "MSX", "Commodore Amiga"}));
    QCOMPARE(shownText(main, "CmbEmu"), "Gameboy");

    trigger(main, "about");
    QWidget *about = window("FrmAbout");
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), "About...");
}

// Exit closes every window; what was typed and not saved is not stored.
void TestEmusetStart::exitEndsTheProgram()
{
    QTemporaryDir own;
    QMainWindow *main = startOnInstallation(own);
    QVERIFY(main);
    trigger(main, "help1");
    QVERIFY(window("FrmHelp"));
    clickOn(main, "CmdNewEmu");
    QTest::keyClicks(child(main, "TxtEmu1"), "Unsaved");
    trigger(main, "exit");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!mainWindow());
    QVERIFY(!window("FrmHelp"));
    QCOMPARE(m_install.column(TestInstall::gameboyDb(), "SELECT Emu_Name FROM emulatori"),
             QVariantList{marker[0]});
    QVERIFY(QFile::exists(own.filePath("emuset.ini")));
}

void TestEmusetStart::installWithoutRegistryWritesNothing()
{
    QTemporaryDir own;
    QTemporaryDir bare;
    QVERIFY(touch(bare.filePath(exe("ludora4"))));
    QMainWindow *main = startOnInstallation(own);
    QVERIFY(main);
    {
        const WorkingDir there(bare.path());
        trigger(main, "ludora4");
    }
    QWidget *plug = window("FrmBrowserPlug");
    QVERIFY(plug);
    QCOMPARE(plug->windowTitle(), "Select LUDORA4.EXE !");
    QVERIFY(clickFile(exe("ludora4"), "FrmBrowserPlug"));

    const QString registry = QDir::toNativeSeparators(bare.path() + "/pack/plugins.mdb");
    QCOMPARE(said(m_dialogs),
             QStringList{"critical|ERROR!|File " + registry + " Not Found !? Can't Install Plug-In"});
    QVERIFY(window("FrmBrowserPlug"));
    QCOMPARE(QDir(bare.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{exe("ludora4")});
}

// The registry gets Emuset's own directory with the platform's executable name, whatever
// the running file is called; installing twice writes the same record again.
void TestEmusetStart::installStoresOwnPath()
{
    QVERIFY(touch(m_install.path(exe("ludora4"))));
    QTemporaryDir own;
    const QString expected = QDir::toNativeSeparators(own.path()) + QDir::separator() + exe("emuset");
    for (int round = 0; round < 2; ++round) {
        QMainWindow *main = startOnInstallation(own);
        QVERIFY(main);
        {
            const WorkingDir there(m_install.root());
            trigger(main, "ludora4");
        }
        QVERIFY(clickFile(exe("ludora4"), "FrmBrowserPlug"));
        QCOMPARE(said(m_dialogs), QStringList{"none|Installation Complete!|Plug In Installed !"});
        QVERIFY(!window("FrmBrowserPlug"));
        QVERIFY(main->isVisible());
        closeAll();
    }
    QCOMPARE(m_install.column(TestInstall::registryDb(), "SELECT Path FROM plugins WHERE plug = 'emuset'"),
             QVariantList{expected});
    QCOMPARE(m_install.scalar(TestInstall::registryDb(), "SELECT count(*) FROM plugins").toInt(), 4);
}

// The maker copies a built executable into plugins/emuset/ with an emuset.ini that opens
// the installation, and registers the copy.
void TestEmusetStart::installationMakerLaysEmusetIn()
{
    QTemporaryDir build;
    const QString binary = build.filePath(exe("emuset"));
    QVERIFY(touch(binary, "#!/bin/sh\n"));
    QFile::setPermissions(binary, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QString error;
    QVERIFY2(InstallEmuset::layIn(m_install.root(), binary, &error), qPrintable(error));

    const QString dir = m_install.path("plugins/emuset");
    const QString copy = dir + QDir::separator() + exe("emuset");
    QCOMPARE(readAll(copy), QByteArray("#!/bin/sh\n"));
    QVERIFY(QFileInfo(copy).isExecutable());
    QCOMPARE(readAll(dir + "/emuset.ini"), iniLine(m_install.root()));
    QCOMPARE(m_install.scalar(TestInstall::registryDb(), "SELECT Path FROM plugins WHERE plug = 'emuset'"),
             QVariant(copy));
    QMainWindow *main = startOn(dir);
    QVERIFY(main);
    QCOMPARE(entries(main, "LstEmu"), marker);

    // A copy that fails registers nothing.
    TestInstall other;
    QVERIFY(other.isValid());
    QVERIFY(!InstallEmuset::layIn(other.root(), build.filePath("not-built"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(other.scalar(TestInstall::registryDb(), "SELECT Path FROM plugins WHERE plug = 'emuset'").isNull());
}

// The demo (an installation with the sample content) gets the built program; a plain
// one keeps the registry record empty.
void TestEmusetStart::demoInstallationCarriesEmuset()
{
    if (InstallEmuset::findBinary(BuiltPrograms::emuset()).isEmpty())
        QSKIP("The emuset program is not built");
    TestInstall demo(true);
    QVERIFY2(demo.isValid(), qPrintable(demo.error()));
    const QString copy = demo.path("plugins/emuset/" + exe("emuset"));
    QVERIFY(QFileInfo(copy).isExecutable());
    QCOMPARE(demo.scalar(TestInstall::registryDb(), "SELECT Path FROM plugins WHERE plug = 'emuset'"),
             QVariant(copy));
    TestInstall plain;
    QVERIFY(plain.isValid());
    QVERIFY(!QFileInfo::exists(plain.path("plugins")));
    QVERIFY(plain.scalar(TestInstall::registryDb(), "SELECT Path FROM plugins WHERE plug = 'emuset'").isNull());
}

QTEST_MAIN(TestEmusetStart)
#include "tst_emuset_start.moc"
