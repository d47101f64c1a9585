// End to end with the real launcher: a fake emulator script in a directory with blanks
// writes each argument it receives on a line of its own; the command line's argument list
// must arrive whole, blanks and all. A program that cannot run is a failed start.
#include "shared/commandline.h"
#include "shared/launcher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(CommandLine::ParameterSet)

namespace {

// Writes to a temporary name first, so the output appears complete or not at all.
const QByteArray fakeEmulator = "#!/bin/sh\n"
                                "out=\"$(dirname \"$0\")/arguments.txt\"\n"
                                "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.part\"\n"
                                "mv \"$out.part\" \"$out\"\n";

bool writeScript(const QString &path, const QByteArray &content, QFile::Permissions permissions)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly)
           && file.write(content) == content.size() && file.setPermissions(permissions);
}

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    lines.removeLast(); // after the last newline
    return lines;
}

const QFile::Permissions executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

} // namespace

class TestLauncher : public QObject {
    Q_OBJECT
private slots:
    void argumentsArriveWhole_data();
    void argumentsArriveWhole();
    void testLaunchPassesNothing();
    void failedStarts_data();
    void failedStarts();
};

void TestLauncher::argumentsArriveWhole_data()
{
    QTest::addColumn<QList<CommandLine::ParameterSet>>("sets");
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("amiga");
    QTest::addColumn<int>("argumentCount");

    const QList<CommandLine::ParameterSet> sets{{QStringLiteral("-display"), QStringLiteral("1"), 1, {}},
                                                {QStringLiteral("-full"), QVariant(), 1, {}},
                                                {QStringLiteral("-off"), QVariant(), 0, {}}};
    QTest::newRow("type 1") << sets << QStringLiteral("1") << false << 4;
    QTest::newRow("type 2") << sets << QStringLiteral("2") << false << 4;
    QTest::newRow("type 3") << sets << QStringLiteral("3") << false << 4;
    QTest::newRow("Amiga type 3, glued") << sets << QStringLiteral("3") << true << 1;
    QTest::newRow("no sets") << QList<CommandLine::ParameterSet>{} << QStringLiteral("2") << false << 1;
}

void TestLauncher::argumentsArriveWhole()
{
    QFETCH(QList<CommandLine::ParameterSet>, sets);
    QFETCH(QString, type);
    QFETCH(bool, amiga);
    QFETCH(int, argumentCount);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString emulator = root.filePath(QStringLiteral("My Emulators/fake emu.sh"));
    QVERIFY(writeScript(emulator, fakeEmulator, executable));
    const QString gamesDir = root.filePath(QStringLiteral("Game Boy/my games")) + QLatin1Char('/');

    const CommandLine::Result line = CommandLine::build(
        {emulator, type, sets, gamesDir, QStringLiteral("Super Mario Land (Wörld).gb"), amiga});
    QCOMPARE(line.outcome, CommandLine::Result::Outcome::Start);
    QCOMPARE(line.launch.arguments.size(), argumentCount);

    SystemLauncher launcher;
    QVERIFY2(launcher.start(line.launch.program, line.launch.arguments), qPrintable(launcher.lastError()));
    const QString output = root.filePath(QStringLiteral("My Emulators/arguments.txt"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(output), 10000);
    QCOMPARE(readLines(output), line.launch.arguments);
}

void TestLauncher::testLaunchPassesNothing()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString emulator = root.filePath(QStringLiteral("My Emulators/fake emu.sh"));
    QVERIFY(writeScript(emulator, fakeEmulator, executable));
    const CommandLine::Launch launch = CommandLine::testLaunch(emulator);

    SystemLauncher launcher;
    QVERIFY(launcher.start(launch.program, launch.arguments));
    const QString output = root.filePath(QStringLiteral("My Emulators/arguments.txt"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(output), 10000);
    QCOMPARE(readLines(output), QStringList());
}

void TestLauncher::failedStarts_data()
{
    QTest::addColumn<QString>("program"); // relative to a temporary directory
    QTest::addColumn<bool>("create");
    QTest::newRow("missing executable") << QStringLiteral("My Emulators/gone emu") << false;
    QTest::newRow("not executable") << QStringLiteral("My Emulators/plain file") << true;
    QTest::newRow("a directory") << QStringLiteral("My Emulators") << false;
    QTest::newRow("empty path") << QString() << false;
}

void TestLauncher::failedStarts()
{
    QFETCH(QString, program);
    QFETCH(bool, create);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("My Emulators")));
    const QString path = program.isEmpty() ? QString() : root.filePath(program);
    if (create)
        QVERIFY(writeScript(path, fakeEmulator, QFile::ReadOwner | QFile::WriteOwner));

    SystemLauncher launcher;
    QVERIFY(!launcher.start(path, {QStringLiteral("rom.gb")}));
    QVERIFY(!launcher.lastError().isEmpty());
}

QTEST_GUILESS_MAIN(TestLauncher)
#include "tst_launcher.moc"
