// Gamelists of the EmulationStation family: what each entry stores, the pictures, the round
// trip through an export, the files refused without storing anything, and the command.
#include "gamelist/consolefolders.h"
#include "gamelist/gamelistexport.h"
#include "gamelist/gamelistimport.h"
#include "shared/consoles.h"
#include "shared/datasource.h"
#include "shared/gamedates.h"
#include "tests/support/builtprograms.h"
#include "tests/support/testinstall.h"
#include "tests/support/windowcontrols.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTest>

namespace {

const QString nes = QStringLiteral("\\database\\nintendo.mdb");
const QString columns = QStringLiteral("Gioco, Link, Anno, Screen, Times, Genre, Producer, Rating, Language, "
                                       "Data, DataAdd, Notes, Playable, EmuName, Favorites, Colour, Sound");

QByteArray gamelist(const QByteArray &games)
{
    return "<?xml version=\"1.0\"?>\n<gameList>\n" + games + "\n</gameList>\n";
}

// Every game of the Nintendo catalogue, one text per row ("-" for an empty value), in
// Link order.
QStringList catalogue(TestInstall &install, const QString &select = columns)
{
    QStringList values;
    for (const QString &column : select.split(QStringLiteral(", ")))
        values.append(QStringLiteral("ifnull(") + column + QStringLiteral(", '-')"));
    QStringList rows;
    for (const QVariant &row :
         install.column(nes, QStringLiteral("SELECT ") + values.join(QStringLiteral(" || '|' || "))
                                 + QStringLiteral(" FROM giochi ORDER BY Link, rowid")))
        rows.append(row.toString());
    return rows;
}

int producers(TestInstall &install)
{
    return install.scalar(TestInstall::masterDb(), QStringLiteral("SELECT count(*) FROM publisher")).toInt();
}

QStringList filesIn(const QString &dir) { return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

bool writePicture(const QString &path, QRgb colour, const char *format = "PNG")
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    image.setPixel(3, 4, qRgb(1, 2, 3));
    return QDir().mkpath(QFileInfo(path).absolutePath()) && image.save(path, format);
}

} // namespace

class TestGamelistXml : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void storesEntries_data();
    void storesEntries();
    void picturesImportedOnce();
    void gametimeIsThePlayTime_data();
    void gametimeIsThePlayTime();
    void exportThenImportGivesTheSameCatalogue();
    void storesNothing_data();
    void storesNothing();
    void command_data();
    void command();

private:
    ConsoleFolders folders(const TestInstall &install) const;
    GamelistImport::Status import(const QString &file, bool overwrite = false, const QString &media = {});
    QString path(const QString &relative) const { return m_install->path(relative); }

    std::unique_ptr<TestInstall> m_install;
    QString m_summary;
    QString m_error;
};

void TestGamelistXml::init()
{
    m_install = std::make_unique<TestInstall>();
    QVERIFY2(m_install->isValid(), qPrintable(m_install->error()));
    QVERIFY(
        m_install->addEmulator(QStringLiteral("Alpha Emu"), QStringLiteral("alpha"), QStringLiteral("1"), nes));
    QVERIFY(m_install->addEmulator(QStringLiteral("Beta Emu"), QStringLiteral("beta"), QStringLiteral("1"), nes));
    for (const char *rom : {"Mario.nes", "zelda.nes", "Tetris.nes"})
        QVERIFY(writeFile(path(QStringLiteral("console/nintendo/games/")) + QLatin1String(rom)));
}

void TestGamelistXml::cleanup()
{
    DataSource::closeAllConnections();
    m_install.reset();
}

ConsoleFolders TestGamelistXml::folders(const TestInstall &install) const
{
    return ConsoleFolders::of(install.root(), *Consoles::byKey(QStringLiteral("nintendo")));
}

GamelistImport::Status TestGamelistXml::import(const QString &file, bool overwrite, const QString &media)
{
    const GamelistImport::Request request{folders(*m_install), file, overwrite, media, QDate(2024, 3, 5)};
    GamelistImport::Prepared prepared;
    m_error.clear();
    m_summary.clear();
    GamelistImport::Status status = GamelistImport::prepare(request, &prepared, &m_error);
    if (status != GamelistImport::Status::Done)
        return status;
    GamelistImport::Counts done;
    status = GamelistImport::store(prepared, &done, &m_error);
    m_summary = GamelistImport::summary(done);
    return status;
}

void TestGamelistXml::storesEntries_data()
{
    QTest::addColumn<QByteArray>("game");  // the <game> of the file
    QTest::addColumn<QString>("existing"); // a stored game for Mario.nes: SQL column list = values
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QStringList>("expected"); // the catalogue afterwards
    QTest::addColumn<QString>("summary");

    const QString added = GameDates::added(QDate(2024, 3, 5));
    const QString played = GameDates::lastPlay(QDate(2023, 1, 15));
    const QString earlier = GameDates::lastPlay(QDate(2021, 6, 1));
    // Gioco|Link|Anno|Screen|Times|Genre|Producer|Rating|Language|Data|DataAdd|Notes|Playable|EmuName|Favorites|Colour|Sound
    QTest::newRow("entities, a path of another machine, Scan Roms' defaults")
        << QByteArray("<game><path>/home/pi/RetroPie/roms/nes/mario.NES</path>"
                      "<name>Mario&apos;s &amp; Luigi</name></game>")
        << QString() << false
        << QStringList{QStringLiteral("Mario's & Luigi|Mario.nes|-|-|0|-|-|0|-|-|") + added
                       + QStringLiteral("|-|0|Alpha Emu|0|0|0")}
        << "1 games added, 0 updated, 0 unchanged, 0 skipped, 0 pictures made";
    QTest::newRow("every field; genre in the list's spelling")
        << QByteArray("<game><path>~/roms/Mario.nes</path><name>Mario</name><desc>Jump\nand run</desc>"
                      "<releasedate>19900412T000000</releasedate><developer>Moonbyte</developer>"
                      "<publisher>Other</publisher><genre>puzzle</genre><rating>0.5</rating>"
                      "<favorite>true</favorite><playcount>7</playcount><lastplayed>20230115T203000</lastplayed>"
                      "<lang>english</lang><region>eu</region></game>")
        << QString() << false
        << QStringList{QStringLiteral("Mario|Mario.nes|1990|-|7|Puzzle|Moonbyte|3|English|") + played
                       + QLatin1Char('|') + added + QStringLiteral("|Jump\nand run|0|Alpha Emu|1|0|0")}
        << "1 games added";
    QTest::newRow("publisher without developer; rating rounded down; region names the language")
        << QByteArray("<game><path>./Mario.nes</path><name>M</name><publisher>Brand New Co</publisher>"
                      "<rating>0.29</rating><region>Japanese</region></game>")
        << QString() << false
        << QStringList{QStringLiteral("M|Mario.nes|-|-|0|-|Brand New Co|1|Japanese|-|") + added
                       + QStringLiteral("|-|0|Alpha Emu|0|0|0")}
        << "1 games added";
    QTest::newRow("a rating beyond 1 is five stars")
        << QByteArray("<game><path>Mario.nes</path><rating>1.7</rating></game>") << QString() << false
        << QStringList{QStringLiteral("Mario|Mario.nes|-|-|0|-|-|5|-|-|") + added
                       + QStringLiteral("|-|0|Alpha Emu|0|0|0")}
        << "1 games added";
    QTest::newRow("a missing rom is skipped and counted")
        << QByteArray("<game><path>./missing.nes</path><name>Missing</name></game>") << QString() << false
        << QStringList{}
        << "0 games added, 0 updated, 0 unchanged, 1 skipped (1 without a rom in the games folder)";
    QTest::newRow("an existing game keeps its fields; empty ones are filled")
        << QByteArray("<game><path>./MARIO.nes</path><name>New name</name><desc>Notes</desc><genre>Racing</genre>"
                      "<rating>0.2</rating><playcount>3</playcount><lastplayed>20210601T000000</lastplayed>"
                      "<favorite>false</favorite></game>")
        << QStringLiteral("Gioco, Link, Genre, Times, Data, Rating, Favorites, EmuName = 'Old', 'mario.nes', "
                          "'Action', 9, '")
               + played + QStringLiteral("', 4, 1, 'Beta Emu'")
        << false
        << QStringList{QStringLiteral("Old|mario.nes|-|-|9|Action|-|4|-|") + played
                       + QStringLiteral("|-|Notes|-|Beta Emu|1|-|-")}
        << "0 games added, 1 updated, 0 unchanged";
    QTest::newRow("the larger play count and the later date win")
        << QByteArray("<game><path>./Mario.nes</path><playcount>12</playcount>"
                      "<lastplayed>20230115T000000</lastplayed></game>")
        << QStringLiteral("Gioco, Link, Times, Data = 'Old', 'Mario.nes', 2, '") + earlier + QLatin1Char('\'')
        << false
        << QStringList{QStringLiteral("Old|Mario.nes|-|-|12|-|-|0|-|") + played + QStringLiteral("|-|-|-|-|-|-|-")}
        << "1 updated";
    QTest::newRow("--overwrite: the file wins for every field it has")
        << QByteArray("<game><path>./MARIO.nes</path><name>New name</name><genre>Racing</genre>"
                      "<playcount>3</playcount><lastplayed>20210601T000000</lastplayed><favorite>false</favorite>"
                      "</game>")
        << QStringLiteral("Gioco, Link, Genre, Times, Data, Rating, Favorites, Notes = 'Old', 'mario.nes', "
                          "'Action', 9, '")
               + played + QStringLiteral("', 4, 1, 'Kept'")
        << true
        << QStringList{QStringLiteral("New name|mario.nes|-|-|3|Racing|-|4|-|") + earlier
                       + QStringLiteral("|-|Kept|-|-|0|-|-")}
        << "0 games added, 1 updated";
    QTest::newRow("nothing new: unchanged")
        << QByteArray("<game><path>./Mario.nes</path><name>Other</name><playcount>1</playcount></game>")
        << QStringLiteral("Gioco, Link, Times = 'Old', 'Mario.nes', 5") << false
        << QStringList{QStringLiteral("Old|Mario.nes|-|-|5|-|-|0|-|-|-|-|-|-|-|-|-")}
        << "0 games added, 0 updated, 1 unchanged";
}

void TestGamelistXml::storesEntries()
{
    QFETCH(QByteArray, game);
    QFETCH(QString, existing);
    QFETCH(bool, overwrite);
    QFETCH(QStringList, expected);
    QFETCH(QString, summary);
    if (!existing.isEmpty()) {
        const QStringList sides = existing.split(QStringLiteral(" = "));
        QVERIFY(m_install->exec(nes, QStringLiteral("INSERT INTO giochi (") + sides[0]
                                         + QStringLiteral(") VALUES (") + sides[1] + QLatin1Char(')')));
    }
    const int listed = producers(*m_install);
    const QString file = path(QStringLiteral("gamelist.xml"));
    QVERIFY(writeFile(file, gamelist(game)));

    QCOMPARE(import(file, overwrite), GamelistImport::Status::Done);
    QVERIFY2(m_summary.contains(summary), qPrintable(m_summary));
    QCOMPARE(catalogue(*m_install), expected);
    // A producer the list lacks joins it once, whatever its case.
    const int added = game.contains("Brand New Co") ? 1 : 0;
    QCOMPARE(producers(*m_install), listed + added);
    QVERIFY(writeFile(file, gamelist(QByteArray(game).replace("Brand New Co", "BRAND NEW CO"))));
    QCOMPARE(import(file, overwrite), GamelistImport::Status::Done);
    QCOMPARE(producers(*m_install), listed + added);
    QCOMPARE(catalogue(*m_install), expected);
}

// <gametime> goes to PlayTime like <playcount> to Times: the larger one wins unless the
// file is to overwrite; a database made before PlayTime gets the column.
void TestGamelistXml::gametimeIsThePlayTime_data()
{
    QTest::addColumn<QString>("stored"); // empty: a database without PlayTime
    QTest::addColumn<QByteArray>("gametime");
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QString>("expected");
    QTest::newRow("the larger file value wins")
        << QStringLiteral("100") << QByteArray("500") << false << QStringLiteral("500");
    QTest::newRow("a smaller one does not")
        << QStringLiteral("100") << QByteArray("50") << false << QStringLiteral("100");
    QTest::newRow("--overwrite") << QStringLiteral("100") << QByteArray("50") << true << QStringLiteral("50");
    QTest::newRow("not a count") << QStringLiteral("100") << QByteArray("1:02") << true << QStringLiteral("100");
    QTest::newRow("a database without the column")
        << QString() << QByteArray("42") << false << QStringLiteral("42");
}

void TestGamelistXml::gametimeIsThePlayTime()
{
    QFETCH(QString, stored);
    QFETCH(QByteArray, gametime);
    QFETCH(bool, overwrite);
    QFETCH(QString, expected);
    if (stored.isEmpty())
        QVERIFY(m_install->exec(nes, QStringLiteral("ALTER TABLE giochi DROP COLUMN PlayTime")));
    QVERIFY(
        m_install->addGame(QStringLiteral("Mario"), {{QStringLiteral("Link"), QStringLiteral("Mario.nes")}}, nes));
    if (!stored.isEmpty())
        QVERIFY(m_install->exec(nes, QStringLiteral("UPDATE giochi SET PlayTime = ") + stored));
    const QString file = path(QStringLiteral("gamelist.xml"));
    QVERIFY(
        writeFile(file, gamelist("<game><path>./Mario.nes</path><gametime>" + gametime + "</gametime></game>")));
    QCOMPARE(import(file, overwrite), GamelistImport::Status::Done);
    QCOMPARE(catalogue(*m_install, QStringLiteral("PlayTime")), QStringList{expected});
}

void TestGamelistXml::picturesImportedOnce()
{
    const QString scraped = path(QStringLiteral("scraped"));
    const QString screen = path(QStringLiteral("console/nintendo/screen"));
    QVERIFY(writePicture(scraped + QStringLiteral("/media/images/mario.png"), qRgb(200, 0, 0)));
    QVERIFY(QDir().mkpath(scraped + QStringLiteral("/media/marquees")));
    QVERIFY(writeFile(scraped + QStringLiteral("/media/marquees/mario.png"), "not a picture"));
    QVERIFY(writePicture(scraped + QStringLiteral("/esde/screenshots/Mario.jpg"), qRgb(0, 0, 200), "JPG"));
    QVERIFY(writePicture(scraped + QStringLiteral("/esde/covers/mario.png"), qRgb(200, 0, 0))); // as <image>
    // A screenshot of another picture already has the first name.
    QVERIFY(writeFile(screen + QStringLiteral("/Mario.gif"), "GIF89a another picture"));
    const QString file = scraped + QStringLiteral("/gamelist.xml");
    QVERIFY(writeFile(file, gamelist("<game><path>./Mario.nes</path><image>./media/images/mario.png</image>"
                                     "<thumbnail>"
                                     + scraped.toUtf8()
                                     + "/media/images/mario.png</thumbnail>"
                                       "<marquee>media/marquees/mario.png</marquee>"
                                       "<screenshot>~/no/such/picture.png</screenshot></game>")));
    const QStringList scrapedFiles = filesIn(scraped + QStringLiteral("/media/images"));
    const QByteArray original = [&] {
        QFile picture(scraped + QStringLiteral("/media/images/mario.png"));
        return picture.open(QIODevice::ReadOnly) ? picture.readAll() : QByteArray();
    }();

    QCOMPARE(import(file, false, scraped + QStringLiteral("/esde")), GamelistImport::Status::Done);
    QVERIFY2(m_summary.endsWith(QStringLiteral("2 pictures made (1 already imported, 2 unreadable)")),
             qPrintable(m_summary));
    QCOMPARE(filesIn(screen), (QStringList{QStringLiteral("Mario.gif"), QStringLiteral("Mario_1.gif"),
                                           QStringLiteral("Mario_2.gif")}));
    QCOMPARE(QDir(screen).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    QVERIFY(qRed(QImage(screen + QStringLiteral("/Mario_1.gif")).pixel(10, 10)) > 180); // <image>, red
    QCOMPARE(QImage(screen + QStringLiteral("/Mario_2.gif")).size(), QSize(64, 48));
    QCOMPARE(catalogue(*m_install, QStringLiteral("Link, Screen")),
             QStringList{QStringLiteral("Mario.nes|Mario.gif")});
    // The person's files stay as they were.
    QCOMPARE(filesIn(scraped + QStringLiteral("/media/images")), scrapedFiles);
    QFile picture(scraped + QStringLiteral("/media/images/mario.png"));
    QVERIFY(picture.open(QIODevice::ReadOnly));
    QCOMPARE(picture.readAll(), original);

    QCOMPARE(import(file, false, scraped + QStringLiteral("/esde")), GamelistImport::Status::Done);
    QVERIFY2(m_summary.startsWith(QStringLiteral("0 games added, 0 updated, 1 unchanged")), qPrintable(m_summary));
    QVERIFY2(m_summary.endsWith(QStringLiteral("0 pictures made (3 already imported, 2 unreadable)")),
             qPrintable(m_summary));
    QCOMPARE(filesIn(screen).size(), 3);
}

void TestGamelistXml::exportThenImportGivesTheSameCatalogue()
{
    const QString source = path(QStringLiteral("scraped/gamelist.xml"));
    QVERIFY(writePicture(path(QStringLiteral("scraped/mario.png")), qRgb(10, 200, 30)));
    QVERIFY(writeFile(
        source,
        gamelist("<game><path>./Mario.nes</path><name>Mario &amp; &lt;Luigi&gt;</name><desc>Two\nlines &amp; "
                 "more</desc>"
                 "<releasedate>19850913T000000</releasedate><developer>Moonbyte</developer><genre>Platform</genre>"
                 "<rating>0.8</rating><favorite>true</favorite><playcount>4</playcount>"
                 "<lastplayed>20230115T203000</lastplayed><gametime>3725</gametime><lang>French</lang>"
                 "<image>mario.png</image></game>"
                 "<game><path>./zelda.nes</path><name>Link&apos;s \"Quest\"</name><publisher>Fresh "
                 "Co</publisher></game>"
                 "<game><path>./Tetris.nes</path></game>")));
    QCOMPARE(import(source), GamelistImport::Status::Done);
    QVERIFY(m_install->addGame(QStringLiteral("No rom"), {}, nes));
    // A control character XML cannot hold is left out, not a failed export.
    QVERIFY(m_install->exec(nes, QStringLiteral("UPDATE giochi SET Notes = 'odd' || char(1) || 'notes' "
                                                "WHERE Link = 'Tetris.nes'")));

    const QString exported = path(QStringLiteral("out/gamelist.xml"));
    QVERIFY(QDir().mkpath(path(QStringLiteral("out"))));
    GamelistExport::Counts counts;
    QString error;
    QVERIFY2(GamelistExport::run({folders(*m_install), exported, path(QStringLiteral("out/media"))}, &counts,
                                 &error),
             qPrintable(error));
    QCOMPARE(GamelistExport::summary(counts, true),
             QStringLiteral("3 games written (1 without a rom file left out), 1 pictures copied"));
    QVERIFY(QFileInfo::exists(path(QStringLiteral("out/media/screenshots/Mario.gif"))));
    const QString withPlayTime = columns + QStringLiteral(", PlayTime");
    QStringList before = catalogue(*m_install, withPlayTime);
    before.removeFirst(); // the game without a rom
    before.replaceInStrings(QString(QChar(1)), QString());
    QVERIFY2(before.first().endsWith(QStringLiteral("|3725")), qPrintable(before.first()));

    // Another installation with the same roms and emulators.
    DataSource::closeAllConnections();
    std::unique_ptr<TestInstall> first = std::move(m_install);
    init();
    QCOMPARE(import(exported), GamelistImport::Status::Done);
    QCOMPARE(m_summary, QStringLiteral("3 games added, 0 updated, 0 unchanged, 0 skipped, 1 pictures made"));
    QCOMPARE(catalogue(*m_install, withPlayTime), before);
    const QImage copied(path(QStringLiteral("console/nintendo/screen/Mario.gif")));
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
             QImage(first->path(QStringLiteral("console/nintendo/screen/Mario.gif")))
                 .convertToFormat(QImage::Format_RGB32));

    // A second import changes nothing.
    const QStringList screens = filesIn(path(QStringLiteral("console/nintendo/screen")));
    QCOMPARE(import(exported), GamelistImport::Status::Done);
    QCOMPARE(m_summary,
             QStringLiteral(
                 "0 games added, 0 updated, 3 unchanged, 0 skipped, 0 pictures made (1 already imported)"));
    QCOMPARE(catalogue(*m_install, withPlayTime), before);
    QCOMPARE(filesIn(path(QStringLiteral("console/nintendo/screen"))), screens);
    DataSource::closeAllConnections();
    first.reset();
}

void TestGamelistXml::storesNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message"); // begins the message, after the file's name
    const QByteArray good = "<game><path>./Mario.nes</path><name>Kept out</name><publisher>New Co</publisher>"
                            "<image>mario.png</image></game>\n";
    QTest::newRow("not well-formed")
        << gamelist(good + "<game><path>./zelda.nes</name></game>")
        << ", line 4, column 30: Opening and ending tag mismatch. Nothing was imported.";
    QTest::newRow("an undeclared entity") << gamelist(good + "<game><name>&nbsp;</name></game>")
                                          << ", line 4, column 18: Entity 'nbsp' not declared";
    QTest::newRow("not a gameList") << QByteArray("<?xml version=\"1.0\"?>\n<gamelist>" + good + "</gamelist>")
                                    << ", line 2, column 10: the file is a <gamelist>, not a <gameList>";
    QByteArray laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE gameList [\n<!ENTITY lol \"lol\">\n";
    for (int level = 1; level <= 9; ++level) {
        laughs += "<!ENTITY lol" + QByteArray::number(level) + " \"";
        for (int i = 0; i < 10; ++i)
            laughs += "&lol" + (level > 1 ? QByteArray::number(level - 1) : QByteArray()) + ';';
        laughs += "\">\n";
    }
    laughs += "]>\n<gameList>" + good + "<game><path>./zelda.nes</path><name>&lol9;</name></game></gameList>\n";
    QTest::newRow("a billion laughs") << laughs
                                      << ", line 13, column 2: the DOCTYPE declares entities or other content";
    QTest::newRow("an outside entity") << QByteArray(
        "<?xml version=\"1.0\"?>\n<!DOCTYPE gameList [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n"
        "<gameList>"
        + good + "<game><name>&x;</name></game></gameList>")
                                       << ", line 2, column 61: the DOCTYPE declares entities or other content";
    QTest::newRow("the database refuses a row")
        << gamelist(good + "<game><path>./zelda.nes</path></game>") << "zelda.nes: refused here";
}

void TestGamelistXml::storesNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QVERIFY(m_install->exec(nes, QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON giochi WHEN NEW.Link = "
                                                "'zelda.nes' BEGIN SELECT RAISE(ABORT, 'refused here'); END")));
    QVERIFY(writePicture(path(QStringLiteral("mario.png")), qRgb(1, 100, 1)));
    const QString file = path(QStringLiteral("gamelist.xml"));
    QVERIFY(writeFile(file, content));
    const int listed = producers(*m_install);

    QVERIFY(import(file) != GamelistImport::Status::Done);
    const QString expected = message.startsWith(QLatin1Char(',')) ? QDir::toNativeSeparators(file) + message
                                                                  : message;
    QVERIFY2(m_error.startsWith(expected) || m_error == expected, qPrintable(m_error));
    QCOMPARE(catalogue(*m_install), QStringList());
    QCOMPARE(producers(*m_install), listed);
    QCOMPARE(QDir(path(QStringLiteral("console/nintendo/screen")))
                 .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList());
}

void TestGamelistXml::command_data()
{
    QTest::addColumn<QStringList>("arguments"); // {root} and {file} stand for the installation and the gamelist
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output"); // the last line, stdout for 0, else stderr (its start)
    QTest::addColumn<int>("games");      // in the Gameboy catalogue afterwards
    const QString import = QStringLiteral("import");
    QTest::newRow("import by the system name")
        << QStringList{import, QStringLiteral("--root"), QStringLiteral("{root}"), QStringLiteral("gb"),
                       QStringLiteral("{file}")}
        << 0
        << "1 games added, 0 updated, 0 unchanged, 1 skipped (1 without a rom in the games folder), 0 pictures "
           "made"
        << 1;
    QTest::newRow("dry run") << QStringList{import,
                                            QStringLiteral("--dry-run"),
                                            QStringLiteral("--root"),
                                            QStringLiteral("{root}"),
                                            QStringLiteral("gameboy"),
                                            QStringLiteral("{file}")}
                             << 0 << "Dry run, nothing stored: 1 games to add, 0 to update" << 0;
    QTest::newRow("export") << QStringList{QStringLiteral("export"), QStringLiteral("--root"),
                                           QStringLiteral("{root}"), QStringLiteral("snes"),
                                           QStringLiteral("{root}/out.xml")}
                            << 0 << "0 games written" << 0;
    QTest::newRow("unknown console") << QStringList{import, QStringLiteral("--root"), QStringLiteral("{root}"),
                                                    QStringLiteral("n64"), QStringLiteral("{file}")}
                                     << 2 << "ludora4-gamelist: unknown console 'n64'" << 0;
    QTest::newRow("--dry-run with export")
        << QStringList{QStringLiteral("export"), QStringLiteral("--dry-run"), QStringLiteral("gb"),
                       QStringLiteral("{file}")}
        << 2 << "ludora4-gamelist: --overwrite and --dry-run are options of import" << 0;
    QTest::newRow("no FILE") << QStringList{import, QStringLiteral("gb")} << 2
                             << "ludora4-gamelist: expected import or export" << 0;
    QTest::newRow("--root not a directory")
        << QStringList{import, QStringLiteral("--root"), QStringLiteral("{root}/none"), QStringLiteral("gb"),
                       QStringLiteral("{file}")}
        << 2 << "ludora4-gamelist: {root}/none: no such directory" << 0;
    QTest::newRow("no installation") << QStringList{import, QStringLiteral("--root"),
                                                    QStringLiteral("{root}/console"), QStringLiteral("gb"),
                                                    QStringLiteral("{file}")}
                                     << 1 << "ludora4-gamelist: {root}/console holds no Ludora4 installation" << 0;
    QTest::newRow("no such file") << QStringList{import, QStringLiteral("--root"), QStringLiteral("{root}"),
                                                 QStringLiteral("gb"), QStringLiteral("{root}/none.xml")}
                                  << 1 << "ludora4-gamelist: {root}/none.xml: " << 0;
}

void TestGamelistXml::command()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(int, games);
    QVERIFY(writeFile(path(QStringLiteral("console/gameboy/games/Tetris.gb"))));
    const QString file = path(QStringLiteral("gamelist.xml"));
    QVERIFY(writeFile(file, gamelist("<game><path>/home/pi/roms/gb/tetris.gb</path><name>Tetris</name></game>"
                                     "<game><path>./missing.gb</path></game>")));
    arguments.replaceInStrings(QStringLiteral("{file}"), file);
    arguments.replaceInStrings(QStringLiteral("{root}"), m_install->root());
    output.replace(QStringLiteral("{root}"), m_install->root());

    QProcess process;
    process.start(BuiltPrograms::gamelist(), arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    const QString out = QString::fromUtf8(status == 0 ? process.readAllStandardOutput()
                                                      : process.readAllStandardError());
    QCOMPARE(process.exitCode(), status);
    const QStringList lines = out.trimmed().split(QLatin1Char('\n'));
    QVERIFY2(status == 0 ? lines.last().startsWith(output) : lines.first().startsWith(output), qPrintable(out));
    QCOMPARE(m_install->scalar(TestInstall::gameboyDb(), QStringLiteral("SELECT count(*) FROM giochi")).toInt(),
             games);
}

QTEST_MAIN(TestGamelistXml)
#include "tst_gamelistxml.moc"
