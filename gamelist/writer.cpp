#include "gamelist/writer.h"

#include <QDir>
#include <QSaveFile>
#include <QXmlStreamWriter>

namespace GamelistWriter {

namespace {

// XML 1.0 cannot hold control characters other than tab and line ends, nor U+FFFE, U+FFFF
// or a lone surrogate: a stored text that has them is written without them, so that one odd
// field never stops the export nor makes a file no reader takes.
QString xmlText(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            kept.append(c).append(text.at(++i));
            continue;
        }
        const char16_t code = c.unicode();
        const bool allowed = code == u'\t' || code == u'\n' || code == u'\r'
                             || (code >= 0x20 && !c.isSurrogate() && code != 0xFFFE && code != 0xFFFF);
        if (allowed)
            kept.append(c);
    }
    return kept;
}

void element(QXmlStreamWriter &xml, const char *name, const QString &text)
{
    if (!text.isEmpty())
        xml.writeTextElement(QLatin1String(name), xmlText(text));
}

void writeGame(QXmlStreamWriter &xml, const GamelistEntry &entry)
{
    xml.writeStartElement(QStringLiteral("game"));
    element(xml, "path", entry.path);
    element(xml, "name", entry.name);
    element(xml, "desc", entry.desc);
    element(xml, "releasedate", entry.releaseDate);
    element(xml, "developer", entry.developer);
    element(xml, "publisher", entry.publisher);
    element(xml, "genre", entry.genre);
    element(xml, "rating", entry.rating);
    element(xml, "favorite", entry.favorite);
    element(xml, "playcount", entry.playCount);
    element(xml, "lastplayed", entry.lastPlayed);
    element(xml, "gametime", entry.gameTime);
    element(xml, "lang", entry.lang);
    element(xml, "region", entry.region);
    element(xml, "image", entry.pictures.value(0));
    xml.writeEndElement();
}

} // namespace

bool write(const QString &path, const QList<GamelistEntry> &entries, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QDir::toNativeSeparators(path) + QStringLiteral(": ") + file.errorString();
        return false;
    }
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(-1); // one tab, as the family writes
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("gameList"));
    for (const GamelistEntry &entry : entries)
        writeGame(xml, entry);
    xml.writeEndElement();
    xml.writeEndDocument();
    if (!xml.hasError() && file.commit())
        return true;
    *error = QDir::toNativeSeparators(path) + QStringLiteral(": ") + file.errorString();
    return false;
}

} // namespace GamelistWriter
