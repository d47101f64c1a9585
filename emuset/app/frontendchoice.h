#pragma once

#include <QString>

// What Emuset's two choosers accept as the front-end's installation: the directory of the
// front-end's executable, or, for an installation without the executable (the user's
// data directory of an installed front-end), the directory that holds pack/ludora.mdb.
namespace Emuset::FrontEndChoice {

// The choosers' file pattern: the front-end's executable; an installed Emuset lists the
// master database "ludora.mdb" too.
QString pattern(bool installed);

// The installation a click on fileName in directory picks: directory itself for the
// front-end's executable; the directory above for ludora.mdb inside "pack", when no
// front-end executable lies there. Empty when the click picks no installation.
QString installationDir(const QString &directory, const QString &fileName);

// Tells the user, in a warning, that the clicked file picks no installation.
void reportNoInstallation(const QString &directory, const QString &fileName);

} // namespace Emuset::FrontEndChoice
