#pragma once

#include <QString>
#include <QStringList>

// The programs of ours that an installation carries besides its data.
namespace InstallTools {

// The built converter I_View32: beside the running executable, where an installed tree
// puts it (libexec/ludora4 beside bin), else in the build directory's tools/ named by
// LUDORA_BUILD_DIR. Empty when none holds it; searched then lists the places looked at.
QString findBuiltConverter(QStringList *searched = nullptr);

// Copies the built converter to root + "\pack\I_View32\I_View32" (".exe" on Windows),
// executable. False with error set when it is not found or cannot be copied.
bool installConverter(const QString &root, QString *error);

} // namespace InstallTools
