#include "convert/conversion.h"
#include "convert/jetreader.h"
#include "convert/sqlitewriter.h"
#include "shared/gamedates.h"
#include "shared/jetfile.h"
#include "shared/schema.h"
#include "tests/support/builtprograms.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/windowcontrols.h"
#include "tests/tst_emuset_support.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QLockFile>
#include <QMainWindow>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Convert;

namespace {

const QString fixtures = QStringLiteral(LUDORA_JET_FIXTURES);

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every name in a directory, hidden ones too: leftovers of a failed conversion show here.
QStringList namesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// A connection of the test's own to a file; closed when it goes.
class Connection {
public:
    explicit Connection(const QString &path) : m_name(QStringLiteral("tst_jet_") + QString::number(++s_count))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.open();
    }
    ~Connection() { QSqlDatabase::removeDatabase(m_name); }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name); }
    QList<QVariantList> rows(const QString &sql) const
    {
        QList<QVariantList> rows;
        QSqlQuery query(db());
        if (!query.exec(sql))
            return rows;
        while (query.next()) {
            QVariantList row;
            for (int i = 0; i < query.record().count(); ++i)
                row.append(query.value(i));
            rows.append(row);
        }
        return rows;
    }
    QVariant scalar(const QString &sql) const
    {
        const QList<QVariantList> all = rows(sql);
        return all.isEmpty() ? QVariant() : all.first().value(0);
    }

private:
    QString m_name;
    static inline int s_count = 0;
};

// Tables held in memory, handed over as the Jet reader hands over a file's; it can fail
// after a given number of rows, as a damaged file would.
class ModelSource final : public TableSource {
public:
    struct ModelTable {
        Table table;
        QList<QVariantList> rows;
    };
    QList<ModelTable> model;
    int failAfterRows = -1;

    bool tables(QList<Table> *tables) override
    {
        for (const ModelTable &entry : std::as_const(model))
            tables->append(entry.table);
        return true;
    }
    bool readRows(const Table &table, const RowSink &sink) override
    {
        for (const ModelTable &entry : std::as_const(model)) {
            if (entry.table.name != table.name)
                continue;
            for (const QVariantList &row : entry.rows) {
                if (failAfterRows-- == 0) {
                    m_error = QStringLiteral("the disk went away");
                    return false;
                }
                if (!sink(row))
                    return false;
            }
        }
        return true;
    }
    QString error() const override { return m_error; }

private:
    QString m_error;
};

// Our schema's tables as the earlier program's Jet files describe them: the same names
// and order, yes/no, number and date columns typed as Jet types them.
QList<Table> schemaTables(Schema::File file)
{
    static const QHash<QString, Kind> kinds = {
        {QStringLiteral("Times"), Kind::Integer},    {QStringLiteral("Rating"), Kind::Integer},
        {QStringLiteral("Colour"), Kind::Boolean},   {QStringLiteral("Sound"), Kind::Boolean},
        {QStringLiteral("Playable"), Kind::Boolean}, {QStringLiteral("Favorites"), Kind::Boolean},
        {QStringLiteral("Data"), Kind::DateTime},    {QStringLiteral("DataAdd"), Kind::DateTime},
        {QStringLiteral("Attivo"), Kind::Integer},   {QStringLiteral("ID"), Kind::Integer},
        {QStringLiteral("WinTop"), Kind::Real},      {QStringLiteral("WinLeft"), Kind::Real},
        {QStringLiteral("Games"), Kind::Integer},    {QStringLiteral("PlayTime"), Kind::Integer},
    };
    QTemporaryDir dir;
    Connection schema(dir.filePath(QStringLiteral("schema.db")));
    QSqlDatabase db = schema.db();
    Schema::create(db, file, nullptr);
    QList<Table> tables;
    for (const QVariantList &name :
         schema.rows(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        Table table{name[0].toString(), {}, -1};
        for (const QVariantList &column : schema.rows(QStringLiteral("PRAGMA table_info(%1)").arg(table.name))) {
            const QString columnName = column[1].toString();
            table.columns.append(
                {columnName, kinds.value(columnName, Kind::Text), columnName == QLatin1String("ID")});
        }
        tables.append(table);
    }
    return tables;
}

// How a column of a table behaves: its name, position, type, default, and whether a text
// stored in it is found with another case.
QList<QVariantList> behaviour(const QString &path, const QString &table)
{
    Connection file(path);
    QList<QVariantList> columns = file.rows(QStringLiteral("PRAGMA table_info(%1)").arg(table));
    for (QVariantList &column : columns) {
        const QString name = column[1].toString();
        QSqlQuery(file.db()).exec(QStringLiteral("DELETE FROM %1").arg(table));
        QSqlQuery insert(file.db());
        insert.exec(QStringLiteral("INSERT INTO %1 (\"%2\") VALUES ('Abc')").arg(table, name));
        column.append(
            file.scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE \"%2\" = 'aBC'").arg(table, name)));
        QSqlQuery(file.db()).exec(QStringLiteral("DELETE FROM %1").arg(table));
    }
    return columns;
}

// mdb-export's rows of a table (CSV, text-like fields quoted): each field with a flag
// saying whether it was quoted, so that NULL (empty, unquoted) shows apart.
struct Field {
    QString text;
    bool quoted = false;
};
QList<QList<Field>> parseCsv(const QString &csv)
{
    QList<QList<Field>> rows;
    QList<Field> row;
    Field field;
    bool inQuotes = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const QChar c = csv[i];
        if (inQuotes) {
            if (c == QLatin1Char('"') && i + 1 < csv.size() && csv[i + 1] == QLatin1Char('"'))
                field.text += csv[++i];
            else if (c == QLatin1Char('"'))
                inQuotes = false;
            else
                field.text += c;
        } else if (c == QLatin1Char('"')) {
            inQuotes = field.quoted = true;
        } else if (c == QLatin1Char(',')) {
            row.append(std::exchange(field, Field()));
        } else if (c == QLatin1Char('\n')) {
            row.append(std::exchange(field, Field()));
            rows.append(std::exchange(row, {}));
        } else {
            field.text += c;
        }
    }
    return rows;
}

QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Whether a stored value equals what mdb-export printed for it, after the type mapping.
bool sameValue(const QVariant &stored, const QString &type, const Field &exported)
{
    if (stored.isNull())
        return exported.text.isEmpty() && !exported.quoted;
    if (type == QLatin1String("REAL")) {
        const double a = stored.toDouble(), b = exported.text.toDouble();
        return std::fabs(a - b) <= 1e-6 * std::max(1.0, std::fabs(a));
    }
    if (type == QLatin1String("BLOB"))
        return stored.toByteArray().toHex().toUpper() == exported.text.toUpper().toLatin1();
    return stored.toString() == exported.text;
}

// A real Jet 4 file that is a plug-in registry: the fixture's one table renamed in the
// catalogue to "plugins" (the name padded with NULs to the old name's length).
QByteArray registryJet()
{
    QByteArray bytes = contents(fixtures + QStringLiteral("/test2V2000.mdb"));
    const QString old = QStringLiteral("MSP_PROJECTS");
    const QByteArray from(reinterpret_cast<const char *>(old.utf16()), old.size() * 2);
    QString name = QStringLiteral("plugins");
    name.resize(old.size(), QChar(0));
    const qsizetype at = bytes.indexOf(from, 14 * 4096); // the catalogue's data page
    if (at < 0 || at >= 15 * 4096)
        return {};
    bytes.replace(at, from.size(), QByteArray(reinterpret_cast<const char *>(name.utf16()), name.size() * 2));
    return bytes;
}

// A fixture's tables as the Jet reader reads them, with our schema's tables it lacks added
// empty, so that the fixture passes as a file of that kind.
class WithOurTables final : public TableSource {
public:
    WithOurTables(const QString &path, Schema::File file) : m_reader(path), m_file(file) {}
    bool open() { return m_reader.open(); }
    bool tables(QList<Table> *tables) override
    {
        if (!m_reader.tables(tables))
            return false;
        for (const Table &table : schemaTables(m_file)) {
            if (!std::any_of(tables->cbegin(), tables->cend(),
                             [&](const Table &t) { return t.name == table.name; })) {
                tables->append(table);
                m_added.append(table.name);
            }
        }
        return true;
    }
    bool readRows(const Table &table, const RowSink &sink) override
    {
        return m_added.contains(table.name) || m_reader.readRows(table, sink);
    }
    QString error() const override { return m_reader.error(); }

private:
    JetReader m_reader;
    Schema::File m_file;
    QStringList m_added;
};

} // namespace

class TestJetConversion : public QObject {
    Q_OBJECT

private slots:
    void fixtureConvertsAsMdbExportReadsIt_data();
    void fixtureConvertsAsMdbExportReadsIt();
    void ourTablesKeepTheirSchema_data();
    void ourTablesKeepTheirSchema();
    void valuesAreMapped_data();
    void valuesAreMapped();
    void failureInTheMiddleLeavesTheOriginal();
    void backupInTheWaySkipsTheFile();
    void secondRunChangesNothing();
    void damagedFileIsReported_data();
    void damagedFileIsReported();
    void damagedCatalogueIsRefused_data();
    void damagedCatalogueIsRefused();
    void fileWithoutOurTablesIsRefused_data();
    void fileWithoutOurTablesIsRefused();
    void killedRunIsRepaired_data();
    void killedRunIsRepaired();
    void twoRunsAtOnce();
    void commandConvertsAnInstallation();
    void commandUsageErrors_data();
    void commandUsageErrors();
    void frontEndOffersTheConversion_data();
    void frontEndOffersTheConversion();
    void emusetNamesTheWayOut();

private:
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
};

// Every table, column (names and order), row and value of the fixtures, as mdb-export reads them.
void TestJetConversion::fixtureConvertsAsMdbExportReadsIt_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::newRow("Jet 3") << QStringLiteral("testV1997.mdb");
    QTest::newRow("Jet 4") << QStringLiteral("test2V2000.mdb");
}

void TestJetConversion::fixtureConvertsAsMdbExportReadsIt()
{
    QFETCH(QString, fixture);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fixture.mdb"));
    QVERIFY2(QFile::copy(fixtures + QLatin1Char('/') + fixture, path), qPrintable(fixtures));
    const QByteArray original = contents(path);
    const QStringList tables = run(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), path})
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!tables.isEmpty());
    QList<QList<QList<Field>>> exported;
    for (const QString &table : tables)
        exported.append(parseCsv(
            run(QStringLiteral("mdb-export"), {QStringLiteral("-b"), QStringLiteral("hex"), QStringLiteral("-D"),
                                               QStringLiteral("%Y-%m-%dT%H:%M:%S"), QStringLiteral("-T"),
                                               QStringLiteral("%Y-%m-%dT%H:%M:%S"), path, table})));

    WithOurTables source(path, Schema::File::Console);
    QVERIFY(source.open());
    const FileResult result = convertFile({path, Schema::File::Console}, source);
    QVERIFY2(result.outcome == Outcome::Converted, qPrintable(describe(result, dir.path())));
    QCOMPARE(contents(path + QStringLiteral(".jet")), original);
    QCOMPARE(JetFile::format(path), JetFile::Format::Sqlite);

    Connection converted(path);
    QStringList names;
    for (const QVariantList &row :
         converted.rows(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        names.append(row[0].toString());
    QCOMPARE(names.mid(0, tables.size()), tables);
    qint64 rows = 0;
    for (int t = 0; t < tables.size(); ++t) {
        const QList<QVariantList> columns = converted.rows(
            QStringLiteral("PRAGMA table_info(\"%1\")").arg(tables[t]));
        QStringList columnNames;
        for (const QVariantList &column : columns)
            columnNames.append(column[1].toString());
        QStringList header;
        for (const Field &field : exported[t].value(0))
            header.append(field.text);
        QCOMPARE(columnNames, header);
        const QList<QVariantList> stored = converted.rows(
            QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(tables[t]));
        QCOMPARE(stored.size(), exported[t].size() - 1);
        for (int r = 0; r < stored.size(); ++r) {
            for (int c = 0; c < columns.size(); ++c) {
                const Field &field = exported[t][r + 1].value(c);
                QVERIFY2(sameValue(stored[r][c], columns[c][2].toString(), field),
                         qPrintable(
                             QStringLiteral("%1 row %2 %3: stored %4, mdb-export %5")
                                 .arg(tables[t])
                                 .arg(r)
                                 .arg(columnNames[c], stored[r][c].toString().left(80), field.text.left(80))));
            }
        }
        rows += stored.size();
    }
    QCOMPARE(result.tables, names.size());
    QCOMPARE(result.rows, rows);
}

// Our own tables, described as a Jet file describes them, come out as the schema makes
// them: names, order, types, defaults, and which columns ignore case.
void TestJetConversion::ourTablesKeepTheirSchema_data()
{
    QTest::addColumn<Schema::File>("file");
    QTest::newRow("master database") << Schema::File::Master;
    QTest::newRow("console database") << Schema::File::Console;
    QTest::newRow("plug-in registry") << Schema::File::Registry;
}

void TestJetConversion::ourTablesKeepTheirSchema()
{
    QFETCH(Schema::File, file);
    QTemporaryDir dir;
    const QString made = dir.filePath(QStringLiteral("made.mdb"));
    {
        Connection connection(made);
        QSqlDatabase db = connection.db();
        QVERIFY(Schema::create(db, file, nullptr));
    }
    ModelSource source;
    for (const Table &table : schemaTables(file))
        source.model.append({table, {}});
    const QString converted = dir.filePath(QStringLiteral("converted.mdb"));
    QString error;
    QVERIFY2(writeSqlite(source, converted, file, nullptr, &error), qPrintable(error));

    for (const ModelSource::ModelTable &table : std::as_const(source.model))
        QCOMPARE(behaviour(converted, table.table.name), behaviour(made, table.table.name));
    QCOMPARE(Connection(converted).scalar(QStringLiteral("PRAGMA user_version")), QVariant(Schema::Version));
    if (file == Schema::File::Console) {
        Connection games(converted);
        QVERIFY(QSqlQuery(games.db()).exec(QStringLiteral("INSERT INTO giochi (Gioco) VALUES ('New')")));
        QCOMPARE(games.rows(QStringLiteral("SELECT Times, Rating FROM giochi")), (QList<QVariantList>{{0, 0}}));
        QCOMPARE(games.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index'")),
                 QVariant(1));
    }
}

// Each kind of value as it is stored: its SQLite type and its value read back.
void TestJetConversion::valuesAreMapped_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QVariant>("stored");
    const QDateTime date(QDate(2008, 3, 9), QTime(14, 5, 7), Qt::UTC);
    QTest::newRow("text") << "Notes" << Kind::Text << QVariant(QStringLiteral("Zoë's \"game\"\nline 2")) << "text"
                          << QVariant(QStringLiteral("Zoë's \"game\"\nline 2"));
    QTest::newRow("integer") << "Times" << Kind::Integer << QVariant(qint64(40000)) << "integer"
                             << QVariant(40000);
    QTest::newRow("currency keeps four decimals")
        << "Serial" << Kind::Real << QVariant(1234.5678) << "real" << QVariant(1234.5678);
    QTest::newRow("yes") << "Playable" << Kind::Boolean << QVariant(true) << "integer" << QVariant(1);
    QTest::newRow("no") << "Favorites" << Kind::Boolean << QVariant(false) << "integer" << QVariant(0);
    QTest::newRow("date added") << "DataAdd" << Kind::DateTime << QVariant(date) << "text"
                                << QVariant(GameDates::added(date.date()));
    QTest::newRow("last play") << "Data" << Kind::DateTime << QVariant(date) << "text"
                               << QVariant(GameDates::lastPlay(date.date()));
    QTest::newRow("other date") << "Region" << Kind::DateTime << QVariant(date) << "text"
                                << QVariant(QStringLiteral("2008-03-09T14:05:07"));
    QTest::newRow("binary") << "Players" << Kind::Blob << QVariant(QByteArray("\x00\x01\xff", 3)) << "blob"
                            << QVariant(QByteArray("\x00\x01\xff", 3));
    QTest::newRow("null") << "Rating" << Kind::Integer << QVariant() << "null" << QVariant();
}

void TestJetConversion::valuesAreMapped()
{
    QFETCH(QString, column);
    QFETCH(Kind, kind);
    QFETCH(QVariant, value);
    QFETCH(QString, type);
    QFETCH(QVariant, stored);
    ModelSource source;
    source.model.append({{QStringLiteral("giochi"), {{QStringLiteral("Gioco")}, {column, kind}}, 1},
                         {{QStringLiteral("Tetris"), value}}});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gameboy.mdb"));
    QString error;
    QVERIFY2(writeSqlite(source, path, Schema::File::Console, nullptr, &error), qPrintable(error));
    Connection converted(path);
    const QList<QVariantList> rows = converted.rows(
        QStringLiteral("SELECT typeof(\"%1\"), \"%1\" FROM giochi").arg(column));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0][0].toString(), type);
    if (stored.isNull())
        QVERIFY(rows[0][1].isNull());
    else
        QCOMPARE(rows[0][1].toString(), stored.toString());
    // The Jet table lacks PlayTime: it comes last, 0 for every game.
    QCOMPARE(converted.rows(QStringLiteral("SELECT name FROM pragma_table_info('giochi')")).last(),
             QVariantList{QStringLiteral("PlayTime")});
    QCOMPARE(converted.scalar(QStringLiteral("SELECT PlayTime FROM giochi")), QVariant(0));
}

// A failure while the rows are written: the original is left as it was, with no backup
// and no temporary file beside it, and the result says why.
void TestJetConversion::failureInTheMiddleLeavesTheOriginal()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gameboy.mdb"));
    QVERIFY(QFile::copy(fixtures + QStringLiteral("/testV1997.mdb"), path));
    const QByteArray original = contents(path);
    ModelSource source;
    for (const Table &table : schemaTables(Schema::File::Console))
        source.model.append({table, {}});
    source.model[0] = {{QStringLiteral("giochi"), {{QStringLiteral("Gioco")}}, -1},
                       {{QStringLiteral("A")}, {QStringLiteral("B")}, {QStringLiteral("C")}}};
    source.failAfterRows = 2;
    const FileResult result = convertFile({path, Schema::File::Console}, source);
    QCOMPARE(result.outcome, Outcome::Failed);
    QVERIFY2(describe(result, dir.path()).contains(QStringLiteral("the disk went away; the file is unchanged")),
             qPrintable(describe(result, dir.path())));
    QCOMPARE(contents(path), original);
    QCOMPARE(namesIn(dir.path()), QStringList{QStringLiteral("gameboy.mdb")});
}

void TestJetConversion::backupInTheWaySkipsTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Lynx.mdb"));
    QVERIFY(QFile::copy(fixtures + QStringLiteral("/testV1997.mdb"), path));
    QVERIFY(writeFile(path + QStringLiteral(".jet"), "an older backup"));
    const FileResult result = convertFile({path, Schema::File::Console});
    QCOMPARE(result.outcome, Outcome::BackupInTheWay);
    QCOMPARE(describe(result, dir.path()),
             QStringLiteral(
                 "Lynx.mdb: not converted, Lynx.mdb.jet is already there (move it away and convert again)"));
    QVERIFY(JetFile::isJet(path));
    QCOMPARE(contents(path + QStringLiteral(".jet")), QByteArray("an older backup"));
    QCOMPARE(namesIn(dir.path()), (QStringList{QStringLiteral("Lynx.mdb"), QStringLiteral("Lynx.mdb.jet")}));
}

void TestJetConversion::secondRunChangesNothing()
{
    TestInstall install;
    QVERIFY(install.isValid());
    const QString lynx = install.path(QStringLiteral("pack/plugins.mdb"));
    QVERIFY(writeFile(lynx, registryJet()));
    QCOMPARE(jetFiles(install.root()).size(), 1);
    const QList<FileResult> first = convertInstallation(install.root());
    QCOMPARE(std::count_if(first.begin(), first.end(),
                           [](const FileResult &r) { return r.outcome == Outcome::Converted; }),
             1);
    const QByteArray converted = contents(lynx);
    const QList<FileResult> second = convertInstallation(install.root());
    QCOMPARE(second.size(), 12);
    for (const FileResult &result : second)
        QVERIFY2(result.outcome == Outcome::AlreadyConverted, qPrintable(describe(result, install.root())));
    QCOMPARE(contents(lynx), converted);
    QVERIFY(jetFiles(install.root()).isEmpty());
}

void TestJetConversion::damagedFileIsReported_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("cause");
    const QByteArray jet = contents(fixtures + QStringLiteral("/test2V2000.mdb"));
    QTest::newRow("truncated after the header page") << jet.first(4096) << "the file is damaged";
    QTest::newRow("truncated in the middle") << jet.first(jet.size() / 2) << "it lacks the tables";
    QTest::newRow("zero bytes") << QByteArray() << "the file is empty";
    QTest::newRow("garbage header") << QByteArray("Standard Jet DB\nnot a database at all")
                                    << "neither a Jet nor an SQLite database";
}

void TestJetConversion::damagedFileIsReported()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mega.mdb"));
    QVERIFY(writeFile(path, bytes));
    const FileResult result = convertFile({path, Schema::File::Console});
    QCOMPARE(result.outcome, Outcome::Failed);
    QVERIFY2(result.error.contains(cause), qPrintable(result.error));
    QCOMPARE(contents(path), bytes);
    QCOMPARE(namesIn(dir.path()), QStringList{QStringLiteral("mega.mdb")});
}

// A damaged data page of the catalogue: libmdb skips it, or some of its rows, without a
// word, and the file would come out with tables missing. It is refused, untouched.
void TestJetConversion::damagedCatalogueIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("cause");
    const QByteArray jet4 = registryJet();
    const int jet4Page = 14 * 4096; // the catalogue's one data page in each fixture
    const QByteArray jet3 = contents(fixtures + QStringLiteral("/testV1997.mdb"));
    const int jet3Page = 18 * 2048;
    const QString lost = QStringLiteral("entries of its list of tables could be read (the file is damaged)");
    const auto damaged = [](QByteArray bytes, int at, QByteArray noise) {
        bytes.replace(at, noise.size(), noise);
        return bytes;
    };
    QTest::newRow("Jet 4, noise in the page type") << damaged(jet4, jet4Page, "\x5a") << lost;
    QTest::newRow("Jet 4, page points at another table")
        << damaged(jet4, jet4Page + 4, QByteArray("\x01\x00\x00\x00", 4)) << lost;
    QTest::newRow("Jet 4, a row marked deleted") << damaged(jet4, jet4Page + 14 + 2, "\xff") << lost;
    QTest::newRow("Jet 3, noise in the page type") << damaged(jet3, jet3Page, "\xa7") << lost;
    QTest::newRow("Jet 3, page points at another table")
        << damaged(jet3, jet3Page + 4, QByteArray("\x01\x00\x00\x00", 4)) << lost;
    QTest::newRow("Jet 3, rows marked deleted") << damaged(jet3, jet3Page + 10 + 1, "\xc0\x0f") << lost;
}

void TestJetConversion::damagedCatalogueIsRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, cause);
    TestInstall install;
    QVERIFY(install.isValid());
    const QString path = install.path(QStringLiteral("pack/plugins.mdb"));
    QVERIFY(writeFile(path, bytes));
    int exitCode = 0;
    const QStringList lines =
        run(BuiltPrograms::convert(), {install.root()}, &exitCode).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(exitCode, 1);
    const QStringList line = lines.filter(QStringLiteral("pack/plugins.mdb: "));
    QCOMPARE(line.size(), 1);
    QVERIFY2(line[0].startsWith(QStringLiteral("pack/plugins.mdb: not converted, ")) && line[0].contains(cause)
                 && line[0].endsWith(QStringLiteral("; the file is unchanged")),
             qPrintable(line[0]));
    QCOMPARE(contents(path), bytes);
    QCOMPARE(namesIn(install.path(QStringLiteral("pack"))).filter(QStringLiteral("plugins")),
             QStringList{QStringLiteral("plugins.mdb")});
}

// A file with no table, or without a table the programs read for its kind, would start
// the programs on "no such table": it is refused and says which tables are missing.
void TestJetConversion::fileWithoutOurTablesIsRefused_data()
{
    QTest::addColumn<Schema::File>("file");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("cause");
    QTest::newRow("no table at all") << Schema::File::Console << QStringList() << "it holds no table";
    QTest::newRow("console without config")
        << Schema::File::Console << QStringList{"giochi", "emulatori", "setting", "documents"}
        << "it lacks the table config that the programs read";
    QTest::newRow("console with other tables only")
        << Schema::File::Console << QStringList{"Table1"}
        << "it lacks the tables giochi, emulatori, setting, documents, config that the programs read";
    QTest::newRow("master without the lookups")
        << Schema::File::Master << QStringList{"config"} << "it lacks the tables langu, genres, publisher";
    QTest::newRow("registry without plugins")
        << Schema::File::Registry << QStringList{"config"} << "it lacks the table plugins that the programs read";
}

void TestJetConversion::fileWithoutOurTablesIsRefused()
{
    QFETCH(Schema::File, file);
    QFETCH(QStringList, left);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("file.mdb"));
    QVERIFY(QFile::copy(fixtures + QStringLiteral("/testV1997.mdb"), path));
    const QByteArray original = contents(path);
    ModelSource source;
    for (const QString &name : left)
        source.model.append(
            ModelSource::ModelTable{{name, {{QStringLiteral("Name")}}, -1}, {{QStringLiteral("x")}}});
    const FileResult result = convertFile({path, file}, source);
    QCOMPARE(result.outcome, Outcome::Failed);
    QVERIFY2(result.error.startsWith(cause), qPrintable(result.error));
    QCOMPARE(contents(path), original);
    QCOMPARE(namesIn(dir.path()), QStringList{QStringLiteral("file.mdb")});
}

// A run killed at each point of the procedure: the path still holds a usable file, and
// the next run finishes the conversion and clears what the killed run left.
void TestJetConversion::killedRunIsRepaired_data()
{
    QTest::addColumn<int>("killed");
    QTest::addColumn<Outcome>("outcome");
    QTest::newRow("after the temporary file is written") << 0 << Outcome::Converted;
    QTest::newRow("after the backup name is made") << 1 << Outcome::Converted;
    QTest::newRow("between the two renames of the earlier procedure") << 2 << Outcome::Converted;
    QTest::newRow("backup made by copy, then killed") << 3 << Outcome::Converted;
    QTest::newRow("converted, a temporary of another run left") << 4 << Outcome::AlreadyConverted;
}

void TestJetConversion::killedRunIsRepaired()
{
    QFETCH(int, killed);
    QFETCH(Outcome, outcome);
    QTemporaryDir root;
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("pack"))));
    const QString path = root.filePath(QStringLiteral("pack/plugins.mdb"));
    const QString backup = path + QStringLiteral(".jet");
    const QByteArray original = registryJet();
    QVERIFY(writeFile(path, original));
    const DatabaseFile file{path, Schema::File::Registry};
    switch (killed) {
    case 0:
        QCOMPARE(convertFile(file, nullptr, Stop::BeforeBackup).outcome, Outcome::Failed);
        QCOMPARE(contents(path), original);
        break;
    case 1:
        QCOMPARE(convertFile(file, nullptr, Stop::BeforeReplace).outcome, Outcome::Failed);
        QCOMPARE(contents(path), original);
        QCOMPARE(contents(backup), original);
        break;
    case 2:
        QVERIFY(QFile::rename(path, backup));
        QVERIFY(writeFile(root.filePath(QStringLiteral("pack/.plugins.mdb.Ab12Cd")), "half an SQLite file"));
        break;
    case 3: QVERIFY(QFile::copy(path, backup)); break;
    case 4:
        QCOMPARE(convertFile(file).outcome, Outcome::Converted);
        QVERIFY(writeFile(root.filePath(QStringLiteral("pack/.plugins.mdb.x1Y2z3")), "half an SQLite file"));
        break;
    }
    QVERIFY(namesIn(root.filePath(QStringLiteral("pack"))).size() > 1);
    QCOMPARE(jetFiles(root.path()).size(), outcome == Outcome::Converted ? 1 : 0);

    const QList<FileResult> results = convertInstallation(root.path());
    QCOMPARE(results.size(), 1);
    QVERIFY2(results[0].outcome == outcome, qPrintable(describe(results[0], root.path())));
    QCOMPARE(JetFile::format(path), JetFile::Format::Sqlite);
    QCOMPARE(Connection(path).scalar(QStringLiteral("SELECT count(*) FROM plugins")), QVariant(1));
    QCOMPARE(contents(backup), original);
    QCOMPARE(namesIn(root.filePath(QStringLiteral("pack"))),
             (QStringList{QStringLiteral("plugins.mdb"), QStringLiteral("plugins.mdb.jet")}));
}

// Two runs at once: while one run holds a file, another waits for it, and a file the
// first converted meanwhile is "already converted" to the second, not a failure.
void TestJetConversion::twoRunsAtOnce()
{
    TestInstall install;
    QVERIFY(install.isValid());
    const QString path = install.path(QStringLiteral("pack/plugins.mdb"));
    const QByteArray original = registryJet();
    QVERIFY(writeFile(path, original));
    QTemporaryDir elsewhere; // where this "first run" makes its file
    const QString made = elsewhere.filePath(QStringLiteral("plugins.mdb"));
    QVERIFY(writeFile(made, original));
    QCOMPARE(convertFile({made, Schema::File::Registry}).outcome, Outcome::Converted);

    QLockFile first(install.path(QStringLiteral("pack/.plugins.mdb.lock")));
    QVERIFY(first.lock());
    QProcess second;
    second.start(BuiltPrograms::convert(), {install.root()});
    QVERIFY(second.waitForStarted());
    QVERIFY(!second.waitForFinished(300)); // it waits for the file
    QVERIFY(QFile::copy(made + QStringLiteral(".jet"), path + QStringLiteral(".jet")));
    QVERIFY(QFile::remove(path));
    QVERIFY(QFile::copy(made, path));
    first.unlock();
    QVERIFY(second.waitForFinished(60000));
    const QString lines = QString::fromUtf8(second.readAllStandardOutput());
    QCOMPARE(second.exitCode(), 0);
    QVERIFY2(lines.contains(QStringLiteral("pack/plugins.mdb: already converted\n")), qPrintable(lines));
    QCOMPARE(contents(path), contents(made));

    // Two whole runs started together: one converts, the other finds it done.
    QVERIFY(QFile::remove(path + QStringLiteral(".jet")));
    QVERIFY(writeFile(path, original));
    QProcess runs[2];
    for (QProcess &run : runs)
        run.start(BuiltPrograms::convert(), {install.root()});
    QStringList outcomes;
    for (QProcess &run : runs) {
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
        const QString output = QString::fromUtf8(run.readAllStandardOutput());
        outcomes.append(output.contains(QStringLiteral("pack/plugins.mdb: converted")) ? "converted" : "already");
    }
    outcomes.sort();
    QCOMPARE(outcomes, (QStringList{"already", "converted"}));
    QCOMPARE(contents(path + QStringLiteral(".jet")), original);
    QCOMPARE(namesIn(install.path(QStringLiteral("pack"))).filter(QStringLiteral("plugins")),
             (QStringList{QStringLiteral("plugins.mdb"), QStringLiteral("plugins.mdb.jet")}));
}

void TestJetConversion::commandConvertsAnInstallation()
{
    TestInstall install;
    QVERIFY(install.isValid());
    QVERIFY(QFile::remove(install.path(QStringLiteral("database/lynx.mdb"))));
    QVERIFY(QFile::copy(fixtures + QStringLiteral("/testV1997.mdb"),
                        install.path(QStringLiteral("database/Lynx.mdb"))));
    const QByteArray lynx = contents(install.path(QStringLiteral("database/Lynx.mdb")));
    QVERIFY(writeFile(install.path(QStringLiteral("pack/plugins.mdb")), registryJet()));
    QVERIFY(writeFile(install.path(QStringLiteral("database/mega.mdb")), "garbage"));
    int exitCode = 0;
    const QString command = BuiltPrograms::convert();
    const QStringList lines =
        run(command, {install.root()}, &exitCode).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(exitCode, 1);
    QCOMPARE(lines.size(), 12);
    QVERIFY2(lines.contains(QStringLiteral("pack/ludora.mdb: already converted")), qPrintable(lines.join('\n')));
    QVERIFY(lines
                .filter(QRegularExpression(
                    QStringLiteral("^pack/plugins.mdb: converted, 1 tables, 1 rows, \\d+\\.\\d\\d s$")))
                .size()
            == 1);
    // A Jet file without the tables a console database needs would convert into a file
    // the front-end cannot open: it is refused and left as it is.
    QVERIFY(lines.contains(
        QStringLiteral("database/Lynx.mdb: not converted, it lacks the tables giochi, emulatori, "
                       "setting, documents, config that the programs read; the file is unchanged")));
    QCOMPARE(contents(install.path(QStringLiteral("database/Lynx.mdb"))), lynx);
    QVERIFY(lines.contains(QStringLiteral(
        "database/mega.mdb: not converted, it is neither a Jet nor an SQLite database; the file is unchanged")));
    run(command, {install.root()}, &exitCode);
    QCOMPARE(exitCode, 1); // the damaged files are still there
    QVERIFY(QFile::remove(install.path(QStringLiteral("database/mega.mdb"))));
    QVERIFY(QFile::remove(install.path(QStringLiteral("database/Lynx.mdb"))));
    run(command, {install.root()}, &exitCode);
    QCOMPARE(exitCode, 0);
}

// A command line without exactly one installation directory is a usage error, an empty
// argument too (it would otherwise convert the working directory).
void TestJetConversion::commandUsageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("empty argument") << QStringList{QString()};
    QTest::newRow("no argument") << QStringList();
    QTest::newRow("two arguments") << QStringList{"a", "b"};
    QTest::newRow("option") << QStringList{"--help"};
}

void TestJetConversion::commandUsageErrors()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir cwd;
    QVERIFY(QDir().mkpath(cwd.filePath(QStringLiteral("pack"))));
    QVERIFY(writeFile(cwd.filePath(QStringLiteral("pack/plugins.mdb")), registryJet()));
    QProcess process;
    process.setWorkingDirectory(cwd.path());
    process.start(BuiltPrograms::convert(), arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 2);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
             QStringLiteral("usage: ludora4-convert INSTALLATION_DIR\n"));
    QVERIFY(process.readAllStandardOutput().isEmpty());
    QVERIFY(JetFile::isJet(cwd.filePath(QStringLiteral("pack/plugins.mdb"))));
}

// The front-end, meeting a Jet console database, asks; OK converts it and goes on,
// Cancel goes on without touching it.
void TestJetConversion::frontEndOffersTheConversion_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestJetConversion::frontEndOffersTheConversion()
{
    QFETCH(bool, accept);
    TestInstall install;
    QVERIFY(install.isValid());
    const QString lynx = install.path(QStringLiteral("pack/plugins.mdb"));
    QVERIFY(writeFile(lynx, registryJet()));
    m_dialogs = ScriptedDialogs();
    m_dialogs.queueAnswers({accept});
    QMainWindow *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    QVERIFY(main->isVisible());
    QVERIFY(!m_dialogs.shown.isEmpty());
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Question);
    QCOMPARE(m_dialogs.shown[0].buttons, Dialogs::Buttons::OkCancel);
    QVERIFY2(m_dialogs.shown[0].text.contains(QStringLiteral("\npack/plugins.mdb\n")),
             qPrintable(m_dialogs.shown[0].text));
    QCOMPARE(JetFile::isJet(lynx), !accept);
    QCOMPARE(QFileInfo::exists(lynx + QStringLiteral(".jet")), accept);
    if (accept) {
        QCOMPARE(m_dialogs.shown.size(), 2);
        QCOMPARE(m_dialogs.shown[1].icon, Dialogs::Icon::Information);
        QVERIFY2(m_dialogs.shown[1].text.startsWith(
                     QStringLiteral("pack/plugins.mdb: converted, 1 tables, 1 rows")),
                 qPrintable(m_dialogs.shown[1].text));
    } else {
        QCOMPARE(m_dialogs.shown.size(), 1);
    }
    closeFrontEnd();
}

void TestJetConversion::emusetNamesTheWayOut()
{
    TestInstall install;
    QTemporaryDir own;
    QVERIFY(install.isValid());
    QVERIFY(EmusetRun::writeIni(own.path(), EmusetRun::iniLine(install.root())));
    const QString gameboy = install.path(QStringLiteral("database/gameboy.mdb"));
    QVERIFY(QFile::remove(gameboy));
    QVERIFY(QFile::copy(fixtures + QStringLiteral("/testV1997.mdb"), gameboy));
    m_dialogs = ScriptedDialogs();
    QMainWindow *window = EmusetRun::start(own.path(), m_dialogs, m_launcher);
    QVERIFY(window);
    QCOMPARE(m_dialogs.shown.size(), 1);
    const QString text = m_dialogs.shown[0].text;
    QVERIFY2(text.contains(gameboy) && text.contains(QStringLiteral("Open Ludora4 once"))
                 && text.contains(QStringLiteral("ludora4-convert ") + install.root()),
             qPrintable(text));
    QCOMPARE(panelText(window, 1), text);
    QCOMPARE(entries(window, QStringLiteral("LstEmu")), QStringList());
    QVERIFY(JetFile::isJet(gameboy));
    EmusetRun::closeAll();
}

QTEST_MAIN(TestJetConversion)
#include "tst_jetconversion.moc"
