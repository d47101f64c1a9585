#pragma once

#include "shared/consoles.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// The content of a new installation: the lookup lists of the master database and
// invented games, all made up here and the same on every run.
namespace InstallSample {

QStringList languages();
QStringList genres();
QStringList publishers();

// Every console's sample emulator is called so; its start script is named in lower case.
QString emulatorName();
// The usual rom (or, for the Amiga, emulator configuration) extension of a console.
QString romExtension(const QString &key);

struct Game {
    QString name, year, screen, genre, producer, link, language, lastPlay, added, notes;
    QString emulator, players, region, serial;
    int times = 0;
    int rating = 0;
    QVariant playable; // 1, 0 or null
    bool colour = false, sound = false, favorite = false;
    int screenshots = 0; // pictures to draw: 0, 1 (the first) or 3 (the first, _1 and _2)
    bool rom = false;    // an empty rom file to write
};

// The columns of giochi that a Game fills, and its values in that order.
QStringList gameColumns();
QVariantList gameValues(const Game &game);

// A few dozen invented games of a console: some names with an apostrophe, some accented,
// some with a lower-case or empty language, some never played.
QList<Game> sampleGames(const Consoles::Console &console);

// The index-th of a long run of generated games: distinct names of realistic length
// ("Super Dragon Quest 3 - The Lost Kingdom") for index below several million, every
// field filled. The same index always gives the same game.
Game generatedGame(const Consoles::Console &console, int index);

} // namespace InstallSample
