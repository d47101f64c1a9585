#include "install/installation.h"
#include "shared/consoles.h"
#include "tests/support/builtprograms.h"
#include "tests/support/testinstall.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMap>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QString consoleDb(const QString &file) { return QStringLiteral("\\database\\") + file; }

// Every file and directory below root with its size, modification time and content hash.
QMap<QString, QString> snapshot(const QString &root)
{
    QMap<QString, QString> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QFile file(info.filePath());
        const QByteArray hash = info.isFile() && file.open(QIODevice::ReadOnly)
                                    ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex()
                                    : QByteArray("dir");
        entries.insert(info.filePath(), QStringLiteral("%1 %2 %3")
                                            .arg(info.size())
                                            .arg(info.lastModified().toMSecsSinceEpoch())
                                            .arg(QString::fromLatin1(hash)));
    }
    return entries;
}

// The first row of a query, by position, as the programs read it.
QVariantList firstRow(const QString &file, const QString &sql)
{
    const QString connection = QStringLiteral("tst_installation");
    QVariantList values;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(file);
        QSqlQuery query(db);
        if (db.open() && query.exec(sql) && query.next()) {
            for (int i = 0; i < query.record().count(); ++i)
                values.append(query.value(i));
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return values;
}

bool readableImage(const QString &path) { return !QImageReader(path).read().isNull(); }

} // namespace

class TestInstallation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void columnPositions_data();
    void columnPositions();
    void masterConfig();
    void perConsole_data();
    void perConsole();
    void timesAndRatingDefaultToZero();
    void textCriteriaIgnoreCase_data();
    void textCriteriaIgnoreCase();
    void registryHoldsFourEmptyKeys();

    void refusesExistingInstallation_data();
    void refusesExistingInstallation();
    void createsMissingRoot();

    void sample();
    void sampleEmulatorLogsItsArguments();
    void generatedGames();
    void command();

private:
    std::unique_ptr<TestInstall> m_plain;   // read only
    std::unique_ptr<TestInstall> m_scratch; // rows are added to it
    std::unique_ptr<TestInstall> m_sample;
};

void TestInstallation::initTestCase()
{
    m_plain = std::make_unique<TestInstall>();
    m_scratch = std::make_unique<TestInstall>();
    m_sample = std::make_unique<TestInstall>(true);
    for (const TestInstall *install : {m_plain.get(), m_scratch.get(), m_sample.get()})
        QVERIFY2(install->isValid(), qPrintable(install->error()));
}

void TestInstallation::columnPositions_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("position");

    const QString games = consoleDb(QStringLiteral("gameboy.mdb"));
    const struct {
        const char *table, *column;
        int position;
    } console[] = {
        {"giochi", "Gioco", 0},       {"giochi", "Screen", 2},     {"giochi", "Times", 3},
        {"giochi", "Rating", 6},      {"giochi", "Language", 9},   {"giochi", "Playable", 14},
        {"giochi", "EmuName", 15},    {"giochi", "Favorites", 19}, {"emulatori", "Emu_Name", 0},
        {"emulatori", "Emu_Link", 1}, {"setting", "Nome", 2},      {"setting", "Stringa", 3},
        {"setting", "Scelta", 5},     {"setting", "Attivo", 6},    {"documents", "Doc_Name", 0},
    };
    for (const auto &c : console)
        QTest::addRow("%s.%s", c.table, c.column) << games << c.table << c.column << c.position;
    QTest::addRow("plugins.path") << TestInstall::registryDb() << "plugins"
                                  << "Path" << 1;
}

void TestInstallation::columnPositions()
{
    QFETCH(QString, file);
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(int, position);
    const QVariantList names =
        m_plain->column(file, QStringLiteral("SELECT name FROM pragma_table_info('%1') ORDER BY cid").arg(table));
    QVERIFY(names.size() > position);
    QCOMPARE(names.at(position).toString(), column);
}

void TestInstallation::masterConfig()
{
    QCOMPARE(m_plain->scalar(TestInstall::masterDb(), QStringLiteral("SELECT count(*) FROM config")).toInt(), 1);
    const QVariantList config = firstRow(m_plain->path(TestInstall::masterDb()),
                                         QStringLiteral("select * from config"));
    QCOMPARE(config.size(), 5);
    QCOMPARE(config.at(0).toString(), QStringLiteral("gameboy.mdb"));
    QVERIFY(!config.at(1).toString().isEmpty());
    QCOMPARE(config.at(2).toString(), QStringLiteral("gameboy.jpg"));
    QCOMPARE(config.at(3).toFloat(), 1200.0f);
    QCOMPARE(config.at(4).toFloat(), 1500.0f);
    const QVariantList languages = m_plain->column(TestInstall::masterDb(),
                                                   QStringLiteral("SELECT Language FROM langu"));
    for (const char *language : {"Italian", "French", "English", "Deutsche", "Japanese", "Spanish"})
        QVERIFY2(languages.contains(QString::fromLatin1(language)), language);
    QCOMPARE(m_plain->scalar(TestInstall::masterDb(), QStringLiteral("SELECT count(*) FROM genres")).toInt(), 12);
    QCOMPARE(m_plain->scalar(TestInstall::masterDb(), QStringLiteral("SELECT count(*) FROM publisher")).toInt(),
             12);
}

void TestInstallation::perConsole_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("gamesDir");
    QTest::addColumn<QString>("screenDir");

    QTest::newRow("gameboy") << "gameboy.mdb"
                             << "gameboy.jpg"
                             << "\\gameboy\\games\\"
                             << "\\gameboy\\screen\\";
    QTest::newRow("nintendo") << "nintendo.mdb"
                              << "nintendo2.jpg"
                              << "\\nintendo\\games\\"
                              << "\\nintendo\\screen\\";
    QTest::newRow("snes") << "snes.mdb"
                          << "snesimage.jpeg"
                          << "\\snes\\games\\"
                          << "\\snes\\screen\\";
    QTest::newRow("lynx") << "lynx.mdb"
                          << "lynx.jpg"
                          << "\\lynx\\games\\"
                          << "\\lynx\\screen\\";
    QTest::newRow("master") << "mast.mdb"
                            << "mastersys.jpg"
                            << "\\mast\\games\\"
                            << "\\mast\\screen\\";
    QTest::newRow("megadrive") << "mega.mdb"
                               << "megadrive.jpg"
                               << "\\mega\\games\\"
                               << "\\mega\\screen\\";
    QTest::newRow("gamegear") << "gamegear.mdb"
                              << "gamegear.jpg"
                              << "\\gamegear\\games\\"
                              << "\\gamegear\\screen\\";
    QTest::newRow("msx") << "msx.mdb"
                         << "msx.gif"
                         << "\\msx\\games\\"
                         << "\\msx\\screen\\";
    QTest::newRow("pcengine") << "pcengine.mdb"
                              << "pcengine.jpg"
                              << "\\pcengine\\games\\"
                              << "\\pcengine\\screen\\";
    QTest::newRow("amiga") << "amiga.mdb"
                           << "amiga.jpg"
                           << "\\amiga\\games\\"
                           << "\\amiga\\screen\\";
}

// Each console: its database under the exact lower-case name, the configuration record's
// directories at positions 6 and 7, its picture, and the directories they name.
void TestInstallation::perConsole()
{
    QFETCH(QString, file);
    QFETCH(QString, picture);
    QFETCH(QString, gamesDir);
    QFETCH(QString, screenDir);
    QVERIFY(QFileInfo(m_plain->root() + QStringLiteral("/database/") + file).isFile());
    QCOMPARE(m_plain->scalar(consoleDb(file), QStringLiteral("SELECT count(*) FROM config")).toInt(), 1);
    const QVariantList config = firstRow(m_plain->path(consoleDb(file)), QStringLiteral("select * from config"));
    QVERIFY(config.size() >= 8);
    QCOMPARE(config.at(6).toString(), gamesDir);
    QCOMPARE(config.at(7).toString(), screenDir);
    QVERIFY(QFileInfo(m_plain->path(QStringLiteral("console") + gamesDir)).isDir());
    QVERIFY(QFileInfo(m_plain->path(QStringLiteral("console") + screenDir)).isDir());
    QVERIFY(readableImage(m_plain->root() + QStringLiteral("/pack/immagini/") + picture));
    QCOMPARE(m_plain->scalar(consoleDb(file), QStringLiteral("SELECT count(*) FROM giochi")).toInt(), 0);
}

void TestInstallation::timesAndRatingDefaultToZero()
{
    const QString db = TestInstall::gameboyDb();
    QVERIFY(m_scratch->exec(db, QStringLiteral("INSERT INTO giochi (Gioco) VALUES ('New Game')")));
    QCOMPARE(m_scratch->scalar(db, QStringLiteral("SELECT Times FROM giochi WHERE Gioco = 'New Game'")),
             QVariant(0));
    QCOMPARE(m_scratch->scalar(db, QStringLiteral("SELECT Rating FROM giochi WHERE Gioco = 'New Game'")),
             QVariant(0));
}

void TestInstallation::textCriteriaIgnoreCase_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("criterion");

    const QString games = TestInstall::gameboyDb();
    QTest::newRow("game") << games << "giochi"
                          << "Gioco"
                          << "[gioco] ='abc'";
    QTest::newRow("emulator") << games << "emulatori"
                              << "Emu_Name"
                              << "[emu_name] ='abc'";
    QTest::newRow("set owner") << games << "setting"
                               << "ID_Emula"
                               << "[id_emula] = 'abc'";
    QTest::newRow("set name") << games << "setting"
                              << "Nome"
                              << "[nome] = 'abc'";
    QTest::newRow("document") << games << "documents"
                              << "Doc_Name"
                              << "[doc_name] ='abc'";
    QTest::newRow("plug-in") << TestInstall::registryDb() << "plugins"
                             << "plug"
                             << "plug = 'abc'";
}

void TestInstallation::textCriteriaIgnoreCase()
{
    QFETCH(QString, file);
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QString, criterion);
    QVERIFY(m_scratch->exec(file, QStringLiteral("INSERT INTO %1 (%2) VALUES ('ABC')").arg(table, column)));
    QCOMPARE(
        m_scratch->scalar(file, QStringLiteral("SELECT count(*) FROM %1 WHERE %2").arg(table, criterion)).toInt(),
        1);
}

void TestInstallation::registryHoldsFourEmptyKeys()
{
    const QVariantList keys = m_plain->column(TestInstall::registryDb(),
                                              QStringLiteral("SELECT plug FROM plugins ORDER BY plug"));
    QCOMPARE(keys, (QVariantList{QStringLiteral("cartload"), QStringLiteral("emuset"), QStringLiteral("snapshift"),
                                 QStringLiteral("unfoldr")}));
    QCOMPARE(m_plain
                 ->scalar(TestInstall::registryDb(),
                          QStringLiteral("SELECT count(*) FROM plugins WHERE Path IS NULL"))
                 .toInt(),
             4);
}

void TestInstallation::refusesExistingInstallation_data()
{
    QTest::addColumn<QString>("existing"); // what stands in the root before: "made", or a path
    QTest::newRow("made installation") << "made";
    QTest::newRow("database directory only") << "database/";
    QTest::newRow("database directory in capitals") << "DATABASE/";
    QTest::newRow("master database only") << "pack/ludora.mdb";
}

void TestInstallation::refusesExistingInstallation()
{
    QFETCH(QString, existing);
    QTemporaryDir dir;
    QString error;
    if (existing == QLatin1String("made")) {
        QVERIFY2(Installation::create(dir.path(), BuiltPrograms::options(), &error), qPrintable(error));
    } else if (existing.endsWith(QLatin1Char('/'))) {
        QVERIFY(QDir(dir.path()).mkpath(existing));
    } else {
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("pack")));
        QFile file(dir.filePath(existing));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a database") > 0);
    }
    const auto before = snapshot(dir.path());

    error.clear();
    QVERIFY(!Installation::create(dir.path(), BuiltPrograms::options(true, 10), &error));
    QVERIFY2(error.contains(QStringLiteral("already holds an installation")), qPrintable(error));
    QVERIFY2(error.contains(dir.path()), qPrintable(error));
    QCOMPARE(snapshot(dir.path()), before);
}

void TestInstallation::createsMissingRoot()
{
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("new/Ludora4"));
    QString error;
    QVERIFY2(Installation::create(root, BuiltPrograms::options(), &error), qPrintable(error));
    QVERIFY(QFileInfo(root + QStringLiteral("/pack/ludora.mdb")).isFile());
    QVERIFY(QFileInfo(root + QStringLiteral("/pack/I_View32")).isDir());
    QVERIFY(readableImage(root + QStringLiteral("/pack/immagini/none.gif")));
}

void TestInstallation::sample()
{
    TestInstall &install = *m_sample;
    const QString startGame =
        install.scalar(TestInstall::masterDb(), QStringLiteral("SELECT Game FROM config")).toString();
    QVERIFY(
        install.column(TestInstall::gameboyDb(), QStringLiteral("SELECT Gioco FROM giochi")).contains(startGame));
    int furtherShots = 0;
    for (const Consoles::Console &console : Consoles::toolbarOrder()) {
        const QString db = consoleDb(console.databaseFile);
        QVERIFY2(install.scalar(db, QStringLiteral("SELECT count(*) FROM giochi")).toInt() >= 24,
                 qPrintable(console.key));
        QVERIFY(install.scalar(db, QStringLiteral("SELECT count(*) FROM giochi WHERE Gioco LIKE '%''%'")).toInt()
                > 0);
        const QString screenDir = QStringLiteral("console/") + console.directory + QStringLiteral("/screen/");
        const QVariantList screens = install.column(db, QStringLiteral(
                                                            "SELECT Screen FROM giochi WHERE Screen IS NOT NULL"));
        QVERIFY(!screens.isEmpty());
        for (const QVariant &screen : screens) {
            QVERIFY2(readableImage(install.path(screenDir + screen.toString())), qPrintable(screen.toString()));
            furtherShots += QFileInfo::exists(
                install.path(screenDir + screen.toString().chopped(4) + QStringLiteral("_1.gif")));
        }
        const QVariantList links =
            install.column(db, QStringLiteral("SELECT Emu_Link FROM emulatori WHERE Emu_Name = 'DemoEmu'"));
        QCOMPARE(links.size(), 1);
        QVERIFY(QFileInfo(links.first().toString()).isExecutable());
        QCOMPARE(install.column(db, QStringLiteral("SELECT Attivo FROM setting ORDER BY Nome")),
                 (QVariantList{1, 1, 0}));
        QCOMPARE(install.scalar(db, QStringLiteral("SELECT count(*) FROM setting WHERE Scelta = ''")).toInt(), 1);
        const QVariantList docs = install.column(db, QStringLiteral("SELECT Doc_File FROM documents"));
        QCOMPARE(docs.size(), 2);
        for (const QVariant &doc : docs)
            QVERIFY(QFileInfo(doc.toString()).isFile());
    }
    QVERIFY(furtherShots > 0);
}

void TestInstallation::sampleEmulatorLogsItsArguments()
{
#ifdef Q_OS_WIN
    QSKIP("the sample emulator's log format is the Unix script's");
#endif
    const QString program =
        m_sample->scalar(TestInstall::gameboyDb(), QStringLiteral("SELECT Emu_Link FROM emulatori")).toString();
    QProcess process;
    process.start(program, {QStringLiteral("-display"), QStringLiteral("1"),
                            QStringLiteral("/roms/Kiki's Cloud Ranch.gb")});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
    QFile log(QFileInfo(program).dir().filePath(QStringLiteral("demoemu.log")));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll(), QByteArray("[-display] [1] [/roms/Kiki's Cloud Ranch.gb]\n"));
}

void TestInstallation::generatedGames()
{
    const int count = 500;
    TestInstall install(false, count);
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    const QString db = TestInstall::gameboyDb();
    QCOMPARE(install.scalar(db, QStringLiteral("SELECT count(*) FROM giochi")).toInt(), count);
    QCOMPARE(install.scalar(db, QStringLiteral("SELECT count(DISTINCT Gioco) FROM giochi")).toInt(), count);
    QStringList anyNull;
    for (const QVariant &column :
         install.column(db, QStringLiteral("SELECT name FROM pragma_table_info('giochi')")))
        anyNull.append(QStringLiteral("[%1] IS NULL OR [%1] = ''").arg(column.toString()));
    QCOMPARE(install
                 .scalar(db, QStringLiteral("SELECT count(*) FROM giochi WHERE ")
                                 + anyNull.join(QStringLiteral(" OR ")))
                 .toInt(),
             0);
    const QString startGame =
        install.scalar(TestInstall::masterDb(), QStringLiteral("SELECT Game FROM config")).toString();
    QVERIFY(install.column(db, QStringLiteral("SELECT Gioco FROM giochi")).contains(startGame));
    QCOMPARE(install
                 .scalar(consoleDb(QStringLiteral("nintendo.mdb")), QStringLiteral("SELECT count(*) FROM giochi"))
                 .toInt(),
             0);
}

// The command: usage on bad arguments, a one-line result, refusal with the error on stderr.
void TestInstallation::command()
{
    const QString program = BuiltPrograms::mkinstall();
    QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program));
    QTemporaryDir dir;
    auto run = [&](const QStringList &arguments) {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(60000);
        return std::make_tuple(process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                               QString::fromUtf8(process.readAllStandardError()));
    };
    const auto [noArgsCode, noArgsOut, noArgsErr] = run({});
    QCOMPARE(noArgsCode, 2);
    QVERIFY(noArgsErr.contains(QStringLiteral("usage:")));
    QCOMPARE(std::get<0>(run({dir.path(), QStringLiteral("--games"), QStringLiteral("0")})), 2);

    const auto [madeCode, madeOut, madeErr] = run({dir.path(), QStringLiteral("--games"), QStringLiteral("3")});
    QCOMPARE(madeCode, 0);
    QCOMPARE(madeOut.count(QLatin1Char('\n')), 1);
    const auto [againCode, againOut, againErr] = run({dir.path()});
    QVERIFY(againCode != 0);
    QVERIFY(againOut.isEmpty());
    QVERIFY2(againErr.contains(QStringLiteral("already holds an installation")), qPrintable(againErr));
}

QTEST_MAIN(TestInstallation)
#include "tst_installation.moc"
