#pragma once

#include "install/installation.h"

#include <QByteArray>
#include <QString>

// Where the front-end's installation lives. Portable: the executable's directory when it
// holds an installation. Installed: otherwise the user's data directory, made there with
// the installation maker on the first start. An explicit root (--root) wins over both.
namespace DataRoot {

// True when dir holds an installation: pack/ludora.mdb, whatever the case of its names.
bool holdsInstallation(const QString &dir);
// True when dir holds a pack or database folder: an installation, or one that lost its
// master database (which the start then reports, instead of working elsewhere).
bool looksLikeInstallation(const QString &dir);

// The directory of the running executable, as its bytes stand on disk.
QByteArray executableDirBytes();
// False, with *error naming the folder, when dir's name is not valid UTF-8 and it looks
// like an installation: its name would be read as another folder's.
bool checkExecutableDir(const QByteArray &dir, QString *error);

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
// is never touched. A root that may not be made and holds nothing of an installation (an
// empty folder given with --root) is refused, naming the installation maker. An Emuset beside the front-end is
// registered in the new installation's plug-in registry. *note is the line for the status bar when one was made
// (else empty). False with *error set when making it failed.
bool prepare(const Choice &choice, QString *note, QString *error);

} // namespace DataRoot
