#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Qt reads GIF but cannot write it; this writes an image as a GIF through libgd.
namespace GifWriter {

// The GIF bytes of image (256-colour palette; transparent pixels are laid over white);
// empty with cause set on failure.
QByteArray encode(const QImage &image, QString *cause);

// Writes encode(image) to path, atomically (the file appears whole or not at all).
// False with error naming the file and the cause.
bool write(const QImage &image, const QString &path, QString *error);

} // namespace GifWriter
