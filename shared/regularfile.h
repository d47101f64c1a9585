#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Reading files whose names come from databases and users: only regular files are read
// (a link counts as what it points to). A FIFO, a device or a directory in their place is
// treated as missing, and opening never blocks on one.
namespace RegularFile {

// True when the path names a regular file.
bool isRegular(const QString &path);

// The whole content of a regular file, or at most maxBytes of it. False, with *error
// naming the file and the cause, when it is missing, not a regular file, or unreadable.
bool read(const QString &path, QByteArray *bytes, QString *error, qint64 maxBytes = -1);

// The picture a regular file holds; a null image, with *error set, for anything else.
QImage image(const QString &path, QString *error);

} // namespace RegularFile
