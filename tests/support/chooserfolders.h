#pragma once

#include <QString>

// The folder an open file chooser is in, as a person finds it: the chooser shows the
// folder's path above its directory list, and a click on a directory entry enters it.

// True when the open chooser shows the path of this folder (compared as it stands on disk).
bool chooserShowsFolder(const QString &folder, const QString &formName = QStringLiteral("FrmBrowser"));
// Enters folders of the open chooser by clicking its directory list "Dir1", one entry per
// part of a path written with '/' (".." goes up); false when a part is not listed.
bool enterFolder(const QString &path, const QString &formName = QStringLiteral("FrmBrowser"));
// Walks to a directory as a person does: ".." up to the root, then each directory of its
// path in turn. False when an entry is missing.
bool enterDirectory(const QString &directory, const QString &formName = QStringLiteral("FrmBrowser"));
