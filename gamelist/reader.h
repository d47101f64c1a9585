#pragma once

#include "gamelist/entry.h"

#include <QList>
#include <QString>

class QIODevice;

// Reads a gamelist.xml with QXmlStreamReader. The entities XML predefines are decoded;
// a DOCTYPE that declares anything (an internal subset, entities) is refused before any
// of it is used, and nothing outside the file is ever fetched.
namespace GamelistReader {

// The <game> elements of a <gameList>, in file order. False with *error set, naming the
// line and the column, when the file is not well-formed XML, not a gameList, or
// declares entities; false with the cause when it cannot be opened.
bool read(const QString &path, QList<GamelistEntry> *entries, QString *error);
bool read(QIODevice &device, const QString &name, QList<GamelistEntry> *entries, QString *error);

} // namespace GamelistReader
