#pragma once

#include <QModelIndex>

class QObject;

// The entry of the game list "LstGames" selected now (what the list highlights), or an
// invalid index when none is.
QModelIndex selectedGame(const QObject *window);
