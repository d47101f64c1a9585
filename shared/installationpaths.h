#pragma once

#include <QString>

// Where things stand below an installation's root, written as the programs write them
// (backslashes; Paths::join() makes them native), and the error shown when one of the
// installation's own files is missing.
namespace InstallationPaths {

QString masterDatabase();                     // \pack\ludora.mdb
QString pluginRegistry();                     // \pack\plugins.mdb
QString picturesDir();                        // \pack\immagini\ (with its separator)
QString noPicture();                          // \pack\immagini\none.gif
QString converterDir();                       // \pack\I_View32
QString converter();                          // \pack\I_View32\I_View32 (".exe" on Windows)
QString databasesDir();                       // \database\ (with its separator)
QString consoleDir(const QString &directory); // \console\<directory>
QString pluginsDir();                         // \plugins\ (with its separator)

// "File <path> Not Found! Bad Ludora4 Installation"
QString notFoundMessage(const QString &path);

} // namespace InstallationPaths
