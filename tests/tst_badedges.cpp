// Smaller holes hostile data could use: a front-end folder whose name holds a comma or a
// line break, a rom name that climbs out of the screenshot directory, a NUL in what an
// emulator is started with, and a games table that cannot be written.
#include "emuset/app/settingsfile.h"
#include "shared/commandline.h"
#include "shared/launcher.h"
#include "shared/snapshotconversion.h"
#include "tests/support/chooserfolders.h"
#include "tests/support/emusetwindow.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"

#include <QDir>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

class TestBadEdges : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        closeFrontEnd();
        closeEmuset();
    }
    void settingsFileKeepsTheFolder_data();
    void settingsFileKeepsTheFolder();
    void folderWithALineBreakIsRefused();
    void screenshotStaysInItsDirectory_data();
    void screenshotStaysInItsDirectory();
    void nulIsNeverCutOff_data();
    void nulIsNeverCutOff();
    void gamesTableThatIsAView();
};

void TestBadEdges::settingsFileKeepsTheFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("comma") << QStringLiteral("/games/fe,2");
    QTest::newRow("blank first") << QStringLiteral(" /games/fe");
    QTest::newRow("quote inside") << QStringLiteral("/games/\"fe\"");
    QTest::newRow("plain") << QStringLiteral("/games/fe");
}

// Written and read back exactly, with its trailing separator.
void TestBadEdges::settingsFileKeepsTheFolder()
{
    QFETCH(QString, folder);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("emuset.ini"));
    QString error;
    QVERIFY2(Emuset::SettingsFile::write(file, folder, &error), qPrintable(error));
    QString item;
    QCOMPARE(Emuset::SettingsFile::read(file, &item, &error), Emuset::SettingsFile::Read::Item);
    QCOMPARE(item, QDir::toNativeSeparators(folder) + QDir::separator());
}

// The chooser refuses such a folder with a message, writes nothing and stays open.
void TestBadEdges::folderWithALineBreakIsRefused()
{
    QTemporaryDir own;
    QTemporaryDir parent;
    const QString folder = parent.filePath(QStringLiteral("two\nlines"));
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(writeFile(folder + QStringLiteral("/ludora4")));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QVERIFY(!startEmuset(own.path(), dialogs, launcher));
    QVERIFY(enterDirectory(folder));
    QVERIFY(clickFile(QStringLiteral("ludora4")));
    QCOMPARE(dialogs.shown.size(), 1);
    QVERIFY2(dialogs.shown[0].text.contains(QStringLiteral("line break")), qPrintable(dialogs.shown[0].text));
    QVERIFY(!QFile::exists(own.filePath(QStringLiteral("emuset.ini"))));
    QVERIFY(openChooser());
    QVERIFY(!openChooser(QStringLiteral("FrmEmuset")));
}

void TestBadEdges::screenshotStaysInItsDirectory_data()
{
    QTest::addColumn<QString>("romFile");
    QTest::newRow("parent directories") << QStringLiteral("../../x.gb");
    QTest::newRow("backslashes") << QStringLiteral("..\\..\\x.gb");
    QTest::newRow("absolute") << QStringLiteral("/etc/x.gb");
    QTest::newRow("plain") << QStringLiteral("x.gb");
}

// The picture is moved, converted and named inside the screenshot directory, whatever
// the rom's name climbs to.

void TestBadEdges::screenshotStaysInItsDirectory()
{
    QFETCH(QString, romFile);
    const QString screenDir = QStringLiteral("/inst/console/gameboy/screen/");
    const SnapshotConversion::Request request{QStringLiteral("/home/me/shot.bmp"), romFile,
                                              QStringLiteral("Gameboy"), screenDir, QStringLiteral("/inst")};
    SnapshotConversion::Plan plan;
    QString error;
    QVERIFY(SnapshotConversion::prepare(request, &plan, &error, [](const QString &) { return false; }));
    QCOMPARE(plan.copied, screenDir + QStringLiteral("x.bmp"));
    QCOMPARE(plan.output, screenDir + QStringLiteral("x.gif"));
    QCOMPARE(plan.screenField, QStringLiteral("x.gif"));
}

void TestBadEdges::nulIsNeverCutOff_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<QString>("romFile");
    const QString nul(QChar(0));
    QTest::newRow("executable") << QStringLiteral("/bin/true") + nul + QStringLiteral("/evil")
                                << QStringLiteral("-p") << QStringLiteral("x.gb");
    QTest::newRow("parameter") << QStringLiteral("/bin/true") << QStringLiteral("-p") + nul + QStringLiteral("x")
                               << QStringLiteral("x.gb");
    QTest::newRow("rom file") << QStringLiteral("/bin/true") << QStringLiteral("-p")
                              << QStringLiteral("x") + nul + QStringLiteral(".gb");
}

// The command line refuses to start, and so does the launcher itself.
void TestBadEdges::nulIsNeverCutOff()
{
    QFETCH(QString, executable);
    QFETCH(QString, parameter);
    QFETCH(QString, romFile);
    CommandLine::Input input;
    input.executable = executable;
    input.placement = QStringLiteral("1");
    input.sets = {{parameter, QVariant(), 1, QStringLiteral("set")}};
    input.gamesDir = QStringLiteral("/roms/");
    input.romFile = romFile;
    const CommandLine::Result result = CommandLine::build(input);
    QCOMPARE(result.outcome, CommandLine::Result::Outcome::Error);
    QVERIFY2(result.error.contains(QStringLiteral("NUL")), qPrintable(result.error));

    SystemLauncher launcher;
    QVERIFY(!launcher.start(executable, {parameter, input.gamesDir + romFile}));
    QVERIFY2(launcher.lastError().contains(QStringLiteral("NUL")), qPrintable(launcher.lastError()));
}

// A games table replaced by a view: a save is refused with the database's reason.
void TestBadEdges::gamesTableThatIsAView()
{
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.exec(TestInstall::gameboyDb(),
                         QStringLiteral("INSERT INTO giochi (Gioco, Notes) VALUES ('Alpha', 'a')")));
    QVERIFY(install.exec(TestInstall::gameboyDb(), QStringLiteral("ALTER TABLE giochi RENAME TO games")));
    QVERIFY(install.exec(TestInstall::gameboyDb(),
                         QStringLiteral("CREATE VIEW giochi AS SELECT *, rowid AS rowid FROM games")));
    QVERIFY(install.exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Game = 'Alpha'")));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *window = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(window);
    QCOMPARE(shownText(window, QStringLiteral("TxtGameHelp")), QStringLiteral("a"));
    replaceText(child(window, "TxtGameHelp"), QStringLiteral("typed"));
    clickOn(window, QStringLiteral("Command8"));
    QCOMPARE(dialogs.shown.size(), 1);
    QVERIFY2(dialogs.shown[0].text.contains(QStringLiteral("view")), qPrintable(dialogs.shown[0].text));
    QCOMPARE(shownText(window, QStringLiteral("TxtGameHelp")), QStringLiteral("typed"));
    QCOMPARE(install.scalar(TestInstall::gameboyDb(), QStringLiteral("SELECT Notes FROM games")).toString(),
             QStringLiteral("a"));
}

QTEST_MAIN(TestBadEdges)
#include "tst_badedges.moc"
