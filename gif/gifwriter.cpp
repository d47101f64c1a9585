#include "gif/gifwriter.h"

#include <QSaveFile>

#include <gd.h>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

#include <memory>

namespace GifWriter {

namespace {

struct GdImageDeleter {
    void operator()(gdImagePtr image) const { gdImageDestroy(image); }
};
using GdImage = std::unique_ptr<gdImage, GdImageDeleter>;

struct GdMemoryDeleter {
    void operator()(void *data) const { gdFree(data); }
};
using GdMemory = std::unique_ptr<void, GdMemoryDeleter>;

// GIF has no partial transparency: an image with alpha is laid over white first.
QImage opaque(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < flat.height(); ++y) {
        auto *out = reinterpret_cast<QRgb *>(flat.scanLine(y));
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        for (int x = 0; x < flat.width(); ++x) {
            const int cover = 255 - qAlpha(in[x]);
            out[x] = qRgb(qRed(in[x]) + cover, qGreen(in[x]) + cover, qBlue(in[x]) + cover);
        }
    }
    return flat;
}

GdImage toTrueColor(const QImage &image)
{
    GdImage gd(gdImageCreateTrueColor(image.width(), image.height()));
    if (!gd)
        return gd;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            gdImageTrueColorPixel(gd.get(), x, y) = gdTrueColor(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
    }
    return gd;
}

// Written by hand on the file's descriptor where there is one: Qt reports a write that
// stops part-way (a full disk, a file grown too large) as "Unknown error", and the cause
// is what the user needs.
bool writeData(QSaveFile &file, const QByteArray &data, QString *cause)
{
#ifdef Q_OS_UNIX
    qint64 done = 0;
    while (done < data.size()) {
        const ssize_t written = ::write(file.handle(), data.constData() + done, size_t(data.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            *cause = QString::fromLocal8Bit(std::strerror(written < 0 ? errno : ENOSPC));
            return false;
        }
        done += written;
    }
    return true;
#else
    if (file.write(data) == data.size())
        return true;
    *cause = file.errorString();
    return false;
#endif
}

bool writeWhole(const QString &path, const QByteArray &data, QString *cause)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *cause = file.errorString();
        return false;
    }
    if (!writeData(file, data, cause)) {
        file.cancelWriting();
        return false;
    }
    if (file.commit())
        return true;
    *cause = file.errorString();
    return false;
}

} // namespace

QByteArray encode(const QImage &image, QString *cause)
{
    auto failed = [cause](const QString &text) {
        if (cause)
            *cause = text;
        return QByteArray();
    };
    if (image.isNull())
        return failed(QStringLiteral("no image to write"));
    GdImage gd = toTrueColor(opaque(image));
    if (!gd)
        return failed(QStringLiteral("out of memory for a %1x%2 image").arg(image.width()).arg(image.height()));
    if (!gdImageTrueColorToPalette(gd.get(), 0, gdMaxColors))
        return failed(QStringLiteral("could not reduce the image to 256 colours"));
    int size = 0;
    GdMemory data(gdImageGifPtr(gd.get(), &size));
    if (!data || size <= 0)
        return failed(QStringLiteral("GIF encoding failed"));
    return QByteArray(static_cast<const char *>(data.get()), size);
}

bool write(const QImage &image, const QString &path, QString *error)
{
    QString cause;
    const QByteArray gif = encode(image, &cause);
    if (!gif.isEmpty() && writeWhole(path, gif, &cause))
        return true;
    if (error)
        *error = path + QStringLiteral(": ") + cause;
    return false;
}

} // namespace GifWriter
