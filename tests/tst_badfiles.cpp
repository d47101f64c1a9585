// Bad files under the programs: a console database that is no database, is cut short or
// is empty; a read-only database file and a read-only installation; missing directories
// of screenshots and roms; pictures that are no pictures; a registry without Emuset's
// record. The programs start, show what they can, say clearly why a store failed, and
// keep what the user typed.
#include "install/installation.h"
#include "shared/paths.h"
#include "tests/support/builtprograms.h"
#include "tests/support/chooserfolders.h"
#include "tests/support/emusetwindow.h"
#include "tests/support/entrymarks.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/readonly.h"
#include "tests/support/tabpages.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString gameboy = TestInstall::gameboyDb();
const QString playFailed = QStringLiteral(
    "Have you choose an emulator for this console? go to 'Plug-In' -> Emuset !!");

QString texts(const QList<ScriptedDialogs::Shown> &shown)
{
    QStringList all;
    for (const auto &box : shown)
        all.append(box.title + QStringLiteral(": ") + box.text);
    return all.join(QLatin1Char('\n'));
}

// A game with its rom file, an emulator of placement 1 and one unmarked set.
bool addPlayableGame(TestInstall &install)
{
    return install.writeRom(QStringLiteral("Tetris.gb"))
           && install.exec(gameboy,
                           QStringLiteral("INSERT INTO giochi (Gioco, Link, Screen, EmuName, Notes) "
                                          "VALUES ('Tetris', 'Tetris.gb', 'Tetris.gif', 'Gambatte', 'stored')"))
           && install.addEmulator(QStringLiteral("Gambatte"), QStringLiteral("/opt/gambatte"))
           && install.exec(gameboy, QStringLiteral("INSERT INTO setting (ID_Emula, Nome, Stringa, Attivo) "
                                                   "VALUES ('Gambatte', 'Full', '-full', 0)"));
}

bool pictureShown(const QObject *window, const char *name)
{
    return !child<QLabel>(window, name)->pixmap().isNull();
}

const QString ludora4 = Paths::executableName(QStringLiteral("ludora4"));

} // namespace

class TestBadFiles : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        closeFrontEnd();
        closeEmuset();
    }
    void damagedConsoleDatabase_data();
    void damagedConsoleDatabase();
    void readOnly_data();
    void readOnly();
    void missingDirectory_data();
    void missingDirectory();
    void pictureThatIsNoPicture_data();
    void pictureThatIsNoPicture();
    void registryWithoutEmusetsRecord();
    void emusetRemembersAnAccentedDirectory();

private:
    void frontEndRefusesStores(TestInstall &install, QMainWindow *window, const QString &cause);
    void emusetRefusesStores(TestInstall &install, QWidget *emuset, const QString &cause);

    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
};

// The Gameboy database damaged. The front-end names the file and shows an empty list; a
// save is refused by name and the typed text stays. Emuset names the file on its error
// line; a new emulator is refused when the file cannot be opened, its save when the
// table is missing; where the page the row goes to is whole, SQLite stores it, and the
// list read afterwards names the damage again.
enum class EmusetOutcome { NewRefused, SaveRefused, SavedNotListed };
Q_DECLARE_METATYPE(EmusetOutcome)

void TestBadFiles::damagedConsoleDatabase_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<EmusetOutcome>("outcome");
    QTest::newRow("not SQLite") << QStringLiteral("text") << QStringLiteral("file is not a database")
                                << EmusetOutcome::NewRefused;
    QTest::newRow("truncated in the middle")
        << QStringLiteral("truncated") << QStringLiteral("database disk image is malformed")
        << EmusetOutcome::SavedNotListed;
    QTest::newRow("empty file") << QStringLiteral("empty") << QStringLiteral("no such table")
                                << EmusetOutcome::SaveRefused;
}

void TestBadFiles::damagedConsoleDatabase()
{
    QFETCH(QString, damage);
    QFETCH(QString, cause);
    QFETCH(EmusetOutcome, outcome);
    TestInstall install(false, 2000); // enough games for the cut to fall inside the game table
    QTemporaryDir own;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(pointEmusetAt(own.path(), install.root()));
    const QString file = install.path(QStringLiteral("database/gameboy.mdb"));
    const QString named = file + QStringLiteral(": ") + cause;
    QFile database(file);
    if (damage == QLatin1String("text"))
        QVERIFY(writeFile(file, "Standard Jet DB\nThis is a catalogue exported as text.\n"));
    else
        QVERIFY(database.resize(damage == QLatin1String("truncated") ? database.size() / 2 : 0));
    m_dialogs = ScriptedDialogs();

    QMainWindow *window = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    const QString said = texts(m_dialogs.shown) + QLatin1Char('\n') + errorLine(window);
    QVERIFY2(said.contains(named), qPrintable(said));
    QCOMPARE(listedGames(window), QStringList());
    m_dialogs.shown.clear();
    replaceText(child(window, "LabGame"), QStringLiteral("Typed Name"));
    clickOn(window, QStringLiteral("Command8"));
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QVERIFY2(m_dialogs.shown[0].text.contains(file), qPrintable(m_dialogs.shown[0].text));
    QCOMPARE(shownText(window, QStringLiteral("LabGame")), QStringLiteral("Typed Name"));
    closeFrontEnd();

    m_dialogs = ScriptedDialogs();
    QWidget *emuset = startEmuset(own.path(), m_dialogs, m_launcher);
    QVERIFY(emuset);
    QVERIFY2(panelText(emuset, 1).contains(named), qPrintable(panelText(emuset, 1)));
    QCOMPARE(entries(emuset, QStringLiteral("LstEmu")), QStringList());
    clickOn(emuset, QStringLiteral("CmdNewEmu"));
    if (outcome == EmusetOutcome::NewRefused) {
        QVERIFY2(panelText(emuset, 1).contains(named), qPrintable(panelText(emuset, 1)));
        QVERIFY(child<QLineEdit>(emuset, "TxtEmu1")->isReadOnly());
        QVERIFY(!child(emuset, "CmdSaveEmu")->isEnabled());
        return;
    }
    typeText(child(emuset, "TxtEmu1"), QStringLiteral("Typed Emulator"));
    clickOn(emuset, QStringLiteral("CmdSaveEmu"));
    if (outcome == EmusetOutcome::SavedNotListed) {
        QVERIFY(m_dialogs.shown.isEmpty());
        QVERIFY2(panelText(emuset, 1).contains(named), qPrintable(panelText(emuset, 1)));
        return;
    }
    QCOMPARE(m_dialogs.shown.size(), 1);
    QVERIFY2(m_dialogs.shown[0].text.contains(file), qPrintable(m_dialogs.shown[0].text));
    QCOMPARE(shownText(emuset, QStringLiteral("TxtEmu1")), QStringLiteral("Typed Emulator"));
    QVERIFY(child(emuset, "CmdSaveEmu")->isEnabled());
}

// "Save Modify", a set's mark, a play and a document: each refused store says why, and
// the typed values stay in the window.
void TestBadFiles::frontEndRefusesStores(TestInstall &install, QMainWindow *window, const QString &cause)
{
    clickGame(window, 0);
    QCOMPARE(shownText(window, QStringLiteral("LabGame")), QStringLiteral("Tetris"));
    m_dialogs.shown.clear();
    replaceText(child(window, "LabGame"), QStringLiteral("Typed Name"));
    replaceText(child(window, "TxtGameHelp"), QStringLiteral("typed notes"));
    clickOn(window, QStringLiteral("Command8"));
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QVERIFY2(m_dialogs.shown[0].text.startsWith(QStringLiteral("The game \"Typed Name\" was not saved: "))
                 && m_dialogs.shown[0].text.contains(cause),
             qPrintable(m_dialogs.shown[0].text));
    QCOMPARE(shownText(window, QStringLiteral("LabGame")), QStringLiteral("Typed Name"));
    QCOMPARE(shownText(window, QStringLiteral("TxtGameHelp")), QStringLiteral("typed notes"));

    QVERIFY(showTab(window, QStringLiteral("Setting")));
    clickEntry(window, QStringLiteral("LstSetting"), 0);
    QVERIFY(!entryMarked(window, QStringLiteral("LstSetting"), 0));
    QVERIFY2(errorLine(window).contains(cause), qPrintable(errorLine(window)));

    m_dialogs.shown.clear();
    QVERIFY(showTab(window, QStringLiteral("Games")));
    clickOn(window, QStringLiteral("Command1"));
    QCOMPARE(texts(m_dialogs.shown).section(QLatin1Char('\n'), 0, 0), QStringLiteral("ERROR!: ") + playFailed);
    QVERIFY2(errorLine(window).contains(cause), qPrintable(errorLine(window)));
    QCOMPARE(m_launcher.started.size(), 0);
    QCOMPARE(shownText(window, QStringLiteral("LabGame")), QStringLiteral("Typed Name"));

    m_dialogs.shown.clear();
    QVERIFY(showTab(window, QStringLiteral("Docs")));
    clickOn(window, QStringLiteral("CmdAddDoc"));
    typeText(child(window, "TxtDocName"), QStringLiteral("Typed Manual"));
    clickOn(window, QStringLiteral("CmdSaveDoc"));
    QCOMPARE(m_dialogs.shown.size(), 1);
    QVERIFY2(m_dialogs.shown[0].text.contains(cause), qPrintable(m_dialogs.shown[0].text));
    QCOMPARE(shownText(window, QStringLiteral("TxtDocName")), QStringLiteral("Typed Manual"));
    QVERIFY(child(window, "CmdSaveDoc")->isEnabled());

    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Gioco || '|' || Notes || '|' || Times FROM giochi")),
             QVariantList{"Tetris|stored|0"});
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT Attivo FROM setting")), QVariant(0));
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT count(*) FROM documents")), QVariant(0));
}

// A new emulator and a set's mark in Emuset: refused by name, the typing kept.
void TestBadFiles::emusetRefusesStores(TestInstall &install, QWidget *emuset, const QString &cause)
{
    QCOMPARE(entries(emuset, QStringLiteral("LstEmu")), QStringList{"Gambatte"});
    m_dialogs.shown.clear();
    clickOn(emuset, QStringLiteral("CmdNewEmu"));
    typeText(child(emuset, "TxtEmu1"), QStringLiteral("Typed Emulator"));
    typeText(child(emuset, "TxtFileEmu1"), QStringLiteral("/opt/typed"));
    clickOn(emuset, QStringLiteral("CmdSaveEmu"));
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QVERIFY2(m_dialogs.shown[0].text.contains(cause), qPrintable(m_dialogs.shown[0].text));
    QCOMPARE(shownText(emuset, QStringLiteral("TxtEmu1")), QStringLiteral("Typed Emulator"));
    QCOMPARE(shownText(emuset, QStringLiteral("TxtFileEmu1")), QStringLiteral("/opt/typed"));
    QVERIFY(child(emuset, "CmdSaveEmu")->isEnabled());
    clickOn(emuset, QStringLiteral("CmdCancelEmu"));

    clickEntry(emuset, QStringLiteral("LstEmu"), 0);
    clickEntry(emuset, QStringLiteral("LstSetting"), 0);
    QVERIFY2(panelText(emuset, 1).contains(cause), qPrintable(panelText(emuset, 1)));
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT count(*) FROM emulatori")), QVariant(1));
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT Attivo FROM setting")), QVariant(0));
}

void TestBadFiles::readOnly_data()
{
    QTest::addColumn<bool>("wholeInstallation");
    QTest::newRow("console database file") << false;
    QTest::newRow("whole installation") << true;
}

void TestBadFiles::readOnly()
{
    QFETCH(bool, wholeInstallation);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(addPlayableGame(install));
    const QString own = install.path(QStringLiteral("plugins/emuset"));
    QVERIFY(QDir().mkpath(own));
    QVERIFY(pointEmusetAt(own, install.root()));
    ReadOnly readOnly;
    QString why;
    if (!readOnly.protect(wholeInstallation ? install.root()
                                            : install.path(QStringLiteral("database/gameboy.mdb")),
                          &why))
        QSKIP(qPrintable(QStringLiteral("no read-only file system can be had here: ") + why));
    const QString cause = QStringLiteral("attempt to write a readonly database");
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();

    QMainWindow *window = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(window);
    QVERIFY2(m_dialogs.shown.isEmpty(), qPrintable(texts(m_dialogs.shown)));
    QCOMPARE(listedGames(window), QStringList{"Tetris"});
    QVERIFY(pictureShown(window, "ImgConsole"));
    frontEndRefusesStores(install, window, cause);

    if (wholeInstallation) {
        m_dialogs.shown.clear();
        QVERIFY(showTab(window, QStringLiteral("Info")));
        replaceText(child(window, "CmbProducer"), QStringLiteral("Typed Producer"));
        clickOn(window, QStringLiteral("CmdAddPro"));
        QCOMPARE(m_dialogs.shown.size(), 1);
        QVERIFY2(m_dialogs.shown[0].text.startsWith(
                     QStringLiteral("The producer \"Typed Producer\" was not added: "))
                     && m_dialogs.shown[0].text.contains(cause),
                 qPrintable(m_dialogs.shown[0].text));
        QCOMPARE(shownText(window, QStringLiteral("CmbProducer")), QStringLiteral("Typed Producer"));

        // The typed producer is dropped when asked; the switch is made, only the choice
        // cannot be kept for the next start.
        m_dialogs.shown.clear();
        m_dialogs.queueSaveAnswers({Dialogs::Choice::Discard});
        trigger(window, QStringLiteral("nintendo"));
        QCOMPARE(m_dialogs.shown.size(), 2);
        QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("Save the changes to Typed Name?")); // the name as typed
        QVERIFY2(m_dialogs.shown[1].text.contains(cause)
                     && m_dialogs.shown[1].text.endsWith(
                         QStringLiteral("The next start will not open the Nintendo console.")),
                 qPrintable(m_dialogs.shown[1].text));
        QCOMPARE(panelText(window, 1), QStringLiteral("Nintendo"));
        QCOMPARE(listedGames(window), QStringList());
    }
    closeFrontEnd(); // the window position cannot be stored either: nothing to say at the end

    m_dialogs = ScriptedDialogs();
    QWidget *emuset = startEmuset(own, m_dialogs, m_launcher);
    QVERIFY(emuset);
    QVERIFY(m_dialogs.shown.isEmpty());
    emusetRefusesStores(install, emuset, cause);
}

// A console directory gone: the record shows the no-picture picture; without the games
// folder the play is refused before anything starts; a conversion into the missing
// directory is refused by name.
void TestBadFiles::missingDirectory_data()
{
    QTest::addColumn<QString>("directory");
    QTest::newRow("screenshots") << QStringLiteral("screen");
    QTest::newRow("roms") << QStringLiteral("games");
}

void TestBadFiles::missingDirectory()
{
    QFETCH(QString, directory);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(addPlayableGame(install));
    QVERIFY(QFile::copy(install.path(QStringLiteral("pack/immagini/none.gif")),
                        install.path(QStringLiteral("console/gameboy/screen/Tetris.gif"))));
    QVERIFY(QDir(install.path(QStringLiteral("console/gameboy/") + directory)).removeRecursively());
    QVERIFY(writeFile(install.path(QStringLiteral("picture.png")), "not even a picture"));
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();
    QMainWindow *window = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(window);
    clickGame(window, 0);
    QCOMPARE(shownText(window, QStringLiteral("LabGame")), QStringLiteral("Tetris"));
    QVERIFY(pictureShown(window, "ImgSnap1"));
    QCOMPARE(errorLine(window), QString());

    QVERIFY(showTab(window, QStringLiteral("Games")));
    clickOn(window, QStringLiteral("Command1"));
    if (directory == QLatin1String("games")) {
        QCOMPARE(m_launcher.started.size(), 0);
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown.takeFirst().text,
                 QStringLiteral("The rom file Tetris.gb is not in the games folder"));
    } else {
        QCOMPARE(m_launcher.started.size(), 1);
        QCOMPARE(m_launcher.started[0].arguments.first(),
                 install.path(QStringLiteral("console/gameboy/games/Tetris.gb")));
    }

    clickOn(window, QStringLiteral("CmdConvUtil"));
    QVERIFY(enterDirectory(install.root()));
    QVERIFY(clickFile(QStringLiteral("picture.png")));
    if (directory == QLatin1String("screen")) {
        QVERIFY2(errorLine(window).contains(install.path(QStringLiteral("console/gameboy/screen/"))),
                 qPrintable(errorLine(window)));
        QVERIFY(QFile::exists(install.path(QStringLiteral("picture.png"))));
    } else { // the play's message stays the last
        QCOMPARE(errorLine(window), QStringLiteral("The rom file Tetris.gb is not in the games folder"));
    }
    QVERIFY(m_dialogs.shown.isEmpty());
}

// A picture file that holds no picture: the console picture is left empty; the
// no-picture picture leaves the boxes empty; a screenshot shows the no-picture picture
// and is named on the error line.
void TestBadFiles::pictureThatIsNoPicture_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("console picture") << QStringLiteral("pack/immagini/gameboy.jpg");
    QTest::newRow("no-picture picture") << QStringLiteral("pack/immagini/none.gif");
    QTest::newRow("screenshot") << QStringLiteral("console/gameboy/screen/Tetris.gif");
}

void TestBadFiles::pictureThatIsNoPicture()
{
    QFETCH(QString, file);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(addPlayableGame(install));
    QVERIFY(install.addGame(QStringLiteral("Without Screenshot")));
    QVERIFY(QFile::copy(install.path(QStringLiteral("pack/immagini/none.gif")),
                        install.path(QStringLiteral("console/gameboy/screen/Tetris.gif"))));
    QVERIFY(writeFile(install.path(file), QByteArray("GIF89a but nothing after it")));
    m_dialogs = ScriptedDialogs();
    QMainWindow *window = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(window);
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(pictureShown(window, "ImgConsole"), !file.endsWith(QLatin1String("gameboy.jpg")));
    QVERIFY(showGame(window, QStringLiteral("Tetris")));
    QVERIFY(pictureShown(window, "ImgSnap1")); // the screenshot, or the no-picture one
    if (file.contains(QLatin1String("screen")))
        QVERIFY2(errorLine(window).contains(install.path(file)), qPrintable(errorLine(window)));
    // A game without a screenshot falls back to the no-picture picture, which may be broken too.
    QVERIFY(showGame(window, QStringLiteral("Without Screenshot")));
    QCOMPARE(pictureShown(window, "ImgSnap1"), !file.endsWith(QLatin1String("none.gif")));
    QVERIFY(m_dialogs.shown.isEmpty());
}

// Installing Emuset into a registry that lost Emuset's record adds the record.
void TestBadFiles::registryWithoutEmusetsRecord()
{
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(writeFile(install.path(ludora4)));
    QVERIFY(install.exec(TestInstall::registryDb(), QStringLiteral("DELETE FROM plugins WHERE plug = 'emuset'")));
    QTemporaryDir own;
    QVERIFY(pointEmusetAt(own.path(), install.root()));
    m_dialogs = ScriptedDialogs();
    QWidget *emuset = startEmuset(own.path(), m_dialogs, m_launcher);
    QVERIFY(emuset);
    trigger(emuset, QStringLiteral("ludora4"));
    const QString plug = QStringLiteral("FrmBrowserPlug");
    QVERIFY(enterDirectory(install.root(), plug));
    QVERIFY(clickFile(ludora4, plug));
    QCOMPARE(texts(m_dialogs.shown), QStringLiteral("Installation Complete!: Plug In Installed !"));
    QCOMPARE(install.column(TestInstall::registryDb(),
                            QStringLiteral("SELECT Path FROM plugins WHERE plug = 'emuset'")),
             QVariantList{QDir::toNativeSeparators(own.path()) + QDir::separator()
                          + Paths::executableName(QStringLiteral("emuset"))});
    QCOMPARE(install.scalar(TestInstall::registryDb(), QStringLiteral("SELECT count(*) FROM plugins")),
             QVariant(4));
}

// The directory chosen in Emuset's first run, with accents, Japanese and a blank in it,
// is kept: the next run opens that installation without asking, and shows the emulator
// typed in the first.
void TestBadFiles::emusetRemembersAnAccentedDirectory()
{
    QTemporaryDir base;
    const QString root = base.filePath(QStringLiteral("Ludörä ゲーム"));
    QString error;
    QVERIFY2(Installation::create(root, BuiltPrograms::options(), &error), qPrintable(error));
    QVERIFY(writeFile(root + QLatin1Char('/') + ludora4));
    const QString own = base.filePath(QStringLiteral("Émuset"));
    QVERIFY(QDir().mkpath(own));
    m_dialogs = ScriptedDialogs();
    QVERIFY(!startEmuset(own, m_dialogs, m_launcher));
    QVERIFY(enterDirectory(root));
    QVERIFY(clickFile(ludora4));
    QWidget *emuset = openChooser(QStringLiteral("FrmEmuset"));
    QVERIFY(emuset);
    clickOn(emuset, QStringLiteral("CmdNewEmu"));
    typeText(child(emuset, "TxtEmu1"), QStringLiteral("Typed"));
    clickOn(emuset, QStringLiteral("CmdSaveEmu"));
    closeEmuset();

    emuset = startEmuset(own, m_dialogs, m_launcher);
    QVERIFY(emuset);
    QCOMPARE(entries(emuset, QStringLiteral("LstEmu")), QStringList{"Typed"});
    QVERIFY(m_dialogs.shown.isEmpty());
}

QTEST_MAIN(TestBadFiles)
#include "tst_badfiles.moc"
