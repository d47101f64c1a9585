// Two programs, one file: a child storing games and set marks as the front-end does and
// a child storing emulators and sets as Emuset does work on one console database at the
// same time. Neither sees an error, and every store of both is in the file.
#include "tests/support/storedriver.h"
#include "tests/support/storemodel.h"
#include "tests/support/testinstall.h"

#include <QFileInfo>
#include <QTest>

namespace {
constexpr int games = 5;
constexpr int sets = 20;
constexpr int stores = 300; // by each program
} // namespace

class TestTwoPrograms : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void frontEndAndEmusetAtOnce();
};

void TestTwoPrograms::initTestCase()
{
    QVERIFY2(QFileInfo(StoreDriver::program()).isExecutable(),
             qPrintable(StoreDriver::program() + QStringLiteral(" is not built")));
}

void TestTwoPrograms::frontEndAndEmusetAtOnce()
{
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(StoreModel::seed(install, TestInstall::gameboyDb(), games, sets));
    const QString database = install.path(QStringLiteral("database/gameboy.mdb"));

    // Both open the file, then both start storing at the same moment.
    StoreDriver frontEnd;
    StoreDriver emuset;
    QVERIFY(frontEnd.start(database, QStringLiteral("frontend"), 1, stores, true));
    QVERIFY(emuset.start(database, QStringLiteral("emuset"), 100000, stores, true));
    QVERIFY2(frontEnd.waitForReady(), qPrintable(frontEnd.diagnostics()));
    QVERIFY2(emuset.waitForReady(), qPrintable(emuset.diagnostics()));
    frontEnd.go();
    emuset.go();
    const bool frontEndDone = frontEnd.finish();
    const bool emusetDone = emuset.finish();

    StoreModel model(games);
    model.feed(frontEnd.lines());
    model.feed(emuset.lines());
    QVERIFY2(model.errors().isEmpty(), qPrintable(model.errors().join(QLatin1Char('\n'))));
    QVERIFY2(frontEndDone, qPrintable(frontEnd.diagnostics()));
    QVERIFY2(emusetDone, qPrintable(emuset.diagnostics()));
    QCOMPARE(frontEnd.storedCount(), stores);
    QCOMPARE(emuset.storedCount(), stores);
    const QString fault = model.check(database);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(model.reported(), 2 * stores);
}

QTEST_MAIN(TestTwoPrograms)
#include "tst_twoprograms.moc"
