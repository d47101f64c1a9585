#include "shared/jetfile.h"

#include "shared/regularfile.h"

#include <QByteArray>

namespace JetFile {

namespace {
// A Jet file starts with a page-type word and the engine's name; Jet 3 and Jet 4 (and the
// later ACE engine, which libmdb reads too) differ only in the name and a version byte.
constexpr char jetPrefix[] = "\x00\x01\x00\x00Standard Jet DB";
constexpr char acePrefix[] = "\x00\x01\x00\x00Standard ACE DB";
constexpr char sqlitePrefix[] = "SQLite format 3";

bool startsWith(const QByteArray &head, const char *prefix, qsizetype size)
{
    return head.size() > size && head.first(size) == QByteArray::fromRawData(prefix, size)
           && head.at(size) == '\0';
}
} // namespace

Format format(const QString &path)
{
    // Only a regular file is read: a FIFO in its place would block the open.
    QByteArray head;
    QString error;
    if (!RegularFile::read(path, &head, &error, 32))
        return Format::Unreadable;
    if (head.isEmpty())
        return Format::Empty;
    if (startsWith(head, jetPrefix, sizeof jetPrefix - 1) || startsWith(head, acePrefix, sizeof acePrefix - 1))
        return Format::Jet;
    if (startsWith(head, sqlitePrefix, sizeof sqlitePrefix - 1))
        return Format::Sqlite;
    return Format::Other;
}

} // namespace JetFile
