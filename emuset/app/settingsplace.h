#pragma once

#include <QString>

// Where Emuset keeps emuset.ini. Portable, when its own directory holds the file or may
// be written by the user (an installation's plug-in folder): the file lies beside the
// program. Installed otherwise (as in /usr/bin): the file lies in the user's configuration
// directory, and the user's data directory is the front-end's installation to use when
// the file names none.
namespace Emuset::SettingsPlace {

struct Place {
    bool installed = false;
    QString settingsFile; // emuset.ini
    QString dataRoot;     // installed: the user's front-end installation, else empty
};

// The decision itself, from what the running program finds.
Place choose(const QString &ownDir, bool ownDirWritable, const QString &configHome, const QString &dataHome);

// The decision for a program running from ownDir: the directory's write permission and
// $XDG_CONFIG_HOME, $XDG_DATA_HOME (~/.config, ~/.local/share by default), read by the
// rules the front-end follows, so that both find the same user installation.
Place forProgramIn(const QString &ownDir);

} // namespace Emuset::SettingsPlace
