// Emuset's start: emuset.ini in every shape a file can take, the first-run chooser, the
// load check with its message, the main window's menus and console list, and installing
// Emuset into a front-end's plug-in registry (from its menu and by the installation maker).
#include "emuset/frmbrowser.h"
#include "emuset/frmbrowserplug.h"
#include "install/installation.h"
#include "install/installemuset.h"
#include "shared/consoles.h"
#include "shared/paths.h"
#include "shared/twips.h"
#include "shared/widgets/filelists.h"
#include "shared/widgets/marklist.h"
#include "tests/support/builtprograms.h"
#include "tests/support/testinstall.h"
#include "tests/tst_emuset_support.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

using namespace EmusetRun;

namespace {

enum class Outcome { Chooser, MainWindow, LoadCheckFails };

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString exe(const char *name) { return Paths::executableName(QLatin1String(name)); }

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestEmusetStart : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeAll(); }
    void settingsFile_data();
    void settingsFile();
    void missingGameboyDatabaseEndsAndForgets();
    void chooserStoresTheDirectory();
    void unwritableSettingsAreReported();
    void mainWindowMenusAndConsoles();
    void exitEndsTheProgram();
    void installWithoutRegistryWritesNothing();
    void installStoresOwnPath();
    void installationMakerLaysEmusetIn();
    void demoInstallationCarriesEmuset();

private:
    void startOn(const QString &ownDir);

    TestInstall m_install;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
};

void TestEmusetStart::startOn(const QString &ownDir)
{
    m_dialogs.shown.clear();
    start(ownDir, m_dialogs, m_launcher);
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
    QVERIFY(m_install.isValid());
    QTemporaryDir own;
    if (content != "<none>")
        QVERIFY(writeIni(own.path(), QByteArray(content).replace("ROOT", m_install.root().toUtf8())));
    startOn(own.path());

    QCOMPARE(window(QStringLiteral("FrmBrowser")) != nullptr, outcome == Outcome::Chooser);
    QCOMPARE(Generale::mainWindow() != nullptr, outcome == Outcome::MainWindow);
    QCOMPARE(m_dialogs.shown.size(), outcome == Outcome::LoadCheckFails ? 1 : 0);
    if (outcome == Outcome::MainWindow) {
        QCOMPARE(Generale::state().FrontEndDir, m_install.root() + QDir::separator());
        QCOMPARE(Generale::state().ConsoleDb, m_install.path(QStringLiteral("database/gameboy.mdb")));
    }
    if (outcome == Outcome::LoadCheckFails)
        QVERIFY(!QFile::exists(own.filePath(QStringLiteral("emuset.ini"))));
}

void TestEmusetStart::missingGameboyDatabaseEndsAndForgets()
{
    QTemporaryDir own;
    QTemporaryDir elsewhere;
    const QString comma = elsewhere.path() + QStringLiteral("/fe,2");
    QVERIFY(writeIni(own.path(), iniLine(comma)));
    startOn(own.path());
    QCOMPARE(Generale::state().FrontEndDir, elsewhere.path() + QStringLiteral("/fe/"));
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QCOMPARE(m_dialogs.shown[0].buttons, Dialogs::Buttons::Ok);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("Error"));
    QCOMPARE(m_dialogs.shown[0].text,
             QStringLiteral("Ludora4.exe Not Found! Please RESTART Emuset and select Ludora4.exe Again "));
    QVERIFY(!QFile::exists(own.filePath(QStringLiteral("emuset.ini"))));
    QVERIFY(!Generale::mainWindow());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));

    // The next run starts as a first run.
    startOn(own.path());
    QVERIFY(window(QStringLiteral("FrmBrowser")));
}

void TestEmusetStart::chooserStoresTheDirectory()
{
    QVERIFY(m_install.isValid());
    QVERIFY(touch(m_install.path(exe("ludora4"))));
    QVERIFY(touch(m_install.path(QStringLiteral("readme.txt"))));
    QTemporaryDir own;
    startOn(own.path());
    auto *chooser = window<Emuset::FrmBrowser>(QStringLiteral("FrmBrowser"));
    QVERIFY(chooser);
    QCOMPARE(chooser->windowTitle(), QStringLiteral("Select LUDORA4.EXE on your computer"));
    QCOMPARE(chooser->lists()->path(), QDir::toNativeSeparators(QDir::currentPath()));
    QVERIFY(chooser->lists()->setPath(m_install.root()));
    QCOMPARE(entries(chooser->lists()->File1), QStringList{exe("ludora4")});

    clickEntry(chooser->lists()->File1, 0);
    QCOMPARE(readAll(own.filePath(QStringLiteral("emuset.ini"))), iniLine(m_install.root()));
    QCOMPARE(Generale::state().FrontEndDir, m_install.root() + QDir::separator());
    QVERIFY(Generale::mainWindow() && Generale::mainWindow()->isVisible());
    QVERIFY(!window(QStringLiteral("FrmBrowser")));
    QVERIFY(m_dialogs.shown.isEmpty());
}

// A settings file that cannot be written (here a directory stands in its place, which
// no user can replace with a file) is reported, and the chosen directory serves this run.
void TestEmusetStart::unwritableSettingsAreReported()
{
    QVERIFY(m_install.isValid());
    QVERIFY(touch(m_install.path(exe("ludora4"))));
    QTemporaryDir own;
    QVERIFY(QDir(own.path()).mkdir(QStringLiteral("emuset.ini")));
    startOn(own.path());
    auto *chooser = window<Emuset::FrmBrowser>(QStringLiteral("FrmBrowser"));
    QVERIFY(chooser);
    QVERIFY(chooser->lists()->setPath(m_install.root()));
    clickEntry(chooser->lists()->File1, 0);

    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Warning);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("Warning!"));
    QVERIFY2(m_dialogs.shown[0].text.contains(own.filePath(QStringLiteral("emuset.ini"))),
             qPrintable(m_dialogs.shown[0].text));
    QVERIFY(Generale::mainWindow());
    QCOMPARE(Generale::state().FrontEndDir, m_install.root() + QDir::separator());
}

void TestEmusetStart::mainWindowMenusAndConsoles()
{
    QVERIFY(m_install.isValid());
    QTemporaryDir own;
    QVERIFY(writeIni(own.path(), iniLine(m_install.root())));
    startOn(own.path());
    auto *main = qobject_cast<Emuset::FrmEmuset *>(Generale::mainWindow());
    QVERIFY(main);
    QCOMPARE(main->objectName(), QStringLiteral("FrmEmuset"));
    QCOMPARE(main->windowTitle(), QStringLiteral("Emuset"));
    QCOMPARE(main->height(), Twips::toPixels(6675));
    const std::pair<const char *, const char *> items[] = {{"database", "Choose Ludora4 Directory"},
                                                           {"ludora4", "Install Plug-In Into Ludora4"},
                                                           {"exit", "Exit"},
                                                           {"help1", "Help"},
                                                           {"about", "About"}};
    for (const auto &[name, caption] : items) {
        auto *action = main->findChild<QAction *>(QLatin1String(name));
        QVERIFY2(action, name);
        QCOMPARE(action->text(), QLatin1String(caption));
    }
    QVERIFY(main->findChild<QAction *>(QStringLiteral("linea"))->isSeparator());
    QStringList consoles;
    for (const char *name : {"Gameboy", "Nintendo", "SuperNintendo", "Atari Lynx", "Sega Master System",
                             "Sega Megadrive", "Sega GameGear", "PcEngine", "MSX", "Commodore Amiga"})
        consoles.append(QLatin1String(name));
    QStringList shown;
    for (int i = 0; i < main->ui.CmbEmu->count(); ++i)
        shown.append(main->ui.CmbEmu->itemText(i));
    QCOMPARE(shown, consoles);
    QCOMPARE(main->ui.CmbEmu->currentText(), QStringLiteral("Gameboy"));
    QVERIFY(main->ui.TxtEmu1->isReadOnly());
    QVERIFY(main->ui.CmdNewEmu->isEnabled() && !main->ui.CmdSaveEmu->isEnabled());
    QCOMPARE(main->ui.LstSetting->count(), 0);

    main->ui.about->trigger();
    auto *about = window(QStringLiteral("FrmAbout"));
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("About..."));
}

void TestEmusetStart::exitEndsTheProgram()
{
    QVERIFY(m_install.isValid());
    QTemporaryDir own;
    QVERIFY(writeIni(own.path(), iniLine(m_install.root())));
    startOn(own.path());
    auto *main = qobject_cast<Emuset::FrmEmuset *>(Generale::mainWindow());
    QVERIFY(main);
    main->ui.help1->trigger();
    QTest::mouseClick(main->ui.CmdNewEmu, Qt::LeftButton);
    QTest::keyClicks(main->ui.TxtEmu1, QStringLiteral("Unsaved"));
    main->ui.exit->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!Generale::mainWindow());
    QVERIFY(!window(QStringLiteral("FrmHelp")));
    QCOMPARE(m_install.scalar(TestInstall::gameboyDb(), QStringLiteral("SELECT count(*) FROM emulatori")).toInt(),
             0);
    QVERIFY(QFile::exists(own.filePath(QStringLiteral("emuset.ini"))));
}

void TestEmusetStart::installWithoutRegistryWritesNothing()
{
    QVERIFY(m_install.isValid());
    QTemporaryDir own;
    QTemporaryDir bare;
    QVERIFY(touch(bare.filePath(exe("ludora4"))));
    QVERIFY(writeIni(own.path(), iniLine(m_install.root())));
    startOn(own.path());
    auto *main = qobject_cast<Emuset::FrmEmuset *>(Generale::mainWindow());
    QVERIFY(main);
    main->ui.ludora4->trigger();
    auto *plug = window<Emuset::FrmBrowserPlug>(QStringLiteral("FrmBrowserPlug"));
    QVERIFY(plug);
    QCOMPARE(plug->windowTitle(), QStringLiteral("Select LUDORA4.EXE !"));
    QVERIFY(plug->lists()->setPath(bare.path()));
    clickEntry(plug->lists()->File1, 0);

    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("ERROR!"));
    QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("File ") + bare.path() + QDir::separator()
                                          + QStringLiteral("pack") + QDir::separator()
                                          + QStringLiteral("plugins.mdb Not Found !? Can't Install Plug-In"));
    QVERIFY(window(QStringLiteral("FrmBrowserPlug")));
    QCOMPARE(QDir(bare.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{exe("ludora4")});
}

// The registry gets Emuset's own directory with the platform's executable name, whatever
// the running file is called; installing twice writes the same record again.
void TestEmusetStart::installStoresOwnPath()
{
    QVERIFY(m_install.isValid());
    QVERIFY(touch(m_install.path(exe("ludora4"))));
    QTemporaryDir own;
    QVERIFY(writeIni(own.path(), iniLine(m_install.root())));
    const QString expected = QDir::toNativeSeparators(own.path()) + QDir::separator() + exe("emuset");
    for (int round = 0; round < 2; ++round) {
        startOn(own.path());
        auto *main = qobject_cast<Emuset::FrmEmuset *>(Generale::mainWindow());
        QVERIFY(main);
        main->ui.ludora4->trigger();
        auto *plug = window<Emuset::FrmBrowserPlug>(QStringLiteral("FrmBrowserPlug"));
        QVERIFY(plug);
        QVERIFY(plug->lists()->setPath(m_install.root()));
        clickEntry(plug->lists()->File1, 0);
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::None);
        QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("Installation Complete!"));
        QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("Plug In Installed !"));
        QVERIFY(!window(QStringLiteral("FrmBrowserPlug")));
        QVERIFY(main->isVisible());
        closeAll();
    }
    QCOMPARE(m_install.column(TestInstall::registryDb(),
                              QStringLiteral("SELECT Path FROM plugins WHERE plug = 'emuset'")),
             QVariantList{expected});
    QCOMPARE(m_install.scalar(TestInstall::registryDb(), QStringLiteral("SELECT count(*) FROM plugins")).toInt(),
             4);
}

// The maker copies a built executable into plugins/emuset/ with an emuset.ini that opens
// the installation, and registers the copy.
void TestEmusetStart::installationMakerLaysEmusetIn()
{
    QVERIFY(m_install.isValid());
    QTemporaryDir build;
    const QString binary = build.filePath(exe("emuset"));
    QVERIFY(touch(binary, "#!/bin/sh\n"));
    QFile::setPermissions(binary, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QString error;
    QVERIFY2(InstallEmuset::layIn(m_install.root(), binary, &error), qPrintable(error));

    const QString dir = m_install.path(QStringLiteral("plugins/emuset"));
    const QString copy = dir + QDir::separator() + exe("emuset");
    QCOMPARE(readAll(copy), QByteArray("#!/bin/sh\n"));
    QVERIFY(QFileInfo(copy).isExecutable());
    QCOMPARE(readAll(dir + QStringLiteral("/emuset.ini")), iniLine(m_install.root()));
    QCOMPARE(m_install.scalar(TestInstall::registryDb(),
                              QStringLiteral("SELECT Path FROM plugins WHERE plug = 'emuset'")),
             QVariant(copy));
    startOn(dir);
    QVERIFY(Generale::mainWindow());
    QCOMPARE(Generale::state().ConsoleDb, m_install.path(QStringLiteral("database/gameboy.mdb")));

    // A copy that fails registers nothing.
    TestInstall other;
    QVERIFY(other.isValid());
    QVERIFY(!InstallEmuset::layIn(other.root(), build.filePath(QStringLiteral("not-built")), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(
        other.scalar(TestInstall::registryDb(), QStringLiteral("SELECT Path FROM plugins WHERE plug = 'emuset'"))
            .isNull());
}

// The demo (an installation with the sample content) gets the built program; a plain
// one keeps the registry record empty.
void TestEmusetStart::demoInstallationCarriesEmuset()
{
    if (InstallEmuset::findBinary(BuiltPrograms::emuset()).isEmpty())
        QSKIP("The emuset program is not built");
    TestInstall demo(true);
    QVERIFY2(demo.isValid(), qPrintable(demo.error()));
    const QString copy = demo.path(QStringLiteral("plugins/emuset/") + exe("emuset"));
    QVERIFY(QFileInfo(copy).isExecutable());
    QCOMPARE(demo.scalar(TestInstall::registryDb(),
                         QStringLiteral("SELECT Path FROM plugins WHERE plug = 'emuset'")),
             QVariant(copy));
    TestInstall plain;
    QVERIFY(plain.isValid());
    QVERIFY(!QFileInfo::exists(plain.path(QStringLiteral("plugins"))));
    QVERIFY(
        plain.scalar(TestInstall::registryDb(), QStringLiteral("SELECT Path FROM plugins WHERE plug = 'emuset'"))
            .isNull());
}

QTEST_MAIN(TestEmusetStart)
#include "tst_emuset_start.moc"
