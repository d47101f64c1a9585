// The read paths that keep large catalogues quick, held against SQLite's own answers:
// filtered record sets in the query's order, the game list of every filter and icon type
// on a generated catalogue, reading again after any commit, and values read straight
// from SQLite as Qt's driver gives them.
#include "frontend/games/gamelistmodel.h"
#include "shared/datasource.h"
#include "shared/sqlitestatement.h"
#include "shared/sqltail.h"
#include "tests/support/testinstall.h"

#include <QSqlQuery>
#include <QTest>

namespace {

const QString allGames = QStringLiteral("SELECT * from giochi order by [gioco]");

QStringList texts(const QVariantList &values)
{
    QStringList list;
    for (const QVariant &value : values)
        list.append(value.toString());
    return list;
}

QVariantList ids(const std::vector<qint64> &rowIds)
{
    QVariantList list;
    for (const qint64 id : rowIds)
        list.append(id);
    return list;
}

// Games that sort alike (names differing in case only), empty and odd values, added to
// whatever the installation holds.
bool addAwkwardGames(TestInstall &install)
{
    const QVariantList games[] = {
        {QStringLiteral("mario"), 1, 0, 3, QStringLiteral("English")},
        {QStringLiteral("Mario"), 0, 1, 0, QStringLiteral("english")},
        {QStringLiteral("MARIO"), 1, 1, 5, QStringLiteral("Italian")},
        {QVariant(), 1, 1, 2, QStringLiteral("French")},
        {QString(), 1, 1, 2, QStringLiteral("French")},
        {QStringLiteral("Zelda"), QVariant(), QVariant(), QVariant(), QVariant()},
        {QStringLiteral("alpha"), QStringLiteral("true"), 0, QStringLiteral("x"), QStringLiteral("Japanese")},
    };
    for (const QVariantList &game : games) {
        if (!install.exec(TestInstall::gameboyDb(),
                          QStringLiteral("INSERT INTO giochi (Gioco, Favorites, Playable, Rating, Language)"
                                         " VALUES (?, ?, ?, ?, ?)"),
                          game))
            return false;
    }
    return true;
}

DataSource *gamesSource(TestInstall &install, const QString &query)
{
    auto *games = new DataSource(QStringLiteral("DatGames"));
    games->setDatabaseName(install.path(QStringLiteral("database/gameboy.mdb")));
    games->setRecordSource(query);
    return games;
}

} // namespace

Q_DECLARE_METATYPE(GameList::IconType)

class TestLargeLists : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { DataSource::closeAllConnections(); }
    void splitsPlainWhereOrderByOnly_data();
    void splitsPlainWhereOrderByOnly();
    void filteredRecordSetsKeepSqlitesOrder_data();
    void filteredRecordSetsKeepSqlitesOrder();
    void gameListIsWhatSqlSays_data();
    void gameListIsWhatSqlSays();
    void readsAgainAfterAnyCommit_data();
    void readsAgainAfterAnyCommit();
    void statementValuesAreTheDriversValues();
};

void TestLargeLists::splitsPlainWhereOrderByOnly_data()
{
    QTest::addColumn<QString>("tail");
    QTest::addColumn<bool>("split");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("order");
    QTest::newRow("filter") << " WHERE favorites = true order by [gioco]" << true << "favorites = true"
                            << "[gioco]";
    QTest::newRow("collation") << " where Rating > 2 ORDER BY Gioco COLLATE BINARY, Anno ASC" << true
                               << "Rating > 2"
                               << "Gioco COLLATE BINARY, Anno ASC";
    QTest::newRow("descending") << " where Rating > 2 ORDER BY Gioco DESC" << false << ""
                                << "";
    QTest::newRow("words in quotes") << " WHERE [order by] = 'x order by y' order by [gioco]" << true
                                     << "[order by] = 'x order by y'"
                                     << "[gioco]";
    QTest::newRow("doubled quote") << " WHERE Gioco = 'it''s order by' ORDER BY Anno" << true
                                   << "Gioco = 'it''s order by'"
                                   << "Anno";
    QTest::newRow("subquery") << " WHERE rowid IN (SELECT rowid FROM giochi ORDER BY Anno LIMIT 3) ORDER BY Gioco"
                              << true << "rowid IN (SELECT rowid FROM giochi ORDER BY Anno LIMIT 3)"
                              << "Gioco";
    QTest::newRow("no condition") << " order by [gioco]" << false << ""
                                  << "";
    QTest::newRow("no order") << " where [id_emula] = 'DemoEmu'" << false << ""
                              << "";
    QTest::newRow("limit") << " WHERE a = 1 ORDER BY b LIMIT 5" << false << ""
                           << "";
    QTest::newRow("grouping") << " WHERE a = 1 GROUP BY b ORDER BY b" << false << ""
                              << "";
    QTest::newRow("comment") << " WHERE a = 1 -- note\n ORDER BY b" << false << ""
                             << "";
    QTest::newRow("two statements") << " WHERE a = 1 ORDER BY b; DELETE FROM giochi" << false << ""
                                    << "";
    QTest::newRow("open quote") << " WHERE a = 'x ORDER BY b" << false << ""
                                << "";
    QTest::newRow("open parenthesis") << " WHERE (a = 1 ORDER BY b" << false << ""
                                      << "";
}

void TestLargeLists::splitsPlainWhereOrderByOnly()
{
    QFETCH(QString, tail);
    QFETCH(bool, split);
    QFETCH(QString, condition);
    QFETCH(QString, order);
    QString foundCondition;
    QString foundOrder;
    QCOMPARE(SqlTail::splitWhereOrderBy(tail, &foundCondition, &foundOrder), split);
    if (split) {
        QCOMPARE(foundCondition, condition);
        QCOMPARE(foundOrder, order);
    }
}

void TestLargeLists::filteredRecordSetsKeepSqlitesOrder_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("withIndex");
    for (const bool withIndex : {true, false}) {
        const char *index = withIndex ? "name index" : "no index";
        QTest::addRow("favourites, %s", index)
            << "SELECT * from giochi WHERE favorites = true order by [gioco]" << withIndex;
        QTest::addRow("playable, %s", index)
            << "SELECT * from giochi WHERE playable = true order by [gioco]" << withIndex;
        QTest::addRow("not work, %s", index)
            << "SELECT * from giochi WHERE playable = false order by [gioco]" << withIndex;
    }
    // Not taken apart: SQLite answers as it stands.
    QTest::addRow("descending") << "SELECT * from giochi WHERE Rating >= 2 order by [gioco] desc" << true;
}

// The record sets are those SQLite gives for the queries as they stand; rows that sort
// alike come in row-id order, as SQLite gives them when it walks the name index, and
// stay so on a file without that index.
void TestLargeLists::filteredRecordSetsKeepSqlitesOrder()
{
    QFETCH(QString, query);
    QFETCH(bool, withIndex);
    TestInstall install(false, 300);
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(addAwkwardGames(install));
    const QString rowIdQuery = QString(query).replace(QLatin1String("SELECT *"), QLatin1String("SELECT rowid"));
    const QVariantList expected = install.column(TestInstall::gameboyDb(), rowIdQuery);
    QVERIFY(expected.size() > 3);
    if (!withIndex)
        QVERIFY(install.exec(TestInstall::gameboyDb(), QStringLiteral("DROP INDEX giochi_gioco")));

    const QVariantList marios = install.column(TestInstall::gameboyDb(),
                                               QStringLiteral("SELECT rowid FROM giochi WHERE [gioco] ='MARIO'"));
    int firstMario = int(expected.size());
    for (const QVariant &mario : marios)
        firstMario = expected.contains(mario) ? qMin(firstMario, int(expected.indexOf(mario))) : firstMario;
    QVERIFY(firstMario < expected.size());

    std::unique_ptr<DataSource> games(gamesSource(install, query));
    QVERIFY2(games->open(), qPrintable(games->lastError()));
    QCOMPARE(ids(games->rowIds()), expected);
    QVERIFY(games->findFirst(QStringLiteral("[gioco] ='MARIO'")));
    QCOMPARE(games->currentIndex(), firstMario);
}

void TestLargeLists::gameListIsWhatSqlSays_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<GameList::IconType>("type");
    QTest::addColumn<QString>("picture"); // SQL giving each row's picture number
    const std::pair<const char *, const char *> filters[] = {
        {"SELECT * from giochi order by [gioco]", "1"},
        {"SELECT * from giochi WHERE favorites = true order by [gioco]", "favorites = true"},
        {"SELECT * from giochi WHERE playable = true order by [gioco]", "playable = true"},
        {"SELECT * from giochi WHERE playable = false order by [gioco]", "playable = false"},
    };
    const char *language = "CASE Language WHEN 'Italian' THEN 1 WHEN 'French' THEN 2 WHEN 'English' THEN 3"
                           " WHEN 'Deutsche' THEN 4 WHEN 'Japanese' THEN 5 WHEN 'Spanish' THEN 6 ELSE 0 END";
    const char *rating =
        "CASE WHEN typeof(Rating) = 'integer' AND Rating BETWEEN 0 AND 5 THEN Rating + 1 ELSE 1 END";
    const char *playable = "CASE WHEN Playable <> 0 THEN 1 ELSE 2 END";
    for (const auto &[query, condition] : filters) {
        QTest::addRow("%s, language", condition) << query << condition << GameList::IconType::Language << language;
        QTest::addRow("%s, rating", condition) << query << condition << GameList::IconType::Rating << rating;
        QTest::addRow("%s, playable", condition) << query << condition << GameList::IconType::Playable << playable;
    }
}

// Names, pictures and counts of a generated catalogue with awkward rows added, against
// the same answers computed by SQLite.
void TestLargeLists::gameListIsWhatSqlSays()
{
    QFETCH(QString, query);
    QFETCH(QString, condition);
    QFETCH(GameList::IconType, type);
    QFETCH(QString, picture);
    TestInstall install(false, 3000);
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(addAwkwardGames(install));
    const QString listed = QStringLiteral(" FROM giochi WHERE (") + condition
                           + QStringLiteral(") AND Gioco IS NOT NULL AND Gioco <> ''");
    const QString order = QStringLiteral(" ORDER BY Gioco, rowid");
    const QVariantList names = install.column(TestInstall::gameboyDb(),
                                              QStringLiteral("SELECT Gioco") + listed + order);
    const QVariantList pictures = install.column(TestInstall::gameboyDb(),
                                                 QStringLiteral("SELECT ") + picture + listed + order);
    const auto count = [&](const char *expression) {
        return install
            .scalar(TestInstall::gameboyDb(),
                    QStringLiteral("SELECT ifnull(") + QLatin1String(expression) + QStringLiteral(", 0)") + listed)
            .toLongLong();
    };

    std::unique_ptr<DataSource> games(gamesSource(install, query));
    GameList::Table table;
    GameList::Fill fill;
    QString error;
    QVERIFY2(GameList::read(*games, type, &table, &fill, &error), qPrintable(error));
    QStringList listedNames;
    QVariantList listedPictures;
    for (size_t row = 0; row < fill.rows.size(); ++row) {
        listedNames.append(fill.rows.name(row).toString());
        listedPictures.append(fill.rows.entries[row].picture);
    }
    QCOMPARE(listedNames, texts(names));
    QCOMPARE(texts(listedPictures), texts(pictures));
    QCOMPARE(fill.counts.all, count("count(*)"));
    QCOMPARE(fill.counts.favorite, count("sum(Favorites <> 0)"));
    QCOMPARE(fill.counts.playable, count("sum(Playable <> 0)"));
    QCOMPARE(fill.counts.notWorking, count("sum(Playable = 0 OR Playable IS NULL)"));
    QCOMPARE(fill.counts.timesPlayed, count("sum(Times)"));
}

void TestLargeLists::readsAgainAfterAnyCommit_data()
{
    QTest::addColumn<QString>("writer");
    QTest::newRow("another program") << "other";
    QTest::newRow("this program, not through a data source") << "own";
    QTest::newRow("another program while the connections were closed") << "closed";
}

// The record set and the game list read again after a commit from anywhere, even one the
// data sources did not make themselves.
void TestLargeLists::readsAgainAfterAnyCommit()
{
    QFETCH(QString, writer);
    TestInstall install(false, 500);
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    std::unique_ptr<DataSource> games(gamesSource(install, allGames));
    GameList::Table table;
    GameList::Fill before;
    QString error;
    QVERIFY2(GameList::read(*games, GameList::IconType::Language, &table, &before, &error), qPrintable(error));
    QCOMPARE(games->rowCount(), 500);

    const QString insert = QStringLiteral("INSERT INTO giochi (Gioco, Times) VALUES ('AAA First Game', 7)");
    if (writer == QLatin1String("own")) {
        QSqlQuery query(DataSource::connection(games->databaseName(), &error));
        QVERIFY(query.exec(insert));
    } else {
        if (writer == QLatin1String("closed"))
            DataSource::closeAllConnections();
        QVERIFY(install.exec(TestInstall::gameboyDb(), insert));
    }

    GameList::Fill after;
    QVERIFY2(GameList::read(*games, GameList::IconType::Language, &table, &after, &error), qPrintable(error));
    QCOMPARE(games->rowCount(), 501);
    QCOMPARE(after.rows.name(0).toString(), QStringLiteral("AAA First Game"));
    QCOMPARE(after.counts.all, before.counts.all + 1);
    QCOMPARE(after.counts.timesPlayed, before.counts.timesPlayed + 7);
}

// Every storage class SQLite has, read through the C API, gives the value (type included)
// a QSqlQuery gives; texts as texts whatever the column's type.
void TestLargeLists::statementValuesAreTheDriversValues()
{
    QTemporaryDir dir;
    QString error;
    const QString path = dir.filePath(QStringLiteral("values.mdb"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("values"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("CREATE TABLE t (a TEXT, b INTEGER, c REAL, d BLOB, e)")));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO t VALUES ('héllo ドラゴン', 5, 1.5, x'00414243', NULL)")));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO t VALUES (NULL, NULL, NULL, NULL, 7)")));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO t VALUES (12, '7x', '2.5', 'txt', 2.0)")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("values"));
    QSqlDatabase db = DataSource::connection(path, &error);
    QVERIFY2(db.isValid(), qPrintable(error));
    const QString select = QStringLiteral("SELECT a, b, c, d, e FROM t");
    QSqlQuery driver(db);
    QVERIFY(driver.exec(select));
    SqliteStatement statement(SqliteStatement::handle(db), select);
    int rows = 0;
    while (driver.next()) {
        QVERIFY(statement.next());
        for (int column = 0; column < 5; ++column) {
            const QVariant expected = driver.value(column);
            const QVariant actual = statement.value(column);
            QCOMPARE(actual.metaType(), expected.metaType());
            QCOMPARE(actual.isNull(), expected.isNull());
            QCOMPARE(actual, expected);
            QCOMPARE(statement.text(column), expected.toString());
        }
        ++rows;
    }
    QVERIFY(!statement.next());
    QVERIFY(statement.error().isEmpty());
    QCOMPARE(rows, 3);
}

QTEST_MAIN(TestLargeLists)
#include "tst_largelists.moc"
