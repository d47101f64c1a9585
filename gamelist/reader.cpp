#include "gamelist/reader.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

namespace GamelistReader {

namespace {

// The text elements of a <game> and where each goes.
struct TextField {
    const char *element;
    QString GamelistEntry::*field;
};

const TextField textFields[] = {
    {"path", &GamelistEntry::path},
    {"name", &GamelistEntry::name},
    {"desc", &GamelistEntry::desc},
    {"releasedate", &GamelistEntry::releaseDate},
    {"developer", &GamelistEntry::developer},
    {"publisher", &GamelistEntry::publisher},
    {"genre", &GamelistEntry::genre},
    {"rating", &GamelistEntry::rating},
    {"favorite", &GamelistEntry::favorite},
    {"playcount", &GamelistEntry::playCount},
    {"lastplayed", &GamelistEntry::lastPlayed},
    {"gametime", &GamelistEntry::gameTime},
    {"lang", &GamelistEntry::lang},
    {"region", &GamelistEntry::region},
};

const char *const pictureElements[] = {"image", "thumbnail", "marquee", "screenshot", "titlescreen"};

// "FILE, line L, column C: CAUSE. Nothing was imported."
QString refusal(const QXmlStreamReader &xml, const QString &name, QString cause)
{
    while (cause.endsWith(QLatin1Char('.')))
        cause.chop(1);
    return name + QStringLiteral(", line ") + QString::number(xml.lineNumber()) + QStringLiteral(", column ")
           + QString::number(xml.columnNumber()) + QStringLiteral(": ") + cause
           + QStringLiteral(". Nothing was imported.");
}

// A DOCTYPE is read only when it declares nothing: declarations are what an entity
// expansion (a "billion laughs") or an outside reference needs.
bool declaresAnything(const QXmlStreamReader &xml)
{
    return !xml.entityDeclarations().isEmpty() || !xml.notationDeclarations().isEmpty()
           || xml.text().contains(QLatin1Char('['));
}

// Reads one <game>, the reader standing on its start; unknown elements are passed over.
void readGame(QXmlStreamReader &xml, GamelistEntry *entry)
{
    entry->line = xml.lineNumber();
    QString pictures[std::size(pictureElements)];
    while (xml.readNextStartElement()) {
        const QStringView element = xml.name();
        bool known = false;
        for (const TextField &text : textFields) {
            if (element == QLatin1String(text.element)) {
                entry->*text.field = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
                known = true;
                break;
            }
        }
        for (size_t i = 0; !known && i < std::size(pictureElements); ++i) {
            if (element == QLatin1String(pictureElements[i])) {
                pictures[i] = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
                known = true;
            }
        }
        if (!known)
            xml.skipCurrentElement();
    }
    for (const QString &picture : pictures) {
        if (!picture.isEmpty())
            entry->pictures.append(picture);
    }
}

} // namespace

bool read(QIODevice &device, const QString &name, QList<GamelistEntry> *entries, QString *error)
{
    entries->clear();
    QXmlStreamReader xml(&device);
    bool rootSeen = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::DTD && declaresAnything(xml)) {
            *error = refusal(xml, name,
                             QStringLiteral("the DOCTYPE declares entities or other content, which is not read"));
            entries->clear();
            return false;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (!rootSeen) {
            rootSeen = true;
            if (xml.name() != QLatin1String("gameList")) {
                *error = refusal(xml, name,
                                 QStringLiteral("the file is a <") + xml.name().toString()
                                     + QStringLiteral(">, not a <gameList>"));
                return false;
            }
            continue;
        }
        if (xml.name() == QLatin1String("game")) {
            GamelistEntry entry;
            readGame(xml, &entry);
            entries->append(std::move(entry));
        } else {
            xml.skipCurrentElement(); // <folder>, <alternativeEmulator>, ...
        }
    }
    if (xml.hasError() || !rootSeen) {
        *error = refusal(xml, name,
                         xml.hasError() ? xml.errorString() : QStringLiteral("the file holds no element"));
        entries->clear();
        return false;
    }
    return true;
}

bool read(const QString &path, QList<GamelistEntry> *entries, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QDir::toNativeSeparators(path) + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return read(file, QDir::toNativeSeparators(path), entries, error);
}

} // namespace GamelistReader
