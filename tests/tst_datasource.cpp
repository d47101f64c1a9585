// DataSource over a console database made with the schema: positions, names, finds,
// bound controls, stores, and a second connection holding the file.
#include "shared/datasource.h"
#include "shared/schema.h"
#include "shared/sql.h"
#include "shared/widgets/boundwidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstdio>
#include <thread>

class TestDataSource : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void readsByPositionAndName();
    void findFirstMatchesWithoutCaseAndQuotes_data();
    void findFirstMatchesWithoutCaseAndQuotes();
    void findFirstKeepsRecordSetOrder();
    void updateWritesChangedBoundColumnsOnly();
    void heldControlsShowTheLastRowOnce();
    void addNewThenCancelStoresNothing();
    void addNewStoresControlsAndDefaults();
    void deleteRemovesCurrentRow();
    void openSeesWritesOfAnotherConnection();
    void storeWaitsForAnotherConnectionsLock();
    void missingAndForeignFilesAreReported();
    void fileReplacedOnDiskIsOpenedAgain_data();
    void fileReplacedOnDiskIsOpenedAgain();

private:
    QString dbPath() const { return m_dir->filePath(QStringLiteral("console.mdb")); }
    void sql(const QString &statement, const QVariantList &values = {});
    QVariant scalar(const QString &statement);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDataSource::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("setup"));
        db.setDatabaseName(dbPath());
        QVERIFY(db.open());
        QString error;
        QVERIFY2(Schema::create(db, Schema::File::Console, &error), qPrintable(error));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("setup"));
    const QVariantList games[] = {
        {QStringLiteral("Zeta"), 5, 3, QStringLiteral("English"), 1},
        {QStringLiteral("alpha"), 2, 1, QStringLiteral("Italian"), 0},
        {QStringLiteral("O'Brien's Quest"), 0, 4, QStringLiteral("French"), QVariant()},
        {QStringLiteral("Alpha"), 9, 2, QStringLiteral("Japanese"), 1},
    };
    for (const QVariantList &game : games)
        sql(QStringLiteral("INSERT INTO giochi (Gioco, Times, Rating, Language, Playable) VALUES (?,?,?,?,?)"),
            game);
}

void TestDataSource::cleanup()
{
    DataSource::closeAllConnections();
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    m_dir.reset();
}

void TestDataSource::sql(const QString &statement, const QVariantList &values)
{
    {
        QSqlDatabase db = QSqlDatabase::contains(QStringLiteral("other"))
                              ? QSqlDatabase::database(QStringLiteral("other"))
                              : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        db.setDatabaseName(dbPath());
        QVERIFY(db.open());
        QSqlQuery query(db);
        query.prepare(statement);
        for (const QVariant &value : values)
            query.addBindValue(value);
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
    }
}

QVariant TestDataSource::scalar(const QString &statement)
{
    QSqlDatabase db = QSqlDatabase::contains(QStringLiteral("other"))
                          ? QSqlDatabase::database(QStringLiteral("other"))
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
    db.setDatabaseName(dbPath());
    db.open();
    QSqlQuery query(db);
    if (!query.exec(statement) || !query.next())
        return {};
    return query.value(0);
}

void TestDataSource::readsByPositionAndName()
{
    DataSource games(QStringLiteral("DatGames"));
    games.setDatabaseName(dbPath());
    games.setRecordSource(QStringLiteral("SELECT * from giochi order by [gioco]"));
    QVERIFY2(games.open(), qPrintable(games.lastError()));
    QCOMPARE(games.rowCount(), 4);
    QCOMPARE(games.value(Schema::Games::Gioco).toString(), QStringLiteral("alpha"));
    QCOMPARE(games.value(QStringLiteral("Language")).toString(), QStringLiteral("Italian"));
    QCOMPARE(games.value(Schema::Games::Times).toInt(), 2);
    games.moveNext();
    games.moveNext();
    QCOMPARE(games.value(QStringLiteral("gioco")).toString(), QStringLiteral("O'Brien's Quest"));
    QVERIFY(games.value(Schema::Games::Playable).isNull());
    games.moveNext();
    games.moveNext();
    QVERIFY(games.atEnd());
    QVERIFY(!games.value(0).isValid());
}

void TestDataSource::findFirstMatchesWithoutCaseAndQuotes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("stored");
    QTest::newRow("quote") << QStringLiteral("O'Brien's Quest") << true << QStringLiteral("O'Brien's Quest");
    QTest::newRow("other case") << QStringLiteral("ZETA") << true << QStringLiteral("Zeta");
    QTest::newRow("missing") << QStringLiteral("Nothing") << false << QString();
    QTest::newRow("injection") << QStringLiteral("x' OR '1'='1") << false << QString();
}

void TestDataSource::findFirstMatchesWithoutCaseAndQuotes()
{
    QFETCH(QString, name);
    QFETCH(bool, found);
    QFETCH(QString, stored);
    DataSource games(QStringLiteral("DatGames"));
    games.setDatabaseName(dbPath());
    games.setRecordSource(QStringLiteral("SELECT * from giochi order by [gioco]"));
    QVERIFY(games.open());
    QCOMPARE(games.findFirst(QStringLiteral("[gioco] ='") + Sql::escape(name) + QLatin1Char('\'')), found);
    QCOMPARE(games.noMatch(), !found);
    if (found)
        QCOMPARE(games.value(0).toString(), stored);
    else
        QCOMPARE(games.currentIndex(), 0); // a failed find leaves the current row
}

void TestDataSource::findFirstKeepsRecordSetOrder()
{
    // "alpha" and "Alpha" both match; the first in the record set's order wins.
    DataSource games(QStringLiteral("DatGames"));
    games.setDatabaseName(dbPath());
    games.setRecordSource(QStringLiteral("SELECT * from giochi order by [Times] DESC"));
    QVERIFY(games.open());
    QVERIFY(games.findFirst(QStringLiteral("[gioco] ='ALPHA'")));
    QCOMPARE(games.value(0).toString(), QStringLiteral("Alpha"));

    games.setRecordSource(QStringLiteral("SELECT * from giochi WHERE playable = false order by [gioco]"));
    QVERIFY(games.open());
    QVERIFY(!games.findFirst(QStringLiteral("[gioco] ='Zeta'"))); // not in this record set
}

void TestDataSource::updateWritesChangedBoundColumnsOnly()
{
    DataSource games(QStringLiteral("DatGames"));
    QLineEdit name;
    QComboBox rating;
    rating.setEditable(true);
    QLabel times;
    QCheckBox playable;
    bindWidget(games, &name, QStringLiteral("Gioco"));
    bindWidget(games, &rating, QStringLiteral("Rating"));
    bindWidget(games, &times, QStringLiteral("Times"));
    bindWidget(games, &playable, QStringLiteral("Playable"));
    games.setDatabaseName(dbPath());
    games.setRecordSource(QStringLiteral("SELECT * from giochi order by [gioco]"));
    QVERIFY(games.open());
    QVERIFY(games.findFirst(QStringLiteral("[gioco] ='O''Brien''s Quest'")));
    QCOMPARE(name.text(), QStringLiteral("O'Brien's Quest"));
    QCOMPARE(rating.currentText(), QStringLiteral("4"));
    QVERIFY(!playable.isChecked());

    // Another program changes a column that is not bound, and one that is bound but
    // left untouched here: neither is overwritten by our store.
    sql(QStringLiteral(
        "UPDATE giochi SET Notes = 'theirs', Language = 'Spanish', Times = 7 WHERE Gioco = 'O''Brien''s Quest'"));
    QVERIFY(games.edit());
    rating.setEditText(QStringLiteral("5"));
    QVERIFY2(games.update(), qPrintable(games.lastError()));

    QCOMPARE(scalar(QStringLiteral("SELECT Rating FROM giochi WHERE Gioco = 'O''Brien''s Quest'")).toInt(), 5);
    QCOMPARE(
        scalar(QStringLiteral("SELECT typeof(Rating) FROM giochi WHERE Gioco = 'O''Brien''s Quest'")).toString(),
        QStringLiteral("integer"));
    QCOMPARE(scalar(QStringLiteral("SELECT Notes FROM giochi WHERE Gioco = 'O''Brien''s Quest'")).toString(),
             QStringLiteral("theirs"));
    QCOMPARE(scalar(QStringLiteral("SELECT Times FROM giochi WHERE Gioco = 'O''Brien''s Quest'")).toInt(), 7);
    // An empty yes/no stays empty when its box was not touched.
    QVERIFY(scalar(QStringLiteral("SELECT Playable FROM giochi WHERE Gioco = 'O''Brien''s Quest'")).isNull());
    QCOMPARE(times.text(), QStringLiteral("7")); // the stored row is shown again
}

// While controls are held, the rows an open and the finds pass through are not shown;
// when the last holder ends, the row the source stands on is shown, once.
void TestDataSource::heldControlsShowTheLastRowOnce()
{
    DataSource games(QStringLiteral("DatGames"));
    QLineEdit name;
    bindWidget(games, &name, QStringLiteral("Gioco"));
    QSignalSpy shown(&name, &QLineEdit::textChanged);
    games.setDatabaseName(dbPath());
    games.setRecordSource(QStringLiteral("SELECT * from giochi order by [gioco]"));
    {
        const DataSource::ControlsHeld outer(games);
        {
            const DataSource::ControlsHeld inner(games);
            QVERIFY(games.open());
            QVERIFY(games.findName(QStringLiteral("gioco"), QStringLiteral("Zeta")));
        }
        QCOMPARE(name.text(), QString()); // the outer one still holds them
        QVERIFY(games.findName(QStringLiteral("gioco"), QStringLiteral("O'Brien's Quest")));
    }
    QCOMPARE(name.text(), QStringLiteral("O'Brien's Quest"));
    QCOMPARE(shown.size(), 1);
    {
        const DataSource::ControlsHeld idle(games); // nothing moved: nothing shown again
    }
    QCOMPARE(shown.size(), 1);
}

void TestDataSource::addNewThenCancelStoresNothing()
{
    DataSource games(QStringLiteral("DatGames"));
    QLineEdit name;
    bindWidget(games, &name, QStringLiteral("Gioco"));
    games.setDatabaseName(dbPath());
    games.setRecordSource(QStringLiteral("SELECT * from giochi order by [gioco]"));
    QVERIFY(games.open());
    QVERIFY(games.addNew());
    QVERIFY(name.text().isEmpty());
    name.setText(QStringLiteral("Never stored"));
    games.cancelUpdate();
    QCOMPARE(name.text(), QStringLiteral("alpha"));
    QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM giochi")).toInt(), 4);
}

void TestDataSource::addNewStoresControlsAndDefaults()
{
    DataSource games(QStringLiteral("DatGames"));
    QLineEdit name;
    QLabel link;
    QCheckBox favourite;
    bindWidget(games, &name, QStringLiteral("Gioco"));
    bindWidget(games, &link, QStringLiteral("Link"));
    bindWidget(games, &favourite, QStringLiteral("Favorites"));
    games.setDatabaseName(dbPath());
    games.setRecordSource(QStringLiteral("SELECT * from giochi order by [gioco]"));
    QVERIFY(games.open());
    QVERIFY(games.addNew());
    name.setText(QStringLiteral("Édith & Co ; [x] 100%"));
    link.setText(QStringLiteral("edith.zip"));
    favourite.setChecked(true);
    QVERIFY2(games.update(), qPrintable(games.lastError()));
    const QString where = QStringLiteral(" FROM giochi WHERE Link = 'edith.zip'");
    QCOMPARE(scalar(QStringLiteral("SELECT Gioco") + where).toString(), QStringLiteral("Édith & Co ; [x] 100%"));
    QCOMPARE(scalar(QStringLiteral("SELECT Favorites") + where).toInt(), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT Times") + where).toInt(), 0);
    QCOMPARE(scalar(QStringLiteral("SELECT Rating") + where).toInt(), 0);
}

void TestDataSource::deleteRemovesCurrentRow()
{
    DataSource games(QStringLiteral("DatGames"));
    games.setDatabaseName(dbPath());
    games.setRecordSource(QStringLiteral("SELECT * from giochi order by [gioco]"));
    QVERIFY(games.open());
    QVERIFY(games.findFirst(QStringLiteral("[gioco] ='Zeta'")));
    QVERIFY(games.deleteCurrent());
    QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM giochi WHERE Gioco = 'Zeta'")).toInt(), 0);
    QCOMPARE(games.rowCount(), 3);
}

void TestDataSource::openSeesWritesOfAnotherConnection()
{
    DataSource games(QStringLiteral("DatGames"));
    games.setDatabaseName(dbPath());
    games.setRecordSource(QStringLiteral("SELECT * from giochi order by [gioco]"));
    QVERIFY(games.open());
    QCOMPARE(games.rowCount(), 4);
    QVERIFY(games.open()); // nothing changed: same rows
    QCOMPARE(games.rowCount(), 4);
    sql(QStringLiteral("INSERT INTO giochi (Gioco) VALUES ('Added behind our back')"));
    QVERIFY(games.open());
    QCOMPARE(games.rowCount(), 5);
    QVERIFY(games.findFirst(QStringLiteral("[gioco] ='Added behind our back'")));
}

void TestDataSource::storeWaitsForAnotherConnectionsLock()
{
    DataSource games(QStringLiteral("DatGames"));
    QLineEdit name;
    bindWidget(games, &name, QStringLiteral("Gioco"));
    games.setDatabaseName(dbPath());
    games.setRecordSource(QStringLiteral("SELECT * from giochi order by [gioco]"));
    QVERIFY(games.open());

    // Another program holds the write lock for a moment, then commits.
    std::atomic<bool> locked{false};
    std::thread other([this, &locked] {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
            db.setDatabaseName(dbPath());
            db.open();
            QSqlQuery query(db);
            query.exec(QStringLiteral("BEGIN IMMEDIATE"));
            query.exec(QStringLiteral("UPDATE giochi SET Notes = 'holder' WHERE Gioco = 'Zeta'"));
            locked = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            query.exec(QStringLiteral("COMMIT"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    });
    while (!locked)
        std::this_thread::yield();
    QVERIFY(games.edit());
    name.setText(QStringLiteral("alpha renamed"));
    const bool stored = games.update();
    other.join();
    QVERIFY2(stored, qPrintable(games.lastError()));
    QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM giochi WHERE Gioco = 'alpha renamed'")).toInt(), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT Notes FROM giochi WHERE Gioco = 'Zeta'")).toString(),
             QStringLiteral("holder"));
}

void TestDataSource::missingAndForeignFilesAreReported()
{
    DataSource source(QStringLiteral("DatLast"));
    const QString missing = m_dir->filePath(QStringLiteral("nothing.mdb"));
    source.setDatabaseName(missing);
    source.setRecordSource(QStringLiteral("select * from config"));
    QVERIFY(!source.open());
    QVERIFY(source.lastError().contains(missing));
    QVERIFY(!QFile::exists(missing)); // opening never creates a database

    const QString text = m_dir->filePath(QStringLiteral("text.mdb"));
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Standard Jet DB\nthis is not an SQLite file at all, just some text\n");
    file.close();
    source.setDatabaseName(text);
    QVERIFY(!source.open());
    QVERIFY(source.lastError().contains(text));
    QVERIFY(source.atEnd());

    // A database whose path is longer than the engine opens: said so, with the path.
    QString deep = m_dir->path();
    while (QFile::encodeName(deep).size() < 520)
        deep += QLatin1Char('/') + QString(100, QLatin1Char('d'));
    QVERIFY(QDir().mkpath(deep));
    const QString far = deep + QStringLiteral("/console.mdb");
    QVERIFY(QFile::copy(dbPath(), far));
    source.setDatabaseName(far);
    QVERIFY(!source.open());
    QVERIFY2(source.lastError().startsWith(QStringLiteral("The path ") + far
                                           + QStringLiteral(" is too long for a database file (")),
             qPrintable(source.lastError()));
}

// Another file put at the database's path while a data source uses it (a copy renamed
// over it, or the file removed and copied back): the next open reads the file now there;
// a file removed is missing, and never made again.
void TestDataSource::fileReplacedOnDiskIsOpenedAgain_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("rows"); // -1: the open fails
    QTest::newRow("renamed over it") << "rename" << 5;
    QTest::newRow("removed and copied back") << "copy" << 5;
    QTest::newRow("removed") << "remove" << -1;
}

void TestDataSource::fileReplacedOnDiskIsOpenedAgain()
{
    QFETCH(QString, how);
    QFETCH(int, rows);
    DataSource games(QStringLiteral("DatGames"));
    games.setDatabaseName(dbPath());
    games.setRecordSource(QStringLiteral("SELECT * from giochi order by [gioco]"));
    QVERIFY(games.open());
    QCOMPARE(games.rowCount(), 4);

    const QString copy = m_dir->filePath(QStringLiteral("copy.mdb"));
    QVERIFY(QFile::copy(dbPath(), copy));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("replacement"));
        db.setDatabaseName(copy);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("INSERT INTO giochi (Gioco) VALUES ('In the new file')")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("replacement"));
    if (how == QLatin1String("rename")) {
        QVERIFY(::rename(QFile::encodeName(copy).constData(), QFile::encodeName(dbPath()).constData()) == 0);
    } else {
        QVERIFY(QFile::remove(dbPath()));
        if (how == QLatin1String("copy"))
            QVERIFY(QFile::copy(copy, dbPath()));
    }

    QCOMPARE(games.open(), rows >= 0);
    if (rows < 0) {
        QVERIFY2(games.lastError().contains(QStringLiteral("Not Found")), qPrintable(games.lastError()));
        QVERIFY(!QFile::exists(dbPath()));
        return;
    }
    QCOMPARE(games.rowCount(), rows);
    QVERIFY(games.findFirst(QStringLiteral("[gioco] ='In the new file'")));
    // A store goes into the file now there.
    QVERIFY(games.edit() && games.setValue(QStringLiteral("Notes"), QStringLiteral("stored")) && games.update());
    QCOMPARE(scalar(QStringLiteral("SELECT Notes FROM giochi WHERE Gioco = 'In the new file'")).toString(),
             QStringLiteral("stored"));
}

QTEST_MAIN(TestDataSource)
#include "tst_datasource.moc"
