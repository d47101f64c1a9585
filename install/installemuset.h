#pragma once

#include "install/installation.h"

#include <QString>

// Lays the built Emuset program into an installation's plug-in folder "plugins/emuset/",
// with its settings file pointing at the installation, and registers it in the plug-in
// registry, so that the front-end's plug-in panel starts it.
namespace InstallEmuset {

// The built emuset executable: the given path when one is given, otherwise beside the
// running program or in the build tree's emuset/ beside the running program's directory.
// Empty when there is none.
QString findBinary(const QString &given = {});

// Copies binary to root/plugins/emuset/, writes emuset.ini there (the root, a separator,
// CR LF) and stores the copy's path in the registry record 'emuset'. False with *error
// set when a step fails; the registry then keeps its old value.
bool layIn(const QString &root, const QString &binary, QString *error);

// Lays Emuset into a demo installation (one with the sample content) when a built
// executable is found; other installations keep the registry record empty. Never fails
// the installation: a failure is written as a warning, and nothing is registered then.
void layInIfBuilt(const QString &root, const Installation::Options &options);

} // namespace InstallEmuset
