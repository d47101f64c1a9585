#include "bench/floor.h"

#include <QElapsedTimer>
#include <QFile>

#include <sqlite3.h>

namespace {

const char *const listQuery =
    "SELECT Gioco, Language, Rating, Playable, Favorites, Times FROM giochi ORDER BY Gioco";

// One read of every row; the sum keeps the reads from being optimised away.
bool readOnce(sqlite3 *db, qint64 *sum)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, listQuery, -1, &statement, nullptr) != SQLITE_OK)
        return false;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int text = 0; text < 2; ++text) {
            const unsigned char *value = sqlite3_column_text(statement, text);
            *sum += value ? value[0] + sqlite3_column_bytes(statement, text) : 0;
        }
        *sum += sqlite3_column_int(statement, 2) + sqlite3_column_int(statement, 3)
                + sqlite3_column_int(statement, 4) + sqlite3_column_int(statement, 5);
    }
    return sqlite3_finalize(statement) == SQLITE_OK;
}

} // namespace

std::vector<double> floorReads(const QString &databasePath, int repetitions, QString *error)
{
    // Set up as the front-end sets up its own connections: reads through a memory map.
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(databasePath).constData(), &db, SQLITE_OPEN_READONLY, nullptr)
            != SQLITE_OK
        || sqlite3_exec(db, "PRAGMA mmap_size = 268435456", nullptr, nullptr, nullptr) != SQLITE_OK) {
        *error = databasePath + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        return {};
    }
    std::vector<double> samples;
    qint64 sum = 0;
    QElapsedTimer clock;
    for (int i = -1; i < repetitions; ++i) { // -1: the warm-up
        clock.start();
        if (!readOnce(db, &sum)) {
            *error = databasePath + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db));
            samples.clear();
            break;
        }
        if (i >= 0)
            samples.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    sqlite3_close(db);
    return samples;
}
