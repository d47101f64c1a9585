// Emuset and the front-end on one installation: what Emuset stores is what the front-end
// plays, both programs edit one console database at once without losing an edit, and a
// lock held by another program makes Emuset wait instead of fail.
#include "frontend/frmmain.h"
#include "frontend/globale.h"
#include "shared/widgets/marklist.h"
#include "shared/widgets/statuspanels.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/tst_emuset_support.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSemaphore>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>

#include <thread>

using namespace EmusetRun;

class TestEmusetTogether : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        closeFrontEnd();
        closeAll();
    }
    void madeInEmusetPlaysInTheFrontEnd_data();
    void madeInEmusetPlaysInTheFrontEnd();
    void bothProgramsOnOneDatabase();
    void emusetWaitsForAnotherProgramsLock();

private:
    bool prepare(TestInstall &install, QTemporaryDir &own);
    void addEmulator(const QString &name, const QString &link, const QString &mode);
    void addSet(const QString &name, const QString &parameter, const QString &passed);
    void editSetValue(const QString &passed);
    void selectEmulator(const QString &name) { clickEntry(m_emuset->ui.LstEmu, rowOf(m_emuset->ui.LstEmu, name)); }
    void showGame(const QString &game);
    void play();
    void clickFrontEndSet(int row);

    ScriptedDialogs m_emusetDialogs;
    ScriptedDialogs m_frontDialogs;
    RecordingLauncher m_launcher;
    Emuset::FrmEmuset *m_emuset = nullptr;
    FrmMain *m_front = nullptr;
};

bool TestEmusetTogether::prepare(TestInstall &install, QTemporaryDir &own)
{
    m_emusetDialogs = ScriptedDialogs();
    m_frontDialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();
    return install.isValid() && writeIni(own.path(), iniLine(install.root()))
           && install.exec(
               TestInstall::gameboyDb(),
               QStringLiteral(
                   "INSERT INTO giochi (Gioco, Link, EmuName) VALUES ('Tetris', 'Tetris.gb', 'Gambatte')"));
}

void TestEmusetTogether::addEmulator(const QString &name, const QString &link, const QString &mode)
{
    QTest::mouseClick(m_emuset->ui.CmdNewEmu, Qt::LeftButton);
    QTest::keyClicks(m_emuset->ui.TxtEmu1, name);
    QTest::keyClicks(m_emuset->ui.TxtFileEmu1, link);
    QTest::keyClicks(m_emuset->ui.TxtSetmode, mode);
    QTest::mouseClick(m_emuset->ui.CmdSaveEmu, Qt::LeftButton);
}

void TestEmusetTogether::addSet(const QString &name, const QString &parameter, const QString &passed)
{
    QTest::mouseClick(m_emuset->ui.CmdAddSett, Qt::LeftButton);
    m_emuset->ui.TxtSettName->clear();
    QTest::keyClicks(m_emuset->ui.TxtSettName, name);
    QTest::keyClicks(m_emuset->ui.TxtParameter, parameter);
    QTest::keyClicks(m_emuset->ui.TxtPassed, passed);
    QTest::mouseClick(m_emuset->ui.CmdSalvaSett, Qt::LeftButton);
}

void TestEmusetTogether::editSetValue(const QString &passed)
{
    QTest::mouseClick(m_emuset->ui.CmdEditSett, Qt::LeftButton);
    m_emuset->ui.TxtPassed->clear();
    QTest::keyClicks(m_emuset->ui.TxtPassed, passed);
    QTest::mouseClick(m_emuset->ui.CmdSalvaSett, Qt::LeftButton);
}

void TestEmusetTogether::showGame(const QString &game)
{
    Globale::state().CurrentGame = game;
    m_front->ShowGameRecord();
}

void TestEmusetTogether::play()
{
    m_front->ui.TabGames->setCurrentIndex(0);
    QTest::mouseClick(m_front->ui.Command1, Qt::LeftButton);
}

void TestEmusetTogether::clickFrontEndSet(int row)
{
    m_front->ui.TabGeneral->setCurrentIndex(2); // "Setting"
    clickEntry(m_front->ui.LstSetting, row);
}

void TestEmusetTogether::madeInEmusetPlaysInTheFrontEnd_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("arguments"); // ROM: the game's rom path
    QTest::newRow("after the rom") << QStringLiteral("1") << QStringList({"ROM", "-display", "1", "-full"});
    QTest::newRow("before the rom") << QStringLiteral("2") << QStringList({"-display", "1", "-full", "ROM"});
}

void TestEmusetTogether::madeInEmusetPlaysInTheFrontEnd()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, arguments);
    TestInstall install;
    QTemporaryDir own;
    QVERIFY(prepare(install, own));
    m_emuset = start(own.path(), m_emusetDialogs, m_launcher);
    QVERIFY(m_emuset);
    addEmulator(QStringLiteral("Gambatte"), QStringLiteral("/opt/my emus/gambatte"), mode);
    selectEmulator(QStringLiteral("Gambatte"));
    addSet(QStringLiteral("Screen"), QStringLiteral("-display"), QStringLiteral("1"));
    addSet(QStringLiteral("Sound"), QStringLiteral("-nosound"), QString());
    addSet(QStringLiteral("Full"), QStringLiteral("-full"), QString());
    clickEntry(m_emuset->ui.LstSetting, 0);
    clickEntry(m_emuset->ui.LstSetting, 2);
    QVERIFY(m_emusetDialogs.shown.isEmpty());
    closeAll();

    m_front = startFrontEnd(install.root(), m_frontDialogs, m_launcher);
    QVERIFY(m_front);
    showGame(QStringLiteral("Tetris"));
    play();
    QVERIFY(m_frontDialogs.shown.isEmpty());
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].program, QStringLiteral("/opt/my emus/gambatte"));
    arguments.replaceInStrings(QStringLiteral("ROM"), Globale::state().GamesDir + QStringLiteral("Tetris.gb"));
    QCOMPARE(m_launcher.started[0].arguments, arguments);
}

// Both main windows open on the Gameboy database, edits taking turns: each one is stored
// and each program reads the other's.
void TestEmusetTogether::bothProgramsOnOneDatabase()
{
    TestInstall install;
    QTemporaryDir own;
    QVERIFY(prepare(install, own));
    m_front = startFrontEnd(install.root(), m_frontDialogs, m_launcher);
    m_emuset = start(own.path(), m_emusetDialogs, m_launcher);
    QVERIFY(m_front && m_emuset);

    addEmulator(QStringLiteral("Gambatte"), QStringLiteral("/opt/gambatte"), QStringLiteral("2"));
    selectEmulator(QStringLiteral("Gambatte"));
    addSet(QStringLiteral("Screen"), QStringLiteral("-display"), QStringLiteral("1"));

    showGame(QStringLiteral("Tetris"));
    QCOMPARE(m_front->ui.LstSetting->count(), 1);
    clickFrontEndSet(0);
    m_front->ui.TxtYear->setEditText(QStringLiteral("1989"));
    play();
    QCOMPARE(m_launcher.started.last().arguments,
             QStringList({"-display", "1", Globale::state().GamesDir + QStringLiteral("Tetris.gb")}));

    selectEmulator(QStringLiteral("Gambatte"));
    QVERIFY(m_emuset->ui.LstSetting->isMarked(0)); // the front-end's mark
    clickEntry(m_emuset->ui.LstSetting, 0);
    clickEntry(m_emuset->ui.LstSetting, 0);
    editSetValue(QStringLiteral("2"));
    play();
    QCOMPARE(m_launcher.started.last().arguments,
             QStringList({"-display", "2", Globale::state().GamesDir + QStringLiteral("Tetris.gb")}));
    addEmulator(QStringLiteral("Mednafen"), QStringLiteral("/opt/mednafen"), QStringLiteral("1"));

    QVERIFY(m_frontDialogs.shown.isEmpty());
    QVERIFY(m_emusetDialogs.shown.isEmpty());
    QCOMPARE(m_emuset->ui.StatusBar1->text(1), QString());
    const QString db = TestInstall::gameboyDb();
    QCOMPARE(install.column(db, QStringLiteral("SELECT Emu_Name FROM emulatori ORDER BY rowid")),
             QVariantList({"Gambatte", "Mednafen"}));
    QCOMPARE(install.column(db, QStringLiteral("SELECT Scelta || Attivo FROM setting")), QVariantList{"21"});
    QCOMPARE(install.column(db, QStringLiteral("SELECT Anno || '/' || Times FROM giochi WHERE Gioco = 'Tetris'")),
             QVariantList{"1989/2"});
}

// Another program holds a write lock on the database for a moment; Emuset's save waits
// for it and then stores, and the other program's row stays too.
void TestEmusetTogether::emusetWaitsForAnotherProgramsLock()
{
    TestInstall install;
    QTemporaryDir own;
    QVERIFY(prepare(install, own));
    m_emuset = start(own.path(), m_emusetDialogs, m_launcher);
    QVERIFY(m_emuset);
    QTest::mouseClick(m_emuset->ui.CmdNewEmu, Qt::LeftButton);
    QTest::keyClicks(m_emuset->ui.TxtEmu1, QStringLiteral("Waiting"));

    QSemaphore locked;
    QSemaphore never;
    bool committed = false;
    std::thread other([&] {
        const QString name = QStringLiteral("another-program");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(install.path(QStringLiteral("database/gameboy.mdb")));
            db.open();
            QSqlQuery query(db);
            query.exec(QStringLiteral("BEGIN IMMEDIATE"));
            query.exec(QStringLiteral("INSERT INTO emulatori (Emu_Name) VALUES ('Other')"));
            locked.release();
            never.tryAcquire(1, 300); // the lock is held while Emuset saves
            committed = query.exec(QStringLiteral("COMMIT"));
            query.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    });
    locked.acquire();
    QTest::mouseClick(m_emuset->ui.CmdSaveEmu, Qt::LeftButton);
    other.join();

    QVERIFY(committed);
    QVERIFY(m_emusetDialogs.shown.isEmpty());
    QCOMPARE(install.column(TestInstall::gameboyDb(),
                            QStringLiteral("SELECT Emu_Name FROM emulatori ORDER BY rowid")),
             QVariantList({"Other", "Waiting"}));
    QCOMPARE(entries(m_emuset->ui.LstEmu), QStringList({"Other", "Waiting"}));
}

QTEST_MAIN(TestEmusetTogether)
#include "tst_emuset_together.moc"
