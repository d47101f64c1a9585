// The front-end's start-up on fresh installations: the checks with their messages,
// the active console and window position restored, the fixed lists, the plug-in panel,
// and bad files reported instead of crashing.
#include "shared/lockwait.h"
#include "shared/twips.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/windowcontrols.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void masterDatabaseMissingEndsTheProgram();
    void missingConsoleDatabasesAreListedInComparisonOrder();
    void panelOneNamesTheAmigaOnly_data();
    void panelOneNamesTheAmigaOnly();
    void windowPositionSurvivesARestart();
    void fixedListsAndLookups();
    void registryMissingLeavesPanelInDesignState();
    void pluginPathsAreCheckedAtStartup();
    void badFilesAreReportedByName_data();
    void badFilesAreReportedByName();
    void consoleWithoutConfigRecordStillListsItsGames_data();
    void consoleWithoutConfigRecordStillListsItsGames();
    void lockedDatabaseIsWaitedForOnce_data();
    void lockedDatabaseIsWaitedForOnce();
    void missingConsolePictureIsLogged();
    void longTextsNeverWidenTheWindow();

private:
    QMainWindow *start() { return startFrontEnd(m_install->root(), m_dialogs, m_launcher); }

    std::unique_ptr<TestInstall> m_install;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
};

void TestStartup::init()
{
    m_install = std::make_unique<TestInstall>();
    QVERIFY2(m_install->isValid(), qPrintable(m_install->error()));
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();
}

void TestStartup::cleanup()
{
    closeFrontEnd();
    m_install.reset();
}

void TestStartup::masterDatabaseMissingEndsTheProgram()
{
    QVERIFY(QFile::remove(m_install->path(QStringLiteral("pack/ludora.mdb"))));
    QVERIFY(!start());
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("ERROR!"));
    QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("File ") + m_install->path(QStringLiteral("pack/ludora.mdb"))
                                          + QStringLiteral(" Not Found! Bad Ludora4 Installation"));
    const auto windows = QApplication::topLevelWidgets(); // and no main window is left
    QVERIFY(std::none_of(windows.cbegin(), windows.cend(),
                         [](QWidget *window) { return qobject_cast<QMainWindow *>(window); }));
}

void TestStartup::missingConsoleDatabasesAreListedInComparisonOrder()
{
    QVERIFY(QFile::remove(m_install->path(QStringLiteral("database/msx.mdb"))));
    QVERIFY(QFile::remove(m_install->path(QStringLiteral("database/lynx.mdb"))));
    QMainWindow *main = start();
    QVERIFY(main);
    QVERIFY(main->isVisible());
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("ERROR!"));
    QCOMPARE(m_dialogs.shown[0].text,
             QStringLiteral("This DATABASES of Console are not installed : Lynx, MSX, YOU MUST DOWNLOAD THIS "
                            "DATABASE AND PUT IT IN THE '\\DATABASE\\' DIRECTORY OF LUDORA4 !!"));
}

void TestStartup::panelOneNamesTheAmigaOnly_data()
{
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("panel");
    QTest::newRow("amiga") << QStringLiteral("amiga.mdb") << QStringLiteral("Amiga");
    QTest::newRow("msx") << QStringLiteral("msx.mdb") << QStringLiteral("Console");
    QTest::newRow("gameboy") << QStringLiteral("gameboy.mdb") << QStringLiteral("Console");
}

void TestStartup::panelOneNamesTheAmigaOnly()
{
    QFETCH(QString, database);
    QFETCH(QString, panel);
    QVERIFY(
        m_install->exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Database = ?"), {database}));
    QVERIFY(m_install->addGame(database, {}, QStringLiteral("database/") + database));
    QMainWindow *main = start();
    QVERIFY(main);
    QCOMPARE(panelText(main, 1), panel);
    QCOMPARE(listedGames(main), QStringList{database}); // the games of that database
    QVERIFY(m_dialogs.shown.isEmpty());
}

// The position stored is the window's contents' corner, and the one restored too: restart
// after restart the window stays where it was moved.
void TestStartup::windowPositionSurvivesARestart()
{
    QMainWindow *main = start();
    QVERIFY(main);
    main->move(137, 91);
    const QRect moved = main->geometry();
    for (int restart = 0; restart < 3; ++restart) {
        closeFrontEnd();
        QCOMPARE(
            m_install->scalar(TestInstall::masterDb(), QStringLiteral("SELECT WinTop FROM config")).toDouble(),
            moved.y() * 15.0);
        QCOMPARE(
            m_install->scalar(TestInstall::masterDb(), QStringLiteral("SELECT WinLeft FROM config")).toDouble(),
            moved.x() * 15.0);
        main = start();
        QVERIFY(main);
        QCOMPARE(main->geometry().topLeft(), moved.topLeft());
    }
}

void TestStartup::fixedListsAndLookups()
{
    QVERIFY(m_install->exec(TestInstall::masterDb(),
                            QStringLiteral("INSERT INTO publisher (Publisher) VALUES ('0 First Soft')")));
    QMainWindow *main = start();
    QVERIFY(main);
    auto *years = child<QComboBox>(main, "TxtYear");
    QVERIFY(years);
    QCOMPARE(years->count(), 35);
    QCOMPARE(years->itemText(0), QStringLiteral("1975"));
    QCOMPARE(years->itemText(34), QStringLiteral("2009"));
    auto *ratings = child<QComboBox>(main, "TxtRating");
    QVERIFY(ratings);
    QCOMPARE(ratings->count(), 6);
    QCOMPARE(ratings->itemText(0), QStringLiteral("0"));
    QCOMPARE(ratings->itemText(5), QStringLiteral("5"));
    QVERIFY(child<QComboBox>(main, "CmbLanguage")->findText(QStringLiteral("Deutsche")) >= 0);
    QCOMPARE(child<QComboBox>(main, "CmbProducer")->itemText(0), QStringLiteral("0 First Soft"));
    QCOMPARE(child<QTabWidget>(main, "TabGames")->currentIndex(), 0);
    QCOMPARE(child<QTabWidget>(main, "TabGeneral")->currentIndex(), 0);
}

void TestStartup::registryMissingLeavesPanelInDesignState()
{
    const QString registry = m_install->path(QStringLiteral("pack/plugins.mdb"));
    QVERIFY(QFile::remove(registry));
    QMainWindow *main = start();
    QVERIFY(main);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("ERROR!"));
    QCOMPARE(m_dialogs.shown[0].text,
             QStringLiteral("File ") + registry + QStringLiteral(" Not Found! Bad Ludora4 Installation"));
    for (const char *name : {"Label18", "Label22", "Label24", "Label26", "Label27"})
        QCOMPARE(shownText(main, QLatin1String(name)), QStringLiteral("Plug In Not Installed"));
    for (const char *name : {"Command3", "Command4", "Command5", "Command6", "Command7"})
        QVERIFY(!child(main, name)->isEnabled());
}

void TestStartup::pluginPathsAreCheckedAtStartup()
{
    const QString tool = m_install->path(QStringLiteral("cartload"));
    QVERIFY(writeFile(tool));
    QVERIFY(m_install->exec(TestInstall::registryDb(),
                            QStringLiteral("UPDATE plugins SET Path = ? WHERE plug = 'cartload'"), {tool}));
    QVERIFY(m_install->exec(TestInstall::registryDb(),
                            QStringLiteral("UPDATE plugins SET Path = ? WHERE plug = 'unfoldr'"),
                            {m_install->path(QStringLiteral("deleted-since"))}));
    QMainWindow *main = start();
    QVERIFY(main);
    QCOMPARE(shownText(main, QStringLiteral("Label24")), tool);
    QVERIFY(child(main, "Command5")->isEnabled());
    QCOMPARE(shownText(main, QStringLiteral("Label18")), QStringLiteral("Plug-In Not Installed")); // deleted file
    QVERIFY(!child(main, "Command3")->isEnabled());
    QCOMPARE(shownText(main, QStringLiteral("Label22")), QStringLiteral("Plug-In Not Installed")); // null path
    QVERIFY(!child(main, "Command4")->isEnabled());
    QCOMPARE(shownText(main, QStringLiteral("Label26")), QStringLiteral("Plug In Not Installed")); // no record
}

void TestStartup::badFilesAreReportedByName_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content"); // empty: delete the file
    QTest::addColumn<QString>("sql");        // run on the master database instead
    QTest::newRow("no configuration record")
        << QStringLiteral("pack/ludora.mdb") << QByteArray() << QStringLiteral("DELETE FROM config");
    QTest::newRow("active database missing")
        << QStringLiteral("database/gameboy.mdb") << QByteArray() << QString();
    QTest::newRow("active database is text")
        << QStringLiteral("database/gameboy.mdb") << QByteArray("Standard Jet DB - not SQLite\n") << QString();
    QTest::newRow("master database is text")
        << QStringLiteral("pack/ludora.mdb") << QByteArray("\x00\x01\x00\x00Standard Jet DB", 19) << QString();
}

void TestStartup::badFilesAreReportedByName()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, sql);
    const QString path = m_install->path(file);
    if (!sql.isEmpty()) {
        QVERIFY(m_install->exec(TestInstall::masterDb(), sql));
    } else if (content.isEmpty()) {
        QVERIFY(QFile::remove(path));
    } else {
        QVERIFY(writeFile(path, content));
    }
    QMainWindow *main = start();
    QVERIFY(main);
    QVERIFY(main->isVisible());
    bool named = false;
    for (const auto &shown : std::as_const(m_dialogs.shown))
        named = named || (shown.text.contains(path) && shown.icon == Dialogs::Icon::Critical);
    QVERIFY2(named, "no message names the bad file");
}

// Without the console's configuration record, or its whole table, the games are listed all
// the same, and the message says so and names the folders used instead.
void TestStartup::consoleWithoutConfigRecordStillListsItsGames_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("said");
    QTest::newRow("no record") << "DELETE FROM config"
                               << "has no configuration record. Its games are shown; ";
    QTest::newRow("no table") << "DROP TABLE config"
                              << "has no configuration table. Its games are listed, but its settings are not "
                                 "read: ";
}

void TestStartup::consoleWithoutConfigRecordStillListsItsGames()
{
    QFETCH(QString, sql);
    QFETCH(QString, said);
    QVERIFY(m_install->exec(TestInstall::gameboyDb(), sql));
    QVERIFY(
        m_install->exec(TestInstall::gameboyDb(), QStringLiteral("INSERT INTO giochi (Gioco) VALUES ('Tetris')")));
    QMainWindow *main = start();
    QVERIFY(main);
    QCOMPARE(m_dialogs.shown.size(), 1);
    const QString text = m_dialogs.shown[0].text;
    QVERIFY2(text.startsWith(QStringLiteral("File ") + m_install->path(TestInstall::gameboyDb()) + QLatin1Char(' ')
                             + said)
                 && text.contains(m_install->path(QStringLiteral("console/gameboy/screen/")))
                 && text.contains(m_install->path(QStringLiteral("console/gameboy/games/"))),
             qPrintable(text));
    QCOMPARE(listedGames(main), QStringList{QStringLiteral("Tetris")});
}

// Another program holds a database locked for the whole start: the start waits for it once
// (the wait here shortened), gives up, names the file in one message and opens the window.
void TestStartup::lockedDatabaseIsWaitedForOnce_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("master database") << TestInstall::masterDb();
    QTest::newRow("console database") << TestInstall::gameboyDb();
}

void TestStartup::lockedDatabaseIsWaitedForOnce()
{
    QFETCH(QString, file);
    const QString path = m_install->path(file);
    const QString holder = QStringLiteral("holder");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), holder);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("BEGIN EXCLUSIVE")));
    }
    const auto release = qScopeGuard([&] {
        QSqlDatabase::database(holder, false).close();
        QSqlDatabase::removeDatabase(holder);
        LockWait::setBudgetTotalMs(LockWait::maxWaitMs());
    });
    LockWait::setBudgetTotalMs(200);
    QMainWindow *main = start();
    QVERIFY(main);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QVERIFY2(m_dialogs.shown[0].text.contains(path), qPrintable(m_dialogs.shown[0].text));
    QVERIFY2(m_dialogs.shown[0].text.contains(QStringLiteral("locked")), qPrintable(m_dialogs.shown[0].text));
}

// A missing console picture is said in the "Error LOG", which the list fill leaves alone.
void TestStartup::missingConsolePictureIsLogged()
{
    QVERIFY(QFile::remove(m_install->path(QStringLiteral("pack/immagini/gameboy.jpg"))));
    QMainWindow *main = start();
    QVERIFY(main);
    QVERIFY(child<QLabel>(main, "ImgConsole")->pixmap().isNull());
    const QString log = shownText(main, QStringLiteral("Text7"));
    QVERIFY2(log.contains(QStringLiteral("gameboy.jpg")), qPrintable(log));
    QVERIFY(m_dialogs.shown.isEmpty());
}

// Long texts (an error, a game's name, its screenshot name) are cut where their place
// ends, whole in the tooltip of a status panel: the window keeps the size it was given.
void TestStartup::longTextsNeverWidenTheWindow()
{
    const QString longName = QStringLiteral("A Very Long Game Name ").repeated(20);
    const QString longPath = QStringLiteral("/a/long/path").repeated(80);
    QVERIFY(m_install->exec(TestInstall::gameboyDb(),
                            QStringLiteral("INSERT INTO giochi (Gioco, Screen) VALUES (?, ?)"),
                            {longName, longName + QStringLiteral(".gif")}));
    QVERIFY(m_install->exec(TestInstall::gameboyDb(),
                            QStringLiteral("INSERT INTO documents (Doc_Name, Doc_File) VALUES ('Manual', ?)"),
                            {longPath}));
    QVERIFY(m_install->exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Game = ?"), {longName}));
    QMainWindow *main = start();
    QVERIFY(main);
    QCOMPARE(shownText(main, QStringLiteral("LabGame")), longName);
    const int width = main->width();
    QVERIFY(width < Twips::toPixels(11685) * 3 / 2);
    // The counts are shown whole.
    for (int panel = 2; panel <= 5; ++panel) {
        const auto *label = child<QLabel>(main, QStringLiteral("Panel%1").arg(panel));
        QVERIFY(label->contentsRect().width() >= label->fontMetrics().horizontalAdvance(label->text().trimmed()));
    }

    // A document that cannot be opened: the error names its long path.
    auto *tabs = child<QTabWidget>(main, "TabGeneral");
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(3).center());
    m_launcher.succeed = false;
    doubleClickEntry(main, QStringLiteral("LstDoc"), 0);
    const QString error = errorLine(main);
    QVERIFY2(error.contains(longPath), qPrintable(error));
    QCoreApplication::processEvents();
    QCOMPARE(main->width(), width);
    QVERIFY(main->minimumSizeHint().width() <= width);
    const auto *errorPanel = child<QLabel>(main, "Panel6");
    QCOMPARE(errorPanel->toolTip(), error);
    QVERIFY(errorPanel->width() < width);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
