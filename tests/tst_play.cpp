// Playing a game and the "Setting" page on the real main window: the play count and date,
// the program and arguments handed to the launcher, every failure with its message, and
// the set marks written by clicks in LstSetting.
#include "shared/paths.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"

#include <QAbstractItemView>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

const QString emuPath = QStringLiteral("/opt/My Emus/gb emu");
const QString failedText = QStringLiteral(
    "Have you choose an emulator for this console? go to 'Plug-In' -> Emuset !!");
const QVariant null;
const QString gambatte = QStringLiteral("Gambatte"), tetris = QStringLiteral("Tetris");

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
    // The game's row, and its rom file in the games folder.
    bool game(const QString &name, const QString &emulator, const QVariant &times = null)
    {
        return writeFile(rom(name + QStringLiteral(".gb")))
               && install.exec(db,
                               QStringLiteral(
                                   "INSERT INTO giochi (Gioco, Link, EmuName, Times) VALUES (?, ?, ?, ?)"),
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
                                                       + QString(emulator).replace(QLatin1Char('\''),
                                                                                   QStringLiteral("''"))
                                                       + QStringLiteral("' ORDER BY rowid"));
        for (const QVariant &value : values)
            texts.append(value.isNull() ? QStringLiteral("Null") : value.toString());
        return texts;
    }
    // Where the front-end looks for the roms of this console.
    QString rom(const QString &file) const
    {
        const QString console = db.contains(QLatin1String("amiga")) ? QStringLiteral("amiga")
                                                                    : QStringLiteral("gameboy");
        return install.path(QStringLiteral("console\\%1\\games\\").arg(console)) + file;
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
    void init();
    void cleanup();

    void playCountsDatesAndStarts();
    void playsThatStartNothingAreNotCounted_data();
    void playsThatStartNothingAreNotCounted();
    void pathsAreFoundWhateverTheirCase_data();
    void pathsAreFoundWhateverTheirCase();
    void amigaGluesParametersToTheRom();
    void settingPageShowsTheGamesEmulatorAndMarks();
    void fillingWritesNoMark();
    void unmarkedSetLeavesTheCommandLine();
    void sameSetNameUnderTwoEmulatorsKeepsMarksApart();
    void namesWithQuotesWork();
    void refusedMarkStoreChangesNoMark();
    void unnamedNewGameIsNotPlayed();
    void marksOfAnotherProgramAreKept();
    void enterAndDoubleClickPlay_data();
    void enterAndDoubleClickPlay();

private:
    bool show(const QString &game);
    void play() { clickOn(m_main, QStringLiteral("Command1")); }
    void clickSetting(int row);
    QString shown(const char *name) const { return shownText(m_main, QLatin1String(name)); }
    // The marks LstSetting shows, top to bottom ("1" marked, "0" not).
    QStringList shownMarks() const;

    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<Console> m_console;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
    QMainWindow *m_main = nullptr;
};

void TestPlay::init()
{
    m_install = std::make_unique<TestInstall>();
    QVERIFY2(m_install->isValid(), qPrintable(m_install->error()));
    m_console = std::make_unique<Console>(Console{*m_install});
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();
}

void TestPlay::cleanup()
{
    closeFrontEnd();
    m_console.reset();
    m_install.reset();
}

// Starts the front-end and shows the game's record by clicking it in the list.
bool TestPlay::show(const QString &game)
{
    m_main = startFrontEnd(m_install->root(), m_dialogs, m_launcher);
    if (!m_main || !showGame(m_main, game))
        return false;
    m_dialogs.shown.clear();
    return true;
}

// The "Setting" page is opened by its tab, then the entry is clicked.
void TestPlay::clickSetting(int row)
{
    QTabBar *tabs = child<QTabWidget>(m_main, "TabGeneral")->tabBar();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        if (tabs->tabText(tab).remove(QLatin1Char('&')) == QLatin1String("Setting"))
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
    }
    clickEntry(m_main, QStringLiteral("LstSetting"), row);
}

QStringList TestPlay::shownMarks() const
{
    QStringList marks;
    const auto *list = child<QAbstractItemView>(m_main, "LstSetting");
    for (int row = 0; list && row < list->model()->rowCount(); ++row)
        marks.append(list->model()->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked
                         ? QStringLiteral("1")
                         : QStringLiteral("0"));
    return marks;
}

// Unsaved edits are stored with the play; the count and date follow each play.
void TestPlay::playCountsDatesAndStarts()
{
    QVERIFY(m_console->emulator(gambatte, QStringLiteral("2")));
    QVERIFY(
        m_console->set(gambatte, QStringLiteral("Screen"), QStringLiteral("-display"), QStringLiteral("1"), 1));
    QVERIFY(m_console->set(gambatte, QStringLiteral("Full"), QStringLiteral("-full"), null, 1));
    QVERIFY(m_console->set(gambatte, QStringLiteral("Sound"), QStringLiteral("-nosound"), null, 0));
    QVERIFY(m_console->game(tetris, gambatte));
    QVERIFY(show(tetris));
    QCOMPARE(shown("TxtTimes"), QString());
    replaceText(child(m_main, "TxtYear"), QStringLiteral("1989"));

    const QString day = today();
    play();
    QCOMPARE(shown("TxtTimes"), QStringLiteral("1"));
    QVERIFY(isPlayDate(shown("TxtLastPlay"), day));
    QCOMPARE(m_console->gameValue(tetris, QStringLiteral("Times")).toInt(), 1);
    QCOMPARE(m_console->gameValue(tetris, QStringLiteral("Anno")).toString(), QStringLiteral("1989"));
    QVERIFY(isPlayDate(m_console->gameValue(tetris, QStringLiteral("Data")), day));
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].program, emuPath);
    QCOMPARE(m_launcher.started[0].arguments,
             QStringList({"-display", "1", "-full", m_console->rom(QStringLiteral("Tetris.gb"))}));
    QCOMPARE(panelText(m_main, 6), QStringLiteral("Total Times Played : 1  "));

    play();
    QCOMPARE(m_console->gameValue(tetris, QStringLiteral("Times")).toInt(), 2);
    QCOMPARE(panelText(m_main, 6), QStringLiteral("Total Times Played : 2  "));
    QVERIFY(isPlayDate(m_console->gameValue(tetris, QStringLiteral("Data")), day));
    QCOMPARE(m_launcher.started.size(), 2);
}

// A play that starts nothing is not counted, but the record's edits are stored all the
// same. A failure shows the message and names its cause on the error line; a placement
// other than 1 to 3 starts nothing silently.
void TestPlay::playsThatStartNothingAreNotCounted_data()
{
    QTest::addColumn<bool>("hasEmulator");
    QTest::addColumn<QVariant>("type");
    QTest::addColumn<QString>("gameEmulator");
    QTest::addColumn<QVariant>("stringa");
    QTest::addColumn<bool>("startSucceeds");
    QTest::addColumn<QString>("errorMentions"); // empty: no failure
    QTest::addColumn<bool>("romOnDisk");

    const QVariant ok = QStringLiteral("-ok"), one = QStringLiteral("1");
    QTest::newRow("no emulators") << false << one << gambatte << ok << true << gambatte << true;
    QTest::newRow("empty type") << true << QVariant(QStringLiteral("")) << gambatte << ok << true
                                << QStringLiteral("Setting mode") << true;
    QTest::newRow("Null type") << true << null << gambatte << ok << true << QStringLiteral("Setting mode") << true;
    QTest::newRow("letters") << true << QVariant(QStringLiteral("abc")) << gambatte << ok << true
                             << QStringLiteral("abc") << true;
    QTest::newRow("no emulator of that name")
        << true << one << QStringLiteral("Other Emu") << ok << true << QStringLiteral("Other Emu") << true;
    QTest::newRow("active set with Null parameter")
        << true << one << gambatte << null << true << QStringLiteral("Joypad") << true;
    QTest::newRow("start fails") << true << one << gambatte << ok << false << emuPath << true;
    QTest::newRow("placement 0") << true << QVariant(QStringLiteral("0")) << gambatte << ok << true << QString()
                                 << true;
    QTest::newRow("placement 4") << true << QVariant(QStringLiteral("4")) << gambatte << ok << true << QString()
                                 << true;
    QTest::newRow("rom file missing") << true << one << gambatte << ok << true
                                      << QStringLiteral("The rom file Tetris.gb is not in the games folder")
                                      << false;
}

void TestPlay::playsThatStartNothingAreNotCounted()
{
    QFETCH(bool, hasEmulator);
    QFETCH(QVariant, type);
    QFETCH(QString, gameEmulator);
    QFETCH(QVariant, stringa);
    QFETCH(bool, startSucceeds);
    QFETCH(QString, errorMentions);
    QFETCH(bool, romOnDisk);

    if (hasEmulator)
        QVERIFY(m_console->emulator(gambatte, type));
    QVERIFY(m_console->set(gambatte, QStringLiteral("Joypad"), stringa, QStringLiteral("1"), 1));
    QVERIFY(m_console->game(tetris, gameEmulator, 4));
    if (!romOnDisk)
        QVERIFY(QFile::remove(m_console->rom(QStringLiteral("Tetris.gb"))));
    QVERIFY(show(tetris));
    m_launcher.succeed = startSucceeds;
    replaceText(child(m_main, "TxtYear"), QStringLiteral("1989"));

    play();
    QCOMPARE(m_console->gameValue(tetris, QStringLiteral("Times")).toInt(), 4);
    QCOMPARE(shown("TxtTimes"), QStringLiteral("4"));
    QCOMPARE(m_console->gameValue(tetris, QStringLiteral("Anno")).toString(), QStringLiteral("1989"));
    QCOMPARE(m_launcher.started.size(), startSucceeds ? 0 : 1);
    if (errorMentions.isEmpty()) {
        QVERIFY(m_dialogs.shown.isEmpty());
        return;
    }
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QCOMPARE(m_dialogs.shown[0].buttons, Dialogs::Buttons::Ok);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("ERROR!"));
    const QString error = errorLine(m_main);
    QVERIFY2(error.contains(errorMentions), qPrintable(error));
    if (!romOnDisk) { // said on its own: the emulator is not in question
        QCOMPARE(m_dialogs.shown[0].text, errorMentions);
        return;
    }
    // The usual text, then the cause on a line of its own.
    QCOMPARE(m_dialogs.shown[0].text.section(QLatin1Char('\n'), 0, 0), failedText);
    QVERIFY2(m_dialogs.shown[0].text.section(QLatin1Char('\n'), 1).contains(errorMentions),
             qPrintable(m_dialogs.shown[0].text));
    // A refused start names the launcher's cause.
    QCOMPARE(error.endsWith(QStringLiteral(": ") + m_launcher.cause), !startSucceeds);
    if (!hasEmulator || gameEmulator != QLatin1String("Gambatte")) // no other emulator's path is shown
        QCOMPARE(shown("TxtFileEmu1"), QString());
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
                              << "tetris.gb"
                              << "/EMU/Other"
                              << "tetris.gb";
}

void TestPlay::pathsAreFoundWhateverTheirCase()
{
    QFETCH(QString, storedEmulator);
    QFETCH(QString, storedRom);
    QFETCH(QString, startedEmulator);
    QFETCH(QString, startedRom);
    for (const QString &file : {QStringLiteral("/emu/fake"), QStringLiteral("/console/gameboy/games/tetris.gb")}) {
        QVERIFY(QDir().mkpath(QFileInfo(m_install->path(file)).path()));
        QVERIFY(writeFile(m_install->path(file)));
    }
    QVERIFY(m_console->emulator(QStringLiteral("Fake"), QStringLiteral("1"), m_install->root() + storedEmulator));
    QVERIFY(
        m_install->exec(m_console->db,
                        QStringLiteral("INSERT INTO giochi (Gioco, Link, EmuName) VALUES ('Tetris', ?, 'Fake')"),
                        {storedRom}));
    QVERIFY(show(tetris));

    play();
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].program, QDir::toNativeSeparators(m_install->root() + startedEmulator));
    QCOMPARE(m_launcher.started[0].arguments.last(), Paths::native(m_console->rom(startedRom)));
    QCOMPARE(m_console->gameValue(tetris, QStringLiteral("Times")).toInt(), 1);
}

void TestPlay::amigaGluesParametersToTheRom()
{
    QVERIFY(m_install->exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Database = 'amiga.mdb'")));
    m_console->db = QStringLiteral("\\database\\amiga.mdb");
    QVERIFY(m_console->emulator(QStringLiteral("WinUAE"), QStringLiteral("3")));
    QVERIFY(m_console->set(QStringLiteral("WinUAE"), QStringLiteral("A"), QStringLiteral("-A"),
                           QStringLiteral("x"), 1));
    QVERIFY(m_console->set(QStringLiteral("WinUAE"), QStringLiteral("B"), QStringLiteral("-B"), null, 1));
    QVERIFY(m_console->game(QStringLiteral("Lemmings"), QStringLiteral("WinUAE")));
    QVERIFY(show(QStringLiteral("Lemmings")));
    QCOMPARE(panelText(m_main, 1), QStringLiteral("Amiga"));

    play();
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].arguments,
             QStringList{QStringLiteral("-A-B") + m_console->rom(QStringLiteral("Lemmings.gb"))});
}

void TestPlay::settingPageShowsTheGamesEmulatorAndMarks()
{
    QVERIFY(m_console->emulator(QStringLiteral("First"), QStringLiteral("1"), QStringLiteral("/emus/first")));
    QVERIFY(m_console->emulator(gambatte, QStringLiteral("2")));
    QVERIFY(
        m_console->set(gambatte, QStringLiteral("Screen"), QStringLiteral("-display"), QStringLiteral("1"), 1));
    QVERIFY(m_console->set(gambatte, QStringLiteral("Sound"), QStringLiteral("-nosound"), null, 0));
    QVERIFY(m_console->set(QStringLiteral("First"), QStringLiteral("Other"), QStringLiteral("-o"), null, 1));
    QVERIFY(m_console->game(tetris, gambatte));
    QVERIFY(show(tetris));

    QCOMPARE(entries(m_main, QStringLiteral("LstSetting")), QStringList({"Screen", "Sound"}));
    QCOMPARE(shownMarks(), QStringList({"1", "0"}));
    QCOMPARE(shown("LabEmu"), gambatte);
    QCOMPARE(shown("TxtFileEmu1"), emuPath);
    QCOMPARE(shown("TxtSetmode"), QStringLiteral("2"));

    clickSetting(1);
    QCOMPARE(shownMarks(), QStringList({"1", "1"}));
    QCOMPARE(shown("TxtSettName"), QStringLiteral("Sound"));
    QCOMPARE(shown("TxtParameter"), QStringLiteral("-nosound"));
    QCOMPARE(m_console->marks(gambatte), QStringList({"1", "1"}));
    QCOMPARE(m_console->marks(QStringLiteral("First")), QStringList({"1"}));
}

// Marks that are not 1 (a yes/no -1, a 2) show unmarked and stay as stored until a click,
// however often the record is shown.
void TestPlay::fillingWritesNoMark()
{
    QVERIFY(m_console->emulator(gambatte, QStringLiteral("1")));
    QVERIFY(m_console->set(gambatte, QStringLiteral("Yes"), QStringLiteral("-y"), null, -1));
    QVERIFY(m_console->set(gambatte, QStringLiteral("Two"), QStringLiteral("-t"), null, 2));
    QVERIFY(m_console->set(gambatte, QStringLiteral("Unset"), QStringLiteral("-u"), null, null));
    QVERIFY(m_console->game(tetris, gambatte));
    QVERIFY(show(tetris));
    QVERIFY(showGame(m_main, tetris));

    QCOMPARE(shownMarks(), QStringList({"0", "0", "0"}));
    QCOMPARE(m_console->marks(gambatte), QStringList({"-1", "2", "Null"}));

    play();
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].arguments, QStringList{m_console->rom(QStringLiteral("Tetris.gb"))});

    clickSetting(2);
    QCOMPARE(m_console->marks(gambatte), QStringList({"-1", "2", "1"})); // only the clicked mark
}

void TestPlay::unmarkedSetLeavesTheCommandLine()
{
    QVERIFY(m_console->emulator(gambatte, QStringLiteral("1")));
    QVERIFY(
        m_console->set(gambatte, QStringLiteral("Screen"), QStringLiteral("-display"), QStringLiteral("1"), 1));
    QVERIFY(m_console->set(gambatte, QStringLiteral("Full"), QStringLiteral("-full"), null, 1));
    QVERIFY(m_console->game(tetris, gambatte));
    QVERIFY(show(tetris));

    clickSetting(0);
    QCOMPARE(shownMarks(), QStringList({"0", "1"}));
    QCOMPARE(m_console->marks(gambatte), QStringList({"0", "1"}));
    play();
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].arguments,
             QStringList({m_console->rom(QStringLiteral("Tetris.gb")), QStringLiteral("-full")}));

    clickSetting(0);
    play();
    QCOMPARE(m_launcher.started.size(), 2);
    QCOMPARE(m_launcher.started[1].arguments.mid(1), QStringList({"-display", "1", "-full"}));
}

void TestPlay::sameSetNameUnderTwoEmulatorsKeepsMarksApart()
{
    QVERIFY(m_console->emulator(gambatte, QStringLiteral("1")));
    QVERIFY(m_console->emulator(QStringLiteral("Bgb"), QStringLiteral("1")));
    QVERIFY(m_console->set(QStringLiteral("Bgb"), QStringLiteral("Video"), QStringLiteral("-b"), null, 1));
    QVERIFY(m_console->set(gambatte, QStringLiteral("Video"), QStringLiteral("-g"), null, 1));
    QVERIFY(m_console->game(tetris, gambatte));
    QVERIFY(m_console->game(QStringLiteral("Zelda"), QStringLiteral("Bgb")));
    QVERIFY(show(tetris));

    clickSetting(0);
    QCOMPARE(m_console->marks(gambatte), QStringList({"0"}));
    QCOMPARE(m_console->marks(QStringLiteral("Bgb")), QStringList({"1"}));

    QVERIFY(showGame(m_main, QStringLiteral("Zelda")));
    QCOMPARE(shownMarks(), QStringList({"1"}));
    play();
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].arguments.mid(1), QStringList{QStringLiteral("-b")});
}

void TestPlay::namesWithQuotesWork()
{
    const QString emulator = QStringLiteral("Joe's Emu");
    QVERIFY(m_console->emulator(emulator, QStringLiteral("2")));
    QVERIFY(m_console->set(emulator, QStringLiteral("Kid's mode"), QStringLiteral("-kid"), null, 0));
    QVERIFY(m_console->game(tetris, emulator));
    QVERIFY(show(tetris));
    QCOMPARE(entries(m_main, QStringLiteral("LstSetting")), QStringList{QStringLiteral("Kid's mode")});
    QCOMPARE(shown("TxtFileEmu1"), emuPath);

    clickSetting(0);
    QCOMPARE(m_console->marks(emulator), QStringList{QStringLiteral("1")});
    QCOMPARE(shown("TxtSettName"), QStringLiteral("Kid's mode"));
    play();
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].arguments.first(), QStringLiteral("-kid"));
}

// A refused store changes no mark: the list shows what is stored.
void TestPlay::refusedMarkStoreChangesNoMark()
{
    QVERIFY(m_console->emulator(gambatte, QStringLiteral("1")));
    QVERIFY(m_console->set(gambatte, QStringLiteral("Screen"), QStringLiteral("-display"), null, 1));
    QVERIFY(m_console->set(gambatte, QStringLiteral("Full"), QStringLiteral("-full"), null, 1));
    QVERIFY(
        m_install->exec(m_console->db,
                        QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON setting WHEN old.Nome = 'Screen' "
                                       "BEGIN SELECT RAISE(ABORT, 'Screen is locked'); END")));
    QVERIFY(m_console->game(tetris, gambatte));
    QVERIFY(show(tetris));

    clickSetting(0);
    QCOMPARE(m_console->marks(gambatte), QStringList({"1", "1"}));
    QCOMPARE(shownMarks(), QStringList({"1", "1"}));
    QVERIFY2(errorLine(m_main).contains(QStringLiteral("Screen is locked")), qPrintable(errorLine(m_main)));
}

// "Add Rom", then Play before a file is chosen: refused as Save refuses it, nothing stored.
void TestPlay::unnamedNewGameIsNotPlayed()
{
    QVERIFY(m_console->emulator(gambatte, QStringLiteral("1")));
    QVERIFY(m_console->game(tetris, gambatte, 4));
    QVERIFY(show(tetris));
    clickOn(m_main, QStringLiteral("Command9"));
    QVERIFY(openChooser());
    play();
    QCOMPARE(m_launcher.started.size(), 0);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Warning);
    QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("The new game has no name yet: choose its rom file first."));
    QCOMPARE(m_install->scalar(m_console->db, QStringLiteral("SELECT count(*) FROM giochi")).toInt(), 1);
}

// Another program (Emuset) marks a set while the list shows it unmarked: a click on
// another set stores that set's mark only, and the list then shows what the file holds.
void TestPlay::marksOfAnotherProgramAreKept()
{
    QVERIFY(m_console->emulator(gambatte, QStringLiteral("1")));
    QVERIFY(m_console->set(gambatte, QStringLiteral("Screen"), QStringLiteral("-s"), null, 0));
    QVERIFY(m_console->set(gambatte, QStringLiteral("Sound"), QStringLiteral("-a"), null, 0));
    QVERIFY(m_console->game(tetris, gambatte));
    QVERIFY(show(tetris));
    QVERIFY(m_install->exec(m_console->db, QStringLiteral("UPDATE setting SET Attivo = 1 WHERE Nome = 'Sound'")));
    clickSetting(0);
    QCOMPARE(m_console->marks(gambatte), QStringList({"1", "1"}));
    QCOMPARE(shownMarks(), QStringList({"1", "1"}));
    play();
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].arguments.mid(1), QStringList({"-s", "-a"})); // after the rom
}

void TestPlay::enterAndDoubleClickPlay_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Enter in the list") << "enter";
    QTest::newRow("double click") << "double";
}

// Each way starts the emulator once and counts one play, as the button does.
void TestPlay::enterAndDoubleClickPlay()
{
    QFETCH(QString, how);
    QVERIFY(m_console->emulator(gambatte, QStringLiteral("1")));
    QVERIFY(m_console->game(tetris, gambatte, 4));
    QVERIFY(show(tetris));
    if (how == QLatin1String("enter"))
        QTest::keyClick(gameView(m_main), Qt::Key_Return);
    else
        doubleClickEntry(m_main, QStringLiteral("LstGames"), 0);
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_console->gameValue(tetris, QStringLiteral("Times")).toInt(), 5);
}

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
