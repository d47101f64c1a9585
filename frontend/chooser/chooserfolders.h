#pragma once

#include <QString>

// The folder each purpose of the file chooser was last used in, kept per user in the
// program's settings, like the game list's view type (only by a host that names its
// organization: the real program, not a test that does not ask for it). A purpose is told
// by the caption without the game's name after " : ", and by the caller's folder, so that
// the rom chooser of each console keeps its own.
namespace ChooserFolders {

QString purpose(const QString &caption);

// The folder last chosen in for the purpose and default folder; empty when none is kept.
QString remembered(const QString &purpose, const QString &defaultFolder);
void remember(const QString &purpose, const QString &defaultFolder, const QString &folder);

} // namespace ChooserFolders
