// The file chooser: its lists (pattern without regard to case, files only), and the
// window opened from the record view, where one click on a file carries out the purpose
// of the last opening and closing it without a click changes nothing.
#include "shared/widgets/filelists.h"
#include "tests/support/chooserfolders.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/windowcontrols.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QPointer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Clicks the entry of a list of the chooser (or of the lists alone) that shows a text.
bool clickEntryNamed(const QObject *window, const QString &list, const QString &text)
{
    const int row = int(entries(window, list).indexOf(text));
    if (row >= 0)
        clickEntry(window, list, row);
    return row >= 0;
}

int choosers()
{
    int count = 0;
    for (const QWidget *widget : QApplication::topLevelWidgets())
        count += widget->objectName() == QLatin1String("FrmBrowser");
    return count;
}

} // namespace

class TestChooser : public QObject {
    Q_OBJECT
private slots:
    // The per-user settings, kept only while a test names an organization, go here.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8()); }
    void init() { m_dialogs = ScriptedDialogs(); }
    void cleanup() { closeFrontEnd(); }
    void patternIgnoresCaseAndListsFilesOnly_data();
    void patternIgnoresCaseAndListsFilesOnly();
    void directoryClickShowsItsFiles();
    void clickActsByPurpose_data();
    void clickActsByPurpose();
    void closingWithoutAClickChangesNothing();
    void reopeningReusesTheWindow();
    void reopeningRightAfterClosingGivesAWindowThatStays();
    void missingRegistryIsReportedAndTheWindowOpens();
    void eachPurposeStartsWhereItLastChose_data();
    void eachPurposeStartsWhereItLastChose();

private:
    QMainWindow *startWithGame(TestInstall &install);
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
    QTemporaryDir m_config;
};

// An installation showing the game "Shown Game" (rom "shown.gb"), with two rom files.
QMainWindow *TestChooser::startWithGame(TestInstall &install)
{
    if (!install.isValid()
        || !install.exec(TestInstall::gameboyDb(),
                         QStringLiteral("INSERT INTO giochi (Gioco, Link) VALUES ('Shown Game', 'shown.gb')"))
        || !writeFile(install.path(QStringLiteral("console/gameboy/games/shown.gb")))
        || !writeFile(install.path(QStringLiteral("console/gameboy/games/Picked Rom.GB"))))
        return nullptr;
    QMainWindow *window = startFrontEnd(install.root(), m_dialogs, m_launcher);
    if (!window || !showGame(window, QStringLiteral("Shown Game")))
        return nullptr;
    return window;
}

void TestChooser::patternIgnoresCaseAndListsFilesOnly_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("*.*") << QStringLiteral("*.*")
                         << QStringList{QStringLiteral("b.gb"), QStringLiteral("notes.txt"),
                                        QStringLiteral("README"), QStringLiteral("ROM.GB")};
    QTest::newRow("*.gb") << QStringLiteral("*.gb")
                          << QStringList{QStringLiteral("b.gb"), QStringLiteral("ROM.GB")};
    QTest::newRow("exact name") << QStringLiteral("readme") << QStringList{QStringLiteral("README")};
    QTest::newRow("two patterns") << QStringLiteral("*.txt;*.GB")
                                  << QStringList{QStringLiteral("b.gb"), QStringLiteral("notes.txt"),
                                                 QStringLiteral("ROM.GB")};
}

void TestChooser::patternIgnoresCaseAndListsFilesOnly()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, files);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const char *name : {"ROM.GB", "b.gb", "notes.txt", "README"})
        QVERIFY(writeFile(dir.filePath(QLatin1String(name))));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.gb")));
    FileLists lists;
    QVERIFY(lists.setPath(dir.path()));
    lists.setPattern(pattern);
    QCOMPARE(entries(&lists, QStringLiteral("File1")), files);
    QCOMPARE(entries(&lists, QStringLiteral("Dir1")),
             (QStringList{QStringLiteral(".."), QStringLiteral("folder.gb")}));
}

void TestChooser::directoryClickShowsItsFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("roms")));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("roms/inside.gb"))));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("outside.gb"))));
    FileLists lists;
    lists.resize(400, 300);
    lists.show();
    QVERIFY(lists.setPath(dir.path()));
    QCOMPARE(entries(&lists, QStringLiteral("File1")), QStringList{QStringLiteral("outside.gb")});
    QVERIFY(clickEntryNamed(&lists, QStringLiteral("Dir1"), QStringLiteral("roms")));
    QCOMPARE(entries(&lists, QStringLiteral("File1")), QStringList{QStringLiteral("inside.gb")});
    QVERIFY(clickEntryNamed(&lists, QStringLiteral("Dir1"), QStringLiteral("..")));
    QCOMPARE(entries(&lists, QStringLiteral("File1")), QStringList{QStringLiteral("outside.gb")});
}

void TestChooser::clickActsByPurpose_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("name");
    QTest::newRow("new game") << QStringLiteral("Command9") << QStringLiteral("Picked Rom.GB");
    QTest::newRow("shown game") << QStringLiteral("TxtRom") << QStringLiteral("Shown Game");
}

void TestChooser::clickActsByPurpose()
{
    QFETCH(QString, opener);
    QFETCH(QString, name);
    TestInstall install;
    QMainWindow *window = startWithGame(install);
    QVERIFY(window);
    clickOn(window, opener);
    QPointer<QWidget> chooser = openChooser();
    QVERIFY(chooser);
    QVERIFY(clickFile(QStringLiteral("Picked Rom.GB")));

    QCOMPARE(shownText(window, QStringLiteral("TxtRom")), QStringLiteral("Picked Rom.GB"));
    QCOMPARE(shownText(window, QStringLiteral("LabGame")), name);
    QVERIFY(window->isVisible());
    QTRY_VERIFY(!chooser); // closed and deleted
}

void TestChooser::closingWithoutAClickChangesNothing()
{
    TestInstall install;
    QMainWindow *window = startWithGame(install);
    QVERIFY(window);
    clickOn(window, QStringLiteral("TxtRom"));
    QPointer<QWidget> chooser = openChooser();
    QVERIFY(chooser);
    chooser->close();
    QTRY_VERIFY(!chooser);
    QCOMPARE(shownText(window, QStringLiteral("TxtRom")), QStringLiteral("shown.gb"));
    QCOMPARE(shownText(window, QStringLiteral("LabGame")), QStringLiteral("Shown Game"));
    clickOn(window, QStringLiteral("Command8"));
    QCOMPARE(install.scalar(TestInstall::gameboyDb(), QStringLiteral("SELECT Link FROM giochi")).toString(),
             QStringLiteral("shown.gb"));
}

// A second opening while the chooser is open: the same window, and the last caller's
// caption, directory and purpose apply.
void TestChooser::reopeningReusesTheWindow()
{
    TestInstall install;
    QMainWindow *window = startWithGame(install);
    QVERIFY(window);
    clickOn(window, QStringLiteral("TxtRom"));
    QWidget *first = openChooser();
    QVERIFY(first);
    QVERIFY(clickEntryNamed(first, QStringLiteral("Dir1"), QStringLiteral("..")));
    QVERIFY(!entries(first, QStringLiteral("File1")).contains(QStringLiteral("Picked Rom.GB")));

    clickOn(window, QStringLiteral("Command9"));
    QCOMPARE(openChooser(), first);
    QCOMPARE(choosers(), 1);
    QCOMPARE(first->windowTitle(), QStringLiteral("Choose Rom File For : New Game "));
    QVERIFY(clickFile(QStringLiteral("Picked Rom.GB")));
    QCOMPARE(shownText(window, QStringLiteral("LabGame")), QStringLiteral("Picked Rom.GB")); // a new game
}

void TestChooser::reopeningRightAfterClosingGivesAWindowThatStays()
{
    TestInstall install;
    QMainWindow *window = startWithGame(install);
    QVERIFY(window);
    clickOn(window, QStringLiteral("TxtRom"));
    QVERIFY(openChooser());
    openChooser()->close(); // deleted once the event loop runs
    clickOn(window, QStringLiteral("TxtRom"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(openChooser());
    QCOMPARE(openChooser()->windowTitle(), QStringLiteral("Choose Rom File For Game : Shown Game"));
}

void TestChooser::missingRegistryIsReportedAndTheWindowOpens()
{
    TestInstall install;
    const QString registry = install.path(QStringLiteral("pack/plugins.mdb"));
    QVERIFY(QFile::remove(registry));
    QMainWindow *window = startWithGame(install);
    QVERIFY(window);
    m_dialogs.shown.clear(); // the start-up reports it once already
    clickOn(window, QStringLiteral("TxtRom"));
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("ERROR!"));
    QCOMPARE(m_dialogs.shown[0].text,
             QStringLiteral("File ") + registry + QStringLiteral(" Not Found! Bad Ludora4 Installation"));
    QVERIFY(openChooser());
    QVERIFY(clickFile(QStringLiteral("Picked Rom.GB")));
    QCOMPARE(shownText(window, QStringLiteral("TxtRom")), QStringLiteral("Picked Rom.GB"));
}

// A rom picked in a folder of its own: the next rom chooser of the shown game starts
// there; a folder gone, or another purpose (the screenshot), starts in the caller's folder.
void TestChooser::eachPurposeStartsWhereItLastChose_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QString>("shows"); // below the installation
    QTest::newRow("same purpose") << QStringLiteral("TxtRom") << false
                                  << QStringLiteral("console/gameboy/games/far");
    QTest::newRow("folder gone") << QStringLiteral("TxtRom") << true << QStringLiteral("console/gameboy/games");
    QTest::newRow("another purpose") << QStringLiteral("Label19") << false
                                     << QStringLiteral("console/gameboy/screen");
}

void TestChooser::eachPurposeStartsWhereItLastChose()
{
    QFETCH(QString, opener);
    QFETCH(bool, removed);
    QFETCH(QString, shows);
    QCoreApplication::setOrganizationName(QStringLiteral("ludora4-test"));
    const auto forget = qScopeGuard([] { QCoreApplication::setOrganizationName(QString()); });
    TestInstall install;
    const QString far = install.path(QStringLiteral("console/gameboy/games/far"));
    QVERIFY(QDir().mkpath(far) && writeFile(far + QStringLiteral("/far.gb")));
    QMainWindow *window = startWithGame(install);
    QVERIFY(window);
    clickOn(window, QStringLiteral("TxtRom"));
    QVERIFY(chooserShowsFolder(install.path(QStringLiteral("console/gameboy/games"))));
    QVERIFY(enterFolder(QStringLiteral("far")));
    QVERIFY(clickFile(QStringLiteral("far.gb")));
    QCOMPARE(shownText(window, QStringLiteral("TxtRom")), QStringLiteral("far.gb"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (removed)
        QVERIFY(QDir(far).removeRecursively());

    clickOn(window, opener);
    QVERIFY(chooserShowsFolder(install.path(shows)));
}

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
