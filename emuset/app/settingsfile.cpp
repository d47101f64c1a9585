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
// More than the folder lines ever take; what lies beyond is not read.
constexpr qint64 MaxFile = 256 * 1024;

const QByteArray folderPrefix = "folder.";

// The first line of a buffer, without its end (CR, LF or CR LF).
QByteArray firstLine(const QByteArray &bytes)
{
    qsizetype end = 0;
    while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
        ++end;
    return bytes.left(end);
}
// The lines after the first, without their ends; empty ones are dropped.
QList<QByteArray> laterLines(const QString &file)
{
    QByteArray bytes;
    QString error;
    const QString resolved = Paths::resolve(file);
    if (!RegularFile::isRegular(resolved) || !RegularFile::read(resolved, &bytes, &error, MaxFile))
        return {};
    QList<QByteArray> lines = bytes.replace('\r', '\n').split('\n');
    lines.removeFirst();
    lines.removeAll(QByteArray());
    return lines;
}

QByteArray folderKey(const QString &key) { return folderPrefix + key.toUtf8() + '='; }

bool hasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// Replaces the file with these lines, each ended by CR LF.
bool writeLines(const QString &file, const QList<QByteArray> &lines, QString *error)
{
    QSaveFile out(Paths::resolve(file));
    out.setDirectWriteFallback(true);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = out.fileName() + QStringLiteral(": ") + out.errorString();
        return false;
    }
    for (const QByteArray &line : lines)
        out.write(line + "\r\n");
    if (!out.commit()) {
        *error = out.fileName() + QStringLiteral(": ") + out.errorString();
        return false;
    }
    return true;
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
    return !hasLineBreak(directory) && !(quoted && directory.contains(QLatin1Char('"')));
}

bool write(const QString &file, const QString &directory, QString *error)
{
    if (!canStore(directory)) {
        *error = QStringLiteral("the folder name cannot be stored in ") + file
                 + QStringLiteral(" (it holds a line break, or a double quote with a comma)");
        return false;
    }
    return writeLines(file, QList<QByteArray>{storedLine(directory).toUtf8()} + laterLines(file), error);
}

QString folder(const QString &file, const QString &key)
{
    const QByteArray start = folderKey(key);
    const QList<QByteArray> lines = laterLines(file);
    for (const QByteArray &line : lines) {
        if (line.startsWith(start))
            return QString::fromUtf8(line.mid(start.size()));
    }
    return {};
}

bool storeFolder(const QString &file, const QString &key, const QString &folder, QString *error)
{
    if (hasLineBreak(key) || key.contains(QLatin1Char('=')) || hasLineBreak(folder)) {
        *error = QStringLiteral("a line break, or an equals sign in a purpose, cannot be stored");
        return false;
    }
    QByteArray bytes;
    const QString resolved = Paths::resolve(file);
    if (RegularFile::isRegular(resolved) && !RegularFile::read(resolved, &bytes, error, MaxLine))
        return false;
    const QByteArray start = folderKey(key);
    QList<QByteArray> lines{firstLine(bytes)};
    const QList<QByteArray> later = laterLines(file);
    for (const QByteArray &line : later) {
        if (!line.startsWith(start))
            lines.append(line);
    }
    lines.append(start + folder.toUtf8());
    return writeLines(file, lines, error);
}

} // namespace Emuset::SettingsFile
