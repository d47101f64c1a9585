#pragma once

#include <QString>

// Which files of a games folder can be roms. A rom folder also holds what came with the
// roms and what the emulators wrote beside them: documents, pictures, saves, and the lists
// of games that other front-ends and rom managers keep. Those are no games. Everything
// else may be one: each console's emulators read their own kinds of files (disc images
// and cue sheets, archives, the Amiga's configuration files).
namespace RomFiles {

bool canBeRom(const QString &fileName);

} // namespace RomFiles
