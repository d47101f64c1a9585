// Numbers at and beyond the ends of their range: play counts that can grow no more, and
// stored window positions that lie nowhere on a screen or are no numbers at all.
#include "shared/twips.h"
#include "shared/windowplacement.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/tabpages.h"
#include "tests/support/testinstall.h"
#include "tests/support/windowcontrols.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTest>

#include <limits>

namespace {
const QString gameboy = TestInstall::gameboyDb();
const QString largest = QString::number(std::numeric_limits<qint64>::max());
} // namespace

class TestBadNumbers : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeFrontEnd(); }
    void countsStopAtTheLargest_data();
    void countsStopAtTheLargest();
    void storedPositionsOnAScreen_data();
    void storedPositionsOnAScreen();
    void placement_data();
    void placement();
    void twipsOfAnyValue_data();
    void twipsOfAnyValue();
};

// Two games stored with these counts; the first is played once.
void TestBadNumbers::countsStopAtTheLargest_data()
{
    QTest::addColumn<QString>("times"); // SQL expression
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("afterPlay");
    QTest::newRow("largest whole number") << largest << largest << largest;
    QTest::newRow("real beyond the range") << QStringLiteral("1e30") << largest << largest;
    QTest::newRow("largest less one") << QString::number(std::numeric_limits<qint64>::max() - 1) << largest
                                      << largest;
    QTest::newRow("most negative") << QString::number(std::numeric_limits<qint64>::min())
                                   << QString::number(std::numeric_limits<qint64>::min())
                                   << QString::number(std::numeric_limits<qint64>::min() + 1);
}

void TestBadNumbers::countsStopAtTheLargest()
{
    QFETCH(QString, times);
    QFETCH(QString, total);
    QFETCH(QString, afterPlay);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO giochi (Gioco, Times, Link, EmuName) VALUES "
                                                 "('Alpha', %1, 'a.gb', 'Emu'), ('Beta', %1, 'b.gb', 'Emu')")
                                      .arg(times)));
    QVERIFY(install.writeRom(QStringLiteral("a.gb")));
    QVERIFY(install.exec(
        gameboy,
        QStringLiteral("INSERT INTO emulatori (Emu_Name, Emu_Link, Emu_Type) VALUES ('Emu', '/bin/true', '1')")));
    QVERIFY(install.exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Game = 'Alpha'")));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *window = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(window);
    QCOMPARE(panelText(window, 6), QStringLiteral("Total Times Played : ") + total + QStringLiteral("  "));
    QVERIFY(showTab(window, QStringLiteral("Games")));
    clickOn(window, QStringLiteral("Command1"));
    QCOMPARE(launcher.started.size(), 1);
    QCOMPARE(install
                 .scalar(gameboy, QStringLiteral("SELECT CAST(Times AS TEXT) FROM giochi WHERE Gioco = 'Alpha'"))
                 .toString(),
             afterPlay);
}

// Positions as the master record may hold them, in twips; the window must come up
// wholly on the screen.
void TestBadNumbers::storedPositionsOnAScreen_data()
{
    QTest::addColumn<QVariant>("top");
    QTest::addColumn<QVariant>("left");
    QTest::newRow("1e9") << QVariant(1e9) << QVariant(1e9);
    QTest::newRow("1e30") << QVariant(1e30) << QVariant(-1e30);
    QTest::newRow("NaN as text") << QVariant(QStringLiteral("NaN")) << QVariant(QStringLiteral("NaN"));
    QTest::newRow("infinity as text") << QVariant(QStringLiteral("inf")) << QVariant(QStringLiteral("-inf"));
    QTest::newRow("text") << QVariant(QStringLiteral("top")) << QVariant(QStringLiteral("left"));
    QTest::newRow("just off the left") << QVariant(-300.0) << QVariant(-450.0);
}

void TestBadNumbers::storedPositionsOnAScreen()
{
    QFETCH(QVariant, top);
    QFETCH(QVariant, left);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET WinTop = ?, WinLeft = ?"),
                         {top, left}));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *window = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(window);
    // Its corner on the screen (the window is wider than the test's screen).
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY2(screen.contains(window->pos()),
             qPrintable(QStringLiteral("window at %1,%2").arg(window->x()).arg(window->y())));
}

// Two screens side by side, the left one left of and higher than the main one (negative
// coordinates).
void TestBadNumbers::placement_data()
{
    QTest::addColumn<QPoint>("wanted");
    QTest::addColumn<QPoint>("placed");
    QTest::newRow("inside: kept") << QPoint(100, 50) << QPoint(100, 50);
    QTest::newRow("on the left screen: kept") << QPoint(-1000, -20) << QPoint(-1000, -20);
    QTest::newRow("across both screens: kept") << QPoint(-300, 100) << QPoint(-300, 100);
    QTest::newRow("below the left screen") << QPoint(-1000, 2000) << QPoint(-1000, 824 - 600);
    QTest::newRow("far right") << QPoint(std::numeric_limits<int>::max(), 10) << QPoint(1920 - 800, 10);
    QTest::newRow("far left") << QPoint(std::numeric_limits<int>::min(), 100) << QPoint(-1280, 100);
    QTest::newRow("corner on the screen: kept") << QPoint(10, 1000) << QPoint(10, 1000);
    QTest::newRow("above the main screen") << QPoint(500, -20) << QPoint(500, 0);
}

void TestBadNumbers::placement()
{
    QFETCH(QPoint, wanted);
    QFETCH(QPoint, placed);
    const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(-1280, -200, 1280, 1024)};
    QCOMPARE(WindowPlacement::visiblePosition(wanted, QSize(800, 600), screens), placed);
}

void TestBadNumbers::twipsOfAnyValue_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("ordinary") << 1500.0 << 100;
    QTest::newRow("negative") << -450.0 << -30;
    QTest::newRow("beyond int") << 1e30 << std::numeric_limits<int>::max();
    QTest::newRow("beyond int, negative") << -1e30 << std::numeric_limits<int>::min();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << std::numeric_limits<int>::max();
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void TestBadNumbers::twipsOfAnyValue()
{
    QFETCH(double, twips);
    QFETCH(int, pixels);
    QCOMPARE(Twips::toPixels(twips), pixels);
}

QTEST_MAIN(TestBadNumbers)
#include "tst_badnumbers.moc"
