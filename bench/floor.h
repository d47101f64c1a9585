#pragma once

#include <QString>

#include <vector>

// The least any front-end could do: read the columns the game list needs (name, language,
// rating, playable, favourite, times) of every game in name order through the SQLite C
// API on a connection set up as the front-end sets up its own (memory-mapped reads), with
// nothing else. One sample per read, in ms; empty with *error set on failure.
std::vector<double> floorReads(const QString &databasePath, int repetitions, QString *error);
