// Console switching from the toolbar: the panel text, the master configuration record,
// the state paths and the three lists for each console; the choice surviving a restart;
// missing databases and pictures reported instead of crashing.
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/windowcontrols.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTest>

namespace {

// The files the chooser lists when a control of the window opens it; the chooser is
// closed again without a choice.
QStringList filesOffered(QMainWindow *main, const QString &opener)
{
    clickOn(main, opener);
    QPointer<QWidget> chooser = openChooser();
    const QStringList files = entries(chooser, QStringLiteral("File1"));
    if (chooser)
        chooser->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return files;
}

// A game, a document and an emulator in a console's database, named after the console,
// and a file in its games and screenshot folders.
bool fillConsole(TestInstall &install, const QString &databaseFile, const QString &tag,
                 const QString &directory = {})
{
    const QString db = QStringLiteral("database/") + databaseFile;
    const QString folder = QStringLiteral("console/") + directory;
    if (!directory.isEmpty()
        && (!writeFile(install.path(folder + QStringLiteral("/games/") + tag + QStringLiteral(".rom")))
            || !writeFile(install.path(folder + QStringLiteral("/screen/") + tag + QStringLiteral(".png")))))
        return false;
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
    void switchSetsTheConsoleAndSurvivesARestart_data();
    void switchSetsTheConsoleAndSurvivesARestart();
    void badDatabaseIsReportedByName_data();
    void badDatabaseIsReportedByName();
    void missingPictureDoesNotStopTheSwitch();
};

void TestSwitch::switchSetsTheConsoleAndSurvivesARestart_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("directory");
    const char *consoles[][5] = {
        {"gameboy", "Gameboy", "gameboy.mdb", "gameboy.jpg", "gameboy"},
        {"nintendo", "Nintendo", "nintendo.mdb", "nintendo2.jpg", "nintendo"},
        {"snes", "SuperNintendo", "snes.mdb", "snesimage.jpeg", "snes"},
        {"lynx", "Atari Lynx", "lynx.mdb", "lynx.jpg", "lynx"},
        {"master", "Master System", "mast.mdb", "mastersys.jpg", "mast"},
        {"megadrive", "Megadrive", "mega.mdb", "megadrive.jpg", "mega"},
        {"gamegear", "GameGear", "gamegear.mdb", "gamegear.jpg", "gamegear"},
        {"msx", "MSX", "msx.mdb", "msx.gif", "msx"},
        {"pcengine", "PcEngine", "pcengine.mdb", "pcengine.jpg", "pcengine"},
        {"amiga", "Amiga", "amiga.mdb", "amiga.jpg", "amiga"},
    };
    for (const auto &console : consoles) {
        QTest::newRow(console[0]) << QString::fromLatin1(console[0]) << QString::fromLatin1(console[1])
                                  << QString::fromLatin1(console[2]) << QString::fromLatin1(console[3])
                                  << QString::fromLatin1(console[4]);
    }
}

// The gameboy row switches to the console already active.
void TestSwitch::switchSetsTheConsoleAndSurvivesARestart()
{
    QFETCH(QString, key);
    QFETCH(QString, panel);
    QFETCH(QString, database);
    QFETCH(QString, picture);
    QFETCH(QString, directory);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(fillConsole(install, database, key, directory));
    QVERIFY(
        install.exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET WinTop = 1500, WinLeft = 3000")));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    const QImage consolePicture =
        QImage(install.path(QStringLiteral("pack/immagini/") + picture)).convertToFormat(QImage::Format_RGB32);
    const auto shownPicture = [&main] {
        return child<QLabel>(main, "ImgConsole")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    };

    trigger(main, key);
    QCOMPARE(panelText(main, 1), panel);
    const QString master = TestInstall::masterDb();
    QCOMPARE(install.scalar(master, QStringLiteral("SELECT Database FROM config")).toString(), database);
    QCOMPARE(install.scalar(master, QStringLiteral("SELECT Picture FROM config")).toString(), picture);
    QCOMPARE(install.scalar(master, QStringLiteral("SELECT WinTop FROM config")).toInt(), 1500);
    QCOMPARE(install.scalar(master, QStringLiteral("SELECT WinLeft FROM config")).toInt(), 3000);
    QCOMPARE(shownText(main, QStringLiteral("LabGame")), key + QStringLiteral(" Game")); // its record
    QCOMPARE(shownPicture(), consolePicture);

    // The console's database, games folder and screenshot folder are used.
    QCOMPARE(listedGames(main), QStringList{key + QStringLiteral(" Game")});
    QCOMPARE(panelText(main, 2), QStringLiteral("All Games : 1  "));
    QCOMPARE(entries(main, QStringLiteral("LstDoc")), QStringList{key + QStringLiteral(" Manual")});
    QVERIFY(child<QComboBox>(main, "CmbEmulatore")->findText(key + QStringLiteral(" Emu")) >= 0);
    QCOMPARE(filesOffered(main, QStringLiteral("Command9")), QStringList{key + QStringLiteral(".rom")});
    QCOMPARE(filesOffered(main, QStringLiteral("Label19")), QStringList{key + QStringLiteral(".png")});

    // At the next start the same console is active; panel 1 names only the Amiga.
    closeFrontEnd();
    main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    QCOMPARE(panelText(main, 1), key == QLatin1String("amiga") ? panel : QStringLiteral("Console"));
    QCOMPARE(shownPicture(), consolePicture);
    QCOMPARE(listedGames(main), QStringList{key + QStringLiteral(" Game")});
    QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.shown.value(0).text));
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
    if (!content.isEmpty())
        QVERIFY(writeFile(lynx, content));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    dialogs.shown.clear(); // the start-up check's own message about a missing file

    trigger(main, QStringLiteral("lynx"));
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QVERIFY2(dialogs.shown[0].text.contains(lynx), qPrintable(dialogs.shown[0].text));
    QCOMPARE(panelText(main, 1), QStringLiteral("Atari Lynx"));
    QCOMPARE(listedGames(main), QStringList());
    QCOMPARE(entries(main, QStringLiteral("LstDoc")), QStringList());

    trigger(main, QStringLiteral("gameboy")); // the program goes on
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
    QMainWindow *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    trigger(main, QStringLiteral("msx"));
    QVERIFY(child<QLabel>(main, "ImgConsole")->pixmap().isNull());
    QCOMPARE(panelText(main, 1), QStringLiteral("MSX"));
    QCOMPARE(install.scalar(TestInstall::masterDb(), QStringLiteral("SELECT Picture FROM config")).toString(),
             QStringLiteral("msx.gif"));
    QCOMPARE(listedGames(main), QStringList{"msx Game"});
}

QTEST_MAIN(TestSwitch)
#include "tst_switch.moc"
