#include "shared/regularfile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace RegularFile {

namespace {

QString notRegular(const QString &path) { return path + QStringLiteral(": not a regular file"); }

#ifdef Q_OS_UNIX
// Opened without blocking (a FIFO would wait for a writer), then checked on the open
// descriptor, so that nothing swapped in between the check and the read is read.
int openRegular(const QString &path, QString *error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
        return -1;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        *error = notRegular(path);
        return -1;
    }
    // Reads of a regular file never block; the flag only mattered for the open.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}
#endif

} // namespace

bool isRegular(const QString &path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

bool read(const QString &path, QByteArray *bytes, QString *error, qint64 maxBytes)
{
    bytes->clear();
    QString why;
    if (!isRegular(path)) {
        *error = QFileInfo::exists(path) ? notRegular(path) : path + QStringLiteral(": no such file");
        return false;
    }
    QFile file;
#ifdef Q_OS_UNIX
    const int fd = openRegular(path, &why);
    if (fd < 0) {
        *error = why;
        return false;
    }
    const bool opened = file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
#else
    file.setFileName(path);
    const bool opened = file.open(QIODevice::ReadOnly);
#endif
    if (!opened) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    *bytes = maxBytes < 0 ? file.readAll() : file.read(maxBytes);
    if (file.error() != QFileDevice::NoError) {
        *error = path + QStringLiteral(": ") + file.errorString();
        bytes->clear();
        return false;
    }
    return true;
}

QImage image(const QString &path, QString *error)
{
    QByteArray bytes;
    if (!read(path, &bytes, error))
        return {};
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    const QImage picture = reader.read();
    if (picture.isNull())
        *error = path + QStringLiteral(": ") + reader.errorString();
    return picture;
}

} // namespace RegularFile
