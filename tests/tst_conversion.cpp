// The snapshot conversion's names (worked out without touching files) and its steps on
// real files: the move that never overwrites, the converter start and its failures.
#include "shared/paths.h"
#include "shared/snapshotconversion.h"
#include "tests/support/fakes.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString screenDir = QStringLiteral("/fe/console/snes/screen/");

SnapshotConversion::ExistsFunction existing(const QStringList &names)
{
    const QSet<QString> paths = [&names] {
        QSet<QString> set;
        for (const QString &name : names)
            set.insert(screenDir + name);
        return set;
    }();
    return [paths](const QString &path) { return paths.contains(path); };
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestConversion : public QObject {
    Q_OBJECT
private slots:
    void names_data();
    void names();
    void commandLine();
    void romTooShortIsRefused_data();
    void romTooShortIsRefused();

    void init();
    void copiesAndStartsTheConverter();
    void chosenFileAlreadyBearingTheNameIsNotMoved();
    void neverOverwritesWhenMoving_data();
    void neverOverwritesWhenMoving();
    void missingConverterMovesNothing();
    void converterThatCannotStartIsReported();

private:
    SnapshotConversion::Request requestFor(const QString &source,
                                           const QString &rom = QStringLiteral("pacman.zip"));
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_screenDir;
};

void TestConversion::names_data()
{
    QTest::addColumn<QString>("console");
    QTest::addColumn<QString>("rom");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("moved");
    QTest::addColumn<QString>("output");

    const QStringList none;
    QTest::newRow("first conversion") << "Console"
                                      << "pacman.zip"
                                      << "/pics/shot.bmp" << none << "pacman.bmp"
                                      << "pacman.gif";
    QTest::newRow("first and 1 present")
        << "SuperNintendo"
        << "pacman.zip"
        << "/pics/shot.bmp" << QStringList{"pacman.gif", "pacman_1.gif"} << "pacman_2.bmp"
        << "pacman_2.gif";
    QTest::newRow("first and 1 to 3 present")
        << "Console"
        << "pacman.zip"
        << "/pics/shot.png" << QStringList{"pacman.gif", "pacman_1.gif", "pacman_2.gif", "pacman_3.gif"}
        << "pacman_4.png"
        << "pacman_4.gif";
    QTest::newRow("gap is filled") << "Console"
                                   << "pacman.zip"
                                   << "/pics/shot.png" << QStringList{"pacman.gif", "pacman_1.gif", "pacman_3.gif"}
                                   << "pacman_2.png"
                                   << "pacman_2.gif";
    QTest::newRow("numbers without the first") << "Console"
                                               << "pacman.zip"
                                               << "/pics/shot.png" << QStringList{"pacman_1.gif"} << "pacman.png"
                                               << "pacman.gif";
    QTest::newRow("other files do not count")
        << "Console"
        << "pacman.zip"
        << "/pics/shot.png" << QStringList{"pacman.bmp", "pacman_1.png"} << "pacman.png"
        << "pacman.gif";
    QTest::newRow("gameboy cuts 3") << "Gameboy"
                                    << "zelda.gbc"
                                    << "/pics/a.png" << none << "zelda..png"
                                    << "zelda..gif";
    QTest::newRow("gameboy .gb") << "Gameboy"
                                 << "tetris.gb"
                                 << "/pics/a.png" << none << "tetris.png"
                                 << "tetris.gif";
    QTest::newRow("gameboy before any switch cuts 4") << "Console"
                                                      << "zelda.gbc"
                                                      << "/pics/a.png" << none << "zelda.png"
                                                      << "zelda.gif";
    QTest::newRow("other console cuts 4") << "Atari Lynx"
                                          << "zelda.smc"
                                          << "/pics/a.png" << none << "zelda.png"
                                          << "zelda.gif";
    QTest::newRow("extension is not inspected") << "Console"
                                                << "pacman.zip"
                                                << "/pics/shot.jpeg" << none << "pacmanjpeg"
                                                << "pacman.gif";
    QTest::newRow("case is kept") << "Console"
                                  << "PacMan.ZIP"
                                  << "/pics/Shot.BMP" << none << "PacMan.BMP"
                                  << "PacMan.gif";
    // Names that stay inside the screenshot directory whatever the link and the image are.
    QTest::newRow("link whose base is ..") << "Console"
                                           << "../...zip"
                                           << "/pics/shot.bmp" << none << "...bmp"
                                           << "...gif";
    QTest::newRow("base .., image name of 3") << "Console"
                                              << "...zip"
                                              << "/pics/abc" << none << "..abc"
                                              << "...gif";
    QTest::newRow("image name shorter than 4") << "Console"
                                               << "pacman.zip"
                                               << "/p/ab" << none << "pacmanab"
                                               << "pacman.gif";
    QTest::newRow("gif source: same input and output")
        << "Console"
        << "pacman.zip"
        << "/pics/shot.gif" << QStringList{"pacman.gif"} << "pacman_1.gif"
        << "pacman_1.gif";
}

void TestConversion::names()
{
    QFETCH(QString, console);
    QFETCH(QString, rom);
    QFETCH(QString, source);
    QFETCH(QStringList, present);
    QFETCH(QString, moved);
    QFETCH(QString, output);
    const SnapshotConversion::Request request{source, rom, console, screenDir, QStringLiteral("/fe")};
    SnapshotConversion::Plan plan;
    QString error;
    QVERIFY2(SnapshotConversion::prepare(request, &plan, &error, existing(present)), qPrintable(error));
    QCOMPARE(plan.copied, screenDir + moved);
    QCOMPARE(plan.output, screenDir + output);
    QCOMPARE(plan.arguments, QStringList({screenDir + moved, QStringLiteral("/c=") + screenDir + output}));
    // The screenshot field always names the first screenshot.
    QCOMPARE(plan.screenField,
             SnapshotConversion::baseName(rom, console).section(QLatin1Char('/'), -1) + QStringLiteral(".gif"));
    QVERIFY(!plan.screenField.contains(QLatin1Char('_')));
}

void TestConversion::commandLine()
{
    const SnapshotConversion::Request request{QStringLiteral("/pics/shot.bmp"), QStringLiteral("pacman.zip"),
                                              QStringLiteral("SuperNintendo"), screenDir, QStringLiteral("/fe")};
    SnapshotConversion::Plan plan;
    QString error;
    QVERIFY(SnapshotConversion::prepare(request, &plan, &error, existing({"pacman.gif", "pacman_1.gif"})));
    const QString converter = Paths::native(QStringLiteral("/fe/pack/I_View32/")
                                            + Paths::executableName(QStringLiteral("I_View32")));
    QCOMPARE(plan.program, converter);
    QCOMPARE(plan.commandLine(), converter
                                     + QStringLiteral(" /fe/console/snes/screen/pacman_2.bmp"
                                                      " /c=/fe/console/snes/screen/pacman_2.gif"));
    QCOMPARE(plan.screenField, QStringLiteral("pacman.gif"));
}

void TestConversion::romTooShortIsRefused_data()
{
    QTest::addColumn<QString>("console");
    QTest::addColumn<QString>("rom");
    QTest::addColumn<QString>("source");
    QTest::newRow("no rom") << "Console"
                            << ""
                            << "/pics/a.png";
    QTest::newRow("nothing left") << "Console"
                                  << "a.gb"
                                  << "/pics/a.png";
    QTest::newRow("shorter than the cut") << "Console"
                                          << "ab"
                                          << "/pics/a.png";
    QTest::newRow("gameboy, nothing left") << "Gameboy"
                                           << ".gb"
                                           << "/pics/a.png";
    QTest::newRow("base .. and a folder for the image") << "Console"
                                                        << "...zip"
                                                        << "/pics/";
}

void TestConversion::romTooShortIsRefused()
{
    QFETCH(QString, console);
    QFETCH(QString, rom);
    QFETCH(QString, source);
    const SnapshotConversion::Request request{source, rom, console, screenDir, QStringLiteral("/fe")};
    SnapshotConversion::Plan plan;
    QString error;
    QVERIFY(!SnapshotConversion::prepare(request, &plan, &error, existing({})));
    QVERIFY(!error.isEmpty());
    QVERIFY(plan.copied.isEmpty());
}

// ---- steps on real files ------------------------------------------------------------

void TestConversion::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_screenDir = m_root->filePath(QStringLiteral("screen")) + QLatin1Char('/');
    QVERIFY(QDir().mkpath(m_screenDir));
    QVERIFY(QDir().mkpath(m_root->filePath(QStringLiteral("pack/I_View32"))));
    QVERIFY(QDir().mkpath(m_root->filePath(QStringLiteral("pics"))));
    QVERIFY(writeFile(Paths::join(m_root->path(), SnapshotConversion::converterRelativePath()), "#!"));
}

SnapshotConversion::Request TestConversion::requestFor(const QString &source, const QString &rom)
{
    return {source, rom, QStringLiteral("Console"), m_screenDir, m_root->path()};
}

void TestConversion::copiesAndStartsTheConverter()
{
    const QString source = m_root->filePath(QStringLiteral("pics/shot.bmp"));
    QVERIFY(writeFile(source, "picture"));
    QVERIFY(writeFile(m_screenDir + QStringLiteral("PACMAN.GIF"), "gif")); // found whatever its case
    SnapshotConversion::Plan plan;
    QString error;
    QVERIFY(SnapshotConversion::prepare(requestFor(source), &plan, &error));
    RecordingLauncher launcher;
    QVERIFY2(SnapshotConversion::carryOut(plan, launcher, &error), qPrintable(error));
    QCOMPARE(readFile(source), QByteArray("picture")); // the person's file stays
    QCOMPARE(readFile(m_screenDir + QStringLiteral("pacman_1.bmp")), QByteArray("picture"));
    QCOMPARE(launcher.started.size(), 1);
    QCOMPARE(launcher.started[0].program,
             Paths::join(m_root->path(), SnapshotConversion::converterRelativePath()));
    QCOMPARE(launcher.started[0].arguments,
             QStringList({m_screenDir + QStringLiteral("pacman_1.bmp"),
                          QStringLiteral("/c=") + m_screenDir + QStringLiteral("pacman_1.gif")}));
}

void TestConversion::chosenFileAlreadyBearingTheNameIsNotMoved()
{
    const QString source = m_screenDir + QStringLiteral("pacman.png");
    QVERIFY(writeFile(source, "picture"));
    SnapshotConversion::Plan plan;
    QString error;
    QVERIFY(SnapshotConversion::prepare(requestFor(source), &plan, &error));
    QCOMPARE(plan.copied, source);
    RecordingLauncher launcher;
    QVERIFY2(SnapshotConversion::carryOut(plan, launcher, &error), qPrintable(error));
    QCOMPARE(readFile(source), QByteArray("picture"));
    QCOMPARE(launcher.started.size(), 1);
}

void TestConversion::neverOverwritesWhenMoving_data()
{
    QTest::addColumn<QString>("taken");
    QTest::newRow("same name") << "pacman.bmp";
    QTest::newRow("other letter case") << "PacMan.BMP";
}

void TestConversion::neverOverwritesWhenMoving()
{
    QFETCH(QString, taken);
    const QString source = m_root->filePath(QStringLiteral("pics/shot.bmp"));
    QVERIFY(writeFile(source, "new picture"));
    QVERIFY(writeFile(m_screenDir + taken, "left by an earlier conversion"));
    SnapshotConversion::Plan plan;
    QString error;
    QVERIFY(SnapshotConversion::prepare(requestFor(source), &plan, &error));
    RecordingLauncher launcher;
    QVERIFY(!SnapshotConversion::carryOut(plan, launcher, &error));
    QVERIFY2(error.contains(m_screenDir + taken), qPrintable(error));
    QCOMPARE(readFile(source), QByteArray("new picture"));
    QCOMPARE(readFile(m_screenDir + taken), QByteArray("left by an earlier conversion"));
    QVERIFY(launcher.started.isEmpty());
}

void TestConversion::missingConverterMovesNothing()
{
    QVERIFY(QFile::remove(Paths::join(m_root->path(), SnapshotConversion::converterRelativePath())));
    const QString source = m_root->filePath(QStringLiteral("pics/shot.bmp"));
    QVERIFY(writeFile(source, "picture"));
    SnapshotConversion::Plan plan;
    QString error;
    QVERIFY(SnapshotConversion::prepare(requestFor(source), &plan, &error));
    RecordingLauncher launcher;
    QVERIFY(!SnapshotConversion::carryOut(plan, launcher, &error));
    QVERIFY2(error.contains(QStringLiteral("I_View32")), qPrintable(error));
    QVERIFY(QFile::exists(source));
    QVERIFY(launcher.started.isEmpty());
}

void TestConversion::converterThatCannotStartIsReported()
{
    const QString source = m_root->filePath(QStringLiteral("pics/shot.bmp"));
    QVERIFY(writeFile(source, "picture"));
    SnapshotConversion::Plan plan;
    QString error;
    QVERIFY(SnapshotConversion::prepare(requestFor(source), &plan, &error));
    RecordingLauncher launcher;
    launcher.succeed = false;
    QVERIFY(!SnapshotConversion::carryOut(plan, launcher, &error));
    // The message tells where the image went.
    QVERIFY2(error.contains(m_screenDir + QStringLiteral("pacman.bmp")), qPrintable(error));
    QVERIFY(QFile::exists(m_screenDir + QStringLiteral("pacman.bmp")));
}

QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
