#pragma once

#include <QString>

// What Emuset's two choosers accept as the front-end's installation: the directory of the
// front-end's executable, or, for an installation without the executable (the user's
// data directory of an installed front-end), the directory that holds pack/ludora.mdb.
namespace Emuset::FrontEndChoice {

// The choosers' file pattern: the front-end's executable; an installed Emuset lists the
// master database "ludora.mdb" too.
QString pattern(bool installed);

// The installation a click on fileName in directory picks: for the front-end's
// executable, directory itself when it looks like an installation (it holds "pack" or
// "database"), else userInstallation when there is one: an installed front-end (as in
// /usr/bin) works on the user's installation. For ludora.mdb inside "pack", the directory
// above, when no front-end executable lies there. Empty when the click picks none.
QString installationDir(const QString &directory, const QString &fileName, const QString &userInstallation);

// Tells the user, in a warning, that the clicked file picks no installation.
void reportNoInstallation(const QString &directory, const QString &fileName);

// The test of the main window's load: the installation holds the Gameboy database.
QString gameboyDatabase(const QString &installation);
bool holdsGameboyDatabase(const QString &installation);

// Where a chooser for the front-end starts by default: in the user's installation (its
// "pack" folder, which lists ludora.mdb, when there is one); empty when it does not exist.
QString startFolder(const QString &userInstallation);

} // namespace Emuset::FrontEndChoice
