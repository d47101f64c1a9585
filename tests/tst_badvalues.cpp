// Odd values in the databases and in the boxes: empty (Null) columns everywhere the
// programs read, ratings and play counts that are no rating or count, and placement
// types that are no placement. Each case: what the user sees, and what is stored.
#include "frontend/games/gamelistmodel.h"
#include "tests/support/emusetwindow.h"
#include "tests/support/entrymarks.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/tabpages.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString gameboy = TestInstall::gameboyDb();
const QString playFailed = QStringLiteral(
    "Have you choose an emulator for this console? go to 'Plug-In' -> Emuset !!");

void play(const QObject *window)
{
    QVERIFY(showTab(window, QStringLiteral("Games")));
    clickOn(window, QStringLiteral("Command1"));
}

int starsShown(const QObject *window)
{
    int shown = 0;
    for (int i = 0; i < 5; ++i)
        shown += child(window, QStringLiteral("ImgStar2_%1").arg(i))->isHidden() ? 0 : 1;
    return shown;
}

} // namespace

class TestBadValues : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        closeFrontEnd();
        closeEmuset();
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
    QMainWindow *window = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(window);
    QCOMPARE(listedGames(window), QStringList{"Empty"});
    QCOMPARE(panelText(window, 2), QStringLiteral("All Games : 1  "));
    QCOMPARE(panelText(window, 6), QStringLiteral("Total Times Played : 0  "));
    for (const char *option :
         {"OptIcon1", "OptIcon2", "OptIcon3", "Option4", "OptFavorite", "OptPlayable", "OptNotPlay", "OptAll"})
        clickOn(window, QLatin1String(option));
    QCOMPARE(listedGames(window), QStringList{"Empty"});
    QCOMPARE(listedGames(window, GameListModel::PictureRole), QStringList{"2"}); // playable icons: not playable

    clickGame(window, 0);
    QCOMPARE(shownText(window, QStringLiteral("LabGame")), QStringLiteral("Empty"));
    for (const char *name : {"TxtYear", "CmbGenre", "CmbLanguage", "CmbProducer", "TxtRating", "CmbEmulatore",
                             "TxtRom", "Label19", "TxtTimes", "TxtLastPlay", "Label15"})
        QVERIFY2(shownText(window, QLatin1String(name)).isEmpty(), name);
    for (const char *name : {"ChkPlayable", "ChkFavorite", "ChkColour", "ChkSound"})
        QVERIFY2(!child<QCheckBox>(window, name)->isChecked(), name);
    QCOMPARE(starsShown(window), 0);
    QVERIFY(child(window, "Line2")->isHidden()); // empty is not "not playable"
    QCOMPARE(entries(window, QStringLiteral("LstSetting")), QStringList{"Orphan"});
    QVERIFY(showTab(window, QStringLiteral("Setting")));
    clickEntry(window, QStringLiteral("LstSetting"), 0);
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT Attivo FROM setting")), QVariant(1));
    QCOMPARE(errorLine(window), QString());

    replaceText(child(window, "TxtGameHelp"), QStringLiteral("typed"));
    QVERIFY(showTab(window, QStringLiteral("Info")));
    clickOn(window, QStringLiteral("Command8"));
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(install.scalar(gameboy,
                            QStringLiteral("SELECT count(*) FROM giochi WHERE Gioco = 'Empty' AND Notes = 'typed' "
                                           "AND coalesce(Anno, Genre, Producer, Rating, Times, Link, Playable, "
                                           "Favorites, EmuName, Screen, Data, DataAdd) IS NULL")),
             QVariant(1));

    // Playing it stops, uncounted: there is no emulator without a name.
    play(window);
    QVERIFY(install.scalar(gameboy, QStringLiteral("SELECT Times FROM giochi WHERE Gioco = 'Empty'")).isNull());
    QCOMPARE(m_launcher.started.size(), 0);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].text.section(QLatin1Char('\n'), 0, 0), playFailed);
    QCOMPARE(errorLine(window),
             QStringLiteral("No emulator named  in ") + install.path(QStringLiteral("database/gameboy.mdb")));
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
    QVERIFY(pointEmusetAt(own.path(), install.root()));
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO emulatori DEFAULT VALUES")));
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO emulatori (Emu_Name) VALUES ('Bare')")));
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO setting (ID_Emula, Attivo) VALUES ('Bare', NULL)")));
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO setting DEFAULT VALUES")));
    QVERIFY(
        install.exec(gameboy, QStringLiteral("INSERT INTO giochi (Gioco, EmuName) VALUES ('Tetris', 'Bare')")));
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();

    QWidget *emuset = startEmuset(own.path(), m_dialogs, m_launcher);
    QVERIFY(emuset);
    const QString sets = QStringLiteral("LstSetting");
    QCOMPARE(entries(emuset, QStringLiteral("LstEmu")), QStringList{"Bare"});
    clickEntry(emuset, QStringLiteral("LstEmu"), 0);
    QCOMPARE(shownText(emuset, QStringLiteral("TxtEmu1")), QStringLiteral("Bare"));
    for (const char *name : {"TxtFileEmu1", "TxtSetmode", "TxtSettName", "TxtParameter"})
        QVERIFY2(shownText(emuset, QLatin1String(name)).isEmpty(), name);
    QCOMPARE(entries(emuset, sets), QStringList{QString()});
    QVERIFY(!entryMarked(emuset, sets, 0));
    // The nameless set's mark is stored on its row, not on the row without an emulator.
    clickEntry(emuset, sets, 0);
    QCOMPARE(panelText(emuset, 1), QString());
    const QString marks = QStringLiteral("SELECT Attivo FROM setting ORDER BY rowid");
    QCOMPARE(install.column(gameboy, marks), QVariantList({1, 0}));
    // An edit of the bare emulator stores what was typed and leaves the rest empty.
    clickOn(emuset, QStringLiteral("CmdEditEmu"));
    typeText(child(emuset, "TxtFileEmu1"), QStringLiteral("/opt/bare"));
    clickOn(emuset, QStringLiteral("CmdSaveEmu"));
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(install.column(gameboy, QStringLiteral(
                                         "SELECT coalesce(Emu_Link, 'null') || '/' || coalesce(Emu_Type, 'null') "
                                         "FROM emulatori ORDER BY rowid")),
             QVariantList({"null/null", "/opt/bare/null"}));
    closeEmuset();

    QMainWindow *window = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(window);
    QCOMPARE(child<QComboBox>(window, "CmbEmulatore")->count(), 1);
    clickGame(window, 0);
    QCOMPARE(shownText(window, QStringLiteral("LabEmu")), QStringLiteral("Bare"));
    QCOMPARE(shownText(window, QStringLiteral("TxtSetmode")), QString());
    QCOMPARE(entries(window, sets), QStringList{QString()});
    QVERIFY(entryMarked(window, sets, 0));
    QVERIFY(showTab(window, QStringLiteral("Setting")));
    clickEntry(window, sets, 0);
    QVERIFY(!entryMarked(window, sets, 0));
    QCOMPARE(install.column(gameboy, marks), QVariantList({0, 0}));
    play(window);
    QCOMPARE(m_launcher.started.size(), 0);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(errorLine(window), QStringLiteral("Setting mode \"\" is not a number"));
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
    // A database outside the installation is never opened (nor made).
    for (const char *name : {"../../outside.mdb", "..\\gameboy.mdb", ".."}) {
        QTest::newRow(name) << TestInstall::masterDb()
                            << QStringLiteral("UPDATE config SET Database = '%1'").arg(QLatin1String(name))
                            << QStringLiteral("names a console database outside the database folder");
    }
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
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO giochi (Gioco, Link, Screen, EmuName) "
                                                 "VALUES ('Tetris', 'Tetris.gb', 'Tetris.gif', 'Emu')")));
    QVERIFY(install.writeRom(QStringLiteral("Tetris.gb")));
    QVERIFY(install.addEmulator(QStringLiteral("Emu"), QStringLiteral("/bin/true")));
    QImage shot(7, 7, QImage::Format_RGB32);
    shot.fill(Qt::darkGreen);
    QVERIFY(shot.save(install.path(QStringLiteral("console/gameboy/screen/Tetris.gif")), "PNG"));
    QVERIFY(install.exec(file, sql));
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();
    QMainWindow *window = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    const auto *producers = child<QComboBox>(window, "CmbProducer");
    for (int i = 0; i < producers->count(); ++i)
        QVERIFY(!producers->itemText(i).isEmpty());

    // The Gameboy's games listed, its screenshot shown, its rom played.
    QStringList seen = {listedGames(window).join(QLatin1Char(',')), errorLine(window)};
    for (const auto &shown : std::as_const(m_dialogs.shown))
        seen.append(!message.isEmpty() && shown.text.contains(message) ? message : shown.text);
    QStringList expected = {QStringLiteral("Tetris"), QString()};
    if (!message.isEmpty())
        expected.append(message);
    QCOMPARE(seen, expected);
    clickGame(window, 0);
    QCOMPARE(child<QLabel>(window, "ImgSnap1")->pixmap().size(), QSize(7, 7));
    play(window);
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].arguments.last(),
             install.path(QStringLiteral("console/gameboy/games/Tetris.gb")));
}

// Ratings outside 0 to 5 or no number, play counts that are no number, whether found in
// the file or typed: shown as they are, counted as 0, never rewritten unless changed.
void TestBadValues::ratingsAndCounts_data()
{
    QTest::addColumn<QVariant>("rating"); // stored before the start
    QTest::addColumn<QVariant>("times");
    QTest::addColumn<QString>("typedRating"); // typed into the box before the save; null: none
    QTest::addColumn<int>("stars");           // the list's rating icon shows stars + 1
    QTest::addColumn<QString>("totalPlayed");
    QTest::addColumn<QVariant>("storedRating"); // after the save and one failed play (not counted)
    QTest::newRow("rating -1") << QVariant(-1) << QVariant(4) << QString() << 0 << "4" << QVariant(-1);
    QTest::newRow("rating 6") << QVariant(6) << QVariant(4) << QString() << 0 << "4" << QVariant(6);
    QTest::newRow("rating abc") << QVariant("abc") << QVariant(4) << QString() << 0 << "4" << QVariant("abc");
    QTest::newRow("times abc") << QVariant(3) << QVariant("abc") << QString() << 3 << "0" << QVariant(3);
    QTest::newRow("typed -1") << QVariant(2) << QVariant(4) << QStringLiteral("-1") << 0 << "4" << QVariant(-1);
    QTest::newRow("typed 6") << QVariant(2) << QVariant(4) << QStringLiteral("6") << 0 << "4" << QVariant(6);
    QTest::newRow("typed abc") << QVariant(2) << QVariant(4) << QStringLiteral("abc") << 0 << "4"
                               << QVariant("abc");
}

void TestBadValues::ratingsAndCounts()
{
    QFETCH(QVariant, rating);
    QFETCH(QVariant, times);
    QFETCH(QString, typedRating);
    QFETCH(int, stars);
    QFETCH(QString, totalPlayed);
    QFETCH(QVariant, storedRating);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.exec(
        gameboy, QStringLiteral("INSERT INTO giochi (Gioco, Rating, Times, EmuName) VALUES ('Odd', ?, ?, 'None')"),
        {rating, times}));
    m_dialogs = ScriptedDialogs();
    QMainWindow *window = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(window);
    clickOn(window, QStringLiteral("OptIcon2"));
    clickGame(window, 0);
    if (!typedRating.isNull()) {
        replaceText(child(window, "TxtRating"), typedRating);
        clickOn(window, QStringLiteral("Command8")); // the list is read again
        clickGame(window, 0);
    }
    QCOMPARE(listedGames(window, GameListModel::PictureRole), QStringList{QString::number(stars + 1)});
    QCOMPARE(panelText(window, 6), QStringLiteral("Total Times Played : ") + totalPlayed + QStringLiteral("  "));
    QCOMPARE(shownText(window, QStringLiteral("TxtRating")),
             typedRating.isNull() ? rating.toString() : typedRating);
    QCOMPARE(shownText(window, QStringLiteral("TxtTimes")), times.toString());
    QCOMPARE(starsShown(window), stars);

    replaceText(child(window, "TxtGameHelp"), QStringLiteral("saved"));
    clickOn(window, QStringLiteral("Command8"));
    play(window); // stops uncounted: the emulator does not exist
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].text.section(QLatin1Char('\n'), 0, 0), playFailed);
    const QVariantList row = {install.scalar(gameboy, QStringLiteral("SELECT Rating FROM giochi")),
                              install.scalar(gameboy, QStringLiteral("SELECT Times FROM giochi")),
                              install.scalar(gameboy, QStringLiteral("SELECT Notes FROM giochi"))};
    QCOMPARE(row, QVariantList({storedRating, times, QStringLiteral("saved")}));
}

// Emu_Type typed in Emuset, then the game played in the front-end. The placement is read
// as a number (blanks around ignored, fractions rounded); no number stops the play with
// its reason, a number other than 1 to 3 starts nothing and says nothing.
void TestBadValues::placementTypes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QString>("error"); // the error line; empty: none
    QTest::newRow("empty") << QString() << false << QStringLiteral("Setting mode \"\" is not a number");
    QTest::newRow("blank 2") << QStringLiteral(" 2") << true << QString();
    QTest::newRow("2.0") << QStringLiteral("2.0") << true << QString();
    QTest::newRow("x") << QStringLiteral("x") << false << QStringLiteral("Setting mode \"x\" is not a number");
    QTest::newRow("99999999999") << QStringLiteral("99999999999") << false << QString();
}

void TestBadValues::placementTypes()
{
    QFETCH(QString, typed);
    QFETCH(bool, started);
    QFETCH(QString, error);
    TestInstall install;
    QTemporaryDir own;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(pointEmusetAt(own.path(), install.root()));
    QVERIFY(install.exec(
        gameboy,
        QStringLiteral("INSERT INTO giochi (Gioco, Link, EmuName) VALUES ('Tetris', 'Tetris.gb', 'Typed')")));
    QVERIFY(install.writeRom(QStringLiteral("Tetris.gb")));
    QVERIFY(install.exec(
        gameboy,
        QStringLiteral("INSERT INTO setting (ID_Emula, Nome, Stringa, Attivo) VALUES ('Typed', 'P', '-p', 1)")));
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();
    QWidget *emuset = startEmuset(own.path(), m_dialogs, m_launcher);
    QVERIFY(emuset);
    clickOn(emuset, QStringLiteral("CmdNewEmu"));
    typeText(child(emuset, "TxtEmu1"), QStringLiteral("Typed"));
    typeText(child(emuset, "TxtFileEmu1"), QStringLiteral("/opt/typed"));
    typeText(child(emuset, "TxtSetmode"), typed);
    clickOn(emuset, QStringLiteral("CmdSaveEmu"));
    clickEntry(emuset, QStringLiteral("LstEmu"), 0);
    QCOMPARE(shownText(emuset, QStringLiteral("TxtSetmode")), typed);
    // Stored as typed, nothing typed as empty (Null).
    const QVariant type = install.scalar(gameboy, QStringLiteral("SELECT Emu_Type FROM emulatori"));
    QCOMPARE(type.isNull(), typed.isEmpty());
    QCOMPARE(type.toString(), typed);
    closeEmuset();

    QMainWindow *window = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(window);
    clickGame(window, 0);
    QCOMPARE(shownText(window, QStringLiteral("TxtSetmode")), typed);
    play(window);
    // Counted once started.
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT Times FROM giochi")).toString(),
             QString::number(started ? 1 : 0));
    QCOMPARE(errorLine(window), error);
    QCOMPARE(m_dialogs.shown.size(), error.isEmpty() ? 0 : 1);
    QCOMPARE(m_launcher.started.size(), started ? 1 : 0);
    if (started) {
        QCOMPARE(m_launcher.started[0].program, QStringLiteral("/opt/typed"));
        QCOMPARE(m_launcher.started[0].arguments,
                 QStringList(
                     {QStringLiteral("-p"), install.path(QStringLiteral("console/gameboy/games/Tetris.gb"))}));
    }
}

QTEST_MAIN(TestBadValues)
#include "tst_badvalues.moc"
