#pragma once

#include <QString>

// The user's base directories as the XDG rules give them, the same for both programs: a
// variable holding a relative path is ignored, and the home comes from the password
// database when HOME is not an absolute path.
namespace UserDirs {

QString home();
QString dataHome();   // $XDG_DATA_HOME, else ~/.local/share
QString configHome(); // $XDG_CONFIG_HOME, else ~/.config
QString stateHome();  // $XDG_STATE_HOME, else ~/.local/state

} // namespace UserDirs
