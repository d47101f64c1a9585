// Playing a game and the "Setting" page on the real main window: the play count and date,
// the program and arguments handed to the launcher, every failure with its message, and
// the set marks written by clicks in LstSetting.
#include "frontend/frmmain.h"
#include "frontend/globale.h"
#include "shared/paths.h"
#include "shared/widgets/marklist.h"
#include "shared/widgets/statuspanels.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

const QString emuPath = QStringLiteral("/opt/My Emus/gb emu");
const QString failedText = QStringLiteral(
    "Have you choose an emulator for this console? go to 'Plug-In' -> Emuset !!");
const QVariant null;

// Rows of a console database, added before the front-end starts.
struct Console {
    TestInstall &install;
    QString db = TestInstall::gameboyDb();

    bool emulator(const QString &name, const QVariant &type, const QString &link = emuPath)
    {
        return install.exec(db,
                            QStringLiteral(
                                "INSERT INTO emulatori (Emu_Name, Emu_Link, Emu_Type) VALUES (?, ?, ?)"),
                            {name, link, type});
    }
    bool set(const QString &emulator, const QString &name, const QVariant &stringa, const QVariant &scelta,
             const QVariant &attivo)
    {
        return install.exec(db,
                            QStringLiteral("INSERT INTO setting (ID_Emula, Nome, Stringa, Scelta, Attivo) "
                                           "VALUES (?, ?, ?, ?, ?)"),
                            {emulator, name, stringa, scelta, attivo});
    }
    bool game(const QString &name, const QString &emulator, const QVariant &times = null)
    {
        return install.exec(db,
                            QStringLiteral("INSERT INTO giochi (Gioco, Link, EmuName, Times) VALUES (?, ?, ?, ?)"),
                            {name, name + QStringLiteral(".gb"), emulator, times});
    }
    QVariant gameValue(const QString &game, const QString &column)
    {
        return install.scalar(db, QStringLiteral("SELECT ") + column
                                      + QStringLiteral(" FROM giochi WHERE Gioco = '") + game + QLatin1Char('\''));
    }
    // The stored Attivo of an emulator's sets, in table order; "Null" for Null.
    QStringList marks(const QString &emulator)
    {
        QStringList texts;
        const QVariantList values = install.column(db,
                                                   QStringLiteral("SELECT Attivo FROM setting WHERE ID_Emula = '")
                                                       + emulator + QStringLiteral("' ORDER BY rowid"));
        for (const QVariant &value : values)
            texts.append(value.isNull() ? QStringLiteral("Null") : value.toString());
        return texts;
    }
};

QString today() { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }

// The date of a play that ran after `before` was taken (midnight may fall in between).
bool isPlayDate(const QVariant &stored, const QString &before)
{
    return stored.toString() == before || stored.toString() == today();
}

} // namespace

class TestPlay : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeFrontEnd(); }

    void playCountsDatesAndStarts();
    void playStoresUnsavedEdits();
    void noEmulatorsFailsUncounted();
    void pathsAreFoundWhateverTheirCase_data();
    void pathsAreFoundWhateverTheirCase();
    void failures_data();
    void failures();
    void otherPlacementStartsNothingUncounted_data();
    void otherPlacementStartsNothingUncounted();
    void amigaGluesParametersToTheRom();
    void settingPageShowsTheGamesEmulatorAndMarks();
    void fillingWritesNoMark();
    void unmarkedSetLeavesTheCommandLine();
    void sameSetNameUnderTwoEmulatorsKeepsMarksApart();
    void namesWithQuotesWork();
    void refusedMarkStoreChangesNoMark();

private:
    FrmMain *show(TestInstall &install, const QString &game);
    void play();
    void clickSetting(int row);

    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
    FrmMain *m_main = nullptr;
};

// Starts the front-end and shows the game's record, as selecting it in the list does.
FrmMain *TestPlay::show(TestInstall &install, const QString &game)
{
    m_dialogs.shown.clear();
    m_launcher.started.clear();
    m_launcher.succeed = true;
    m_main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    if (!m_main)
        return nullptr;
    Globale::state().CurrentGame = game;
    m_main->ShowGameRecord();
    m_dialogs.shown.clear();
    return m_main;
}

void TestPlay::play()
{
    m_main->ui.TabGames->setCurrentIndex(0);
    QTest::mouseClick(m_main->ui.Command1, Qt::LeftButton);
}

void TestPlay::clickSetting(int row)
{
    m_main->ui.TabGeneral->setCurrentIndex(2); // "Setting"
    MarkList *list = m_main->ui.LstSetting;
    const QRect entry = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
}

void TestPlay::playCountsDatesAndStarts()
{
    TestInstall install;
    QVERIFY(install.isValid());
    Console console{install};
    QVERIFY(console.emulator(QStringLiteral("Gambatte"), QStringLiteral("2")));
    QVERIFY(console.set(QStringLiteral("Gambatte"), QStringLiteral("Screen"), QStringLiteral("-display"),
                        QStringLiteral("1"), 1));
    QVERIFY(console.set(QStringLiteral("Gambatte"), QStringLiteral("Full"), QStringLiteral("-full"), null, 1));
    QVERIFY(console.set(QStringLiteral("Gambatte"), QStringLiteral("Sound"), QStringLiteral("-nosound"), null, 0));
    QVERIFY(console.game(QStringLiteral("Tetris"), QStringLiteral("Gambatte")));
    QVERIFY(show(install, QStringLiteral("Tetris")));
    QCOMPARE(m_main->ui.TxtTimes->text(), QString());

    const QString day = today();
    play();
    QCOMPARE(m_main->ui.TxtTimes->text(), QStringLiteral("1"));
    QVERIFY(isPlayDate(m_main->ui.TxtLastPlay->text(), day));
    QCOMPARE(console.gameValue(QStringLiteral("Tetris"), QStringLiteral("Times")).toInt(), 1);
    QVERIFY(isPlayDate(console.gameValue(QStringLiteral("Tetris"), QStringLiteral("Data")), day));
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].program, emuPath);
    QCOMPARE(m_launcher.started[0].arguments,
             QStringList({"-display", "1", "-full", Globale::state().GamesDir + QStringLiteral("Tetris.gb")}));
    QCOMPARE(m_main->ui.StatusBar1->text(6), QStringLiteral("Total Times Played : 1  "));

    play();
    QCOMPARE(console.gameValue(QStringLiteral("Tetris"), QStringLiteral("Times")).toInt(), 2);
    QCOMPARE(m_main->ui.StatusBar1->text(6), QStringLiteral("Total Times Played : 2  "));
    QVERIFY(isPlayDate(console.gameValue(QStringLiteral("Tetris"), QStringLiteral("Data")), day));
    QCOMPARE(m_launcher.started.size(), 2);
}

void TestPlay::playStoresUnsavedEdits()
{
    TestInstall install;
    QVERIFY(install.isValid());
    Console console{install};
    QVERIFY(console.emulator(QStringLiteral("Gambatte"), QStringLiteral("1")));
    QVERIFY(console.game(QStringLiteral("Tetris"), QStringLiteral("Gambatte"), 7));
    QVERIFY(show(install, QStringLiteral("Tetris")));
    m_main->ui.TxtYear->setEditText(QStringLiteral("1989"));

    play();
    QCOMPARE(console.gameValue(QStringLiteral("Tetris"), QStringLiteral("Anno")).toString(),
             QStringLiteral("1989"));
    QCOMPARE(console.gameValue(QStringLiteral("Tetris"), QStringLiteral("Times")).toInt(), 8);
    QCOMPARE(m_launcher.started.size(), 1);
}

// A play that starts nothing is not counted; the record's edits are stored all the same.
void TestPlay::noEmulatorsFailsUncounted()
{
    TestInstall install;
    QVERIFY(install.isValid());
    Console console{install};
    QVERIFY(console.game(QStringLiteral("Tetris"), QStringLiteral("Gambatte")));
    QVERIFY(show(install, QStringLiteral("Tetris")));
    m_main->ui.TxtYear->setEditText(QStringLiteral("1989"));

    play();
    QVERIFY(console.gameValue(QStringLiteral("Tetris"), QStringLiteral("Times")).isNull());
    QVERIFY(console.gameValue(QStringLiteral("Tetris"), QStringLiteral("Data")).isNull());
    QCOMPARE(console.gameValue(QStringLiteral("Tetris"), QStringLiteral("Anno")).toString(),
             QStringLiteral("1989"));
    QCOMPARE(m_main->ui.TxtTimes->text(), QString());
    QVERIFY(m_launcher.started.isEmpty());
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QCOMPARE(m_dialogs.shown[0].buttons, Dialogs::Buttons::Ok);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("ERROR!"));
    QCOMPARE(m_dialogs.shown[0].text, failedText);
    QVERIFY(m_main->ui.StatusBar1->text(6).contains(QStringLiteral("Gambatte")));
}

// Each case fails: the message, the error line, nothing started, the play not counted.
void TestPlay::failures_data()
{
    QTest::addColumn<QVariant>("type");
    QTest::addColumn<QString>("gameEmulator");
    QTest::addColumn<QVariant>("stringa");
    QTest::addColumn<bool>("startSucceeds");
    QTest::addColumn<QString>("errorMentions");

    const QString gambatte = QStringLiteral("Gambatte");
    const QVariant ok = QStringLiteral("-ok");
    QTest::newRow("empty type") << QVariant(QStringLiteral("")) << gambatte << ok << true
                                << QStringLiteral("Setting mode");
    QTest::newRow("Null type") << null << gambatte << ok << true << QStringLiteral("Setting mode");
    QTest::newRow("letters") << QVariant(QStringLiteral("abc")) << gambatte << ok << true << QStringLiteral("abc");
    QTest::newRow("no emulator of that name") << QVariant(QStringLiteral("1")) << QStringLiteral("Other Emu") << ok
                                              << true << QStringLiteral("Other Emu");
    QTest::newRow("active set with Null parameter")
        << QVariant(QStringLiteral("1")) << gambatte << null << true << QStringLiteral("Joypad");
    QTest::newRow("active set with empty parameter")
        << QVariant(QStringLiteral("1")) << gambatte << QVariant(QStringLiteral("")) << true
        << QStringLiteral("Joypad");
    QTest::newRow("start fails") << QVariant(QStringLiteral("1")) << gambatte << ok << false << emuPath;
}

void TestPlay::failures()
{
    QFETCH(QVariant, type);
    QFETCH(QString, gameEmulator);
    QFETCH(QVariant, stringa);
    QFETCH(bool, startSucceeds);
    QFETCH(QString, errorMentions);

    TestInstall install;
    QVERIFY(install.isValid());
    Console console{install};
    QVERIFY(console.emulator(QStringLiteral("Gambatte"), type));
    QVERIFY(console.set(QStringLiteral("Gambatte"), QStringLiteral("Joypad"), stringa, QStringLiteral("1"), 1));
    QVERIFY(console.game(QStringLiteral("Tetris"), gameEmulator, 4));
    QVERIFY(show(install, QStringLiteral("Tetris")));
    m_launcher.succeed = startSucceeds;

    play();
    QCOMPARE(console.gameValue(QStringLiteral("Tetris"), QStringLiteral("Times")).toInt(), 4);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("ERROR!"));
    QCOMPARE(m_dialogs.shown[0].text, failedText);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
    const QString errorLine = m_main->ui.StatusBar1->text(6);
    QVERIFY2(errorLine.contains(errorMentions), qPrintable(errorLine));
    // A refused start names the launcher's cause.
    QCOMPARE(errorLine.endsWith(QStringLiteral(": ") + m_launcher.cause), !startSucceeds);
    QCOMPARE(m_launcher.started.size(), startSucceeds ? 0 : 1);
    if (gameEmulator != QLatin1String("Gambatte")) // no other emulator's path is shown
        QCOMPARE(m_main->ui.TxtFileEmu1->text(), QString());
}

// The emulator and the rom are handed over as they stand on disk; the command line's
// text keeps the stored names. A path that matches nothing is handed over as stored.
void TestPlay::pathsAreFoundWhateverTheirCase_data()
{
    QTest::addColumn<QString>("storedEmulator"); // below the installation root
    QTest::addColumn<QString>("storedRom");
    QTest::addColumn<QString>("startedEmulator");
    QTest::addColumn<QString>("startedRom");
    QTest::newRow("both as on disk") << "/emu/fake"
                                     << "tetris.gb"
                                     << "/emu/fake"
                                     << "tetris.gb";
    QTest::newRow("other case") << "/EMU/Fake"
                                << "TETRIS.GB"
                                << "/emu/fake"
                                << "tetris.gb";
    QTest::newRow("no match") << "/EMU/Other"
                              << "Dr Mario.gb"
                              << "/EMU/Other"
                              << "Dr Mario.gb";
}

void TestPlay::pathsAreFoundWhateverTheirCase()
{
    QFETCH(QString, storedEmulator);
    QFETCH(QString, storedRom);
    QFETCH(QString, startedEmulator);
    QFETCH(QString, startedRom);
    TestInstall install;
    QVERIFY(install.isValid());
    for (const QString &file : {QStringLiteral("/emu/fake"), QStringLiteral("/console/gameboy/games/tetris.gb")}) {
        QVERIFY(QDir().mkpath(QFileInfo(install.path(file)).path()));
        QFile created(install.path(file));
        QVERIFY(created.open(QIODevice::WriteOnly));
    }
    Console console{install};
    QVERIFY(console.emulator(QStringLiteral("Fake"), QStringLiteral("1"), install.root() + storedEmulator));
    QVERIFY(install.exec(console.db,
                         QStringLiteral("INSERT INTO giochi (Gioco, Link, EmuName) VALUES ('Tetris', ?, 'Fake')"),
                         {storedRom}));
    QVERIFY(show(install, QStringLiteral("Tetris")));

    play();
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].program, QDir::toNativeSeparators(install.root() + startedEmulator));
    QCOMPARE(m_launcher.started[0].arguments.last(), Paths::native(Globale::state().GamesDir + startedRom));
    QCOMPARE(console.gameValue(QStringLiteral("Tetris"), QStringLiteral("Times")).toInt(), 1);
}

void TestPlay::otherPlacementStartsNothingUncounted_data()
{
    QTest::addColumn<QString>("type");
    QTest::newRow("0") << QStringLiteral("0");
    QTest::newRow("4") << QStringLiteral("4");
}

void TestPlay::otherPlacementStartsNothingUncounted()
{
    QFETCH(QString, type);
    TestInstall install;
    QVERIFY(install.isValid());
    Console console{install};
    QVERIFY(console.emulator(QStringLiteral("Gambatte"), type));
    QVERIFY(console.game(QStringLiteral("Tetris"), QStringLiteral("Gambatte")));
    QVERIFY(show(install, QStringLiteral("Tetris")));
    play();
    QVERIFY(console.gameValue(QStringLiteral("Tetris"), QStringLiteral("Times")).isNull());
    QVERIFY(m_dialogs.shown.isEmpty());
    QVERIFY(m_launcher.started.isEmpty());
}

void TestPlay::amigaGluesParametersToTheRom()
{
    TestInstall install;
    QVERIFY(install.isValid());
    QVERIFY(install.exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Database = 'amiga.mdb'")));
    Console console{install, QStringLiteral("\\database\\amiga.mdb")};
    QVERIFY(console.emulator(QStringLiteral("WinUAE"), QStringLiteral("3")));
    QVERIFY(
        console.set(QStringLiteral("WinUAE"), QStringLiteral("A"), QStringLiteral("-A"), QStringLiteral("x"), 1));
    QVERIFY(console.set(QStringLiteral("WinUAE"), QStringLiteral("B"), QStringLiteral("-B"), null, 1));
    QVERIFY(console.game(QStringLiteral("Lemmings"), QStringLiteral("WinUAE")));
    QVERIFY(show(install, QStringLiteral("Lemmings")));
    QCOMPARE(m_main->ui.StatusBar1->text(1), QStringLiteral("Amiga"));

    play();
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].arguments,
             QStringList{QStringLiteral("-A-B") + Globale::state().GamesDir + QStringLiteral("Lemmings.gb")});
}

void TestPlay::settingPageShowsTheGamesEmulatorAndMarks()
{
    TestInstall install;
    QVERIFY(install.isValid());
    Console console{install};
    QVERIFY(console.emulator(QStringLiteral("First"), QStringLiteral("1"), QStringLiteral("/emus/first")));
    QVERIFY(console.emulator(QStringLiteral("Gambatte"), QStringLiteral("2")));
    QVERIFY(console.set(QStringLiteral("Gambatte"), QStringLiteral("Screen"), QStringLiteral("-display"),
                        QStringLiteral("1"), 1));
    QVERIFY(console.set(QStringLiteral("Gambatte"), QStringLiteral("Sound"), QStringLiteral("-nosound"), null, 0));
    QVERIFY(console.set(QStringLiteral("First"), QStringLiteral("Other"), QStringLiteral("-o"), null, 1));
    QVERIFY(console.game(QStringLiteral("Tetris"), QStringLiteral("Gambatte")));
    QVERIFY(show(install, QStringLiteral("Tetris")));

    MarkList *list = m_main->ui.LstSetting;
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Screen"));
    QCOMPARE(list->item(1)->text(), QStringLiteral("Sound"));
    QVERIFY(list->isMarked(0));
    QVERIFY(!list->isMarked(1));
    QCOMPARE(m_main->ui.LabEmu->text(), QStringLiteral("Gambatte"));
    QCOMPARE(m_main->ui.TxtFileEmu1->text(), emuPath);
    QCOMPARE(m_main->ui.TxtSetmode->text(), QStringLiteral("2"));

    clickSetting(1);
    QVERIFY(list->isMarked(1));
    QCOMPARE(m_main->ui.TxtSettName->text(), QStringLiteral("Sound"));
    QCOMPARE(m_main->ui.TxtParameter->text(), QStringLiteral("-nosound"));
    QCOMPARE(console.marks(QStringLiteral("Gambatte")), QStringList({"1", "1"}));
    QCOMPARE(console.marks(QStringLiteral("First")), QStringList({"1"}));
}

// Marks that are not 1 (a yes/no -1, a 2) show unmarked and stay as stored until a click.
void TestPlay::fillingWritesNoMark()
{
    TestInstall install;
    QVERIFY(install.isValid());
    Console console{install};
    QVERIFY(console.emulator(QStringLiteral("Gambatte"), QStringLiteral("1")));
    QVERIFY(console.set(QStringLiteral("Gambatte"), QStringLiteral("Yes"), QStringLiteral("-y"), null, -1));
    QVERIFY(console.set(QStringLiteral("Gambatte"), QStringLiteral("Two"), QStringLiteral("-t"), null, 2));
    QVERIFY(console.set(QStringLiteral("Gambatte"), QStringLiteral("Unset"), QStringLiteral("-u"), null, null));
    QVERIFY(console.game(QStringLiteral("Tetris"), QStringLiteral("Gambatte")));
    QVERIFY(show(install, QStringLiteral("Tetris")));
    m_main->ShowGameRecord();

    MarkList *list = m_main->ui.LstSetting;
    QCOMPARE(list->count(), 3);
    for (int row = 0; row < 3; ++row)
        QVERIFY(!list->isMarked(row));
    QCOMPARE(console.marks(QStringLiteral("Gambatte")), QStringList({"-1", "2", "Null"}));

    play();
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].arguments,
             QStringList{Globale::state().GamesDir + QStringLiteral("Tetris.gb")});

    clickSetting(2);
    QCOMPARE(console.marks(QStringLiteral("Gambatte")), QStringList({"0", "0", "1"}));
}

void TestPlay::unmarkedSetLeavesTheCommandLine()
{
    TestInstall install;
    QVERIFY(install.isValid());
    Console console{install};
    QVERIFY(console.emulator(QStringLiteral("Gambatte"), QStringLiteral("1")));
    QVERIFY(console.set(QStringLiteral("Gambatte"), QStringLiteral("Screen"), QStringLiteral("-display"),
                        QStringLiteral("1"), 1));
    QVERIFY(console.set(QStringLiteral("Gambatte"), QStringLiteral("Full"), QStringLiteral("-full"), null, 1));
    QVERIFY(console.game(QStringLiteral("Tetris"), QStringLiteral("Gambatte")));
    QVERIFY(show(install, QStringLiteral("Tetris")));

    clickSetting(0);
    QVERIFY(!m_main->ui.LstSetting->isMarked(0));
    QCOMPARE(console.marks(QStringLiteral("Gambatte")), QStringList({"0", "1"}));
    play();
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].arguments,
             QStringList({Globale::state().GamesDir + QStringLiteral("Tetris.gb"), QStringLiteral("-full")}));

    clickSetting(0);
    play();
    QCOMPARE(m_launcher.started.size(), 2);
    QCOMPARE(m_launcher.started[1].arguments.mid(1), QStringList({"-display", "1", "-full"}));
}

void TestPlay::sameSetNameUnderTwoEmulatorsKeepsMarksApart()
{
    TestInstall install;
    QVERIFY(install.isValid());
    Console console{install};
    QVERIFY(console.emulator(QStringLiteral("Gambatte"), QStringLiteral("1")));
    QVERIFY(console.emulator(QStringLiteral("Bgb"), QStringLiteral("1")));
    QVERIFY(console.set(QStringLiteral("Bgb"), QStringLiteral("Video"), QStringLiteral("-b"), null, 1));
    QVERIFY(console.set(QStringLiteral("Gambatte"), QStringLiteral("Video"), QStringLiteral("-g"), null, 1));
    QVERIFY(console.game(QStringLiteral("Tetris"), QStringLiteral("Gambatte")));
    QVERIFY(console.game(QStringLiteral("Zelda"), QStringLiteral("Bgb")));
    QVERIFY(show(install, QStringLiteral("Tetris")));

    clickSetting(0);
    QCOMPARE(console.marks(QStringLiteral("Gambatte")), QStringList({"0"}));
    QCOMPARE(console.marks(QStringLiteral("Bgb")), QStringList({"1"}));

    Globale::state().CurrentGame = QStringLiteral("Zelda");
    m_main->ShowGameRecord();
    QCOMPARE(m_main->ui.LstSetting->count(), 1);
    QVERIFY(m_main->ui.LstSetting->isMarked(0));
    play();
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].arguments.mid(1), QStringList{QStringLiteral("-b")});
}

void TestPlay::namesWithQuotesWork()
{
    TestInstall install;
    QVERIFY(install.isValid());
    Console console{install};
    const QString emulator = QStringLiteral("Joe's Emu");
    QVERIFY(console.emulator(emulator, QStringLiteral("2")));
    QVERIFY(console.set(emulator, QStringLiteral("Kid's mode"), QStringLiteral("-kid"), null, 0));
    QVERIFY(console.game(QStringLiteral("Tetris"), emulator));
    QVERIFY(show(install, QStringLiteral("Tetris")));
    QCOMPARE(m_main->ui.LstSetting->count(), 1);
    QCOMPARE(m_main->ui.TxtFileEmu1->text(), emuPath);

    clickSetting(0);
    QCOMPARE(install.scalar(console.db, QStringLiteral("SELECT Attivo FROM setting")).toInt(), 1);
    QCOMPARE(m_main->ui.TxtSettName->text(), QStringLiteral("Kid's mode"));
    play();
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].arguments.first(), QStringLiteral("-kid"));
}

// One refused row refuses the whole store: no mark changes, the list shows what is stored.
void TestPlay::refusedMarkStoreChangesNoMark()
{
    TestInstall install;
    QVERIFY(install.isValid());
    Console console{install};
    QVERIFY(console.emulator(QStringLiteral("Gambatte"), QStringLiteral("1")));
    QVERIFY(
        console.set(QStringLiteral("Gambatte"), QStringLiteral("Screen"), QStringLiteral("-display"), null, 1));
    QVERIFY(console.set(QStringLiteral("Gambatte"), QStringLiteral("Full"), QStringLiteral("-full"), null, 1));
    QVERIFY(install.exec(console.db,
                         QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON setting WHEN old.Nome = 'Full' "
                                        "BEGIN SELECT RAISE(ABORT, 'Full is locked'); END")));
    QVERIFY(console.game(QStringLiteral("Tetris"), QStringLiteral("Gambatte")));
    QVERIFY(show(install, QStringLiteral("Tetris")));

    clickSetting(0);
    QCOMPARE(console.marks(QStringLiteral("Gambatte")), QStringList({"1", "1"}));
    QVERIFY(m_main->ui.LstSetting->isMarked(0));
    QVERIFY(m_main->ui.StatusBar1->text(6).contains(QStringLiteral("Full is locked")));
}

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
