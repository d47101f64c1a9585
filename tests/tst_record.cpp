// The record view on the real main window: the pictures that follow a record, and the
// editing commands (save, delete, add a game through the chooser, add a producer, reset),
// checked against what the console database holds afterwards.
#include "frontend/games/gamelistmodel.h"
#include "shared/gamedates.h"
#include "tests/support/chooserfolders.h"
#include "tests/support/comboentries.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/tabpages.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QTest>

#include <algorithm>

namespace {

const QString gameboy = TestInstall::gameboyDb();

bool addEmulators(TestInstall &install)
{
    return install.addEmulator(QStringLiteral("Alpha Emu"), QStringLiteral("alpha"))
           && install.addEmulator(QStringLiteral("Beta Emu"), QStringLiteral("beta"));
}

bool hidden(const QObject *window, const char *name) { return child(window, name)->isHidden(); }

// The game list's selected entry.
QString selectedGame(const QObject *window)
{
    const QModelIndexList selected = gameView(window)->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : selected.front().data().toString();
}

int publishers(TestInstall &install)
{
    return install.scalar(TestInstall::masterDb(), QStringLiteral("SELECT count(*) FROM publisher")).toInt();
}

} // namespace

class TestRecord : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void picturesFollowTheRecord_data();
    void picturesFollowTheRecord();
    void unknownGameShowsTheFirstRow();
    void saveModifyStoresEveryBoundControl();
    void deleteGameAsksFirst_data();
    void deleteGameAsksFirst();
    void addRomStoresAGameNamedAfterItsFile();
    void romChooser_data();
    void romChooser();
    void addNewProducer_data();
    void addNewProducer();
    void notesAreStoredToTheShownGame_data();
    void notesAreStoredToTheShownGame();
    void refusedSaveKeepsWhatWasTyped_data();
    void refusedSaveKeepsWhatWasTyped();
    void refusedDeleteOrProducerIsReported_data();
    void refusedDeleteOrProducerIsReported();
    void displayErrorGoesToPanelAndLog();
    void changesAreSettledBeforeLeaving_data();
    void changesAreSettledBeforeLeaving();
    void nothingListedShowsNoRecord_data();
    void nothingListedShowsNoRecord();

private:
    QMainWindow *start() { return m_main = startFrontEnd(m_install->root(), m_dialogs, m_launcher); }
    QString shown(const char *name) const { return shownText(m_main, QLatin1String(name)); }
    void click(const char *name) { clickOn(m_main, QLatin1String(name)); }
    void type(const char *name, const QString &text) { replaceText(child(m_main, name), text); }

    std::unique_ptr<TestInstall> m_install;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
    QMainWindow *m_main = nullptr;
};

void TestRecord::init()
{
    m_install = std::make_unique<TestInstall>();
    QVERIFY2(m_install->isValid(), qPrintable(m_install->error()));
    m_dialogs = ScriptedDialogs();
}

void TestRecord::cleanup()
{
    closeFrontEnd();
    m_install.reset();
}

void TestRecord::picturesFollowTheRecord_data()
{
    QTest::addColumn<QVariant>("rating");
    QTest::addColumn<QVariant>("playable");
    QTest::addColumn<int>("stars");
    QTest::addColumn<bool>("line");
    QTest::newRow("rating 0, not playable") << QVariant(0) << QVariant(0) << 0 << true;
    QTest::newRow("rating 3, playable") << QVariant(3) << QVariant(1) << 3 << false;
    QTest::newRow("rating 5, playable empty") << QVariant(5) << QVariant() << 5 << false;
    QTest::newRow("rating empty text") << QVariant(QStringLiteral("")) << QVariant(1) << 0 << false;
    QTest::newRow("rating null") << QVariant() << QVariant(0) << 0 << true;
    QTest::newRow("rating 9") << QVariant(9) << QVariant(1) << 0 << false;
    QTest::newRow("rating abc") << QVariant(QStringLiteral("abc")) << QVariant(1) << 0 << false;
    QTest::newRow("rating 2.5") << QVariant(2.5) << QVariant(1) << 3 << false;
    QTest::newRow("rating text 4.5") << QVariant(QStringLiteral("4.5")) << QVariant(1) << 5 << false;
}

void TestRecord::picturesFollowTheRecord()
{
    QFETCH(QVariant, rating);
    QFETCH(QVariant, playable);
    QFETCH(int, stars);
    QFETCH(bool, line);
    // A five-star game that does not work is shown first: every picture must follow the next.
    QVERIFY(m_install->addGame(QStringLiteral("Full Marks"), {{"Rating", 5}, {"Playable", 0}}));
    QVERIFY(m_install->addGame(QStringLiteral("Tested"), {{"Rating", rating}, {"Playable", playable}}));
    QVERIFY(start());
    QVERIFY(showGame(m_main, QStringLiteral("Full Marks")));
    QVERIFY(showGame(m_main, QStringLiteral("Tested")));

    QCOMPARE(shown("LabGame"), QStringLiteral("Tested"));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(!hidden(m_main, qPrintable(QStringLiteral("ImgStar2_%1").arg(i))), i < stars);
    QCOMPARE(!hidden(m_main, "ImgFavorites2"), stars == 5);
    QVERIFY(!hidden(m_main, "ImgFavorites"));
    QCOMPARE(!hidden(m_main, "Line2"), line);
    // The list's rating icon reads the rating by the same rule: picture = stars + 1.
    click("OptIcon2");
    QCOMPARE(listedGames(m_main, GameListModel::PictureRole),
             QStringList({QStringLiteral("6"), QString::number(stars + 1)}));
}

// The game shown at the last close is no longer in the table: the first row of the query
// is shown, without an error.
void TestRecord::unknownGameShowsTheFirstRow()
{
    QVERIFY(m_install->addGame(QStringLiteral("Beta"), {{"Rating", 2}}));
    QVERIFY(m_install->addGame(QStringLiteral("Alpha"), {{"Rating", 4}}));
    QVERIFY(
        m_install->exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Game = 'Not In The Table'")));
    QVERIFY(start());
    QCOMPARE(shown("LabGame"), QStringLiteral("Alpha"));
    QCOMPARE(shown("TxtRating"), QStringLiteral("4"));
    QCOMPARE(shown("Text7"), QString());
}

// Every control of the record is stored by "Save Modify"; the play date and the date
// added, which no control edits, are stored back as they were.
void TestRecord::saveModifyStoresEveryBoundControl()
{
    QVERIFY(addEmulators(*m_install));
    QVERIFY(m_install->addGame(QStringLiteral("Old Name"), {{"Anno", "1985"},
                                                            {"Genre", "Action"},
                                                            {"Language", "English"},
                                                            {"Producer", "Bitforge"},
                                                            {"Rating", 2},
                                                            {"EmuName", "Alpha Emu"},
                                                            {"Screen", "old.gif"},
                                                            {"Link", "old.gb"},
                                                            {"Playable", 0},
                                                            {"Favorites", 1},
                                                            {"Colour", 0},
                                                            {"Sound", 1},
                                                            {"Times", 7},
                                                            {"Data", "01/02/2004"},
                                                            {"DataAdd", "03/04/2003"},
                                                            {"Notes", "old notes"}}));
    QVERIFY(writeFile(m_install->path(QStringLiteral("console/gameboy/games/other.gb"))));
    QVERIFY(writeFile(m_install->path(QStringLiteral("console/gameboy/screen/new.gif"))));
    QVERIFY(start());
    QVERIFY(showGame(m_main, QStringLiteral("Old Name")));
    QCOMPARE(shown("TxtTimes"), QStringLiteral("7"));

    type("LabGame", QStringLiteral("New Name"));
    type("TxtYear", QStringLiteral("1990"));
    type("CmbGenre", QStringLiteral("Puzzle"));
    type("CmbLanguage", QStringLiteral("French"));
    type("CmbProducer", QStringLiteral("Neon Owl"));
    type("TxtRating", QStringLiteral("4"));
    type("CmbEmulatore", QStringLiteral("Beta Emu"));
    for (const char *check : {"ChkPlayable", "ChkFavorite", "ChkColour", "ChkSound"})
        click(check);
    click("Command10"); // Reset
    QCOMPARE(shown("TxtTimes"), QStringLiteral("0"));
    click("TxtRom");
    QVERIFY(clickFile(QStringLiteral("other.gb")));
    click("Label19");
    QVERIFY(clickFile(QStringLiteral("new.gif")));
    type("TxtGameHelp", QStringLiteral("new notes"));
    click("Command8");

    QVERIFY(m_dialogs.shown.isEmpty());
    const QList<std::pair<const char *, QVariant>> expected = {
        {"Gioco", "New Name"},
        {"Anno", "1990"},
        {"Genre", "Puzzle"},
        {"Language", "French"},
        {"Producer", "Neon Owl"},
        {"Rating", 4},
        {"EmuName", "Beta Emu"},
        {"Screen", "new.gif"},
        {"Link", "other.gb"},
        {"Playable", 1},
        {"Favorites", 0},
        {"Colour", 1},
        {"Sound", 0},
        {"Times", 0},
        {"Data", "01/02/2004"},
        {"DataAdd", "03/04/2003"},
        {"Notes", "new notes"},
    };
    QCOMPARE(m_install->scalar(gameboy, QStringLiteral("SELECT count(*) FROM giochi")).toInt(), 1);
    for (const auto &[column, value] : expected) {
        const QVariant stored =
            m_install->scalar(gameboy, QStringLiteral("SELECT %1 FROM giochi").arg(QLatin1String(column)));
        QVERIFY2(stored.toString() == value.toString(),
                 qPrintable(QStringLiteral("%1 = %2").arg(QLatin1String(column), stored.toString())));
    }
    QCOMPARE(listedGames(m_main), QStringList{QStringLiteral("New Name")});
    QCOMPARE(shown("LabGame"), QStringLiteral("New Name"));
}

void TestRecord::deleteGameAsksFirst_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("deleted");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("after"); // selected and shown afterwards
    const QString alpha = QStringLiteral("Alpha"), beta = QStringLiteral("Beta's"),
                  gamma = QStringLiteral("Gamma");
    QTest::newRow("Cancel") << false << beta << QStringList{alpha, beta, gamma} << beta;
    QTest::newRow("OK, the next takes its place") << true << beta << QStringList{alpha, gamma} << gamma;
    QTest::newRow("OK on the last, the one before") << true << gamma << QStringList{alpha, beta} << beta;
}

void TestRecord::deleteGameAsksFirst()
{
    QFETCH(bool, answer);
    QFETCH(QString, deleted);
    QFETCH(QStringList, left);
    QFETCH(QString, after);
    for (const QString name : {"Alpha", "Beta's", "Gamma"})
        QVERIFY(m_install->addGame(name));
    QVERIFY(start());
    QVERIFY(showGame(m_main, deleted));
    QCOMPARE(shown("LabGame"), deleted);
    m_dialogs.shown.clear();
    m_dialogs.queueAnswers({answer});
    click("CmdDeleteGame");

    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Question);
    QCOMPARE(m_dialogs.shown[0].buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(m_dialogs.shown[0].title, deleted);
    QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("Delete This Game?"));
    QStringList stored;
    for (const QVariant &name :
         m_install->column(gameboy, QStringLiteral("SELECT Gioco FROM giochi ORDER BY Gioco")))
        stored.append(name.toString());
    QCOMPARE(stored, left);
    QCOMPARE(listedGames(m_main), left);
    QCOMPARE(shown("LabGame"), after);
    QCOMPARE(selectedGame(m_main), after);
    QCOMPARE(panelText(m_main, 2), QStringLiteral("All Games : %1  ").arg(left.size()));
}

void TestRecord::addRomStoresAGameNamedAfterItsFile()
{
    QVERIFY(addEmulators(*m_install));
    QVERIFY(m_install->addGame(QStringLiteral("Existing"), {{"EmuName", "Beta Emu"},
                                                            {"Link", "existing.gb"},
                                                            {"Rating", 5},
                                                            {"Playable", 0},
                                                            {"Screen", "existing.gif"}}));
    QVERIFY(writeFile(m_install->path(QStringLiteral("console/gameboy/games/New Hero.gb"))));
    QImage screenshot(7, 5, QImage::Format_RGB32);
    screenshot.fill(Qt::red);
    QVERIFY(screenshot.save(m_install->path(QStringLiteral("console/gameboy/screen/existing.gif")), "PNG"));
    QVERIFY(start());
    QVERIFY(showGame(m_main, QStringLiteral("Existing")));
    const auto *snapshot = child<QLabel>(m_main, "ImgSnap1");
    QCOMPARE(snapshot->pixmap().size(), screenshot.size());

    const QDate before = QDate::currentDate();
    click("Command9");
    const QDate after = QDate::currentDate();
    const QString added = shown("Label15");
    QVERIFY2(added == GameDates::added(before) || added == GameDates::added(after), qPrintable(added));
    QCOMPARE(shown("CmbEmulatore"), QStringLiteral("Alpha Emu"));
    QVERIFY(shown("TxtRom").isEmpty());
    QVERIFY(shown("LabGame").isEmpty());
    // None of the previous game's pictures stay.
    for (const char *picture : {"ImgStar2_0", "ImgStar2_4", "ImgFavorites2", "Line2"})
        QVERIFY2(hidden(m_main, picture), picture);
    QVERIFY(snapshot->pixmap().size() != screenshot.size());
    QVERIFY(openChooser());
    QCOMPARE(openChooser()->windowTitle(), QStringLiteral("Choose Rom File For : New Game "));

    // Saved before a file gave it a name: refused, and the new game waits for its file.
    click("Command8");
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("Warning!"));
    QCOMPARE(m_install->scalar(gameboy, QStringLiteral("SELECT count(*) FROM giochi")).toInt(), 1);
    m_dialogs.shown.clear();

    QVERIFY(clickFile(QStringLiteral("New Hero.gb")));
    QTRY_VERIFY(!openChooser());
    QCOMPARE(shown("TxtRom"), QStringLiteral("New Hero.gb"));
    QCOMPARE(shown("LabGame"), QStringLiteral("New Hero.gb"));
    click("Command8");

    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(m_install->scalar(gameboy, QStringLiteral("SELECT count(*) FROM giochi")).toInt(), 2);
    const QString row = QStringLiteral(" FROM giochi WHERE Gioco = 'New Hero.gb'");
    QCOMPARE(m_install->scalar(gameboy, QStringLiteral("SELECT Link") + row).toString(),
             QStringLiteral("New Hero.gb"));
    QCOMPARE(m_install->scalar(gameboy, QStringLiteral("SELECT DataAdd") + row).toString(), added);
    QCOMPARE(m_install->scalar(gameboy, QStringLiteral("SELECT EmuName") + row).toString(),
             QStringLiteral("Alpha Emu"));
    QCOMPARE(m_install->scalar(gameboy, QStringLiteral("SELECT Times") + row), QVariant(qlonglong(0)));
    QCOMPARE(m_install->scalar(gameboy, QStringLiteral("SELECT Rating") + row), QVariant(qlonglong(0)));
    QCOMPARE(
        m_install->scalar(gameboy, QStringLiteral("SELECT Link FROM giochi WHERE Gioco = 'Existing'")).toString(),
        QStringLiteral("existing.gb"));
    // The list is filled again and the new game is selected and shown.
    QCOMPARE(listedGames(m_main), (QStringList{QStringLiteral("Existing"), QStringLiteral("New Hero.gb")}));
    QCOMPARE(shown("LabGame"), QStringLiteral("New Hero.gb"));
    QCOMPARE(selectedGame(m_main), QStringLiteral("New Hero.gb"));
    QCOMPARE(panelText(m_main, 2), QStringLiteral("All Games : 2  "));
}

// "Add Rom" and a click on the rom file open the chooser on the console's games folder,
// captioned for roms (config files on the Amiga); the chosen file names a new game, or
// only replaces the shown game's file.
void TestRecord::romChooser_data()
{
    QTest::addColumn<QString>("console");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("newGame");
    QTest::newRow("gameboy, Add Rom") << QStringLiteral("gameboy") << QStringLiteral("Command9")
                                      << QStringLiteral("Choose Rom File For : New Game ") << true;
    QTest::newRow("gameboy, rom file") << QStringLiteral("gameboy") << QStringLiteral("TxtRom")
                                       << QStringLiteral("Choose Rom File For Game : Shown Game") << false;
    QTest::newRow("amiga, Add Rom") << QStringLiteral("amiga") << QStringLiteral("Command9")
                                    << QStringLiteral("Choose Config File For : New Game ") << true;
    QTest::newRow("amiga, rom file") << QStringLiteral("amiga") << QStringLiteral("TxtRom")
                                     << QStringLiteral("Choose Config File For Game : Shown Game") << false;
}

void TestRecord::romChooser()
{
    QFETCH(QString, console);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(bool, newGame);
    const QString database = console + QStringLiteral(".mdb");
    QVERIFY(
        m_install->exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Database = ?"), {database}));
    const QString file = QStringLiteral("\\database\\") + database;
    QVERIFY(m_install->addGame(QStringLiteral("Shown Game"), {{"Link", "shown.cfg"}}, file));
    const QString games = m_install->path(QStringLiteral("console/%1/games").arg(console));
    QVERIFY(writeFile(games + QStringLiteral("/Chosen.cfg")));
    QVERIFY(start());
    QVERIFY(showGame(m_main, QStringLiteral("Shown Game")));
    clickOn(m_main, button);

    QVERIFY(openChooser());
    QCOMPARE(openChooser()->windowTitle(), caption);
    QVERIFY(chooserShowsFolder(games));
    QCOMPARE(shown("TxtRom"), newGame ? QString() : QStringLiteral("shown.cfg"));
    QVERIFY(clickFile(QStringLiteral("Chosen.cfg")));
    QCOMPARE(shown("TxtRom"), QStringLiteral("Chosen.cfg"));
    QCOMPARE(shown("LabGame"), newGame ? QStringLiteral("Chosen.cfg") : QStringLiteral("Shown Game"));
}

// A new name is stored and listed in order; a listed one (in any case) or a blank one is
// not stored again: the listed entry is chosen, or the text is left as typed.
void TestRecord::addNewProducer_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("added");
    QTest::addColumn<QString>("chosen"); // shown afterwards, and stored with the game
    QTest::newRow("sorts first") << QStringLiteral("Aardvark Games") << true << QStringLiteral("Aardvark Games");
    QTest::newRow("already listed") << QStringLiteral("Neon Owl") << false << QStringLiteral("Neon Owl");
    QTest::newRow("listed in another case") << QStringLiteral("nEON oWL") << false << QStringLiteral("Neon Owl");
    QTest::newRow("blanks") << QStringLiteral("   ") << false << QStringLiteral("   ");
}

void TestRecord::addNewProducer()
{
    QFETCH(QString, typed);
    QFETCH(bool, added);
    QFETCH(QString, chosen);
    QVERIFY(m_install->addGame(QStringLiteral("Shown Game"), {{"Producer", "Bitforge"}}));
    const int before = publishers(*m_install);
    QVERIFY(start());
    QVERIFY(showGame(m_main, QStringLiteral("Shown Game")));
    type("CmbProducer", typed);
    click("CmdAddPro");

    QVERIFY(m_dialogs.shown.isEmpty());
    const int after = before + (added ? 1 : 0);
    QCOMPARE(publishers(*m_install), after);
    const QStringList entries = comboEntries(m_main, "CmbProducer");
    QCOMPARE(entries.size(), after);
    QStringList sorted = entries;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    QCOMPARE(entries, sorted);
    const auto sameName = [&typed](const QString &entry) {
        return entry.compare(typed, Qt::CaseInsensitive) == 0;
    };
    QCOMPARE(int(std::count_if(entries.cbegin(), entries.cend(), sameName)), typed.trimmed().isEmpty() ? 0 : 1);
    QCOMPARE(shownText(m_main, QStringLiteral("CmbProducer")), chosen);

    click("Command8"); // the game's producer goes with the record
    QCOMPARE(m_install->scalar(gameboy, QStringLiteral("SELECT Producer FROM giochi")).toString(), chosen);
}

// The game clicked is shown and its notes stored to its own row, whatever its name; of two
// games whose names differ in case only, the first one.
void TestRecord::notesAreStoredToTheShownGame_data()
{
    QTest::addColumn<QStringList>("games"); // their notes are "note 0", "note 1"
    QTest::addColumn<int>("shownRow");
    QTest::newRow("quote") << QStringList{"Aaa Other", "Kiki's Cloud Ranch"} << 1;
    QTest::newRow("accented") << QStringList{"Aaa Other", "Château Fantôme"} << 1;
    QTest::newRow("japanese") << QStringList{"Aaa Other", "ドラゴン・クエスト"} << 1;
    QTest::newRow("names alike but for case") << QStringList{"Twin", "twin"} << 0;
}

void TestRecord::notesAreStoredToTheShownGame()
{
    QFETCH(QStringList, games);
    QFETCH(int, shownRow);
    QVariantList notes;
    for (const QString &name : games) {
        notes.append(QStringLiteral("note %1").arg(notes.size()));
        QVERIFY(m_install->addGame(name, {{"Notes", notes.constLast()}}));
    }
    QVERIFY(start());
    QVERIFY(showGame(m_main, games[shownRow]));
    QCOMPARE(shown("LabGame"), games[shownRow]);
    QCOMPARE(shown("TxtGameHelp"), notes[shownRow].toString());
    type("TxtGameHelp", QStringLiteral("after"));
    click("Command8");

    QVERIFY(m_dialogs.shown.isEmpty());
    notes[shownRow] = QStringLiteral("after");
    QCOMPARE(m_install->column(gameboy, QStringLiteral("SELECT Notes FROM giochi ORDER BY rowid")), notes);
    QCOMPARE(shown("LabGame"), games[shownRow]); // shown again after the refill
}

void TestRecord::refusedSaveKeepsWhatWasTyped_data()
{
    QTest::addColumn<QString>("cause");
    QTest::newRow("read-only file") << QStringLiteral("read-only");
    QTest::newRow("row refused by the database") << QStringLiteral("refused");
}

void TestRecord::refusedSaveKeepsWhatWasTyped()
{
    QFETCH(QString, cause);
    QVERIFY(m_install->addGame(QStringLiteral("Kept"), {{"Notes", "stored"}}));
    const QString file = m_install->path(QStringLiteral("database/gameboy.mdb"));
    if (cause == QLatin1String("read-only")) {
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QFile probe(file);
        if (probe.open(QIODevice::ReadWrite))
            QSKIP("this user may write a read-only file (root): the store is not refused");
    } else {
        QVERIFY(m_install->exec(gameboy, QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON giochi "
                                                        "BEGIN SELECT RAISE(ABORT, 'refused by a rule'); END")));
    }
    QVERIFY(start());
    QVERIFY(showGame(m_main, QStringLiteral("Kept")));
    type("LabGame", QStringLiteral("Typed Name"));
    type("TxtGameHelp", QStringLiteral("typed notes"));
    m_dialogs.shown.clear();
    click("Command8");

    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("ERROR!"));
    QVERIFY2(m_dialogs.shown[0].text.contains(QStringLiteral("gameboy.mdb")), qPrintable(m_dialogs.shown[0].text));
    QCOMPARE(shown("LabGame"), QStringLiteral("Typed Name"));
    QCOMPARE(shown("TxtGameHelp"), QStringLiteral("typed notes"));
    QCOMPARE(m_install->column(gameboy, QStringLiteral("SELECT Gioco FROM giochi")),
             QVariantList{QStringLiteral("Kept")});
    QCOMPARE(m_install->scalar(gameboy, QStringLiteral("SELECT Notes FROM giochi")).toString(),
             QStringLiteral("stored"));

    // Once the rule is gone, the same save stores what was typed. (A file opened read-only
    // stays so until the next start.)
    if (cause != QLatin1String("refused"))
        return;
    QVERIFY(m_install->exec(gameboy, QStringLiteral("DROP TRIGGER refuse")));
    m_dialogs.shown.clear();
    click("Command8");
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(m_install->scalar(gameboy, QStringLiteral("SELECT Notes FROM giochi")).toString(),
             QStringLiteral("typed notes"));
    QCOMPARE(m_install->scalar(gameboy, QStringLiteral("SELECT Gioco FROM giochi")).toString(),
             QStringLiteral("Typed Name"));
}

void TestRecord::refusedDeleteOrProducerIsReported_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("trigger");
    QTest::newRow("Delete Game") << QStringLiteral("CmdDeleteGame") << gameboy
                                 << QStringLiteral("BEFORE DELETE ON giochi");
    QTest::newRow("Add New Producer") << QStringLiteral("CmdAddPro") << TestInstall::masterDb()
                                      << QStringLiteral("BEFORE INSERT ON publisher");
}

void TestRecord::refusedDeleteOrProducerIsReported()
{
    QFETCH(QString, button);
    QFETCH(QString, file);
    QFETCH(QString, trigger);
    QVERIFY(m_install->addGame(QStringLiteral("Kept")));
    QVERIFY(m_install->exec(
        file, QStringLiteral("CREATE TRIGGER refuse %1 BEGIN SELECT RAISE(ABORT, 'refused by a rule'); END")
                  .arg(trigger)));
    const int producers = publishers(*m_install);
    QVERIFY(start());
    QVERIFY(showGame(m_main, QStringLiteral("Kept")));
    type("CmbProducer", QStringLiteral("Typed Soft"));
    clickOn(m_main, button);

    QVERIFY(!m_dialogs.shown.isEmpty());
    QCOMPARE(m_dialogs.shown.constLast().icon, Dialogs::Icon::Critical);
    QCOMPARE(m_dialogs.shown.constLast().title, QStringLiteral("ERROR!"));
    QVERIFY2(m_dialogs.shown.constLast().text.contains(QStringLiteral("refused by a rule")),
             qPrintable(m_dialogs.shown.constLast().text));
    QCOMPARE(m_install->scalar(gameboy, QStringLiteral("SELECT count(*) FROM giochi")).toInt(), 1);
    QCOMPARE(publishers(*m_install), producers);
    QCOMPARE(shown("CmbProducer"), QStringLiteral("Typed Soft"));
}

// A display step that fails is written to panel 6 and to "Error LOG"; the later steps run.
void TestRecord::displayErrorGoesToPanelAndLog()
{
    QVERIFY(m_install->addGame(QStringLiteral("Starred"), {{"Rating", 5}, {"Playable", 0}}));
    QVERIFY(start());
    QVERIFY(showGame(m_main, QStringLiteral("Starred")));
    QVERIFY(!hidden(m_main, "ImgFavorites2"));
    QVERIFY(
        m_install->exec(gameboy, QStringLiteral("ALTER TABLE giochi RENAME TO giochi_old"))); // behind its back
    click("OptAll"); // the checked filter: the list is filled and the record shown again

    const QString error = shown("Text7");
    QVERIFY2(error.contains(QStringLiteral("gameboy.mdb")) && error.contains(QStringLiteral("giochi")),
             qPrintable(error));
    QCOMPARE(panelText(m_main, 6), error);
    QVERIFY(hidden(m_main, "ImgFavorites2"));
    QVERIFY(hidden(m_main, "Line2"));
}

void TestRecord::changesAreSettledBeforeLeaving_data()
{
    QTest::addColumn<QString>("leave"); // what takes the person away from the typed year
    QTest::addColumn<int>("answer");    // Dialogs::Choice
    QTest::addColumn<QString>("storedYear");
    QTest::addColumn<QString>("shownAfter");
    const int save = int(Dialogs::Choice::Save), discard = int(Dialogs::Choice::Discard),
              cancel = int(Dialogs::Choice::Cancel);
    QTest::newRow("another game, Save") << "pick" << save << "1999"
                                        << "Beta";
    QTest::newRow("another game, Discard") << "pick" << discard << "1985"
                                           << "Beta";
    QTest::newRow("another game, Cancel") << "pick" << cancel << "1985"
                                          << "Alpha";
    QTest::newRow("filter, Save") << "filter" << save << "1999"
                                  << "Alpha";
    QTest::newRow("filter, Cancel") << "filter" << cancel << "1985"
                                    << "Alpha";
    QTest::newRow("special filter, Save") << "special" << save << "1999"
                                          << "Alpha";
    QTest::newRow("special filter, Cancel") << "special" << cancel << "1985"
                                            << "Alpha";
    QTest::newRow("console switch, Discard") << "switch" << discard << "1985"
                                             << "";
    QTest::newRow("console switch, Cancel") << "switch" << cancel << "1985"
                                            << "Alpha";
}

// A typed year is never dropped without a word: Save stores it, Discard drops it, Cancel
// stays on the record with the year still typed.
void TestRecord::changesAreSettledBeforeLeaving()
{
    QFETCH(QString, leave);
    QFETCH(int, answer);
    QFETCH(QString, storedYear);
    QFETCH(QString, shownAfter);
    QVERIFY(m_install->addGame(QStringLiteral("Alpha"), {{"Anno", "1985"}}));
    QVERIFY(m_install->addGame(QStringLiteral("Beta"), {{"Anno", "1990"}}));
    QVERIFY(start());
    QVERIFY(showGame(m_main, QStringLiteral("Alpha")));
    type("TxtYear", QStringLiteral("1999"));
    m_dialogs.shown.clear();
    m_dialogs.queueSaveAnswers({Dialogs::Choice(answer)});
    if (leave == QLatin1String("pick"))
        clickGame(m_main, 1);
    else if (leave == QLatin1String("filter"))
        click("OptAll");
    else if (leave == QLatin1String("special") && showTab(m_main, QStringLiteral("Filters")))
        click("ChkNeverPlayed");
    else
        trigger(m_main, QStringLiteral("nintendo"));

    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("Save the changes to Alpha?"));
    QCOMPARE(
        m_install->scalar(gameboy, QStringLiteral("SELECT Anno FROM giochi WHERE Gioco = 'Alpha'")).toString(),
        storedYear);
    QCOMPARE(shown("LabGame"), shownAfter);
    if (answer == int(Dialogs::Choice::Cancel))
        QCOMPARE(shown("TxtYear"), QStringLiteral("1999"));
    if (leave == QLatin1String("special")) // staying shows the filter as it was
        QCOMPARE(child<QCheckBox>(m_main, "ChkNeverPlayed")->isChecked(), answer != int(Dialogs::Choice::Cancel));
}

void TestRecord::nothingListedShowsNoRecord_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("search matches nothing") << "search";
    QTest::newRow("filter lists nothing") << "filter";
    QTest::newRow("the only match deleted") << "delete";
}

void TestRecord::nothingListedShowsNoRecord()
{
    QFETCH(QString, how);
    QVERIFY(m_install->addGame(QStringLiteral("Alpha")));
    QVERIFY(m_install->addGame(QStringLiteral("Beta")));
    QVERIFY(start());
    QVERIFY(showGame(m_main, QStringLiteral("Beta")));
    if (how == QLatin1String("filter")) {
        click("OptFavorite");
    } else {
        type("TxtSearch", how == QLatin1String("search") ? QStringLiteral("zzz") : QStringLiteral("Bet"));
        if (how == QLatin1String("delete"))
            click("CmdDeleteGame");
    }
    QCOMPARE(listedGames(m_main), QStringList());
    QCOMPARE(shown("LabGame"), QString());
    if (how == QLatin1String("search")) {
        type("TxtSearch", QString());
        QCOMPARE(shown("LabGame"), QStringLiteral("Beta"));
    }
}

QTEST_MAIN(TestRecord)
#include "tst_record.moc"
