// The front-end's start-up on fresh installations: the checks with their messages,
// the active console and window position restored, the fixed lists, the plug-in panel,
// and bad files reported instead of crashing.
#include "frontend/frmmain.h"
#include "frontend/globale.h"
#include "shared/twips.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/statuspanels.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeFrontEnd(); }
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
    void consoleWithoutConfigRecordStillListsItsGames();
    void missingConsolePictureIsLogged();
    void longTextsNeverWidenTheWindow();
};

void TestStartup::masterDatabaseMissingEndsTheProgram()
{
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(QFile::remove(install.path(QStringLiteral("pack/ludora.mdb"))));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QVERIFY(!startFrontEnd(install.root(), dialogs, launcher));
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QCOMPARE(dialogs.shown[0].title, QStringLiteral("ERROR!"));
    QCOMPARE(dialogs.shown[0].text, QStringLiteral("File ") + install.path(QStringLiteral("pack/ludora.mdb"))
                                        + QStringLiteral(" Not Found! Bad Ludora4 Installation"));
    QVERIFY(!Globale::mainWindow());
}

void TestStartup::missingConsoleDatabasesAreListedInComparisonOrder()
{
    TestInstall install;
    QVERIFY(install.isValid());
    QVERIFY(QFile::remove(install.path(QStringLiteral("database/msx.mdb"))));
    QVERIFY(QFile::remove(install.path(QStringLiteral("database/lynx.mdb"))));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    FrmMain *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    QVERIFY(main->isVisible());
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].title, QStringLiteral("ERROR!"));
    QCOMPARE(dialogs.shown[0].text,
             QStringLiteral("This DATABASES of Console are not installed : Lynx, MSX, YOU MUST DOWNLOAD THIS "
                            "DATABASE AND PUT IT IN THE '\\DATABASE\\' DIRECTORY OF LUDORA4 !!"));
    QVERIFY(Globale::state().DbMissing);
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
    TestInstall install;
    QVERIFY(install.isValid());
    QVERIFY(install.exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Database = ?"), {database}));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    FrmMain *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    QCOMPARE(main->ui.StatusBar1->text(1), panel);
    QCOMPARE(Globale::state().ConsoleDb, install.path(QStringLiteral("database/") + database));
    QVERIFY(dialogs.shown.isEmpty());
}

void TestStartup::windowPositionSurvivesARestart()
{
    TestInstall install;
    QVERIFY(install.isValid());
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    FrmMain *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    main->move(137, 91);
    const QPoint moved = main->pos();
    closeFrontEnd();
    QCOMPARE(install.scalar(TestInstall::masterDb(), QStringLiteral("SELECT WinTop FROM config")).toDouble(),
             moved.y() * 15.0);
    QCOMPARE(install.scalar(TestInstall::masterDb(), QStringLiteral("SELECT WinLeft FROM config")).toDouble(),
             moved.x() * 15.0);

    main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    QCOMPARE(main->pos(), moved);
}

void TestStartup::fixedListsAndLookups()
{
    TestInstall install;
    QVERIFY(install.isValid());
    QVERIFY(install.exec(TestInstall::masterDb(),
                         QStringLiteral("INSERT INTO publisher (Publisher) VALUES ('0 First Soft')")));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    FrmMain *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    QComboBox *years = main->ui.TxtYear;
    QCOMPARE(years->count(), 35);
    QCOMPARE(years->itemText(0), QStringLiteral("1975"));
    QCOMPARE(years->itemText(34), QStringLiteral("2009"));
    QComboBox *ratings = main->ui.TxtRating;
    QCOMPARE(ratings->count(), 6);
    QCOMPARE(ratings->itemText(0), QStringLiteral("0"));
    QCOMPARE(ratings->itemText(5), QStringLiteral("5"));
    QVERIFY(main->ui.CmbLanguage->findText(QStringLiteral("Deutsche")) >= 0);
    QCOMPARE(main->ui.CmbProducer->itemText(0), QStringLiteral("0 First Soft"));
    QCOMPARE(main->ui.TabGames->currentIndex(), 0);
    QCOMPARE(main->ui.TabGeneral->currentIndex(), 0);
}

void TestStartup::registryMissingLeavesPanelInDesignState()
{
    TestInstall install;
    QVERIFY(install.isValid());
    const QString registry = install.path(QStringLiteral("pack/plugins.mdb"));
    QVERIFY(QFile::remove(registry));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    FrmMain *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].title, QStringLiteral("ERROR!"));
    QCOMPARE(dialogs.shown[0].text,
             QStringLiteral("File ") + registry + QStringLiteral(" Not Found! Bad Ludora4 Installation"));
    for (const char *name : {"Label18", "Label22", "Label24", "Label26", "Label27"})
        QCOMPARE(main->findChild<QLabel *>(QLatin1String(name))->text(), QStringLiteral("Plug In Not Installed"));
    for (const char *name : {"Command3", "Command4", "Command5", "Command6", "Command7"})
        QVERIFY(!main->findChild<QPushButton *>(QLatin1String(name))->isEnabled());
}

void TestStartup::pluginPathsAreCheckedAtStartup()
{
    TestInstall install;
    QVERIFY(install.isValid());
    const QString tool = install.path(QStringLiteral("cartload"));
    QFile file(tool);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(install.exec(TestInstall::registryDb(),
                         QStringLiteral("UPDATE plugins SET Path = ? WHERE plug = 'cartload'"), {tool}));
    QVERIFY(install.exec(TestInstall::registryDb(),
                         QStringLiteral("UPDATE plugins SET Path = ? WHERE plug = 'unfoldr'"),
                         {install.path(QStringLiteral("deleted-since"))}));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    FrmMain *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    QCOMPARE(main->ui.Label24->text(), tool);
    QVERIFY(main->ui.Command5->isEnabled());
    QCOMPARE(main->ui.Label18->text(), QStringLiteral("Plug-In Not Installed")); // deleted file
    QVERIFY(!main->ui.Command3->isEnabled());
    QCOMPARE(main->ui.Label22->text(), QStringLiteral("Plug-In Not Installed")); // null path
    QVERIFY(!main->ui.Command4->isEnabled());
    QCOMPARE(main->ui.Label26->text(), QStringLiteral("Plug In Not Installed")); // no record at all
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
    TestInstall install;
    QVERIFY(install.isValid());
    const QString path = install.path(file);
    if (!sql.isEmpty()) {
        QVERIFY(install.exec(TestInstall::masterDb(), sql));
    } else if (content.isEmpty()) {
        QVERIFY(QFile::remove(path));
    } else {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(content);
    }
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    FrmMain *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    QVERIFY(main->isVisible());
    bool named = false;
    for (const auto &shown : std::as_const(dialogs.shown))
        named = named || (shown.text.contains(path) && shown.icon == Dialogs::Icon::Critical);
    QVERIFY2(named, "no message names the bad file");
}

// Without the console's configuration record the games are listed all the same, and the
// message says so and names the folders used instead.
void TestStartup::consoleWithoutConfigRecordStillListsItsGames()
{
    TestInstall install;
    QVERIFY(install.isValid());
    QVERIFY(install.exec(TestInstall::gameboyDb(), QStringLiteral("DELETE FROM config")));
    QVERIFY(
        install.exec(TestInstall::gameboyDb(), QStringLiteral("INSERT INTO giochi (Gioco) VALUES ('Tetris')")));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    FrmMain *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    QCOMPARE(dialogs.shown.size(), 1);
    const QString text = dialogs.shown[0].text;
    QVERIFY2(text.contains(QStringLiteral("has no configuration record. Its games are shown"))
                 && text.contains(Globale::state().ScreenDir) && text.contains(Globale::state().GamesDir),
             qPrintable(text));
    QCOMPARE(listedGames(main), QStringList{QStringLiteral("Tetris")});
}

// A missing console picture is said in the "Error LOG", which the list fill leaves alone.
void TestStartup::missingConsolePictureIsLogged()
{
    TestInstall install;
    QVERIFY(install.isValid());
    QVERIFY(QFile::remove(install.path(QStringLiteral("pack/immagini/gameboy.jpg"))));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    FrmMain *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    QVERIFY(main->ui.ImgConsole->pixmap().isNull());
    QVERIFY2(main->ui.Text7->toPlainText().contains(QStringLiteral("gameboy.jpg")),
             qPrintable(main->ui.Text7->toPlainText()));
    QVERIFY(dialogs.shown.isEmpty());
}

// Long texts (an error, a game's name, its screenshot name) are cut where their place
// ends, whole in the tooltip of a status panel: the window keeps the size it was given.
void TestStartup::longTextsNeverWidenTheWindow()
{
    const QString longName = QStringLiteral("A Very Long Game Name ").repeated(20);
    TestInstall install;
    QVERIFY(install.isValid());
    QVERIFY(install.exec(TestInstall::gameboyDb(),
                         QStringLiteral("INSERT INTO giochi (Gioco, Screen) VALUES (?, ?)"),
                         {longName, longName + QStringLiteral(".gif")}));
    QVERIFY(install.exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Game = ?"), {longName}));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    FrmMain *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    QCOMPARE(main->ui.LabGame->text(), longName);
    const int width = main->width();
    QVERIFY(width < Twips::toPixels(11685) * 3 / 2);
    // The counts are shown whole.
    for (int panel = 2; panel <= 5; ++panel) {
        const QLabel *label = main->ui.StatusBar1->panel(panel);
        QVERIFY(label->contentsRect().width() >= label->fontMetrics().horizontalAdvance(label->text().trimmed()));
    }

    const QString error = QStringLiteral("Document ") + QStringLiteral("/a/long/path").repeated(80)
                          + QStringLiteral(" could not be opened");
    main->recordError(error);
    main->ui.StatusBar1->setText(1, longName);
    QCoreApplication::processEvents();
    QCOMPARE(main->width(), width);
    QVERIFY(main->minimumSizeHint().width() <= width);
    QCOMPARE(main->ui.StatusBar1->text(6), error);
    QCOMPARE(main->ui.StatusBar1->panel(6)->toolTip(), error);
    QVERIFY(main->ui.StatusBar1->panel(6)->width() < width);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
