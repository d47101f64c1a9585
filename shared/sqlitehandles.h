#pragma once

#include <sqlite3.h>

#include <memory>

// Owners of raw SQLite handles, for code that opens its own connections through the C API.
namespace SqliteHandles {

struct Closer {
    void operator()(sqlite3 *db) const { sqlite3_close(db); }
};
struct Finalizer {
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};
using Database = std::unique_ptr<sqlite3, Closer>;
using Statement = std::unique_ptr<sqlite3_stmt, Finalizer>;

} // namespace SqliteHandles
