#pragma once

#include <QString>

// Which installation the programs work on when none is named: the programs' own directory
// when it holds one (portable), otherwise the user's data directory.
namespace InstallationRoot {

// True when dir holds an installation: pack/ludora.mdb, whatever the case of its names.
bool holdsInstallation(const QString &dir);

// $XDG_DATA_HOME/ludora4, or ~/.local/share/ludora4 when the variable is unset or relative;
// the home is HOME when absolute, else the password database's.
QString userDataDir();

// The installation the front-end in programsDir would use.
QString of(const QString &programsDir);

} // namespace InstallationRoot
