#include "shared/schema.h"

#include "shared/transaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace Schema {

namespace {

// Master database: configuration record and the three lookup tables.
const QStringList masterTables = {
    QStringLiteral("CREATE TABLE config ("
                   " Database TEXT,"  // 0 active console database file
                   " Game TEXT,"      // 1 game shown at start-up
                   " Picture TEXT,"   // 2 active console picture file
                   " WinTop REAL,"    // 3 main window top, twips
                   " WinLeft REAL)"), // 4 main window left, twips
    QStringLiteral("CREATE TABLE langu (ID INTEGER PRIMARY KEY, Language TEXT COLLATE NOCASE)"),
    QStringLiteral("CREATE TABLE genres (ID INTEGER PRIMARY KEY, Genre TEXT COLLATE NOCASE)"),
    QStringLiteral("CREATE TABLE publisher (ID INTEGER PRIMARY KEY, Publisher TEXT COLLATE NOCASE)"),
};

// Console database: games, emulators, parameter sets, documents and its configuration.
const QStringList consoleTables = {
    QStringLiteral("CREATE TABLE giochi ("
                   " Gioco TEXT COLLATE NOCASE,"    // 0
                   " Anno TEXT,"                    // 1
                   " Screen TEXT,"                  // 2
                   " Times INTEGER DEFAULT 0,"      // 3
                   " Genre TEXT,"                   // 4
                   " Producer TEXT,"                // 5
                   " Rating INTEGER DEFAULT 0,"     // 6
                   " Link TEXT,"                    // 7
                   " Colour INTEGER,"               // 8
                   " Language TEXT,"                // 9
                   " Sound INTEGER,"                // 10
                   " Data TEXT,"                    // 11
                   " DataAdd TEXT,"                 // 12
                   " Notes TEXT,"                   // 13
                   " Playable INTEGER,"             // 14
                   " EmuName TEXT COLLATE NOCASE,"  // 15
                   " Players TEXT,"                 // 16
                   " Region TEXT,"                  // 17
                   " Serial TEXT,"                  // 18
                   " Favorites INTEGER,"            // 19
                   " PlayTime INTEGER DEFAULT 0)"), // 20 seconds played, appended later
    QStringLiteral("CREATE INDEX giochi_gioco ON giochi (Gioco COLLATE NOCASE)"),
    QStringLiteral("CREATE TABLE emulatori ("
                   " Emu_Name TEXT COLLATE NOCASE," // 0
                   " Emu_Link TEXT,"                // 1
                   " Emu_Type TEXT)"),              // 2
    QStringLiteral("CREATE TABLE setting ("
                   " ID_Emula TEXT COLLATE NOCASE," // 0
                   " Descri TEXT,"                  // 1
                   " Nome TEXT COLLATE NOCASE,"     // 2
                   " Stringa TEXT,"                 // 3
                   " Opzioni TEXT,"                 // 4
                   " Scelta TEXT,"                  // 5
                   " Attivo INTEGER DEFAULT 0)"),   // 6
    QStringLiteral("CREATE TABLE documents ("
                   " Doc_Name TEXT COLLATE NOCASE," // 0
                   " Doc_File TEXT)"),              // 1
    QStringLiteral("CREATE TABLE config ("
                   " Console TEXT,"     // 0
                   " Version TEXT,"     // 1
                   " Author TEXT,"      // 2
                   " Updated TEXT,"     // 3
                   " Games INTEGER,"    // 4
                   " Notes TEXT,"       // 5
                   " GamesDir TEXT,"    // 6 "\gameboy\games\"
                   " ScreenDir TEXT)"), // 7 "\gameboy\screen\"
};

// Plug-in registry: one record per plug-in key, the executable path second.
const QStringList registryTables = {
    QStringLiteral("CREATE TABLE plugins (plug TEXT COLLATE NOCASE, Path TEXT)"),
};

// Columns appended to a table after files were first made: an earlier file lacks them and
// gets them, at its end, when it is brought up to date.
const QList<AddedColumn> consoleAdditions = {
    {QStringLiteral("giochi"), QStringLiteral("PlayTime"), QStringLiteral("INTEGER DEFAULT 0")},
};

} // namespace

QList<AddedColumn> addedColumns(File file)
{
    return file == File::Console ? consoleAdditions : QList<AddedColumn>{};
}

QString AddedColumn::statement() const
{
    return QStringLiteral("ALTER TABLE ") + table + QStringLiteral(" ADD COLUMN ") + column + QLatin1Char(' ')
           + definition;
}

QStringList missingColumns(QSqlDatabase &db, File file)
{
    QStringList missing;
    for (const AddedColumn &added : addedColumns(file)) {
        const QSqlRecord columns = db.record(added.table);
        if (!columns.isEmpty() && columns.indexOf(added.column) < 0)
            missing.append(added.statement());
    }
    return missing;
}

bool addMissingColumns(QSqlDatabase &db, File file, QString *error)
{
    const QStringList missing = missingColumns(db, file);
    if (missing.isEmpty())
        return true;
    Transaction transaction(db);
    QSqlQuery query(db);
    for (const QString &sql : missing) {
        if (!transaction.isActive() || !query.exec(sql)) {
            *error = db.databaseName() + QStringLiteral(": ")
                     + (transaction.isActive() ? query.lastError().text() : transaction.error())
                     + QStringLiteral(" (") + sql + QLatin1Char(')');
            return false;
        }
    }
    query.finish();
    if (transaction.commit())
        return true;
    *error = db.databaseName() + QStringLiteral(": ") + transaction.error();
    return false;
}

QStringList statements(File file)
{
    switch (file) {
    case File::Master: return masterTables;
    case File::Console: return consoleTables;
    case File::Registry: return registryTables;
    }
    return {};
}

bool create(QSqlDatabase &db, File file, QString *error)
{
    QSqlQuery query(db);
    auto failed = [&](const QString &sql) {
        if (error)
            *error = db.databaseName() + QStringLiteral(": ") + query.lastError().text() + QStringLiteral(" (")
                     + sql + QLatin1Char(')');
        db.rollback();
        return false;
    };
    if (!db.transaction())
        return failed(QStringLiteral("BEGIN"));
    for (const QString &sql : statements(file)) {
        if (!query.exec(sql))
            return failed(sql);
    }
    const QString version = QStringLiteral("PRAGMA user_version = %1").arg(Version);
    if (!query.exec(version))
        return failed(version);
    if (!db.commit())
        return failed(QStringLiteral("COMMIT"));
    return true;
}

} // namespace Schema
