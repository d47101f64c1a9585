#pragma once

#include <QString>

// Walks the open chooser's directory list to a directory as a person does: ".." up to
// the root, then each directory of the path in turn. False when an entry is missing.
bool enterDirectory(const QString &directory, const QString &formName = QStringLiteral("FrmBrowser"));
