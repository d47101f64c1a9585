// Console switching from the toolbar: the panel text, the master configuration record,
// the state paths and the three lists for each console; the choice surviving a restart;
// missing databases and pictures reported instead of crashing.
#include "frontend/frmmain.h"
#include "frontend/gamelistwidget.h"
#include "frontend/globale.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/statuspanels.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

void clickConsole(FrmMain *main, const QString &key)
{
    QAction *action = main->findChild<QAction *>(key);
    QVERIFY2(action, qPrintable(key));
    QWidget *button = main->ui.Toolbar1->widgetForAction(action);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// A game, a document and an emulator in a console's database, named after the console.
bool fillConsole(TestInstall &install, const QString &databaseFile, const QString &tag)
{
    const QString db = QStringLiteral("database/") + databaseFile;
    return install.exec(db, QStringLiteral("INSERT INTO giochi (Gioco, Times) VALUES (?, 4)"),
                        {tag + QStringLiteral(" Game")})
           && install.exec(db, QStringLiteral("INSERT INTO documents (Doc_Name) VALUES (?)"),
                           {tag + QStringLiteral(" Manual")})
           && install.exec(db, QStringLiteral("INSERT INTO emulatori (Emu_Name) VALUES (?)"),
                           {tag + QStringLiteral(" Emu")});
}

} // namespace

class TestSwitch : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeFrontEnd(); }
    void switchSetsTheConsole_data();
    void switchSetsTheConsole();
    void choiceSurvivesARestart_data();
    void choiceSurvivesARestart();
    void badDatabaseIsReportedByName_data();
    void badDatabaseIsReportedByName();
    void missingPictureDoesNotStopTheSwitch();
};

void TestSwitch::switchSetsTheConsole_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("directory");
    QTest::newRow("gameboy, already active") << "gameboy"
                                             << "Gameboy"
                                             << "gameboy.mdb"
                                             << "gameboy.jpg"
                                             << "gameboy";
    QTest::newRow("nintendo") << "nintendo"
                              << "Nintendo"
                              << "nintendo.mdb"
                              << "nintendo2.jpg"
                              << "nintendo";
    QTest::newRow("snes") << "snes"
                          << "SuperNintendo"
                          << "snes.mdb"
                          << "snesimage.jpeg"
                          << "snes";
    QTest::newRow("lynx") << "lynx"
                          << "Atari Lynx"
                          << "lynx.mdb"
                          << "lynx.jpg"
                          << "lynx";
    QTest::newRow("master") << "master"
                            << "Master System"
                            << "mast.mdb"
                            << "mastersys.jpg"
                            << "mast";
    QTest::newRow("megadrive") << "megadrive"
                               << "Megadrive"
                               << "mega.mdb"
                               << "megadrive.jpg"
                               << "mega";
    QTest::newRow("gamegear") << "gamegear"
                              << "GameGear"
                              << "gamegear.mdb"
                              << "gamegear.jpg"
                              << "gamegear";
    QTest::newRow("msx") << "msx"
                         << "MSX"
                         << "msx.mdb"
                         << "msx.gif"
                         << "msx";
    QTest::newRow("pcengine") << "pcengine"
                              << "PcEngine"
                              << "pcengine.mdb"
                              << "pcengine.jpg"
                              << "pcengine";
    QTest::newRow("amiga") << "amiga"
                           << "Amiga"
                           << "amiga.mdb"
                           << "amiga.jpg"
                           << "amiga";
}

void TestSwitch::switchSetsTheConsole()
{
    QFETCH(QString, key);
    QFETCH(QString, panel);
    QFETCH(QString, database);
    QFETCH(QString, picture);
    QFETCH(QString, directory);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(fillConsole(install, database, key));
    QVERIFY(
        install.exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET WinTop = 1500, WinLeft = 3000")));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    FrmMain *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    const QString shownGame = Globale::state().CurrentGame;

    clickConsole(main, key);
    QCOMPARE(main->ui.StatusBar1->text(1), panel);
    const QString master = TestInstall::masterDb();
    QCOMPARE(install.scalar(master, QStringLiteral("SELECT Database FROM config")).toString(), database);
    QCOMPARE(install.scalar(master, QStringLiteral("SELECT Picture FROM config")).toString(), picture);
    QCOMPARE(install.scalar(master, QStringLiteral("SELECT WinTop FROM config")).toInt(), 1500);
    QCOMPARE(install.scalar(master, QStringLiteral("SELECT WinLeft FROM config")).toInt(), 3000);

    const Globale::State &state = Globale::state();
    QCOMPARE(state.ConsoleDb, install.path(QStringLiteral("database/") + database));
    QCOMPARE(state.ConsolePic, install.path(QStringLiteral("pack/immagini/") + picture));
    QCOMPARE(state.NoPicFile, install.path(QStringLiteral("pack/immagini/none.gif")));
    QCOMPARE(state.ScreenDir, install.path(QStringLiteral("console/") + directory + QStringLiteral("/screen/")));
    QCOMPARE(state.GamesDir, install.path(QStringLiteral("console/") + directory + QStringLiteral("/games/")));
    QCOMPARE(state.CurrentGame, shownGame);
    QVERIFY(!main->ui.ImgConsole->pixmap().isNull());

    QCOMPARE(listedGames(main), QStringList{key + QStringLiteral(" Game")});
    QCOMPARE(main->ui.StatusBar1->text(2), QStringLiteral("All Games : 1  "));
    QCOMPARE(main->ui.LstDoc->count(), 1);
    QCOMPARE(main->ui.LstDoc->item(0)->text(), key + QStringLiteral(" Manual"));
    QVERIFY(main->ui.CmbEmulatore->findText(key + QStringLiteral(" Emu")) >= 0);
    QVERIFY(dialogs.shown.isEmpty());
}

void TestSwitch::choiceSurvivesARestart_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("panel"); // panel 1 after the restart
    QTest::newRow("amiga") << "amiga"
                           << "amiga.mdb"
                           << "amiga.jpg"
                           << "Amiga";
    QTest::newRow("lynx") << "lynx"
                          << "lynx.mdb"
                          << "lynx.jpg"
                          << "Console";
    QTest::newRow("master") << "master"
                            << "mast.mdb"
                            << "mastersys.jpg"
                            << "Console";
}

void TestSwitch::choiceSurvivesARestart()
{
    QFETCH(QString, key);
    QFETCH(QString, database);
    QFETCH(QString, picture);
    QFETCH(QString, panel);
    TestInstall install;
    QVERIFY(install.isValid());
    QVERIFY(fillConsole(install, database, key));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    FrmMain *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    clickConsole(main, key);
    closeFrontEnd();

    main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    QCOMPARE(main->ui.StatusBar1->text(1), panel);
    QCOMPARE(Globale::state().ConsoleDb, install.path(QStringLiteral("database/") + database));
    QCOMPARE(Globale::state().ConsolePic, install.path(QStringLiteral("pack/immagini/") + picture));
    QCOMPARE(listedGames(main), QStringList{key + QStringLiteral(" Game")});
    QVERIFY(dialogs.shown.isEmpty());
}

void TestSwitch::badDatabaseIsReportedByName_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: the file is deleted
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a database") << QByteArray("Standard Jet DB\n");
}

void TestSwitch::badDatabaseIsReportedByName()
{
    QFETCH(QByteArray, content);
    TestInstall install;
    QVERIFY(install.isValid());
    QVERIFY(fillConsole(install, QStringLiteral("gameboy.mdb"), QStringLiteral("gameboy")));
    const QString lynx = install.path(QStringLiteral("database/lynx.mdb"));
    QVERIFY(QFile::remove(lynx));
    if (!content.isEmpty()) {
        QFile file(lynx);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    FrmMain *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    dialogs.shown.clear(); // the start-up check's own message about a missing file

    clickConsole(main, QStringLiteral("lynx"));
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QVERIFY2(dialogs.shown[0].text.contains(lynx), qPrintable(dialogs.shown[0].text));
    QCOMPARE(main->ui.StatusBar1->text(1), QStringLiteral("Atari Lynx"));
    QCOMPARE(listedGames(main), QStringList());
    QCOMPARE(main->ui.LstDoc->count(), 0);

    clickConsole(main, QStringLiteral("gameboy")); // the program goes on
    QCOMPARE(listedGames(main), QStringList{"gameboy Game"});
    QCOMPARE(dialogs.shown.size(), 1);
}

void TestSwitch::missingPictureDoesNotStopTheSwitch()
{
    TestInstall install;
    QVERIFY(install.isValid());
    QVERIFY(fillConsole(install, QStringLiteral("msx.mdb"), QStringLiteral("msx")));
    QVERIFY(QFile::remove(install.path(QStringLiteral("pack/immagini/msx.gif"))));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    FrmMain *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    clickConsole(main, QStringLiteral("msx"));
    QVERIFY(main->ui.ImgConsole->pixmap().isNull());
    QCOMPARE(main->ui.StatusBar1->text(1), QStringLiteral("MSX"));
    QCOMPARE(install.scalar(TestInstall::masterDb(), QStringLiteral("SELECT Picture FROM config")).toString(),
             QStringLiteral("msx.gif"));
    QCOMPARE(listedGames(main), QStringList{"msx Game"});
}

QTEST_MAIN(TestSwitch)
#include "tst_switch.moc"
