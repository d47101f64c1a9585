// Where the front-end's installation lives: its command line, the choice between the
// executable's directory and the user's data directory, and the first start that makes
// an installation there (and never touches one that is already there).
#include "frontend/app/dataroot.h"
#include "frontend/app/startoptions.h"
#include "frontend/globale.h"
#include "shared/consoles.h"
#include "shared/datasource.h"
#include "shared/paths.h"
#include "shared/pluginregistry.h"
#include "tests/support/builtprograms.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/windowcontrols.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <pwd.h>
#include <unistd.h>

using StartOptions::Action;

namespace {

bool touch(const QString &path)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly);
}

QByteArray digest(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                                          : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(StartOptions::Action)

class TestStartRoot : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { closeFrontEnd(); }
    void options_data();
    void options();
    void choice_data();
    void choice();
    void userDataDirFollowsTheXdgRules_data();
    void userDataDirFollowsTheXdgRules();
    void firstStartMakesTheUserInstallation();
    void unusableDataDirectoryIsReported();
    void explicitRootIsNeverMade_data();
    void explicitRootIsNeverMade();

private:
    QTemporaryDir m_home;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
};

void TestStartRoot::init()
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("data"))));
    QDir(m_home.filePath(QStringLiteral("data"))).removeRecursively();
}

// HERE in an argument stands for an existing directory.
void TestStartRoot::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("withRoot");
    QTest::addColumn<bool>("checkStart");
    QTest::addColumn<QString>("text"); // a pattern the printed text matches
    QTest::newRow("nothing") << QStringList{} << Action::Start << false << false << "^$";
    QTest::newRow("root") << QStringList{"--root", "HERE"} << Action::Start << true << false << "^$";
    QTest::newRow("root=") << QStringList{"--root=HERE", "--check-start"} << Action::Start << true << true << "^$";
    QTest::newRow("help") << QStringList{"--help"} << Action::Print << false << false
                          << "^Usage: ludora4 \\[options\\]\n(.|\n)*--root <dir>(.|\n)*--version";
    QTest::newRow("-h wins over a bad root")
        << QStringList{"-h", "--root", "/no/such/dir"} << Action::Print << false << false << "^Usage:";
    QTest::newRow("version") << QStringList{"--version"} << Action::Print << false << false
                             << "^Ludora4 \\d+\\.\\d+\\.\\d+\n$";
    QTest::newRow("missing root") << QStringList{"--root", "/no/such/dir"} << Action::Fail << false << false
                                  << "^ludora4: /no/such/dir: no such directory\nTry 'ludora4 --help'";
    QTest::newRow("root is a file") << QStringList{"--root", "HERE/file"} << Action::Fail << false << false
                                    << "^ludora4: [^\n]*/file: not a directory\n";
    QTest::newRow("root without value")
        << QStringList{"--root"} << Action::Fail << false << false << "^ludora4: Missing value after '--root'";
    QTest::newRow("unknown option") << QStringList{"--sample"} << Action::Fail << false << false
                                    << "^ludora4: Unknown option 'sample'";
    QTest::newRow("stray argument") << QStringList{"HERE"} << Action::Fail << false << false
                                    << "^ludora4: unexpected argument";
}

void TestStartRoot::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(bool, withRoot);
    QFETCH(bool, checkStart);
    QFETCH(QString, text);
    QTemporaryDir here;
    QVERIFY(touch(here.filePath(QStringLiteral("file"))));
    arguments.replaceInStrings(QStringLiteral("HERE"), here.path());
    arguments.prepend(QStringLiteral("/usr/bin/ludora4"));

    const StartOptions::Result result = StartOptions::parse(arguments);
    QCOMPARE(result.action, action);
    QCOMPARE(result.root, withRoot ? here.path() : QString());
    QCOMPARE(result.checkStart, checkStart);
    QVERIFY2(QRegularExpression(text).match(result.text).hasMatch(), qPrintable(result.text));
}

// The executable's directory and an explicit root, each with or without an installation.
void TestStartRoot::choice_data()
{
    QTest::addColumn<QString>("executableHolds"); // a file below the executable's directory, or ""
    QTest::addColumn<bool>("explicitRoot");
    QTest::addColumn<QString>("chosen"); // EXE, EXPLICIT or USER
    QTest::newRow("portable") << "pack/ludora.mdb" << false << "EXE";
    QTest::newRow("portable, other case") << "PACK/Ludora.MDB" << false << "EXE";
    QTest::newRow("installed") << "" << false << "USER";
    // A portable installation that lost its master database: the start says so.
    QTest::newRow("only a database folder") << "database/gameboy.mdb" << false << "EXE";
    QTest::newRow("only a pack folder, other case") << "Pack/plugins.mdb" << false << "EXE";
    QTest::newRow("pack is a file") << "pack" << false << "USER";
    QTest::newRow("master database in the wrong place") << "ludora.mdb" << false << "USER";
    QTest::newRow("explicit wins over portable") << "pack/ludora.mdb" << true << "EXPLICIT";
    QTest::newRow("explicit wins over installed") << "" << true << "EXPLICIT";
}

// HOME and XDG_DATA_HOME as given ("-" unset); the expected folder with HOME for the
// home (an absolute one) and PW for the password database's home.
void TestStartRoot::userDataDirFollowsTheXdgRules_data()
{
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("expected");
    QTest::newRow("data home") << "/home/me"
                               << "/srv/data"
                               << "/srv/data/ludora4";
    QTest::newRow("no data home") << "/home/me"
                                  << "-"
                                  << "/home/me/.local/share/ludora4";
    QTest::newRow("empty data home") << "/home/me"
                                     << ""
                                     << "/home/me/.local/share/ludora4";
    QTest::newRow("relative data home") << "/home/me"
                                        << "data"
                                        << "/home/me/.local/share/ludora4";
    QTest::newRow("no home") << "-"
                             << "-"
                             << "PW/.local/share/ludora4";
    QTest::newRow("relative home") << "me"
                                   << "-"
                                   << "PW/.local/share/ludora4";
}

void TestStartRoot::userDataDirFollowsTheXdgRules()
{
    QFETCH(QString, home);
    QFETCH(QString, data);
    QFETCH(QString, expected);
    const QByteArray oldHome = qgetenv("HOME");
    const auto set = [](const char *name, const QString &value) {
        if (value == QLatin1String("-"))
            qunsetenv(name);
        else
            qputenv(name, QFile::encodeName(value));
    };
    set("HOME", home);
    set("XDG_DATA_HOME", data);
    const QString found = DataRoot::userDataDir();
    qputenv("HOME", oldHome);
    const passwd *entry = getpwuid(getuid());
    QVERIFY(entry);
    QCOMPARE(found, QDir::cleanPath(expected.replace(QStringLiteral("PW"), QFile::decodeName(entry->pw_dir))));
}

void TestStartRoot::choice()
{
    QFETCH(QString, executableHolds);
    QFETCH(bool, explicitRoot);
    QFETCH(QString, chosen);
    QTemporaryDir exe;
    QTemporaryDir other;
    if (!executableHolds.isEmpty())
        QVERIFY(touch(exe.filePath(executableHolds)));

    const DataRoot::Choice choice = DataRoot::choose(explicitRoot ? other.path() : QString(), exe.path());
    const QString user = m_home.filePath(QStringLiteral("data/ludora4"));
    QCOMPARE(DataRoot::userDataDir(), user);
    QCOMPARE(choice.root, chosen == QLatin1String("EXE")    ? exe.path()
                          : chosen == QLatin1String("USER") ? user
                                                            : other.path());
    QCOMPARE(choice.makeWhenMissing, chosen == QLatin1String("USER"));
}

// Installed beside the front-end: an Emuset, which the new installation's plug-in panel
// then starts.
void TestStartRoot::firstStartMakesTheUserInstallation()
{
    QTemporaryDir programs;
    const QString emuset = programs.filePath(Paths::executableName(QStringLiteral("emuset")));
    QVERIFY(touch(emuset));
    QVERIFY(QFile::setPermissions(emuset, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    DataRoot::Choice choice = DataRoot::choose({}, programs.path());
    choice.programs = BuiltPrograms::options().programs;
    QString note;
    QString error;
    QVERIFY2(DataRoot::prepare(choice, &note, &error), qPrintable(error));
    const QDir root(choice.root);
    QCOMPARE(note,
             QStringLiteral("A new empty installation was made in ") + QDir::toNativeSeparators(root.path()));
    for (const Consoles::Console &console : Consoles::toolbarOrder())
        QVERIFY2(root.exists(QStringLiteral("database/") + console.databaseFile.toLower()),
                 qPrintable(console.databaseFile));
    QVERIFY(QFileInfo(root.filePath(QStringLiteral("pack/I_View32/I_View32"))).isExecutable());
    {
        DataSource registry(QStringLiteral("check"));
        QCOMPARE(PluginRegistry::readPath(registry, root.filePath(QStringLiteral("pack/plugins.mdb")),
                                          QStringLiteral("emuset")),
                 emuset);
    }

    Globale::setStartNote(note);
    auto *main = startFrontEnd(choice.root, m_dialogs, m_launcher);
    QVERIFY(main);
    QCOMPARE(errorLine(main), note);
    QVERIFY(listedGames(main).isEmpty());
    QVERIFY(m_dialogs.shown.isEmpty());
    // The note gives way to the count it covered.
    auto *noteTimer = main->findChild<QTimer *>(QStringLiteral("NoteTimer"));
    QVERIFY(noteTimer);
    noteTimer->start(0);
    QTRY_COMPARE(panelText(main, 6), QStringLiteral("Total Times Played : 0  "));
    closeFrontEnd();

    // The next start finds it: nothing is made again, nothing is changed, no note.
    const QByteArray before = digest(root.filePath(QStringLiteral("pack/ludora.mdb")));
    QVERIFY(!before.isEmpty());
    QVERIFY(DataRoot::prepare(choice, &note, &error));
    QVERIFY(note.isEmpty());
    QCOMPARE(digest(root.filePath(QStringLiteral("pack/ludora.mdb"))), before);
    main = startFrontEnd(choice.root, m_dialogs, m_launcher);
    QVERIFY(main);
    QCOMPARE(errorLine(main), QString());
}

// The data directory cannot be made (a file stands where a directory must be): a clear
// error, nothing made.
void TestStartRoot::unusableDataDirectoryIsReported()
{
    QVERIFY(touch(m_home.filePath(QStringLiteral("data"))));
    QString note;
    QString error;
    QVERIFY(!DataRoot::prepare(DataRoot::choose({}, m_home.path()), &note, &error));
    QVERIFY2(error.startsWith(QStringLiteral("Can't make the Ludora4 installation in ")
                              + QDir::toNativeSeparators(m_home.filePath(QStringLiteral("data/ludora4")))
                              + QStringLiteral(": ")),
             qPrintable(error));
    QVERIFY(note.isEmpty());
}

// --root names a folder that is used, never made: one without anything of an installation
// is refused, naming the maker; one that lost its master database is the start's to report.
void TestStartRoot::explicitRootIsNeverMade_data()
{
    QTest::addColumn<QString>("holds"); // a file below the root, or ""
    QTest::addColumn<bool>("prepared");
    QTest::newRow("empty folder") << "" << false;
    QTest::newRow("other files") << "notes.txt" << false;
    QTest::newRow("installation") << "pack/ludora.mdb" << true;
    QTest::newRow("installation without master database") << "database/gameboy.mdb" << true;
}

void TestStartRoot::explicitRootIsNeverMade()
{
    QFETCH(QString, holds);
    QFETCH(bool, prepared);
    QTemporaryDir root;
    if (!holds.isEmpty())
        QVERIFY(touch(root.filePath(holds)));
    const QStringList before = QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QString note;
    QString error;
    QCOMPARE(DataRoot::prepare(DataRoot::choose(root.path(), m_home.path()), &note, &error), prepared);
    QCOMPARE(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QVERIFY(note.isEmpty());
    if (!prepared)
        QCOMPARE(error, QStringLiteral("There is no Ludora4 installation in ") + root.path()
                            + QStringLiteral(". Make one with: ludora4-mkinstall ") + root.path());
}

QTEST_MAIN(TestStartRoot)
#include "tst_startroot.moc"
