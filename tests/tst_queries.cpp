// The one yes/no rule, the quoting and the queries both programs write: a name holding quotes, blanks
// or other awkward characters selects exactly its own rows when SQLite runs the text.
#include "shared/queries.h"
#include "shared/sql.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

class TestQueries : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void yesNo_data();
    void yesNo();
    void namesSelectTheirOwnRows_data();
    void namesSelectTheirOwnRows();
    void setsBelongToTheExactEmulator_data();
    void setsBelongToTheExactEmulator();

private:
    int count(const QString &sql);

    QTemporaryDir m_dir;
    QSqlDatabase m_db;
};

void TestQueries::initTestCase()
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("queries"));
    m_db.setDatabaseName(m_dir.filePath(QStringLiteral("q.mdb")));
    QVERIFY(m_db.open());
    QSqlQuery query(m_db);
    for (const char *sql : {"CREATE TABLE giochi (Gioco TEXT COLLATE NOCASE)",
                            "CREATE TABLE emulatori (Emu_Name TEXT COLLATE NOCASE)",
                            "CREATE TABLE setting (ID_Emula TEXT COLLATE NOCASE, Nome TEXT COLLATE NOCASE)"})
        QVERIFY2(query.exec(QString::fromLatin1(sql)), qPrintable(query.lastError().text()));
}

void TestQueries::cleanupTestCase()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("queries"));
}

int TestQueries::count(const QString &sql)
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM (") + sql + QLatin1Char(')')) || !query.next())
        return -1;
    return query.value(0).toInt();
}

void TestQueries::yesNo_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("yes");
    QTest::newRow("null") << QVariant() << false;
    QTest::newRow("null text") << QVariant(QString()) << false;
    QTest::newRow("0") << QVariant(0) << false;
    QTest::newRow("1") << QVariant(1) << true;
    QTest::newRow("-1") << QVariant(-1) << true;
    QTest::newRow("0.0 as text") << QVariant(QStringLiteral("0.0")) << false;
    QTest::newRow("2.5") << QVariant(2.5) << true;
    QTest::newRow("text 1 with blanks") << QVariant(QStringLiteral(" 1 ")) << true;
    QTest::newRow("true in capitals with blanks") << QVariant(QStringLiteral(" TRUE ")) << true;
    QTest::newRow("false") << QVariant(QStringLiteral("false")) << false;
    QTest::newRow("yes is no number") << QVariant(QStringLiteral("yes")) << false;
    QTest::newRow("bool true") << QVariant(true) << true;
    QTest::newRow("empty text") << QVariant(QStringLiteral("")) << false;
}

void TestQueries::yesNo()
{
    QFETCH(QVariant, value);
    QFETCH(bool, yes);
    QCOMPARE(Sql::isYes(value), yes);
}

void TestQueries::namesSelectTheirOwnRows_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QStringLiteral("Tetris");
    QTest::newRow("one quote") << QStringLiteral("Zelda's Adventure");
    QTest::newRow("quotes only") << QStringLiteral("''");
    QTest::newRow("ends with a quote") << QStringLiteral("Rock'");
    QTest::newRow("injection attempt") << QStringLiteral("x' or '1'='1");
    QTest::newRow("brackets and percent") << QStringLiteral("[100%] _Game_");
    QTest::newRow("double quotes") << QStringLiteral("\"Quoted\"");
}

// Every table holds the name and a decoy; each query must find the name's row alone.
void TestQueries::namesSelectTheirOwnRows()
{
    QFETCH(QString, name);
    const QString decoy = QStringLiteral("Decoy");
    QSqlQuery query(m_db);
    for (const char *table : {"giochi", "emulatori"}) {
        QVERIFY(query.exec(QStringLiteral("DELETE FROM ") + QLatin1String(table)));
        for (const QString &value : {name, decoy}) {
            QVERIFY(query.prepare(QStringLiteral("INSERT INTO ") + QLatin1String(table)
                                  + QStringLiteral(" VALUES (?)")));
            query.addBindValue(value);
            QVERIFY(query.exec());
        }
    }
    QVERIFY(query.exec(QStringLiteral("DELETE FROM setting")));
    for (const auto &[emulator, set] : {std::pair{name, name}, {name, decoy}, {decoy, name}}) {
        QVERIFY(query.prepare(QStringLiteral("INSERT INTO setting VALUES (?, ?)")));
        query.addBindValue(emulator);
        query.addBindValue(set);
        QVERIFY(query.exec());
    }

    QCOMPARE(count(QStringLiteral("SELECT * FROM giochi WHERE [gioco] =") + Sql::quoted(name)), 1);
    QCOMPARE(count(Queries::setsOf(name)), 2);
    QCOMPARE(count(Queries::allEmulators()), 2);
}

void TestQueries::setsBelongToTheExactEmulator_data()
{
    QTest::addColumn<QStringList>("emulators");
    QTest::addColumn<QStringList>("setOwners"); // the emulator name stored with each set
    QTest::addColumn<QString>("emulator");
    QTest::addColumn<QStringList>("listed"); // the owners of the sets listed, in order
    const QStringList both = {QStringLiteral("GAMBATTE"), QStringLiteral("Gambatte")};
    QTest::newRow("each its own") << both << both << QStringLiteral("Gambatte") << QStringList{both.at(1)};
    QTest::newRow("each its own, upper") << both << both << both.at(0) << QStringList{both.at(0)};
    QTest::newRow("other case, no exact emulator")
        << QStringList{both.at(1)} << QStringList{both.at(0), both.at(1)} << both.at(1) << both;
    QTest::newRow("a third case belongs to both") << both << QStringList{QStringLiteral("gambatte")} << both.at(0)
                                                  << QStringList{QStringLiteral("gambatte")};
    QTest::newRow("another emulator") << both << QStringList{QStringLiteral("Mednafen")} << both.at(1)
                                      << QStringList();
}

void TestQueries::setsBelongToTheExactEmulator()
{
    QFETCH(QStringList, emulators);
    QFETCH(QStringList, setOwners);
    QFETCH(QString, emulator);
    QFETCH(QStringList, listed);
    QSqlQuery query(m_db);
    QVERIFY(query.exec(QStringLiteral("DELETE FROM emulatori")));
    QVERIFY(query.exec(QStringLiteral("DELETE FROM setting")));
    for (const QString &name : std::as_const(emulators)) {
        QVERIFY(query.prepare(QStringLiteral("INSERT INTO emulatori VALUES (?)")));
        query.addBindValue(name);
        QVERIFY(query.exec());
    }
    for (const QString &owner : std::as_const(setOwners)) {
        QVERIFY(query.prepare(QStringLiteral("INSERT INTO setting VALUES (?, 'set')")));
        query.addBindValue(owner);
        QVERIFY(query.exec());
    }
    QVERIFY2(query.exec(Queries::setsOf(emulator) + QStringLiteral(" ORDER BY rowid")),
             qPrintable(query.lastError().text()));
    QStringList found;
    while (query.next())
        found.append(query.value(0).toString());
    QCOMPARE(found, listed);
}

QTEST_GUILESS_MAIN(TestQueries)
#include "tst_queries.moc"
