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
            QVERIFY(query.prepare(QStringLiteral("INSERT INTO ") + QLatin1String(table) + QStringLiteral(" VALUES (?)")));
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
    QCOMPARE(count(Queries::setNamed(name, name)), 1);
    QCOMPARE(count(Queries::allEmulators()), 2);
}

QTEST_GUILESS_MAIN(TestQueries)
#include "tst_queries.moc"
