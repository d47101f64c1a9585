#pragma once

#include <QString>
#include <QStringList>

// The programs of ours that an installation carries besides its data.
namespace InstallTools {

// The built converter I_View32: the given path, or when that is empty, beside the running
// executable or where an installed tree puts it (libexec/ludora4 beside bin). Empty when
// none holds it; searched then lists the places looked at.
QString findBuiltConverter(const QString &given, QStringList *searched = nullptr);

// Copies the built converter (found as findBuiltConverter(given) finds it) to
// root + "\pack\I_View32\I_View32" (".exe" on Windows), executable. False with error set
// when it is not found or cannot be copied.
bool installConverter(const QString &root, const QString &given, QString *error);

} // namespace InstallTools
