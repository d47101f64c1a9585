#pragma once

#include <QPixmap>

// The pictures Emuset shows that are its own, drawn on first use.
namespace EmusetPictures {

QPixmap launch();  // the "Launch Emulator" button: a game pad with a start arrow, 32x32
QPixmap ludora4(); // the front-end's banner on the about window, 200x60
QPixmap emuset();  // Emuset's own picture on the about window, 64x64

} // namespace EmusetPictures
