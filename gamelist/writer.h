#pragma once

#include "gamelist/entry.h"

#include <QList>
#include <QString>

// Writes a gamelist.xml with QXmlStreamWriter: one <game> per entry, its elements in the
// order the EmulationStation family writes them, the empty ones left out. The file is
// replaced whole or not at all.
namespace GamelistWriter {

bool write(const QString &path, const QList<GamelistEntry> &entries, QString *error);

} // namespace GamelistWriter
