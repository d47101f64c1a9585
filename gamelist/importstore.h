#pragma once

#include "gamelist/gamelistimport.h"

// The store of an import: one transaction over the console database with the master
// database attached, so that the games, their pictures' names and the lists' new entries
// are all stored or none.
namespace ImportStore {

GamelistImport::Status store(GamelistImport::Prepared &prepared, GamelistImport::Counts *done, QString *error,
                             const GamelistImport::Progress &progress);

} // namespace ImportStore
