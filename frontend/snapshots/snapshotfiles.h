#pragma once

#include <QString>

class QLabel;

// A game's screenshots as files, and showing one in a picture box.
namespace SnapshotFiles {

// Screenshot `number` of a game (0: the first, the Screen field itself; then the Screen
// field's name without its last four characters, "_", the number and ".gif").
QString file(const QString &screenDir, const QString &screen, int number);
// False (the box keeps what it showed) when the file is not a picture that can be read.
bool load(QLabel *box, const QString &path);
// The picture shown where a screenshot is missing, or nothing.
void showNone(QLabel *box, const QString &noPicture);
// A box that cannot show its file shows the missing-picture one; *error says why.
bool showOrNone(QLabel *box, const QString &path, const QString &noPicture, QString *error);

} // namespace SnapshotFiles
