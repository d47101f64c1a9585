#pragma once

#include <QPixmap>
#include <QString>

// Every picture the front-end shows that is its own, drawn on first use and cached.
namespace Pictures {

QPixmap console(const QString &key); // toolbar button of a console (ImageListConsole), 32x32
QPixmap star();                      // one rating star, 24x24
QPixmap favorite();                  // the "works" picture a red line may cross, 32x32
QPixmap favorite2();                 // the top-rating cup, 32x32
QPixmap play();                      // the play button, 32x32
QPixmap splash();                    // the splash banner, 300x100
QPixmap about();                     // the about page picture, 96x96

// Game list image lists, numbered from 1 as the list's icon numbers are; large 32x32,
// small 16x16; a number outside the list gives a null pixmap (no picture).
QPixmap flag(int number /* 1 Italian, 2 French, 3 English, 4 Deutsche, 5 Japanese, 6 Spanish */, bool large);
QPixmap rating(int number /* 1..6 for rating 0..5 */, bool large);
QPixmap playable(int number /* 1 playable, 2 not playable */, bool large);

} // namespace Pictures
