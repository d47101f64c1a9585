// Emuset and the front-end on one installation: what Emuset stores is what the front-end
// plays, both programs edit one console database at once without losing an edit, and a
// lock held by another program makes Emuset wait instead of fail.
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"
#include "tests/tst_emuset_support.h"

#include <QSemaphore>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>

#include <memory>
#include <thread>

using namespace EmusetRun;

class TestEmusetTogether : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup()
    {
        closeFrontEnd();
        closeAll();
    }
    void madeInEmusetPlaysInTheFrontEnd_data();
    void madeInEmusetPlaysInTheFrontEnd();
    void bothProgramsOnOneDatabase();
    void emusetWaitsForAnotherProgramsLock();
    void neitherUndoesTheOthersMarks();

private:
    void type(const char *name, const QString &text) { replaceText(child(m_emuset, name), text); }
    void addEmulator(const QString &name, const QString &link, const QString &mode);
    void addSet(const QString &name, const QString &parameter, const QString &passed);
    void selectEmulator(const QString &name)
    {
        clickEntry(m_emuset, "LstEmu", int(entries(m_emuset, "LstEmu").indexOf(name)));
    }
    void play();
    // The front-end's arguments for Tetris: ROM stands for the rom's path.
    QStringList withRom(QStringList arguments) const
    {
        return arguments.replaceInStrings("ROM", m_install->path("console/gameboy/games/Tetris.gb"));
    }

    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<QTemporaryDir> m_own;
    ScriptedDialogs m_emusetDialogs;
    ScriptedDialogs m_frontDialogs;
    RecordingLauncher m_launcher;
    QMainWindow *m_emuset = nullptr;
    QMainWindow *m_front = nullptr;
};

void TestEmusetTogether::init()
{
    m_install = std::make_unique<TestInstall>();
    m_own = std::make_unique<QTemporaryDir>();
    m_emusetDialogs = ScriptedDialogs();
    m_frontDialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();
    m_emuset = m_front = nullptr;
    QVERIFY(m_install->isValid() && writeIni(m_own->path(), iniLine(m_install->root())));
    QVERIFY(m_install->addGame("Tetris", {{"Link", "Tetris.gb"}, {"EmuName", "Gambatte"}}));
    QVERIFY(m_install->writeRom("Tetris.gb"));
}

void TestEmusetTogether::addEmulator(const QString &name, const QString &link, const QString &mode)
{
    clickOn(m_emuset, "CmdNewEmu");
    type("TxtEmu1", name);
    type("TxtFileEmu1", link);
    type("TxtSetmode", mode);
    clickOn(m_emuset, "CmdSaveEmu");
}

void TestEmusetTogether::addSet(const QString &name, const QString &parameter, const QString &passed)
{
    clickOn(m_emuset, "CmdAddSett");
    type("TxtSettName", name);
    type("TxtParameter", parameter);
    type("TxtPassed", passed);
    clickOn(m_emuset, "CmdSalvaSett");
}

void TestEmusetTogether::play()
{
    child<QTabWidget>(m_front, "TabGames")->setCurrentIndex(0);
    clickOn(m_front, "Command1");
}

void TestEmusetTogether::madeInEmusetPlaysInTheFrontEnd_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("after the rom") << "1" << QStringList({"ROM", "-display", "1", "-full"});
    QTest::newRow("before the rom") << "2" << QStringList({"-display", "1", "-full", "ROM"});
}

void TestEmusetTogether::madeInEmusetPlaysInTheFrontEnd()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, arguments);
    m_emuset = start(m_own->path(), m_emusetDialogs, m_launcher);
    QVERIFY(m_emuset);
    addEmulator("Gambatte", "/opt/my emus/gambatte", mode);
    selectEmulator("Gambatte");
    addSet("Screen", "-display", "1");
    addSet("Sound", "-nosound", QString());
    addSet("Full", "-full", QString());
    clickEntry(m_emuset, "LstSetting", 0);
    clickEntry(m_emuset, "LstSetting", 2);
    QVERIFY(m_emusetDialogs.shown.isEmpty());
    closeAll();

    m_front = startFrontEnd(m_install->root(), m_frontDialogs, m_launcher);
    QVERIFY(m_front);
    QVERIFY(showGame(m_front, "Tetris"));
    play();
    QVERIFY(m_frontDialogs.shown.isEmpty());
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].program, "/opt/my emus/gambatte");
    QCOMPARE(m_launcher.started[0].arguments, withRom(arguments));
}

// Both main windows open on the Gameboy database, edits taking turns: each one is stored
// and each program reads the other's.
void TestEmusetTogether::bothProgramsOnOneDatabase()
{
    m_front = startFrontEnd(m_install->root(), m_frontDialogs, m_launcher);
    m_emuset = start(m_own->path(), m_emusetDialogs, m_launcher);
    QVERIFY(m_front && m_emuset);

    addEmulator("Gambatte", "/opt/gambatte", "2");
    selectEmulator("Gambatte");
    addSet("Screen", "-display", "1");

    QVERIFY(showGame(m_front, "Tetris"));
    child<QTabWidget>(m_front, "TabGeneral")->setCurrentIndex(2); // "Setting"
    QCOMPARE(entries(m_front, "LstSetting"), QStringList{"Screen"});
    clickEntry(m_front, "LstSetting", 0);
    replaceText(child(m_front, "TxtYear"), "1989");
    play();
    QCOMPARE(m_launcher.started.last().arguments, withRom({"-display", "1", "ROM"}));

    selectEmulator("Gambatte");
    QCOMPARE(marks(m_emuset), "x"); // the front-end's mark
    clickEntry(m_emuset, "LstSetting", 0);
    clickEntry(m_emuset, "LstSetting", 0);
    clickOn(m_emuset, "CmdEditSett");
    type("TxtPassed", "2");
    clickOn(m_emuset, "CmdSalvaSett");
    play();
    QCOMPARE(m_launcher.started.last().arguments, withRom({"-display", "2", "ROM"}));
    addEmulator("Mednafen", "/opt/mednafen", "1");

    QVERIFY(m_frontDialogs.shown.isEmpty());
    QVERIFY(m_emusetDialogs.shown.isEmpty());
    QCOMPARE(panelText(m_emuset, 1), QString());
    const QString db = TestInstall::gameboyDb();
    QCOMPARE(m_install->column(db, "SELECT Emu_Name FROM emulatori ORDER BY rowid"),
             QVariantList({"Gambatte", "Mednafen"}));
    QCOMPARE(m_install->column(db, "SELECT Scelta || Attivo FROM setting"), QVariantList{"21"});
    QCOMPARE(m_install->column(db, "SELECT Anno || '/' || Times FROM giochi WHERE Gioco = 'Tetris'"),
             QVariantList{"1989/2"});
}

// Both show the same two sets unmarked; each marks one in turn, from a list that does not
// know of the other's mark: both marks stay, and each list then shows both.
void TestEmusetTogether::neitherUndoesTheOthersMarks()
{
    m_front = startFrontEnd(m_install->root(), m_frontDialogs, m_launcher);
    m_emuset = start(m_own->path(), m_emusetDialogs, m_launcher);
    QVERIFY(m_front && m_emuset);
    addEmulator("Gambatte", "/opt/gambatte", "1");
    selectEmulator("Gambatte");
    addSet("Screen", "-display", "1");
    addSet("Sound", "-sound", "1");
    selectEmulator("Gambatte");
    QCOMPARE(marks(m_emuset), "--");
    QVERIFY(showGame(m_front, "Tetris"));
    child<QTabWidget>(m_front, "TabGeneral")->setCurrentIndex(2); // "Setting"

    clickEntry(m_front, "LstSetting", 0);
    clickEntry(m_emuset, "LstSetting", 1);
    QCOMPARE(m_install->column(TestInstall::gameboyDb(), "SELECT Attivo FROM setting ORDER BY rowid"),
             QVariantList({1, 1}));
    QCOMPARE(marks(m_emuset), "xx");
    clickEntry(m_front, "LstSetting", 0);
    QCOMPARE(marks(m_front), "-x");
    QCOMPARE(m_install->column(TestInstall::gameboyDb(), "SELECT Attivo FROM setting ORDER BY rowid"),
             QVariantList({0, 1}));
}

// Another program holds a write lock on the database for a moment; Emuset's save waits
// for it and then stores, and the other program's row stays too.
void TestEmusetTogether::emusetWaitsForAnotherProgramsLock()
{
    m_emuset = start(m_own->path(), m_emusetDialogs, m_launcher);
    QVERIFY(m_emuset);
    clickOn(m_emuset, "CmdNewEmu");
    type("TxtEmu1", "Waiting");

    QSemaphore locked;
    QSemaphore never;
    bool committed = false;
    std::thread other([&] {
        const QString name = "another-program";
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
            db.setDatabaseName(m_install->path("database/gameboy.mdb"));
            db.open();
            QSqlQuery query(db);
            query.exec("BEGIN IMMEDIATE");
            query.exec("INSERT INTO emulatori (Emu_Name) VALUES ('Other')");
            locked.release();
            never.tryAcquire(1, 300); // the lock is held while Emuset saves
            committed = query.exec("COMMIT");
            query.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    });
    locked.acquire();
    clickOn(m_emuset, "CmdSaveEmu");
    other.join();

    QVERIFY(committed);
    QVERIFY(m_emusetDialogs.shown.isEmpty());
    QCOMPARE(m_install->column(TestInstall::gameboyDb(), "SELECT Emu_Name FROM emulatori ORDER BY rowid"),
             QVariantList({"Other", "Waiting"}));
    QCOMPARE(entries(m_emuset, "LstEmu"), QStringList({"Other", "Waiting"}));
}

QTEST_MAIN(TestEmusetTogether)
#include "tst_emuset_together.moc"
