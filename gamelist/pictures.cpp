#include "gamelist/pictures.h"

#include "gamelist/catalogue.h"
#include "gamelist/entry.h"
#include "gif/gifwriter.h"
#include "shared/snapshotconversion.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// The EmulationStation-DE media folders, in the order their pictures are imported.
const char *const mediaFolders[] = {"screenshots", "titlescreens", "covers", "miximages"};

QHash<QString, QString> listFolder(const QString &dir, bool byBaseName)
{
    QHash<QString, QString> files;
    QStringList names = QDir(dir).entryList(QDir::Files, QDir::Name);
    for (const QString &name : std::as_const(names)) {
        const QString key = Catalogue::folded(byBaseName ? QFileInfo(name).completeBaseName() : name);
        if (!files.contains(key))
            files.insert(key, byBaseName ? QDir(dir).filePath(name) : name);
    }
    return files;
}

QString resolved(const QString &path, const QString &gamelistDir)
{
    if (path.startsWith(QLatin1String("~/")))
        return QDir::cleanPath(QDir::homePath() + path.mid(1));
    return QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir(gamelistDir).filePath(path));
}

QByteArray digest(const QByteArray &bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1); }

bool writeNew(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (file.open(QIODevice::NewOnly) && file.write(bytes) == bytes.size() && file.flush())
        return true;
    *error = QDir::toNativeSeparators(path) + QStringLiteral(": ") + file.errorString();
    file.remove();
    return false;
}

} // namespace

bool GamelistPictures::open(const QString &screenDir, const QString &mediaDir, QString *error)
{
    m_screenDir = screenDir;
    m_screenFiles = listFolder(screenDir, false);
    m_media.clear();
    if (!mediaDir.isEmpty()) {
        for (const char *folder : mediaFolders)
            m_media.append(listFolder(QDir(mediaDir).filePath(QLatin1String(folder)), true));
    }
    m_staging = std::make_unique<QTemporaryDir>(
        QDir(screenDir).filePath(QStringLiteral(".ludora4-gamelist-XXXXXX")));
    if (!m_staging->isValid()) {
        *error = QStringLiteral("Cannot write in the screenshot folder ") + QDir::toNativeSeparators(screenDir)
                 + QStringLiteral(": ") + m_staging->errorString();
        return false;
    }
    return true;
}

QStringList GamelistPictures::sources(const GamelistEntry &entry, const QString &gamelistDir,
                                      const QString &romFile) const
{
    QStringList files;
    for (const QString &picture : entry.pictures)
        files.append(resolved(picture, gamelistDir));
    const QString romBase = Catalogue::folded(QFileInfo(romFile).completeBaseName());
    for (const QHash<QString, QString> &folder : m_media) {
        const QString found = folder.value(romBase);
        if (!found.isEmpty())
            files.append(QDir::cleanPath(found));
    }
    files.removeDuplicates();
    return files;
}

bool GamelistPictures::exists(const QString &fileName) const
{
    return m_screenFiles.contains(Catalogue::folded(fileName));
}

// The digests of the base's screenshots on disk: the first and the numbered ones up to
// the first gap, as browsing reaches them.
const QList<QByteArray> &GamelistPictures::knownPictures(const QString &base)
{
    const QString key = Catalogue::folded(base);
    auto found = m_known.find(key);
    if (found != m_known.end())
        return *found;
    QList<QByteArray> digests;
    for (int number = 0;; ++number) {
        const QString name = number == 0 ? SnapshotConversion::firstSnapshot({}, base)
                                         : SnapshotConversion::numberedSnapshot({}, base, number);
        const QString onDisk = m_screenFiles.value(Catalogue::folded(name));
        if (onDisk.isEmpty())
            break;
        QFile file(QDir(m_screenDir).filePath(onDisk));
        if (file.open(QIODevice::ReadOnly))
            digests.append(digest(file.readAll()));
    }
    return *m_known.insert(key, digests);
}

GamelistPictures::Result GamelistPictures::stage(const QString &source, const QString &base, QString *staged,
                                                 QString *why)
{
    QImageReader reader(source);
    const QImage image = reader.read();
    if (image.isNull()) {
        *why = QDir::toNativeSeparators(source) + QStringLiteral(": ") + reader.errorString();
        return Result::Unreadable;
    }
    const QByteArray gif = GifWriter::encode(image, why);
    if (gif.isEmpty()) {
        *why = QDir::toNativeSeparators(source) + QStringLiteral(": ") + *why;
        return Result::Unreadable;
    }
    const QByteArray sum = digest(gif);
    knownPictures(base);
    QList<QByteArray> &known = m_known[Catalogue::folded(base)];
    if (known.contains(sum))
        return Result::AlreadyThere;
    *staged = m_staging->filePath(QString::number(++m_stagedCount) + QStringLiteral(".gif"));
    if (!writeNew(*staged, gif, why))
        return Result::Unreadable;
    known.append(sum);
    return Result::Staged;
}

bool GamelistPictures::place(const QString &staged, const QString &base, QString *name, QString *error)
{
    const auto taken = [this](const QString &path) { return exists(QFileInfo(path).fileName()); };
    for (;;) {
        const int number = SnapshotConversion::freeNumber({}, base, taken);
        *name = number == 0 ? SnapshotConversion::firstSnapshot({}, base)
                            : SnapshotConversion::numberedSnapshot({}, base, number);
        const QString target = QDir(m_screenDir).filePath(*name);
        QFile file(staged);
        if (file.rename(target)) {
            m_screenFiles.insert(Catalogue::folded(*name), *name);
            m_placed.append(target);
            return true;
        }
        if (!QFileInfo::exists(target)) {
            *error = QDir::toNativeSeparators(target) + QStringLiteral(": ") + file.errorString();
            return false;
        }
        m_screenFiles.insert(Catalogue::folded(*name), *name); // made meanwhile by another program
    }
}

void GamelistPictures::undoPlaced()
{
    for (const QString &file : std::as_const(m_placed))
        QFile::remove(file);
    m_placed.clear();
}
