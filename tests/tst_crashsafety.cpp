// Crash safety: a child program stores records as "Save Modify", the play action, the
// Setting page's marks and Emuset's "Save" do, and is killed with SIGKILL at random
// moments. After every kill the console database is whole, holds every store the child
// had reported, and the store under way is there wholly or not at all.
#include "tests/support/storedriver.h"
#include "tests/support/storemodel.h"
#include "tests/support/testinstall.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

#include <random>

namespace {
constexpr int games = 6;
constexpr int sets = 40; // marks stores write this many rows at once
} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void killedAtRandomMoments_data();
    void killedAtRandomMoments();
};

void TestCrashSafety::initTestCase()
{
    QVERIFY2(QFileInfo(StoreDriver::program()).isExecutable(),
             qPrintable(StoreDriver::program() + QStringLiteral(" is not built")));
}

void TestCrashSafety::killedAtRandomMoments_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QByteArrayList>("kinds");
    QTest::addColumn<int>("runs");
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("every kind of store")
        << QStringLiteral("all") << QByteArrayList{"record", "play", "marks", "emulator", "set"} << 45
        << 20240508u;
    QTest::newRow("front-end stores") << QStringLiteral("frontend") << QByteArrayList{"record", "play", "marks"}
                                      << 15 << 7u;
    QTest::newRow("Emuset stores") << QStringLiteral("emuset") << QByteArrayList{"emulator", "set"} << 15 << 11u;
}

namespace {
void spinMicroseconds(qint64 micro)
{
    QElapsedTimer spin;
    spin.start();
    while (spin.nsecsElapsed() < micro * 1000) {
    }
}
} // namespace

// A third of the kills come after a random number of reported stores, a third after a
// random number of microseconds since the child was ready, a third a few microseconds
// after a store of a random kind started.
void TestCrashSafety::killedAtRandomMoments()
{
    QFETCH(QString, mode);
    QFETCH(QByteArrayList, kinds);
    QFETCH(int, runs);
    QFETCH(unsigned, seed);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(StoreModel::seed(install, TestInstall::gameboyDb(), games, sets));
    const QString database = install.path(QStringLiteral("database/gameboy.mdb"));
    StoreModel model(games);
    std::mt19937 random(seed);

    for (int run = 0; run < runs; ++run) {
        StoreDriver driver;
        QVERIFY(driver.start(database, mode, model.nextNumber(), 0));
        QVERIFY2(driver.waitForReady(), qPrintable(driver.diagnostics()));
        if (run % 3 == 0) {
            QVERIFY2(driver.waitForStored(int(random() % 12)), qPrintable(driver.diagnostics()));
        } else if (run % 3 == 1) {
            spinMicroseconds(qint64(random() % 20000));
        } else {
            QVERIFY2(driver.waitForStart(kinds[int(random() % kinds.size())]), qPrintable(driver.diagnostics()));
            spinMicroseconds(qint64(random() % 3000));
        }
        driver.kill();
        QVERIFY2(driver.killedBySignal(), qPrintable(driver.diagnostics()));
        model.feed(driver.lines());
        QVERIFY2(model.errors().isEmpty(), qPrintable(model.errors().join(QLatin1Char('\n'))));
        const QString fault = model.check(database);
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("run %1: ").arg(run) + fault));
    }
    qInfo("%d stores reported; killed during a store %d times (done: %d, not done: %d)", model.reported(),
          model.interruptedDone() + model.interruptedLost(), model.interruptedDone(), model.interruptedLost());
    QVERIFY(model.reported() >= runs);
}

QTEST_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
