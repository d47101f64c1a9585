// Bad files under the programs: a console database that is no database, is cut short or
// is empty; a read-only database file and a read-only installation; missing directories
// of screenshots and roms; pictures that are no pictures; a registry without Emuset's
// record. The programs start, show what they can, say clearly why a store failed, and
// keep what the user typed.
#include "emuset/frmbrowser.h"
#include "emuset/frmbrowserplug.h"
#include "frontend/frmbrowser.h"
#include "frontend/frmmain.h"
#include "frontend/gamelistwidget.h"
#include "frontend/globale.h"
#include "install/installation.h"
#include "shared/paths.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/clickablelineedit.h"
#include "shared/widgets/filelists.h"
#include "shared/widgets/marklist.h"
#include "shared/widgets/statuspanels.h"
#include "tests/support/builtprograms.h"
#include "tests/support/frontendrun.h"
#include "tests/support/readonly.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/tst_emuset_support.h"

#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace EmusetRun;

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

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

// A game with an emulator of placement 1 and one unmarked set.
bool addPlayableGame(TestInstall &install)
{
    return install.exec(gameboy,
                        QStringLiteral("INSERT INTO giochi (Gioco, Link, Screen, EmuName, Notes) "
                                       "VALUES ('Tetris', 'Tetris.gb', 'Tetris.gif', 'Gambatte', 'stored')"))
           && install.exec(gameboy, QStringLiteral("INSERT INTO emulatori (Emu_Name, Emu_Link, Emu_Type) "
                                                   "VALUES ('Gambatte', '/opt/gambatte', '1')"))
           && install.exec(gameboy, QStringLiteral("INSERT INTO setting (ID_Emula, Nome, Stringa, Attivo) "
                                                   "VALUES ('Gambatte', 'Full', '-full', 0)"));
}

FrmBrowser *frontEndChooser() { return window<FrmBrowser>(QStringLiteral("FrmBrowser")); }

void clickFile(FileLists *lists, const QString &name) { clickEntry(lists->File1, rowOf(lists->File1, name)); }

} // namespace

class TestBadFiles : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        closeFrontEnd();
        closeAll();
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
    void frontEndRefusesStores(TestInstall &install, FrmMain *main, const QString &cause);
    void emusetRefusesStores(TestInstall &install, Emuset::FrmEmuset *emuset, const QString &cause);

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
    QTest::addColumn<EmusetOutcome>("emuset");
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
    QFETCH(EmusetOutcome, emuset);
    TestInstall install(false, 2000); // enough games for the cut to fall inside the game table
    QTemporaryDir own;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(writeIni(own.path(), iniLine(install.root())));
    const QString file = install.path(QStringLiteral("database/gameboy.mdb"));
    QFile database(file);
    if (damage == QLatin1String("text"))
        QVERIFY(writeFile(file, "Standard Jet DB\nThis is a catalogue exported as text.\n"));
    else if (damage == QLatin1String("truncated"))
        QVERIFY(database.resize(database.size() / 2));
    else
        QVERIFY(database.resize(0));
    m_dialogs = ScriptedDialogs();

    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    QVERIFY(main->isVisible());
    const QString named = texts(m_dialogs.shown) + QLatin1Char('\n') + errorLine(main);
    QVERIFY2(named.contains(file + QStringLiteral(": ") + cause), qPrintable(named));
    QCOMPARE(listedGames(main), QStringList());
    m_dialogs.shown.clear();
    replaceText(main->ui.LabGame, QStringLiteral("Typed Name"));
    QTest::mouseClick(main->ui.Command8, Qt::LeftButton);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QVERIFY2(m_dialogs.shown[0].text.contains(file), qPrintable(m_dialogs.shown[0].text));
    QCOMPARE(main->ui.LabGame->text(), QStringLiteral("Typed Name"));
    closeFrontEnd();

    m_dialogs = ScriptedDialogs();
    Emuset::FrmEmuset *window = start(own.path(), m_dialogs, m_launcher);
    QVERIFY(window);
    QVERIFY2(window->ui.StatusBar1->text(1).contains(file + QStringLiteral(": ") + cause),
             qPrintable(window->ui.StatusBar1->text(1)));
    QCOMPARE(window->ui.LstEmu->count(), 0);
    QTest::mouseClick(window->ui.CmdNewEmu, Qt::LeftButton);
    if (emuset == EmusetOutcome::NewRefused) {
        QVERIFY2(window->ui.StatusBar1->text(1).contains(file + QStringLiteral(": ") + cause),
                 qPrintable(window->ui.StatusBar1->text(1)));
        QVERIFY(window->ui.TxtEmu1->isReadOnly());
        QVERIFY(!window->ui.CmdSaveEmu->isEnabled());
        return;
    }
    typeText(window->ui.TxtEmu1, QStringLiteral("Typed Emulator"));
    QTest::mouseClick(window->ui.CmdSaveEmu, Qt::LeftButton);
    if (emuset == EmusetOutcome::SavedNotListed) {
        QVERIFY(m_dialogs.shown.isEmpty());
        QVERIFY2(window->ui.StatusBar1->text(1).contains(file + QStringLiteral(": ") + cause),
                 qPrintable(window->ui.StatusBar1->text(1)));
        return;
    }
    QCOMPARE(m_dialogs.shown.size(), 1);
    QVERIFY2(m_dialogs.shown[0].text.contains(file), qPrintable(m_dialogs.shown[0].text));
    QCOMPARE(window->ui.TxtEmu1->text(), QStringLiteral("Typed Emulator"));
    QVERIFY(window->ui.CmdSaveEmu->isEnabled());
}

// "Save Modify", a set's mark, a play and a document: each refused store says why, and
// the typed values stay in the window.
void TestBadFiles::frontEndRefusesStores(TestInstall &install, FrmMain *main, const QString &cause)
{
    const FrmMainUi &ui = main->ui;
    clickGame(main, 0);
    QCOMPARE(ui.LabGame->text(), QStringLiteral("Tetris"));
    m_dialogs.shown.clear();
    replaceText(ui.LabGame, QStringLiteral("Typed Name"));
    replaceText(ui.TxtGameHelp, QStringLiteral("typed notes"));
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QVERIFY2(m_dialogs.shown[0].text.startsWith(QStringLiteral("The game \"Typed Name\" was not saved: "))
                 && m_dialogs.shown[0].text.contains(cause),
             qPrintable(m_dialogs.shown[0].text));
    QCOMPARE(ui.LabGame->text(), QStringLiteral("Typed Name"));
    QCOMPARE(ui.TxtGameHelp->toPlainText(), QStringLiteral("typed notes"));

    ui.TabGeneral->setCurrentIndex(2); // "Setting"
    clickEntry(ui.LstSetting, 0);
    QVERIFY(!ui.LstSetting->isMarked(0));
    QVERIFY2(errorLine(main).contains(cause), qPrintable(errorLine(main)));

    m_dialogs.shown.clear();
    ui.TabGames->setCurrentIndex(0);
    QTest::mouseClick(ui.Command1, Qt::LeftButton);
    QCOMPARE(texts(m_dialogs.shown), QStringLiteral("ERROR!: ") + playFailed);
    QVERIFY2(errorLine(main).contains(cause), qPrintable(errorLine(main)));
    QCOMPARE(m_launcher.started.size(), 0);
    QCOMPARE(ui.LabGame->text(), QStringLiteral("Typed Name"));

    m_dialogs.shown.clear();
    ui.TabGeneral->setCurrentIndex(3); // "Docs"
    QTest::mouseClick(ui.CmdAddDoc, Qt::LeftButton);
    typeText(ui.TxtDocName, QStringLiteral("Typed Manual"));
    QTest::mouseClick(ui.CmdSaveDoc, Qt::LeftButton);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QVERIFY2(m_dialogs.shown[0].text.contains(cause), qPrintable(m_dialogs.shown[0].text));
    QCOMPARE(ui.TxtDocName->text(), QStringLiteral("Typed Manual"));
    QVERIFY(ui.CmdSaveDoc->isEnabled());

    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Gioco || '|' || Notes || '|' || Times FROM giochi")),
             QVariantList{"Tetris|stored|0"});
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT Attivo FROM setting")), QVariant(0));
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT count(*) FROM documents")), QVariant(0));
}

// A new emulator and a set's mark in Emuset: refused by name, the typing kept.
void TestBadFiles::emusetRefusesStores(TestInstall &install, Emuset::FrmEmuset *emuset, const QString &cause)
{
    QCOMPARE(entries(emuset->ui.LstEmu), QStringList{"Gambatte"});
    m_dialogs.shown.clear();
    QTest::mouseClick(emuset->ui.CmdNewEmu, Qt::LeftButton);
    typeText(emuset->ui.TxtEmu1, QStringLiteral("Typed Emulator"));
    typeText(emuset->ui.TxtFileEmu1, QStringLiteral("/opt/typed"));
    QTest::mouseClick(emuset->ui.CmdSaveEmu, Qt::LeftButton);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QVERIFY2(m_dialogs.shown[0].text.contains(cause), qPrintable(m_dialogs.shown[0].text));
    QCOMPARE(emuset->ui.TxtEmu1->text(), QStringLiteral("Typed Emulator"));
    QCOMPARE(emuset->ui.TxtFileEmu1->text(), QStringLiteral("/opt/typed"));
    QVERIFY(emuset->ui.CmdSaveEmu->isEnabled());
    QTest::mouseClick(emuset->ui.CmdCancelEmu, Qt::LeftButton);

    clickEntry(emuset->ui.LstEmu, 0);
    clickEntry(emuset->ui.LstSetting, 0);
    QVERIFY2(emuset->ui.StatusBar1->text(1).contains(cause), qPrintable(emuset->ui.StatusBar1->text(1)));
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
    QVERIFY(writeIni(own, iniLine(install.root())));
    ReadOnly readOnly;
    QString why;
    if (!readOnly.protect(wholeInstallation ? install.root()
                                            : install.path(QStringLiteral("database/gameboy.mdb")),
                          &why))
        QSKIP(qPrintable(QStringLiteral("no read-only file system can be had here: ") + why));
    const QString cause = QStringLiteral("attempt to write a readonly database");
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();

    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    QVERIFY2(m_dialogs.shown.isEmpty(), qPrintable(texts(m_dialogs.shown)));
    QCOMPARE(listedGames(main), QStringList{"Tetris"});
    QVERIFY(!main->ui.ImgConsole->pixmap().isNull());
    frontEndRefusesStores(install, main, cause);

    if (wholeInstallation) {
        m_dialogs.shown.clear();
        replaceText(main->ui.CmbProducer, QStringLiteral("Typed Producer"));
        QTest::mouseClick(main->ui.CmdAddPro, Qt::LeftButton);
        QCOMPARE(m_dialogs.shown.size(), 1);
        QVERIFY2(m_dialogs.shown[0].text.startsWith(
                     QStringLiteral("The producer \"Typed Producer\" was not added: "))
                     && m_dialogs.shown[0].text.contains(cause),
                 qPrintable(m_dialogs.shown[0].text));
        QCOMPARE(main->ui.CmbProducer->currentText(), QStringLiteral("Typed Producer"));

        // The switch is made; only the choice cannot be kept for the next start.
        m_dialogs.shown.clear();
        main->findChild<QAction *>(QStringLiteral("nintendo"))->trigger();
        QCOMPARE(m_dialogs.shown.size(), 1);
        QVERIFY2(m_dialogs.shown[0].text.contains(cause)
                     && m_dialogs.shown[0].text.endsWith(
                         QStringLiteral("The next start will not open the Nintendo console.")),
                 qPrintable(m_dialogs.shown[0].text));
        QCOMPARE(Globale::state().ConsoleDb, install.path(QStringLiteral("database/nintendo.mdb")));
    }
    closeFrontEnd(); // the window position cannot be stored either: nothing to say at the end

    m_dialogs = ScriptedDialogs();
    Emuset::FrmEmuset *emuset = start(own, m_dialogs, m_launcher);
    QVERIFY(emuset);
    QVERIFY(m_dialogs.shown.isEmpty());
    emusetRefusesStores(install, emuset, cause);
}

// A console directory gone: the record shows the no-picture picture, the emulator still
// gets the rom's path (it says itself that the file is missing), a conversion into the
// missing directory is refused by name.
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
    const QString screens = install.path(QStringLiteral("console/gameboy/screen"));
    QVERIFY(QFile::copy(install.path(QStringLiteral("pack/immagini/none.gif")),
                        screens + QStringLiteral("/Tetris.gif")));
    QVERIFY(QDir(install.path(QStringLiteral("console/gameboy/") + directory)).removeRecursively());
    QVERIFY(writeFile(install.path(QStringLiteral("picture.png")), "not even a picture"));
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    clickGame(main, 0);
    QCOMPARE(main->ui.LabGame->text(), QStringLiteral("Tetris"));
    QVERIFY(!main->ui.ImgSnap1->pixmap().isNull());
    QCOMPARE(errorLine(main), QString());

    main->ui.TabGames->setCurrentIndex(0);
    QTest::mouseClick(main->ui.Command1, Qt::LeftButton);
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].arguments.first(), Globale::state().GamesDir + QStringLiteral("Tetris.gb"));

    QTest::mouseClick(main->ui.CmdConvUtil, Qt::LeftButton);
    FrmBrowser *chooser = frontEndChooser();
    QVERIFY(chooser);
    clickFile(chooser->lists(), QStringLiteral("picture.png"));
    if (directory == QLatin1String("screen")) {
        QVERIFY2(errorLine(main).contains(Globale::state().ScreenDir), qPrintable(errorLine(main)));
        QVERIFY(QFile::exists(install.path(QStringLiteral("picture.png"))));
    } else {
        QCOMPARE(errorLine(main), QString());
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
    QVERIFY(QFile::copy(install.path(QStringLiteral("pack/immagini/none.gif")),
                        install.path(QStringLiteral("console/gameboy/screen/Tetris.gif"))));
    QVERIFY(writeFile(install.path(file), QByteArray("GIF89a but nothing after it")));
    m_dialogs = ScriptedDialogs();
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    QVERIFY(m_dialogs.shown.isEmpty());
    const bool consolePicture = file.startsWith(QLatin1String("pack/immagini/gameboy"));
    QCOMPARE(main->ui.ImgConsole->pixmap().isNull(), consolePicture);
    clickGame(main, 0);
    QCOMPARE(main->ui.LabGame->text(), QStringLiteral("Tetris"));
    const bool noPicture = file.endsWith(QLatin1String("none.gif"));
    QCOMPARE(main->ui.ImgSnap1->pixmap().isNull(), false); // the screenshot, or the no-picture one
    if (file.contains(QLatin1String("screen")))
        QVERIFY2(errorLine(main).contains(install.path(file)), qPrintable(errorLine(main)));
    // A game without a screenshot falls back to the no-picture picture, which is broken too.
    QVERIFY(install.exec(gameboy, QStringLiteral("UPDATE giochi SET Screen = NULL")));
    main->ShowGameRecord();
    QCOMPARE(main->ui.ImgSnap1->pixmap().isNull(), noPicture);
    QVERIFY(m_dialogs.shown.isEmpty());
}

// Installing Emuset into a registry that lost Emuset's record adds the record.
void TestBadFiles::registryWithoutEmusetsRecord()
{
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(touch(install.path(Paths::executableName(QStringLiteral("ludora4")))));
    QVERIFY(install.exec(TestInstall::registryDb(), QStringLiteral("DELETE FROM plugins WHERE plug = 'emuset'")));
    QTemporaryDir own;
    QVERIFY(writeIni(own.path(), iniLine(install.root())));
    m_dialogs = ScriptedDialogs();
    Emuset::FrmEmuset *emuset = start(own.path(), m_dialogs, m_launcher);
    QVERIFY(emuset);
    emuset->ui.ludora4->trigger();
    auto *plug = window<Emuset::FrmBrowserPlug>(QStringLiteral("FrmBrowserPlug"));
    QVERIFY(plug);
    QVERIFY(plug->lists()->setPath(install.root()));
    clickFile(plug->lists(), Paths::executableName(QStringLiteral("ludora4")));
    QCOMPARE(texts(m_dialogs.shown), QStringLiteral("Installation Complete!: Plug In Installed !"));
    QCOMPARE(install.column(TestInstall::registryDb(),
                            QStringLiteral("SELECT Path FROM plugins WHERE plug = 'emuset'")),
             QVariantList{QDir::toNativeSeparators(own.path()) + QDir::separator()
                          + Paths::executableName(QStringLiteral("emuset"))});
    QCOMPARE(install.scalar(TestInstall::registryDb(), QStringLiteral("SELECT count(*) FROM plugins")),
             QVariant(4));
}

// The directory chosen in Emuset's first run, with accents, Japanese and a blank in it,
// is written to emuset.ini and read back by the next run.
void TestBadFiles::emusetRemembersAnAccentedDirectory()
{
    QTemporaryDir base;
    const QString root = base.filePath(QStringLiteral("Ludörä ゲーム"));
    QString error;
    QVERIFY2(Installation::create(root, BuiltPrograms::options(), &error), qPrintable(error));
    QVERIFY(touch(root + QLatin1Char('/') + Paths::executableName(QStringLiteral("ludora4"))));
    const QString own = base.filePath(QStringLiteral("Émuset"));
    QVERIFY(QDir().mkpath(own));
    m_dialogs = ScriptedDialogs();
    start(own, m_dialogs, m_launcher);
    auto *chooser = window<Emuset::FrmBrowser>(QStringLiteral("FrmBrowser"));
    QVERIFY(chooser);
    QVERIFY(chooser->lists()->setPath(root));
    clickFile(chooser->lists(), Paths::executableName(QStringLiteral("ludora4")));
    QVERIFY(Generale::mainWindow());
    closeAll();

    QVERIFY(start(own, m_dialogs, m_launcher));
    QCOMPARE(Generale::state().FrontEndDir, QDir::toNativeSeparators(root) + QDir::separator());
    QCOMPARE(Generale::state().ConsoleDb,
             QDir::toNativeSeparators(root + QStringLiteral("/database/gameboy.mdb")));
    QVERIFY(m_dialogs.shown.isEmpty());
}

QTEST_MAIN(TestBadFiles)
#include "tst_badfiles.moc"
