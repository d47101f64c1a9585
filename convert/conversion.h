#pragma once

#include "convert/tablesource.h"
#include "shared/schema.h"

#include <QList>
#include <QString>

// Converting the Jet databases of an earlier installation into our SQLite files, at the
// same paths, one file at a time and each all or nothing. The front-end (at start-up)
// and the command ludora4-convert run the same code.
namespace Convert {

struct DatabaseFile {
    QString path; // as it stands on disk
    Schema::File kind;
};

enum class Outcome { Converted, AlreadyConverted, BackupInTheWay, Failed };

struct FileResult {
    QString path;
    Outcome outcome = Outcome::Failed;
    int tables = 0;
    qint64 rows = 0;
    qint64 milliseconds = 0;
    QString error; // why the file was not converted
};

// The database files of the installation at root, found without regard to the case of
// their names: pack/ludora.mdb, pack/plugins.mdb and database/*.mdb.
QList<DatabaseFile> databaseFiles(const QString &root);
// Those of them that are Jet files (told by their header, not their name).
QList<DatabaseFile> jetFiles(const QString &root);

// Converts one file in place: an SQLite file is left alone, a Jet file is read, checked
// (its list of tables whole, at least one table, the tables the programs read for its
// kind), written to a temporary file beside it and checked again; then the original gets
// the second name NAME.mdb.jet and the new file replaces it in one rename, so that the
// path always holds a usable file. A run that was killed half-way is finished or undone
// first, and one run at a time works on a file. A backup already there that is not the
// original stops it. On any failure the original is untouched and the result says why.
FileResult convertFile(const DatabaseFile &file);
// The same with the tables read from the given source instead of the file itself.
FileResult convertFile(const DatabaseFile &file, TableSource &source);
// Where a run stops early, as a kill would stop it (for tests): after the temporary file is
// written, or after the backup name is made as well.
enum class Stop { Never, BeforeBackup, BeforeReplace };
FileResult convertFile(const DatabaseFile &file, TableSource *source, Stop stopAt = Stop::Never);
// Every database file of the installation.
QList<FileResult> convertInstallation(const QString &root);

// One line for a result, with the path relative to root: "database/gameboy.mdb:
// converted, 5 tables, 1200 rows, 0.21 s".
QString describe(const FileResult &result, const QString &root);
bool succeeded(const FileResult &result);

} // namespace Convert
