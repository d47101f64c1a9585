#pragma once

#include "convert/tablesource.h"
#include "shared/schema.h"

namespace Convert {

struct WriteCounts {
    int tables = 0;
    qint64 rows = 0;
};

// Writes every table of the source, with its rows, into a new SQLite file at path: the
// same table and column names in the same order, each column typed by its kind and
// given the traits our schema declares for it in a file of that kind (COLLATE NOCASE,
// defaults, the numbered key), the schema's indexes and version. Texts of dates go in
// the form the program stores in that column, other dates in ISO 8601. Everything is one
// transaction; the file is then checked (integrity, row counts). False with error set
// on any failure; the caller removes the file then.
bool writeSqlite(TableSource &source, const QString &path, Schema::File file, WriteCounts *counts, QString *error);

} // namespace Convert
