#include "shared/paths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

#include <algorithm>

namespace Paths {

namespace {

// Names in a directory by their case-folded form, remembered with the directory's
// modification time so that a changed directory is listed again. File times come from a
// coarse clock: a change made within the same tick as the listing leaves the time as it
// was, so a listing made that close to the directory's time is not trusted and is made
// again at the next look-up.
struct Listing {
    QDateTime modified;
    bool settled = false;
    QHash<QString, QString> byFolded;
};

QMutex cacheMutex;
QHash<QString, Listing> cache;

QString matchInDirectory(const QString &directory, const QString &name)
{
    const QFileInfo dirInfo(directory);
    if (!dirInfo.isDir())
        return {};
    const QDateTime modified = dirInfo.lastModified();
    QMutexLocker lock(&cacheMutex);
    Listing &listing = cache[directory];
    if (listing.modified != modified || !listing.settled || listing.byFolded.isEmpty()) {
        listing.modified = modified;
        listing.settled = Paths::listingSettled(modified);
        listing.byFolded.clear();
        const QStringList entries = QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                              | QDir::NoDotAndDotDot);
        for (const QString &entry : entries)
            listing.byFolded.insert(entry.toCaseFolded(), entry);
    }
    return listing.byFolded.value(name.toCaseFolded());
}

#ifndef Q_OS_WIN
// On this system a backslash is a character of a name, but the programs write their
// relative paths with it as the separator. Within each part between slashes, a backslash
// separates unless the name up to it stands on disk with the backslash in it (a root such
// as "/games/back\slash"); runs of separators collapse into one.
QString withNamesOnDisk(const QString &path)
{
    QString out;
    const auto separate = [&out] {
        if (!out.endsWith(QLatin1Char('/')))
            out.append(QLatin1Char('/'));
    };
    const QStringList parts = path.split(QLatin1Char('/'));
    for (qsizetype p = 0; p < parts.size(); ++p) {
        if (p > 0)
            separate();
        const QStringList pieces = parts[p].split(QLatin1Char('\\'));
        for (qsizetype i = 0; i < pieces.size();) {
            qsizetype take = 1;
            for (qsizetype k = pieces.size() - i; k > 1 && !pieces[i].isEmpty(); --k) {
                if (QFileInfo::exists(out + pieces.mid(i, k).join(QLatin1Char('\\')))) {
                    take = k;
                    break;
                }
            }
            out += pieces.mid(i, take).join(QLatin1Char('\\'));
            i += take;
            if (i < pieces.size())
                separate();
        }
    }
    return out;
}
#endif

} // namespace

// The longest a directory's time may stay the same over a change: a clock tick where it
// has milliseconds, two seconds where it has none (file systems that keep whole or even
// seconds).
bool listingSettled(const QDateTime &modified)
{
    const qint64 grain = modified.time().msec() == 0 ? 2000 : 50;
    return modified.isValid() && modified.msecsTo(QDateTime::currentDateTime()) > grain;
}

QString native(const QString &path)
{
#ifndef Q_OS_WIN
    if (path.contains(QLatin1Char('\\')))
        return withNamesOnDisk(path);
#endif
    QString out;
    out.reserve(path.size());
    for (const QChar c : path) {
        const bool separator = c == QLatin1Char('\\') || c == QLatin1Char('/');
        if (separator) {
            if (!out.endsWith(QLatin1Char('/')))
                out.append(QLatin1Char('/'));
        } else {
            out.append(c);
        }
    }
    return QDir::toNativeSeparators(out);
}

QString resolve(const QString &path)
{
    const QString nativePath = QDir::fromNativeSeparators(native(path));
    if (nativePath.isEmpty() || QFileInfo::exists(nativePath))
        return QDir::toNativeSeparators(nativePath);

    const bool absolute = nativePath.startsWith(QLatin1Char('/'));
    const QStringList parts = nativePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QString();
    bool matching = true;
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        QString found;
        if (matching) {
            const QString exact = current + part;
            const QString directory = current.isEmpty() ? QStringLiteral(".") : current;
            if (QFileInfo::exists(exact))
                found = part;
            else
                found = matchInDirectory(directory, part);
            if (found.isEmpty())
                matching = false;
        }
        current += found.isEmpty() ? part : found;
        if (i + 1 < parts.size() || nativePath.endsWith(QLatin1Char('/')))
            current += QLatin1Char('/');
    }
    return QDir::toNativeSeparators(current);
}

QString existing(const QString &path)
{
    if (!path.contains(QLatin1Char('/')) && !path.contains(QLatin1Char('\\')))
        return path;
    const QString resolved = resolve(path);
    return QFileInfo::exists(resolved) ? resolved : path;
}

QString probe(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(resolve(path));
    if (!info.isFile() || info.isHidden())
        return {};
    return info.fileName();
}

QString executableName(const QString &baseName)
{
#ifdef Q_OS_WIN
    return baseName + QStringLiteral(".exe");
#else
    return baseName;
#endif
}

bool roundTrips(QByteArrayView encoded)
{
    const bool ascii = std::all_of(encoded.begin(), encoded.end(), [](char c) { return uchar(c) < 0x80; });
    return ascii || QFile::encodeName(QFile::decodeName(encoded.toByteArray())) == encoded;
}

QString shownBytes(QByteArrayView encoded)
{
    QString shown;
    qsizetype start = 0;
    // The longest piece from start that decodes, then one byte that does not.
    while (start < encoded.size()) {
        qsizetype end = encoded.size();
        while (end > start && !roundTrips(encoded.sliced(start, end - start)))
            --end;
        shown += QFile::decodeName(encoded.sliced(start, end - start).toByteArray());
        if (end < encoded.size())
            shown += QStringLiteral("\\x%1").arg(uchar(encoded.at(end)), 2, 16, QLatin1Char('0'));
        start = end + 1;
    }
    return shown;
}

void clearCache()
{
    QMutexLocker lock(&cacheMutex);
    cache.clear();
}

} // namespace Paths
