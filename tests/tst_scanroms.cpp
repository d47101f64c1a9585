// "Scan Roms": which files of the games folder become games, what each new game holds,
// the question and the messages, one transaction for all, and the list afterwards.
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/gameselection.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString gameboy = TestInstall::gameboyDb();

QString gamesDir(const TestInstall &install) { return install.path(QStringLiteral("console/gameboy/games")); }

int gameRows(TestInstall &install)
{
    return install.scalar(gameboy, QStringLiteral("SELECT count(*) FROM giochi")).toInt();
}

QStringList storedNames(TestInstall &install)
{
    QStringList names;
    for (const QVariant &name : install.column(gameboy, QStringLiteral("SELECT Gioco FROM giochi ORDER BY rowid")))
        names.append(name.toString());
    return names;
}

} // namespace

class TestScanRoms : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void addsEveryNewFileOnce();
    void addsNothing_data();
    void addsNothing();
    void storesWhatAddRomStores();
    void romsStoredMeanwhileAreNotAddedTwice();
    void leavesOutWhatIsNoRom_data();
    void leavesOutWhatIsNoRom();
    void keepsTheFilter_data();
    void keepsTheFilter();
    void thousandsShownWithTheSearch();

private:
    QMainWindow *start();

    std::unique_ptr<TestInstall> m_install;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
};

void TestScanRoms::init()
{
    m_dialogs.shown.clear();
    m_install = std::make_unique<TestInstall>();
    QVERIFY2(m_install->isValid(), qPrintable(m_install->error()));
    QVERIFY(m_install->addEmulator(QStringLiteral("Alpha Emu"), QStringLiteral("alpha")));
    QVERIFY(m_install->addEmulator(QStringLiteral("Beta Emu"), QStringLiteral("beta")));
}

void TestScanRoms::cleanup()
{
    closeFrontEnd();
    m_install.reset();
}

QMainWindow *TestScanRoms::start()
{
    QMainWindow *main = startFrontEnd(m_install->root(), m_dialogs, m_launcher);
    m_dialogs.shown.clear();
    return main;
}

void TestScanRoms::addsEveryNewFileOnce()
{
    QVERIFY(m_install->exec(
        gameboy,
        QStringLiteral("INSERT INTO giochi (Gioco, Link, Language) VALUES ('Tetris', 'tetris.gb', 'English')")));
    const QString dir = gamesDir(*m_install);
    const QStringList files = {
        QStringLiteral("Tetris.GB"), // linked already, in other letters
        QStringLiteral(".hidden.gb"),
        QStringLiteral("Mario's \"Quest\" (v1).gb"),
        QString::fromUtf8("Pok\u00e9mon \u00dcn\u00efcode.gbc"),
        QString::fromUtf8("\u30dd\u30b1\u30e2\u30f3 \u91d1.gb"),
        QStringLiteral("  blank  name .gb"),
        QStringLiteral("archive.tar.gz"),
        QStringLiteral("NOEXT"),
        QStringLiteral("zelda.gb"),
        QStringLiteral("ZELDA.gb"), // the same file name but for case: taken once
    };
    for (const QString &file : files)
        QVERIFY2(writeFile(QDir(dir).filePath(file)), qPrintable(file));
    QVERIFY(QDir(dir).mkdir(QStringLiteral("folder.gb")));
    QVERIFY(QFile::link(QDir(dir).filePath(QStringLiteral("nowhere")),
                        QDir(dir).filePath(QStringLiteral("broken.gb"))));
    // A link to a regular file counts as that file; a FIFO is no rom.
    QVERIFY(writeFile(m_install->path(QStringLiteral("elsewhere.gb"))));
    QVERIFY(QFile::link(m_install->path(QStringLiteral("elsewhere.gb")),
                        QDir(dir).filePath(QStringLiteral("Linked.gb"))));
    QCOMPARE(mkfifo(QFile::encodeName(QDir(dir).filePath(QStringLiteral("pipe.gb"))).constData(), 0600), 0);
    QMainWindow *main = start();
    QVERIFY(main);

    clickOn(main, QStringLiteral("CmdScanRoms"));
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Question);
    QCOMPARE(m_dialogs.shown[0].buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("Add 8 new roms to the Gameboy catalogue?"));

    // Stored in the list's order, each named after its file without the last extension.
    const QStringList names = {
        QStringLiteral("  blank  name "), QStringLiteral("archive.tar"),
        QStringLiteral("Linked"),         QStringLiteral("Mario's \"Quest\" (v1)"),
        QStringLiteral("NOEXT"),          QString::fromUtf8("Pok\u00e9mon \u00dcn\u00efcode"),
        QStringLiteral("ZELDA"),          QString::fromUtf8("\u30dd\u30b1\u30e2\u30f3 \u91d1"),
    };
    QCOMPARE(storedNames(*m_install), QStringList{QStringLiteral("Tetris")} + names);
    const QVariantList links = m_install->column(gameboy,
                                                 QStringLiteral("SELECT Link FROM giochi WHERE rowid > 1"));
    QCOMPARE(links.size(), names.size());
    QCOMPARE(links[3].toString(), QStringLiteral("Mario's \"Quest\" (v1).gb"));
    QCOMPARE(links[6].toString(), QStringLiteral("ZELDA.gb"));
    QCOMPARE(m_install->column(gameboy, QStringLiteral("SELECT DISTINCT EmuName FROM giochi WHERE rowid > 1")),
             QVariantList{QStringLiteral("Alpha Emu")});

    // The list and its counts are refreshed and the first new game is shown.
    QCOMPARE(listedGames(main).size(), 9);
    QCOMPARE(panelText(main, 2), QStringLiteral("All Games : 9  "));
    QCOMPARE(shownText(main, QStringLiteral("LabGame")), names[0]);
    QCOMPARE(selectedGame(main).data().toString(), names[0]);
    // In large icons every entry keeps room for a picture and its name, even though the
    // new games at the end of the list have no picture.
    QAbstractItemView *icons = gameView(main);
    const int room = 32 + icons->fontMetrics().height();
    for (int row = 0; row < 9; ++row)
        QVERIFY2(icons->visualRect(icons->model()->index(row, 0)).height() >= room,
                 qPrintable(QString::number(row)));

    // A second scan finds nothing new.
    clickOn(main, QStringLiteral("CmdScanRoms"));
    QCOMPARE(m_dialogs.shown.size(), 2);
    QCOMPARE(m_dialogs.shown[1].icon, Dialogs::Icon::Information);
    QCOMPARE(m_dialogs.shown[1].text,
             QStringLiteral("No new roms: every file of the games folder is already in the Gameboy catalogue."));
    QCOMPARE(gameRows(*m_install), 9);
}

void TestScanRoms::addsNothing_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<int>("messages");
    QTest::addColumn<Dialogs::Icon>("icon");
    QTest::addColumn<QString>("text"); // what the last message says, in part
    QTest::newRow("answered Cancel") << "cancel" << 1 << Dialogs::Icon::Question << "Add 3 new roms";
    QTest::newRow("empty folder") << "empty" << 1 << Dialogs::Icon::Information << "No new roms";
    QTest::newRow("no folder") << "no folder" << 1 << Dialogs::Icon::Warning << "cannot be read";
    // The database refuses the second row: the first is not kept either.
    QTest::newRow("a row refused") << "refused" << 2 << Dialogs::Icon::Critical << "b.gb: refused here";
}

void TestScanRoms::addsNothing()
{
    QFETCH(QString, situation);
    QFETCH(int, messages);
    QFETCH(Dialogs::Icon, icon);
    QFETCH(QString, text);
    const QString dir = gamesDir(*m_install);
    if (situation == QLatin1String("no folder")) {
        QVERIFY(QDir(dir).removeRecursively());
    } else if (situation != QLatin1String("empty")) {
        for (const char *file : {"a.gb", "b.gb", "c.gb"})
            QVERIFY(writeFile(QDir(dir).filePath(QLatin1String(file))));
    }
    if (situation == QLatin1String("refused")) {
        QVERIFY(m_install->exec(gameboy, QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON giochi"
                                                        " WHEN NEW.Link = 'b.gb'"
                                                        " BEGIN SELECT RAISE(ABORT, 'refused here'); END")));
    }
    if (situation == QLatin1String("cancel"))
        m_dialogs.queueAnswers({false});
    QMainWindow *main = start();
    QVERIFY(main);
    const QStringList before = listedGames(main);

    clickOn(main, QStringLiteral("CmdScanRoms"));
    QCOMPARE(m_dialogs.shown.size(), messages);
    QCOMPARE(m_dialogs.shown.last().icon, icon);
    QVERIFY2(m_dialogs.shown.last().text.contains(text), qPrintable(m_dialogs.shown.last().text));
    QCOMPARE(gameRows(*m_install), 0);
    QCOMPARE(listedGames(main), before);
}

// A game made by "Add Rom", a file and "Save Modify" and one made by the scan differ
// only in their name and file.
// Another front-end's scan stores a rom while this one asks: it is not added a second time.
void TestScanRoms::romsStoredMeanwhileAreNotAddedTwice()
{
    for (const char *file : {"alpha.gb", "beta.gb"})
        QVERIFY(writeFile(gamesDir(*m_install) + QLatin1Char('/') + QLatin1String(file)));
    QMainWindow *window = startFrontEnd(m_install->root(), m_dialogs, m_launcher);
    QVERIFY(window);
    m_dialogs.onNextMessage([this] {
        QVERIFY(m_install->addGame(QStringLiteral("beta"), {{"Link", "beta.gb"}}));
    });
    clickOn(window, QStringLiteral("CmdScanRoms"));
    QCOMPARE(storedNames(*m_install), QStringList({"beta", "alpha"}));
    QCOMPARE(listedGames(window), QStringList({"alpha", "beta"}));
}

void TestScanRoms::storesWhatAddRomStores()
{
    QMainWindow *main = start();
    QVERIFY(main);
    QVERIFY(writeFile(QDir(gamesDir(*m_install)).filePath(QStringLiteral("by hand.gb"))));
    clickOn(main, QStringLiteral("Command9"));
    QPointer<QWidget> chooser = openChooser();
    QVERIFY(chooser);
    QVERIFY(clickFile(QStringLiteral("by hand.gb")));
    QTRY_VERIFY(!chooser);
    clickOn(main, QStringLiteral("Command8"));
    QCOMPARE(gameRows(*m_install), 1);

    QVERIFY(writeFile(QDir(gamesDir(*m_install)).filePath(QStringLiteral("scanned.gb"))));
    clickOn(main, QStringLiteral("CmdScanRoms"));
    QCOMPARE(gameRows(*m_install), 2);
    const QStringList columns = {"Anno",     "Screen",   "Times",   "Genre",  "Producer", "Rating",
                                 "Colour",   "Language", "Sound",   "Data",   "DataAdd",  "Notes",
                                 "Playable", "EmuName",  "Players", "Region", "Serial",   "Favorites"};
    for (const QString &column : columns) {
        const QVariantList values = m_install->column(
            gameboy, QStringLiteral("SELECT typeof(%1) || ':' || ifnull(%1, '') FROM giochi").arg(column));
        QCOMPARE(values.size(), 2);
        QVERIFY2(values[0] == values[1], qPrintable(column + QLatin1String(": ") + values[0].toString()
                                                    + QLatin1String(" / ") + values[1].toString()));
    }
}

// Files as a rom folder holds them beside its roms (names given as bytes: "\xff" is a
// byte that is no UTF-8): what is added, and the question or note with what was left out.
void TestScanRoms::leavesOutWhatIsNoRom_data()
{
    QTest::addColumn<QList<QByteArray>>("files");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QString>("text");
    QTest::newRow("documents, pictures, saves, lists")
        << QList<QByteArray>{"ReadMe.txt",   "manual.PDF",   "info.nfo",     "cover.png",     "Box.JPG",
                             "tetris.sav",   "tetris.srm",   "tetris.state", "tetris.state1", "tetris.state.auto",
                             "gamelist.xml", "No-Intro.dat", "Thumbs.db",    "tetris.gb",     "disc.cue",
                             "disc.iso",     "pack.zip",     "NOEXT",        "game.uae"}
        << QStringList{"disc", "disc", "game", "NOEXT", "pack", "tetris"}
        << "Add 6 new roms to the Gameboy catalogue?\n\n13 files were left out: they are documents, pictures, "
           "saves or lists of games, not roms";
    QTest::newRow("only a document")
        << QList<QByteArray>{"ReadMe.txt"} << QStringList{}
        << "No new roms for the Gameboy catalogue.\n\n1 file was left out: it is a document, a picture, a save "
           "or a list of games, not a rom";
    // Both names decode to the same text: neither is stored under it, nor one of them dropped.
    QTest::newRow("names that are no UTF-8")
        << QList<QByteArray>{"bad\xff.gb", "bad\xfe.gb", "caf\xe9.gb", "ok.gb"} << QStringList{"ok"}
        << "Add 1 new roms to the Gameboy catalogue?\n\n3 files were left out: their names are not valid UTF-8";
    QTest::newRow("one name that is no UTF-8, one document")
        << QList<QByteArray>{"x\xc0\xaf.gb", "notes.txt"} << QStringList{}
        << "No new roms for the Gameboy catalogue.\n\n1 file was left out: it is a document, a picture, a save "
           "or a list of games, not a rom\n\n1 file was left out: its name is not valid UTF-8";
}

void TestScanRoms::leavesOutWhatIsNoRom()
{
    QFETCH(QList<QByteArray>, files);
    QFETCH(QStringList, added);
    QFETCH(QString, text);
    const QByteArray dir = QFile::encodeName(gamesDir(*m_install)) + '/';
    // Names that are no UTF-8 cannot be removed through Qt's names.
    const auto removeFiles = qScopeGuard([&] {
        for (const QByteArray &file : std::as_const(files))
            ::unlink((dir + file).constData());
    });
    for (const QByteArray &file : files) {
        const int fd = ::open((dir + file).constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        QVERIFY2(fd >= 0 && ::close(fd) == 0, file.constData());
    }
    QMainWindow *main = start();
    QVERIFY(main);
    clickOn(main, QStringLiteral("CmdScanRoms"));
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].text, text);
    QStringList stored = storedNames(*m_install);
    stored.sort();
    added.sort();
    QCOMPARE(stored, added);
    for (const QVariant &link : m_install->column(gameboy, QStringLiteral("SELECT Link FROM giochi")))
        QVERIFY2(QFile::exists(gamesDir(*m_install) + QLatin1Char('/') + link.toString()),
                 qPrintable(link.toString()));
}

// The filter the person chose stays; new games (neither favourite nor playable) that it
// hides are said to be hidden, and the game shown stays shown.
void TestScanRoms::keepsTheFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Complete") << "OptAll" << true << "";
    QTest::newRow("Favourites") << "OptFavorite" << false << "Favourites";
    QTest::newRow("Playable") << "OptPlayable" << false << "Playable";
    QTest::newRow("Not Work") << "OptNotPlay" << true << "";
}

void TestScanRoms::keepsTheFilter()
{
    QFETCH(QString, filter);
    QFETCH(bool, listed);
    QFETCH(QString, caption);
    QVERIFY(m_install->addGame(QStringLiteral("Old Favourite"), {{"Favorites", 1}, {"Playable", 1}}));
    QVERIFY(writeFile(QDir(gamesDir(*m_install)).filePath(QStringLiteral("new one.gb"))));
    QMainWindow *main = start();
    QVERIFY(main);
    clickOn(main, filter);
    QVERIFY(showGame(main, QStringLiteral("Old Favourite")) || filter == QLatin1String("OptNotPlay"));

    clickOn(main, QStringLiteral("CmdScanRoms"));
    QVERIFY(child<QRadioButton>(main, qPrintable(filter))->isChecked());
    QCOMPARE(listedGames(main).contains(QStringLiteral("new one")), listed);
    QCOMPARE(m_dialogs.shown.size(), listed ? 1 : 2);
    if (listed) {
        QCOMPARE(shownText(main, QStringLiteral("LabGame")), QStringLiteral("new one"));
    } else {
        QCOMPARE(m_dialogs.shown[1].text, QStringLiteral("The new games are not listed: the filter \"") + caption
                                              + QStringLiteral("\" hides them. \"Complete\" lists them."));
        QCOMPARE(shownText(main, QStringLiteral("LabGame")), QStringLiteral("Old Favourite"));
    }
}

void TestScanRoms::thousandsShownWithTheSearch()
{
    const QDir dir(gamesDir(*m_install));
    for (int i = 1; i <= 1234; ++i)
        QVERIFY(writeFile(dir.filePath(QStringLiteral("rom %1.gb").arg(i, 4, 10, QLatin1Char('0')))));
    QMainWindow *main = start();
    QVERIFY(main);
    typeText(child(main, "TxtSearch"), QStringLiteral("rom 000"));

    clickOn(main, QStringLiteral("CmdScanRoms"));
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("Add 1,234 new roms to the Gameboy catalogue?"));
    QCOMPARE(gameRows(*m_install), 1234);
    // The whole list is read again, the search still applied.
    QVERIFY(child<QRadioButton>(main, "OptAll")->isChecked());
    QCOMPARE(shownText(main, QStringLiteral("TxtSearch")), QStringLiteral("rom 000"));
    QCOMPARE(shownText(main, QStringLiteral("LabSearchCount")), QStringLiteral("9 of 1,234"));
    QCOMPARE(panelText(main, 2), QStringLiteral("All Games : 1234  "));
    QCOMPARE(shownText(main, QStringLiteral("LabGame")), QStringLiteral("rom 0001"));
    QCOMPARE(selectedGame(main).row(), 0);

    // Scanned again, every one of them is found linked.
    clickOn(main, QStringLiteral("CmdScanRoms"));
    QCOMPARE(m_dialogs.shown.size(), 2);
    QVERIFY2(m_dialogs.shown[1].text.startsWith(QStringLiteral("No new roms")),
             qPrintable(m_dialogs.shown[1].text));
    QCOMPARE(gameRows(*m_install), 1234);
}

QTEST_MAIN(TestScanRoms)
#include "tst_scanroms.moc"
