#pragma once

#include "shared/installationpaths.h"

#include <QString>
#include <QStringList>

class DataSource;

// The plug-in registry "\pack\plugins.mdb": one record per plug-in key, the path of the
// plug-in's executable in its second column.
namespace PluginRegistry {

inline QString relativePath() { return InstallationPaths::pluginRegistry(); }
// "SELECT * from plugins where plug = '<key>'"
QString query(const QString &key);

// Points the data source at the registry and selects the record of a key. False when
// the registry cannot be read.
bool select(DataSource &source, const QString &registry, const QString &key);
// The stored path of the key's record; empty when it is null or there is no record.
QString readPath(DataSource &source, const QString &registry, const QString &key);
// Stores a path in the key's record; a missing record is added.
bool writePath(DataSource &source, const QString &registry, const QString &key, const QString &path,
               QString *error);

} // namespace PluginRegistry
