// Play time, the command the Setting page shows and the launch log, on the real main
// window: the seconds an emulator ran go to its game's row when it ends (the recording
// launcher ends it), the command shown is what a play starts (end to end with the real
// launcher and a fake emulator script), and every play leaves its line in the log.
#include "shared/commandline.h"
#include "shared/launcher.h"
#include "shared/launchlog.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"

#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString emuPath = QStringLiteral("/opt/My Emus/gb emu");
const QString gambatte = QStringLiteral("Gambatte"), tetris = QStringLiteral("Tetris");
const QString gameboyGames = QStringLiteral("console\\gameboy\\games\\");

// Writes each argument it receives on a line of arguments.txt beside itself, whole or not at all.
const QByteArray fakeEmulator = "#!/bin/sh\n"
                                "out=\"$(dirname \"$0\")/arguments.txt\"\n"
                                "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.part\"\n"
                                "mv \"$out.part\" \"$out\"\n";

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// $XDG_STATE_HOME for one test, the one before it restored afterwards.
class StateHome {
public:
    explicit StateHome(const QString &path) : m_before(qgetenv("XDG_STATE_HOME"))
    {
        qputenv("XDG_STATE_HOME", QFile::encodeName(path));
    }
    ~StateHome() { qputenv("XDG_STATE_HOME", m_before); }

private:
    QByteArray m_before;
};

} // namespace

class TestPlayTime : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void playTimeGrowsWhenTheEmulatorEnds();
    void playsThatAddNoTime_data();
    void playsThatAddNoTime();
    void playEndingAfterAConsoleSwitchGoesToItsGame();
    void resetLeavesThePlayTime();
    void earlierDatabaseGetsTheColumn();
    void commandFollowsMarksAndEmulator();
    void commandShownIsWhatTheEmulatorReceives_data();
    void commandShownIsWhatTheEmulatorReceives();
    void launchLogHasALinePerPlay();
    void unwritableLogStopsNoPlay();
    void logKeepsTheLastThousandPlays();

private:
    bool addSet(const QString &emulator, const QString &name, const QVariant &stringa, const QVariant &scelta,
                int attivo, const QString &db = TestInstall::gameboyDb());
    bool addGame(const QString &name, const QString &emulator, const QString &db = TestInstall::gameboyDb(),
                 const QString &games = gameboyGames);
    bool show(const QString &game, Launcher &launcher);
    bool show(const QString &game) { return show(game, m_launcher); }
    void play() { clickOn(m_main, QStringLiteral("Command1")); }
    qint64 playTime(const QString &game, const QString &db = TestInstall::gameboyDb());
    QString command() const { return shownText(m_main, QStringLiteral("TxtCommand")); }

    std::unique_ptr<TestInstall> m_install;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
    QMainWindow *m_main = nullptr;
};

void TestPlayTime::init()
{
    m_install = std::make_unique<TestInstall>();
    QVERIFY2(m_install->isValid(), qPrintable(m_install->error()));
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();
}

void TestPlayTime::cleanup()
{
    closeFrontEnd();
    m_install.reset();
}

bool TestPlayTime::addSet(const QString &emulator, const QString &name, const QVariant &stringa,
                          const QVariant &scelta, int attivo, const QString &db)
{
    return m_install->exec(db,
                           QStringLiteral("INSERT INTO setting (ID_Emula, Nome, Stringa, Scelta, Attivo) "
                                          "VALUES (?, ?, ?, ?, ?)"),
                           {emulator, name, stringa, scelta, attivo});
}

// The game's row and its rom file in the console's games folder.
bool TestPlayTime::addGame(const QString &name, const QString &emulator, const QString &db, const QString &games)
{
    const QString rom = name + QStringLiteral(".gb");
    return writeFile(m_install->path(games) + rom)
           && m_install->addGame(name, {{QStringLiteral("Link"), rom}, {QStringLiteral("EmuName"), emulator}}, db);
}

bool TestPlayTime::show(const QString &game, Launcher &launcher)
{
    m_main = startFrontEnd(m_install->root(), m_dialogs, launcher);
    if (!m_main || !showGame(m_main, game))
        return false;
    m_dialogs.shown.clear();
    return true;
}

qint64 TestPlayTime::playTime(const QString &game, const QString &db)
{
    return m_install
        ->scalar(db, QStringLiteral("SELECT PlayTime FROM giochi WHERE Gioco = '") + game + QLatin1Char('\''))
        .toLongLong();
}

// The whole seconds go to the row and to the label, and the record does not look changed:
// another game is shown without the save question, and a change typed meanwhile stays
// typed (and asked about).
void TestPlayTime::playTimeGrowsWhenTheEmulatorEnds()
{
    QVERIFY(m_install->addEmulator(gambatte, emuPath, QStringLiteral("1")));
    QVERIFY(addGame(tetris, gambatte));
    QVERIFY(addGame(QStringLiteral("Zelda"), gambatte));
    QVERIFY(show(tetris));
    QCOMPARE(shownText(m_main, QStringLiteral("LabPlayTime")), QString());

    play();
    QCOMPARE(m_launcher.running.size(), 1);
    m_launcher.finish(0, 2999);
    QCOMPARE(playTime(tetris), 2);
    QCOMPARE(shownText(m_main, QStringLiteral("LabPlayTime")), QStringLiteral("Played for < 1 min"));
    QVERIFY(showGame(m_main, QStringLiteral("Zelda")));
    QVERIFY(m_dialogs.shown.isEmpty());

    QVERIFY(showGame(m_main, tetris));
    play();
    replaceText(child(m_main, "TxtGameHelp"), QStringLiteral("typed meanwhile"));
    m_launcher.finish(1, (3 * 3600 + 12 * 60) * 1000);
    QCOMPARE(playTime(tetris), 2 + 3 * 3600 + 12 * 60);
    QCOMPARE(shownText(m_main, QStringLiteral("LabPlayTime")), QStringLiteral("Played for 3 h 12 min"));
    QCOMPARE(shownText(m_main, QStringLiteral("TxtGameHelp")), QStringLiteral("typed meanwhile"));
    m_dialogs.queueSaveAnswers({Dialogs::Choice::Cancel});
    QVERIFY(showGame(m_main, QStringLiteral("Zelda")));
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("Save the changes to Tetris?"));
}

void TestPlayTime::playsThatAddNoTime_data()
{
    QTest::addColumn<bool>("starts");
    QTest::addColumn<bool>("closedFirst");
    QTest::addColumn<qint64>("milliseconds");
    QTest::newRow("the emulator could not start") << false << false << qint64(5000);
    QTest::newRow("the front-end closed while it ran") << true << true << qint64(5000);
    QTest::newRow("it ran less than a second") << true << false << qint64(999);
}

void TestPlayTime::playsThatAddNoTime()
{
    QFETCH(bool, starts);
    QFETCH(bool, closedFirst);
    QFETCH(qint64, milliseconds);
    QVERIFY(m_install->addEmulator(gambatte, emuPath, QStringLiteral("1")));
    QVERIFY(addGame(tetris, gambatte));
    QVERIFY(show(tetris));
    m_launcher.succeed = starts;
    play();
    QCOMPARE(m_launcher.started.size(), 1);
    if (closedFirst)
        closeFrontEnd();
    m_launcher.succeed = true;
    m_launcher.finish(0, milliseconds);
    QCOMPARE(playTime(tetris), 0);
}

// The play counts for the game it started, in its own console's database.
void TestPlayTime::playEndingAfterAConsoleSwitchGoesToItsGame()
{
    const QString nes = QStringLiteral("\\database\\nintendo.mdb");
    QVERIFY(m_install->addEmulator(gambatte, emuPath, QStringLiteral("1")));
    QVERIFY(addGame(tetris, gambatte));
    QVERIFY(m_install->addGame(tetris, {}, nes));
    QVERIFY(show(tetris));
    play();
    trigger(m_main, QStringLiteral("nintendo"));
    QCOMPARE(shownText(m_main, QStringLiteral("LabGame")), tetris);
    m_launcher.finish(0, 61000);
    QCOMPARE(playTime(tetris), 61);
    QCOMPARE(playTime(tetris, nes), 0);
    QCOMPARE(shownText(m_main, QStringLiteral("LabPlayTime")), QString());
}

// "Reset" sets Times to 0 and leaves the play time as it was, stored and shown.
void TestPlayTime::resetLeavesThePlayTime()
{
    const qint64 seconds = 3 * 3600 + 12 * 60 + 5;
    QVERIFY(m_install->addGame(tetris, {{QStringLiteral("Times"), 7}, {QStringLiteral("PlayTime"), seconds}}));
    QVERIFY(show(tetris));
    clickOn(m_main, QStringLiteral("Command10"));
    clickOn(m_main, QStringLiteral("Command8"));
    QCOMPARE(m_install->scalar(TestInstall::gameboyDb(), QStringLiteral("SELECT Times FROM giochi")).toInt(), 0);
    QCOMPARE(playTime(tetris), seconds);
    QCOMPARE(shownText(m_main, QStringLiteral("LabPlayTime")), QStringLiteral("Played for 3 h 12 min"));
}

// A database made before PlayTime gets it, last, when the front-end opens it, and keeps
// every row; the plays then add to it.
void TestPlayTime::earlierDatabaseGetsTheColumn()
{
    QVERIFY(m_install->addEmulator(gambatte, emuPath, QStringLiteral("1")));
    QVERIFY(addGame(tetris, gambatte));
    QVERIFY(m_install->exec(TestInstall::gameboyDb(), QStringLiteral("ALTER TABLE giochi DROP COLUMN PlayTime")));
    QVERIFY(show(tetris));
    const QVariantList columns = m_install->column(TestInstall::gameboyDb(),
                                                   QStringLiteral("SELECT name FROM pragma_table_info('giochi')"));
    QCOMPARE(columns.size(), 21);
    QCOMPARE(columns.last().toString(), QStringLiteral("PlayTime"));
    play();
    m_launcher.finish(0, 4000);
    QCOMPARE(playTime(tetris), 4);
}

// The command follows a mark, the emulator chosen (not yet stored) and the placement; when
// nothing would start it says why, and Copy has nothing to copy.
void TestPlayTime::commandFollowsMarksAndEmulator()
{
    QVERIFY(m_install->addEmulator(gambatte, emuPath, QStringLiteral("2")));
    QVERIFY(m_install->addEmulator(QStringLiteral("Idle"), QStringLiteral("/emus/idle"), QStringLiteral("0")));
    QVERIFY(addSet(gambatte, QStringLiteral("Screen"), QStringLiteral("-display"), QStringLiteral("1"), 1));
    QVERIFY(addGame(tetris, gambatte));
    QVERIFY(show(tetris));
    const QString rom = m_install->path(gameboyGames) + QStringLiteral("Tetris.gb");
    QCOMPARE(command(), QStringLiteral("'/opt/My Emus/gb emu' -display 1 ") + rom);
    clickOn(m_main, QStringLiteral("CmdCopy"));
    QCOMPARE(QGuiApplication::clipboard()->text(), command());

    clickEntry(m_main, QStringLiteral("LstSetting"), 0);
    QCOMPARE(command(), QStringLiteral("'/opt/My Emus/gb emu' ") + rom);
    play();
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(CommandLine::shellText({m_launcher.started[0].program, m_launcher.started[0].arguments}), command());

    replaceText(child(m_main, "CmbEmulatore"), QStringLiteral("Idle"));
    QCOMPARE(command(), QString());
    const auto *box = child<QLineEdit>(m_main, "TxtCommand");
    QCOMPARE(box->placeholderText(), QStringLiteral("Setting mode \"0\" starts nothing: it must be 1, 2 or 3."));
    QVERIFY(!child<QPushButton>(m_main, "CmdCopy")->isEnabled());
    replaceText(child(m_main, "CmbEmulatore"), QStringLiteral("Gone"));
    QCOMPARE(box->placeholderText(), QStringLiteral("No emulator named \"Gone\" in this console."));
}

// Tricky parameter sets: what the Setting page shows, given to a shell, runs the emulator
// with exactly the arguments the play gave it.
void TestPlayTime::commandShownIsWhatTheEmulatorReceives_data()
{
    QTest::addColumn<bool>("amiga");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("stringa");
    QTest::addColumn<QStringList>("scelta"); // "" for Null
    QTest::newRow("blanks in double quotes")
        << false << QStringLiteral("2") << QStringList{QStringLiteral("--config=\"/home/me/my dir/x.ini\"")}
        << QStringList{QString()};
    QTest::newRow("single quotes") << false << QStringLiteral("1")
                                   << QStringList{QStringLiteral("-title"), QStringLiteral("-name='x y'")}
                                   << QStringList{QStringLiteral("It's \"a\" game"), QString()};
    QTest::newRow("Amiga, placement 3")
        << true << QStringLiteral("3") << QStringList{QStringLiteral("-s"), QStringLiteral("conf='")}
        << QStringList{QStringLiteral("x"), QString()};
}

void TestPlayTime::commandShownIsWhatTheEmulatorReceives()
{
    QFETCH(bool, amiga);
    QFETCH(QString, type);
    QFETCH(QStringList, stringa);
    QFETCH(QStringList, scelta);
    const QString db = amiga ? QStringLiteral("\\database\\amiga.mdb") : TestInstall::gameboyDb();
    const QString games = amiga ? QStringLiteral("console\\amiga\\games\\") : gameboyGames;
    if (amiga)
        QVERIFY(
            m_install->exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Database = 'amiga.mdb'")));
    QTemporaryDir emulators;
    const QString emulator = emulators.filePath(QStringLiteral("My Emus/fake 'emu'.sh"));
    QVERIFY(QDir().mkpath(QFileInfo(emulator).path()) && writeFile(emulator, fakeEmulator));
    QVERIFY(QFile::setPermissions(emulator, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(m_install->addEmulator(gambatte, emulator, type, db));
    for (int i = 0; i < stringa.size(); ++i) {
        const QVariant value = scelta[i].isEmpty() ? QVariant() : QVariant(scelta[i]);
        QVERIFY(addSet(gambatte, QString::number(i), stringa[i], value, 1, db));
    }
    const QString game = QStringLiteral("Bob's Game");
    QVERIFY(addGame(game, gambatte, db, games));

    SystemLauncher launcher;
    QVERIFY(show(game, launcher));
    const QString shown = command();
    QVERIFY(!shown.isEmpty());
    const QString received = emulators.filePath(QStringLiteral("My Emus/arguments.txt"));
    play();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(received), 10000);
    const QStringList played = readLines(received);
    QVERIFY(QFile::remove(received));
    QCOMPARE(QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), shown}), 0);
    QCOMPARE(readLines(received), played);
    QVERIFY(played.join(QLatin1Char('\n')).contains(QStringLiteral("Bob's Game.gb")));
    closeFrontEnd(); // before the launcher it was started with
}

// A line when the play starts, completed when the emulator ends; a failed start has its
// line too. "Open launch log" opens it, or says there is none yet.
void TestPlayTime::launchLogHasALinePerPlay()
{
    QTemporaryDir state;
    const StateHome home(state.path());
    const QString log = state.filePath(QStringLiteral("ludora4/launches.log"));
    QVERIFY(m_install->addEmulator(gambatte, emuPath, QStringLiteral("1")));
    QVERIFY(addGame(tetris, gambatte));
    QVERIFY(show(tetris));
    clickOn(m_main, QStringLiteral("CmdOpenLog"));
    QCOMPARE(m_dialogs.shown.size(), 1);
    QVERIFY2(m_dialogs.shown[0].text.contains(QStringLiteral("no launch log yet")),
             qPrintable(m_dialogs.shown[0].text));
    QVERIFY(m_launcher.documents.isEmpty());

    play();
    QStringList fields = readLines(log).value(0).split(QLatin1Char('\t'));
    QCOMPARE(fields.size(), 5);
    QVERIFY(QDateTime::fromString(fields[0], Qt::ISODateWithMs).isValid());
    QCOMPARE(fields.mid(1),
             QStringList({QStringLiteral("Gameboy"), tetris, command(), QStringLiteral("running")}));
    m_launcher.finish(0, 2500, 3);
    fields = readLines(log).value(0).split(QLatin1Char('\t'));
    QCOMPARE(fields.last(), QStringLiteral("exit status 3, ran 2 s"));

    m_launcher.succeed = false;
    play();
    QCOMPARE(readLines(log).size(), 2);
    QCOMPARE(readLines(log).last().section(QLatin1Char('\t'), 4),
             QStringLiteral("not started: No such file or directory"));
    m_launcher.succeed = true;
    clickOn(m_main, QStringLiteral("CmdOpenLog"));
    QCOMPARE(m_launcher.documents, QStringList{log});
}

// The state folder cannot be made (a file stands in its place): the play goes on and the
// error line says why.
void TestPlayTime::unwritableLogStopsNoPlay()
{
    QTemporaryDir state;
    const QString blocker = state.filePath(QStringLiteral("file"));
    QVERIFY(writeFile(blocker));
    const StateHome home(blocker);
    QVERIFY(m_install->addEmulator(gambatte, emuPath, QStringLiteral("1")));
    QVERIFY(addGame(tetris, gambatte));
    QVERIFY(show(tetris));
    play();
    QCOMPARE(m_launcher.started.size(), 1);
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(m_install->scalar(TestInstall::gameboyDb(), QStringLiteral("SELECT Times FROM giochi")).toInt(), 1);
    QVERIFY2(errorLine(m_main).contains(QStringLiteral("launch log")), qPrintable(errorLine(m_main)));
    m_launcher.finish(0, 3000);
    QCOMPARE(playTime(tetris), 3);
}

// The oldest line goes once there are a thousand; a relative $XDG_STATE_HOME is ignored.
void TestPlayTime::logKeepsTheLastThousandPlays()
{
    QTemporaryDir state;
    const QString path = state.filePath(QStringLiteral("launches.log"));
    QStringList old;
    for (int i = 0; i < LaunchLog::keep; ++i)
        old.append(QStringLiteral("old line %1").arg(i));
    QVERIFY(writeFile(path, (old.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()));
    QString line, error;
    QVERIFY(LaunchLog(path).started({QStringLiteral("Gameboy"), tetris, QStringLiteral("/emu x")}, &line, &error));
    const QStringList lines = readLines(path);
    QCOMPARE(lines.size(), LaunchLog::keep);
    QCOMPARE(lines.first(), QStringLiteral("old line 1"));
    QCOMPARE(lines.last(), line);

    const StateHome relative(QStringLiteral("relative/state"));
    QCOMPARE(LaunchLog::defaultPath(), QDir::homePath() + QStringLiteral("/.local/state/ludora4/launches.log"));
}

QTEST_MAIN(TestPlayTime)
#include "tst_playtime.moc"
