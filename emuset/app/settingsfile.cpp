#include "emuset/app/settingsfile.h"

#include "shared/paths.h"
#include "shared/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Emuset::SettingsFile {

namespace {
// More than any path; the rest of an oversized first line is never read.
constexpr qint64 MaxLine = 32 * 1024;

// The first line of a buffer, without its end (CR, LF or CR LF).
QByteArray firstLine(const QByteArray &bytes)
{
    qsizetype end = 0;
    while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
        ++end;
    return bytes.left(end);
}
} // namespace

QString path(const QString &ownDir) { return Paths::join(ownDir, QStringLiteral("\\emuset.ini")); }

QString firstItem(const QString &line)
{
    qsizetype start = 0;
    while (start < line.size() && (line[start] == QLatin1Char(' ') || line[start] == QLatin1Char('\t')))
        ++start;
    if (start < line.size() && line[start] == QLatin1Char('"')) {
        const qsizetype close = line.indexOf(QLatin1Char('"'), start + 1);
        return line.mid(start + 1, close < 0 ? -1 : close - start - 1);
    }
    const qsizetype comma = line.indexOf(QLatin1Char(','), start);
    return line.mid(start, comma < 0 ? -1 : comma - start).trimmed();
}

Read read(const QString &file, QString *item, QString *error)
{
    item->clear();
    const QString resolved = Paths::resolve(file);
    if (!RegularFile::isRegular(resolved))
        return Read::Missing;
    QByteArray bytes;
    if (!RegularFile::read(resolved, &bytes, error, MaxLine))
        return Read::Unreadable;
    *item = firstItem(QString::fromUtf8(firstLine(bytes)));
    return Read::Item;
}

QString withTrailingSeparator(const QString &directory)
{
    const QString native = Paths::native(directory);
    return native.endsWith(QDir::separator()) ? native : native + QDir::separator();
}

QString storedLine(const QString &directory)
{
    const QString stored = withTrailingSeparator(directory);
    const bool cut = stored.contains(QLatin1Char(',')) || stored.startsWith(QLatin1Char('"'))
                     || (!stored.isEmpty() && stored.front().isSpace());
    return cut ? QLatin1Char('"') + stored + QLatin1Char('"') : stored;
}

bool canStore(const QString &directory)
{
    const QString line = storedLine(directory);
    const bool quoted = line.size() > withTrailingSeparator(directory).size();
    return !directory.contains(QLatin1Char('\n')) && !directory.contains(QLatin1Char('\r'))
           && !(quoted && directory.contains(QLatin1Char('"')));
}

bool write(const QString &file, const QString &directory, QString *error)
{
    if (!canStore(directory)) {
        *error = QStringLiteral("the folder name cannot be stored in ") + file
                 + QStringLiteral(" (it holds a line break, or a double quote with a comma)");
        return false;
    }
    QSaveFile out(Paths::resolve(file));
    out.setDirectWriteFallback(true);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = out.fileName() + QStringLiteral(": ") + out.errorString();
        return false;
    }
    out.write(storedLine(directory).toUtf8() + "\r\n");
    if (!out.commit()) {
        *error = out.fileName() + QStringLiteral(": ") + out.errorString();
        return false;
    }
    return true;
}

} // namespace Emuset::SettingsFile
