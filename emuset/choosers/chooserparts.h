#pragma once

#include <functional>

class FileLists;
class QString;
class QVBoxLayout;
class QWidget;

// What Emuset's choosers share below their lists: a path box (TxtPath) that takes a typed
// or pasted path, "Show hidden folders" (ChkHidden), Cancel (CmdCancel), and Esc, which
// closes the chooser as Cancel does.
namespace Emuset::ChooserParts {

// A path to a directory opens it in the lists; a path to a file is handed to fileChosen
// (its directory and its name as stored on disk), as a click on it would be; anything
// else is said under the box (LabPathError). A relative path is read from the directory
// shown, "~" as the home directory.
void addTo(QWidget *chooser, QVBoxLayout *layout, FileLists *lists,
           const std::function<void(const QString &directory, const QString &fileName)> &fileChosen);

} // namespace Emuset::ChooserParts
