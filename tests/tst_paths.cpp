// Paths written with backslashes, case-insensitive probing, and the console table.
#include "shared/consoles.h"
#include "shared/paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPaths : public QObject {
    Q_OBJECT
private slots:
    void nativeCollapsesSeparators_data();
    void nativeCollapsesSeparators();
    void probeIgnoresCase();
    void probeRefusesDirectoriesAndHiddenFiles();
    void consoleOrders();
};

void TestPaths::nativeCollapsesSeparators_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("backslashes") << QStringLiteral("/fe\\pack\\ludora.mdb")
                                 << QStringLiteral("/fe/pack/ludora.mdb");
    QTest::newRow("root with separator")
        << QStringLiteral("/fe/\\database\\gameboy.mdb") << QStringLiteral("/fe/database/gameboy.mdb");
    QTest::newRow("directory keeps its end")
        << QStringLiteral("/fe\\console\\gameboy\\screen\\") << QStringLiteral("/fe/console/gameboy/screen/");
    QTest::newRow("doubled inside") << QStringLiteral("/fe//console\\\\mast")
                                    << QStringLiteral("/fe/console/mast");
}

void TestPaths::nativeCollapsesSeparators()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(Paths::native(path), QDir::toNativeSeparators(expected));
}

void TestPaths::probeIgnoresCase()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("database")));
    QFile file(dir.filePath(QStringLiteral("database/lynx.mdb")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(Paths::probe(Paths::join(dir.path(), QStringLiteral("\\database\\Lynx.mdb"))),
             QStringLiteral("lynx.mdb"));
    QCOMPARE(Paths::probe(Paths::join(dir.path(), QStringLiteral("\\DATABASE\\LYNX.MDB"))),
             QStringLiteral("lynx.mdb"));
    QCOMPARE(Paths::probe(Paths::join(dir.path() + QStringLiteral("/"), QStringLiteral("\\database\\lynx.mdb"))),
             QStringLiteral("lynx.mdb"));
    QVERIFY(Paths::probe(Paths::join(dir.path(), QStringLiteral("\\database\\Mast.mdb"))).isEmpty());
    // A file made after the directory was listed is found too.
    QFile later(dir.filePath(QStringLiteral("database/mast.mdb")));
    QVERIFY(later.open(QIODevice::WriteOnly));
    later.close();
    QCOMPARE(Paths::probe(Paths::join(dir.path(), QStringLiteral("\\database\\Mast.mdb"))),
             QStringLiteral("mast.mdb"));
}

void TestPaths::probeRefusesDirectoriesAndHiddenFiles()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("screen")));
    QFile hidden(dir.filePath(QStringLiteral(".hidden.gif")));
    QVERIFY(hidden.open(QIODevice::WriteOnly));
    hidden.close();
    QVERIFY(Paths::probe(dir.filePath(QStringLiteral("screen"))).isEmpty());
    QVERIFY(Paths::probe(dir.filePath(QStringLiteral(".hidden.gif"))).isEmpty());
    QVERIFY(Paths::probe(QString()).isEmpty());
}

void TestPaths::consoleOrders()
{
    QStringList toolbar, comparison, emuset;
    for (const auto &console : Consoles::toolbarOrder())
        toolbar << console.key;
    for (const auto *console : Consoles::comparisonOrder())
        comparison << console->key;
    for (const auto *console : Consoles::emusetOrder())
        emuset << console->emusetName;
    QCOMPARE(toolbar.join(u','),
             QStringLiteral("gameboy,nintendo,snes,lynx,master,megadrive,gamegear,msx,pcengine,amiga"));
    QCOMPARE(comparison.join(u','),
             QStringLiteral("gameboy,nintendo,snes,lynx,master,megadrive,gamegear,pcengine,msx,amiga"));
    QCOMPARE(emuset.join(u','), QStringLiteral("Gameboy,Nintendo,SuperNintendo,Atari Lynx,Sega Master System,Sega "
                                               "Megadrive,Sega GameGear,PcEngine,MSX,Commodore Amiga"));
    const auto *master = Consoles::byKey(QStringLiteral("master"));
    QVERIFY(master);
    QCOMPARE(master->databaseFile, QStringLiteral("mast.mdb"));
    QCOMPARE(master->probedPath, QStringLiteral("\\database\\Mast.mdb"));
    QCOMPARE(master->pictureFile, QStringLiteral("mastersys.jpg"));
    QCOMPARE(master->emusetFolder, QStringLiteral("console\\mast\\"));
    QCOMPARE(Consoles::byKey(QStringLiteral("msx"))->pictureFile, QStringLiteral("msx.gif"));
    QVERIFY(!Consoles::byKey(QStringLiteral("Gameboy"))); // keys compare exactly
}

QTEST_MAIN(TestPaths)
#include "tst_paths.moc"
