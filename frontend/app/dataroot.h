#pragma once

#include "install/installation.h"

#include <QString>

// Where the front-end's installation lives. Portable: the executable's directory when it
// holds an installation. Installed: otherwise the user's data directory, made there with
// the installation maker on the first start. An explicit root (--root) wins over both.
namespace DataRoot {

// True when dir holds an installation: pack/ludora.mdb, whatever the case of its names.
bool holdsInstallation(const QString &dir);

// $XDG_DATA_HOME/ludora4, or ~/.local/share/ludora4 when the variable is unset or relative;
// the home is HOME when absolute, else the password database's.
QString userDataDir();

struct Choice {
    QString root;
    bool makeWhenMissing = false;         // the user's data directory: made on the first start
    QString programsDir;                  // the front-end's own directory, where Emuset may lie too
    Installation::BuiltPrograms programs; // for the maker; empty: found beside the front-end
};

Choice choose(const QString &explicitRoot, const QString &executableDir);

// Makes an installation at the chosen root when it may and none is there; an existing one
// is never touched. An Emuset beside the front-end is registered in the new installation's
// plug-in registry. *note is the line for the status bar when one was made (else empty).
// False with *error set when making it failed.
bool prepare(const Choice &choice, QString *note, QString *error);

} // namespace DataRoot
