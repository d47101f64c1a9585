// Odd values in the databases and in the boxes: empty (Null) columns everywhere the
// programs read, ratings and play counts that are no rating or count, and placement
// types that are no placement. Each case: what the user sees, and what is stored.
#include "frontend/frmmain.h"
#include "frontend/gamelistmodel.h"
#include "frontend/gamelistwidget.h"
#include "frontend/globale.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/marklist.h"
#include "shared/widgets/statuspanels.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/tst_emuset_support.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace EmusetRun;

namespace {

const QString gameboy = TestInstall::gameboyDb();
const QString playFailed = QStringLiteral(
    "Have you choose an emulator for this console? go to 'Plug-In' -> Emuset !!");

void play(FrmMain *main)
{
    main->ui.TabGames->setCurrentIndex(0);
    QTest::mouseClick(main->ui.Command1, Qt::LeftButton);
}

int starsShown(FrmMain *main)
{
    int shown = 0;
    for (int i = 0; i < 5; ++i)
        shown += main->findChild<QWidget *>(QStringLiteral("ImgStar2_%1").arg(i))->isHidden() ? 0 : 1;
    return shown;
}

} // namespace

class TestBadValues : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        closeFrontEnd();
        closeAll();
    }
    void nullGameColumns();
    void nullEmulatorAndSetColumns();
    void nullConfiguration_data();
    void nullConfiguration();
    void ratingsAndCounts_data();
    void ratingsAndCounts();
    void placementTypes_data();
    void placementTypes();

private:
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
};

// A game whose every column but its name is empty, and a row that is empty altogether:
// the first is listed and shown with empty fields, and a save writes only what changed.
void TestBadValues::nullGameColumns()
{
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO giochi DEFAULT VALUES")));
    QVERIFY(install.exec(gameboy, QStringLiteral("UPDATE giochi SET Times = NULL, Rating = NULL")));
    QVERIFY(install.exec(gameboy, QStringLiteral(
                                      "INSERT INTO giochi (Gioco, Times, Rating) VALUES ('Empty', NULL, NULL)")));
    // A set Emuset stored while no emulator was selected: listed for games without one.
    QVERIFY(
        install.exec(gameboy,
                     QStringLiteral("INSERT INTO setting (ID_Emula, Nome, Stringa) VALUES ('', 'Orphan', '-o')")));
    m_dialogs = ScriptedDialogs();
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    const FrmMainUi &ui = main->ui;
    QCOMPARE(listedGames(main), QStringList{"Empty"});
    QCOMPARE(ui.StatusBar1->text(2), QStringLiteral("All Games : 1  "));
    QCOMPARE(ui.StatusBar1->text(6), QStringLiteral("Total Times Played : 0  "));
    for (const char *option :
         {"OptIcon1", "OptIcon2", "OptIcon3", "Option4", "OptFavorite", "OptPlayable", "OptNotPlay", "OptAll"})
        QTest::mouseClick(main->findChild<QRadioButton *>(QLatin1String(option)), Qt::LeftButton);
    QCOMPARE(listedGames(main), QStringList{"Empty"});
    QCOMPARE(listedGames(main, GameListModel::PictureRole), QStringList{"2"}); // playable icons: not playable

    clickGame(main, 0);
    QCOMPARE(ui.LabGame->text(), QStringLiteral("Empty"));
    for (QComboBox *box : {ui.TxtYear, ui.CmbGenre, ui.CmbLanguage, ui.CmbProducer, ui.TxtRating, ui.CmbEmulatore})
        QCOMPARE(box->currentText(), QString());
    for (QLabel *label : {static_cast<QLabel *>(ui.TxtRom), static_cast<QLabel *>(ui.Label19), ui.TxtTimes,
                          ui.TxtLastPlay, ui.Label15})
        QCOMPARE(label->text(), QString());
    for (QCheckBox *box : {ui.ChkPlayable, ui.ChkFavorite, ui.ChkColour, ui.ChkSound})
        QVERIFY(!box->isChecked());
    QCOMPARE(starsShown(main), 0);
    QVERIFY(main->findChild<QWidget *>(QStringLiteral("Line2"))->isHidden()); // empty is not "not playable"
    QCOMPARE(entries(ui.LstSetting), QStringList{"Orphan"});
    ui.TabGeneral->setCurrentIndex(2); // "Setting"
    clickEntry(ui.LstSetting, 0);
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT Attivo FROM setting")), QVariant(1));
    QCOMPARE(errorLine(main), QString());
    ui.TabGeneral->setCurrentIndex(0);

    replaceText(ui.TxtGameHelp, QStringLiteral("typed"));
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(install.scalar(gameboy,
                            QStringLiteral("SELECT count(*) FROM giochi WHERE Gioco = 'Empty' AND Notes = 'typed' "
                                           "AND coalesce(Anno, Genre, Producer, Rating, Times, Link, Playable, "
                                           "Favorites, EmuName, Screen, Data, DataAdd) IS NULL")),
             QVariant(1));

    // Playing it stops, uncounted: there is no emulator without a name.
    play(main);
    QVERIFY(install.scalar(gameboy, QStringLiteral("SELECT Times FROM giochi WHERE Gioco = 'Empty'")).isNull());
    QCOMPARE(m_launcher.started.size(), 0);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].text, playFailed);
    QCOMPARE(errorLine(main), QStringLiteral("No emulator named  in ") + Globale::state().ConsoleDb);
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT count(*) FROM giochi")), QVariant(2));
}

// Emulators and sets with empty columns, seen by both programs: a nameless emulator is
// listed by neither, a named one without path or placement shows empty boxes and stops
// the play with a reason; a set with nothing but its emulator is listed without a name.
void TestBadValues::nullEmulatorAndSetColumns()
{
    TestInstall install;
    QTemporaryDir own;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(writeIni(own.path(), iniLine(install.root())));
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO emulatori DEFAULT VALUES")));
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO emulatori (Emu_Name) VALUES ('Bare')")));
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO setting (ID_Emula, Attivo) VALUES ('Bare', NULL)")));
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO setting DEFAULT VALUES")));
    QVERIFY(
        install.exec(gameboy, QStringLiteral("INSERT INTO giochi (Gioco, EmuName) VALUES ('Tetris', 'Bare')")));
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();

    Emuset::FrmEmuset *emuset = start(own.path(), m_dialogs, m_launcher);
    QVERIFY(emuset);
    QCOMPARE(entries(emuset->ui.LstEmu), QStringList{"Bare"});
    clickEntry(emuset->ui.LstEmu, 0);
    QCOMPARE(emuset->ui.TxtEmu1->text(), QStringLiteral("Bare"));
    QCOMPARE(emuset->ui.TxtFileEmu1->text(), QString());
    QCOMPARE(emuset->ui.TxtSetmode->text(), QString());
    QCOMPARE(entries(emuset->ui.LstSetting), QStringList{QString()});
    QVERIFY(!emuset->ui.LstSetting->isMarked(0));
    QCOMPARE(emuset->ui.TxtSettName->text(), QString());
    QCOMPARE(emuset->ui.TxtParameter->text(), QString());
    // The nameless set's mark is stored on its row, not on the row without an emulator.
    clickEntry(emuset->ui.LstSetting, 0);
    QCOMPARE(emuset->ui.StatusBar1->text(1), QString());
    const QString marks = QStringLiteral("SELECT Attivo FROM setting ORDER BY rowid");
    QCOMPARE(install.column(gameboy, marks), QVariantList({1, 0}));
    // An edit of the bare emulator stores what was typed and leaves the rest empty.
    QTest::mouseClick(emuset->ui.CmdEditEmu, Qt::LeftButton);
    typeText(emuset->ui.TxtFileEmu1, QStringLiteral("/opt/bare"));
    QTest::mouseClick(emuset->ui.CmdSaveEmu, Qt::LeftButton);
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(install.column(gameboy, QStringLiteral(
                                         "SELECT coalesce(Emu_Link, 'null') || '/' || coalesce(Emu_Type, 'null') "
                                         "FROM emulatori ORDER BY rowid")),
             QVariantList({"null/null", "/opt/bare/null"}));
    closeAll();

    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    QCOMPARE(main->ui.CmbEmulatore->count(), 1);
    clickGame(main, 0);
    QCOMPARE(main->ui.LabEmu->text(), QStringLiteral("Bare"));
    QCOMPARE(main->ui.TxtSetmode->text(), QString());
    QCOMPARE(entries(main->ui.LstSetting), QStringList{QString()});
    QVERIFY(main->ui.LstSetting->isMarked(0));
    main->ui.TabGeneral->setCurrentIndex(2); // "Setting"
    clickEntry(main->ui.LstSetting, 0);
    QVERIFY(!main->ui.LstSetting->isMarked(0));
    QCOMPARE(install.column(gameboy, marks), QVariantList({0, 0}));
    play(main);
    QCOMPARE(m_launcher.started.size(), 0);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(errorLine(main), QStringLiteral("Setting mode \"\" is not a number"));
}

// Empty configuration values: the front-end starts, says what is wrong, and shows the
// games of the console it falls back to.
void TestBadValues::nullConfiguration_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("message"); // a part of the one message shown; empty: none
    QTest::newRow("master configuration record empty")
        << TestInstall::masterDb()
        << QStringLiteral(
               "UPDATE config SET Database = NULL, Game = NULL, Picture = NULL, WinTop = NULL, WinLeft = NULL")
        << QStringLiteral("names no console database in its configuration record");
    QTest::newRow("console directories empty")
        << gameboy << QStringLiteral("UPDATE config SET GamesDir = NULL, ScreenDir = NULL") << QString();
    QTest::newRow("lookup texts empty")
        << TestInstall::masterDb() << QStringLiteral("UPDATE publisher SET Publisher = NULL") << QString();
    QTest::newRow("document file empty")
        << gameboy << QStringLiteral("INSERT INTO documents (Doc_Name) VALUES ('Manual')") << QString();
}

void TestBadValues::nullConfiguration()
{
    QFETCH(QString, file);
    QFETCH(QString, sql);
    QFETCH(QString, message);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO giochi (Gioco) VALUES ('Tetris')")));
    QVERIFY(install.exec(file, sql));
    m_dialogs = ScriptedDialogs();
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    QVERIFY(main->isVisible());
    for (int i = 0; i < main->ui.CmbProducer->count(); ++i)
        QVERIFY(!main->ui.CmbProducer->itemText(i).isEmpty());

    // What the user sees and what the program works on, in one comparison.
    const QString root = install.root();
    QStringList seen = {Globale::state().ConsoleDb.mid(root.size()), Globale::state().ScreenDir.mid(root.size()),
                        Globale::state().GamesDir.mid(root.size()), listedGames(main).join(QLatin1Char(',')),
                        errorLine(main)};
    for (const auto &shown : std::as_const(m_dialogs.shown))
        seen.append(!message.isEmpty() && shown.text.contains(message) ? message : shown.text);
    QStringList expected = {QStringLiteral("/database/gameboy.mdb"), QStringLiteral("/console/gameboy/screen/"),
                            QStringLiteral("/console/gameboy/games/"), QStringLiteral("Tetris"), QString()};
    if (!message.isEmpty())
        expected.append(message);
    QCOMPARE(seen, expected);
}

// Ratings outside 0 to 5 or no number, play counts that are no number, whether found in
// the file or typed: shown as they are, counted as 0, never rewritten unless changed.
void TestBadValues::ratingsAndCounts_data()
{
    QTest::addColumn<QVariant>("rating"); // stored before the start
    QTest::addColumn<QVariant>("times");
    QTest::addColumn<QString>("typedRating"); // typed into the box before the save; null: none
    QTest::addColumn<QString>("shownRating");
    QTest::addColumn<int>("stars");
    QTest::addColumn<QString>("listPicture"); // rating icons: stars + 1, 1 for no rating
    QTest::addColumn<QString>("totalPlayed");
    QTest::addColumn<QVariant>("storedRating");
    QTest::addColumn<QVariant>("storedTimes"); // after the save and one failed play (not counted)
    QTest::newRow("rating -1") << QVariant(-1) << QVariant(4) << QString() << "-1" << 0 << "1"
                               << "4" << QVariant(-1) << QVariant(4);
    QTest::newRow("rating 6") << QVariant(6) << QVariant(4) << QString() << "6" << 0 << "1"
                              << "4" << QVariant(6) << QVariant(4);
    QTest::newRow("rating abc") << QVariant("abc") << QVariant(4) << QString() << "abc" << 0 << "1"
                                << "4" << QVariant("abc") << QVariant(4);
    QTest::newRow("times abc") << QVariant(3) << QVariant("abc") << QString() << "3" << 3 << "4"
                               << "0" << QVariant(3) << QVariant("abc");
    QTest::newRow("typed -1") << QVariant(2) << QVariant(4) << QStringLiteral("-1") << "-1" << 0 << "1"
                              << "4" << QVariant(-1) << QVariant(4);
    QTest::newRow("typed 6") << QVariant(2) << QVariant(4) << QStringLiteral("6") << "6" << 0 << "1"
                             << "4" << QVariant(6) << QVariant(4);
    QTest::newRow("typed abc") << QVariant(2) << QVariant(4) << QStringLiteral("abc") << "abc" << 0 << "1"
                               << "4" << QVariant("abc") << QVariant(4);
}

void TestBadValues::ratingsAndCounts()
{
    QFETCH(QVariant, rating);
    QFETCH(QVariant, times);
    QFETCH(QString, typedRating);
    QFETCH(QString, shownRating);
    QFETCH(int, stars);
    QFETCH(QString, listPicture);
    QFETCH(QString, totalPlayed);
    QFETCH(QVariant, storedRating);
    QFETCH(QVariant, storedTimes);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.exec(
        gameboy, QStringLiteral("INSERT INTO giochi (Gioco, Rating, Times, EmuName) VALUES ('Odd', ?, ?, 'None')"),
        {rating, times}));
    m_dialogs = ScriptedDialogs();
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    const FrmMainUi &ui = main->ui;
    QTest::mouseClick(ui.OptIcon2, Qt::LeftButton);
    clickGame(main, 0);
    if (!typedRating.isNull()) {
        replaceText(ui.TxtRating, typedRating);
        QTest::mouseClick(ui.Command8, Qt::LeftButton); // the list is read again
        clickGame(main, 0);
    }
    QCOMPARE(listedGames(main, GameListModel::PictureRole), QStringList{listPicture});
    QCOMPARE(ui.StatusBar1->text(6), QStringLiteral("Total Times Played : ") + totalPlayed + QStringLiteral("  "));
    QCOMPARE(ui.TxtRating->currentText(), shownRating);
    QCOMPARE(ui.TxtTimes->text(), times.toString());
    QCOMPARE(starsShown(main), stars);

    replaceText(ui.TxtGameHelp, QStringLiteral("saved"));
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    play(main); // stops uncounted: the emulator does not exist
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].text, playFailed);
    const QVariantList row = {install.scalar(gameboy, QStringLiteral("SELECT Rating FROM giochi")),
                              install.scalar(gameboy, QStringLiteral("SELECT Times FROM giochi")),
                              install.scalar(gameboy, QStringLiteral("SELECT Notes FROM giochi"))};
    QCOMPARE(row, QVariantList({storedRating, storedTimes, QStringLiteral("saved")}));
}

// Emu_Type typed in Emuset, then the game played in the front-end. The placement is read
// as a number (blanks around ignored, fractions rounded); no number stops the play with
// its reason, a number other than 1 to 3 starts nothing and says nothing.
void TestBadValues::placementTypes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QStringList>("arguments"); // started with these; empty: nothing started
    QTest::addColumn<QString>("error");         // the error line; empty: none
    const QStringList before = {QStringLiteral("-p"), QStringLiteral("ROM")};
    QTest::newRow("empty") << QString() << QVariant() << QStringList()
                           << QStringLiteral("Setting mode \"\" is not a number");
    QTest::newRow("blank 2") << QStringLiteral(" 2") << QVariant(" 2") << before << QString();
    QTest::newRow("2.0") << QStringLiteral("2.0") << QVariant("2.0") << before << QString();
    QTest::newRow("x") << QStringLiteral("x") << QVariant("x") << QStringList()
                       << QStringLiteral("Setting mode \"x\" is not a number");
    QTest::newRow("99999999999") << QStringLiteral("99999999999") << QVariant("99999999999") << QStringList()
                                 << QString();
}

void TestBadValues::placementTypes()
{
    QFETCH(QString, typed);
    QFETCH(QVariant, stored);
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    TestInstall install;
    QTemporaryDir own;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(writeIni(own.path(), iniLine(install.root())));
    QVERIFY(install.exec(
        gameboy,
        QStringLiteral("INSERT INTO giochi (Gioco, Link, EmuName) VALUES ('Tetris', 'Tetris.gb', 'Typed')")));
    QVERIFY(install.exec(
        gameboy,
        QStringLiteral("INSERT INTO setting (ID_Emula, Nome, Stringa, Attivo) VALUES ('Typed', 'P', '-p', 1)")));
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();
    Emuset::FrmEmuset *emuset = start(own.path(), m_dialogs, m_launcher);
    QVERIFY(emuset);
    QTest::mouseClick(emuset->ui.CmdNewEmu, Qt::LeftButton);
    typeText(emuset->ui.TxtEmu1, QStringLiteral("Typed"));
    typeText(emuset->ui.TxtFileEmu1, QStringLiteral("/opt/typed"));
    typeText(emuset->ui.TxtSetmode, typed);
    QTest::mouseClick(emuset->ui.CmdSaveEmu, Qt::LeftButton);
    clickEntry(emuset->ui.LstEmu, 0);
    QCOMPARE(emuset->ui.TxtSetmode->text(), typed);
    const QVariant type = install.scalar(gameboy, QStringLiteral("SELECT Emu_Type FROM emulatori"));
    QCOMPARE(type.isNull(), stored.isNull());
    QCOMPARE(type.toString(), stored.toString());
    closeAll();

    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    clickGame(main, 0);
    QCOMPARE(main->ui.TxtSetmode->text(), typed);
    play(main);
    const QVariant times = install.scalar(gameboy, QStringLiteral("SELECT Times FROM giochi"));
    QCOMPARE(times.toString(),
             arguments.isEmpty() ? QStringLiteral("0") : QStringLiteral("1")); // counted once started
    QCOMPARE(errorLine(main), error);
    QCOMPARE(m_dialogs.shown.size(), error.isEmpty() ? 0 : 1);
    if (arguments.isEmpty()) {
        QCOMPARE(m_launcher.started.size(), 0);
        return;
    }
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].program, QStringLiteral("/opt/typed"));
    arguments.replaceInStrings(QStringLiteral("ROM"), Globale::state().GamesDir + QStringLiteral("Tetris.gb"));
    QCOMPARE(m_launcher.started[0].arguments, arguments);
}

QTEST_MAIN(TestBadValues)
#include "tst_badvalues.moc"
