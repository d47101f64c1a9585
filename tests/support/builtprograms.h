#pragma once

#include "install/installation.h"

#include <QString>

// The programs of this build tree that the fixtures start or lay into installations.
namespace BuiltPrograms {

QString converter();
QString emuset();
QString mkinstall();
QString convert();  // ludora4-convert
QString gamelist(); // ludora4-gamelist
QString crashDriver();

// Installation options that take the converter and Emuset from this build tree.
Installation::Options options(bool sample = false, int gamesPerConsole = 0);

} // namespace BuiltPrograms
