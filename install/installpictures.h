#pragma once

#include "shared/consoles.h"

#include <QImage>
#include <QString>

// The pictures of a new installation, drawn here: the console pictures of the toolbar
// table, the "no screenshot" picture and sample screenshots.
namespace InstallPictures {

// About 200x120: a stylised console and its name.
QImage consolePicture(const Consoles::Console &console);
// 160x144: shown when a game has no screenshot.
QImage noPicture();
// 160x144: a made-up screen of the game; number 0 is the first screenshot, 1, 2, ...
// the further ones. The same name and number always give the same picture.
QImage screenshot(const QString &game, int number);

// Saves in the format the file name's suffix asks for: GIF through libgd, JPEG and the
// rest through Qt. False with error naming the file and the cause.
bool save(const QImage &image, const QString &path, QString *error);

} // namespace InstallPictures
