#include "frontend/record/romfiles.h"

#include <QRegularExpression>
#include <QSet>

namespace RomFiles {

namespace {

const QSet<QString> &leftOutExtensions()
{
    static const QSet<QString> extensions = {// documents
                                             QStringLiteral("txt"), QStringLiteral("nfo"), QStringLiteral("diz"),
                                             QStringLiteral("pdf"), QStringLiteral("doc"), QStringLiteral("docx"),
                                             QStringLiteral("odt"), QStringLiteral("rtf"), QStringLiteral("htm"),
                                             QStringLiteral("html"), QStringLiteral("md"),
                                             // pictures
                                             QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                             QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("webp"),
                                             QStringLiteral("tif"), QStringLiteral("tiff"), QStringLiteral("ico"),
                                             QStringLiteral("svg"),
                                             // saves written by emulators
                                             QStringLiteral("sav"), QStringLiteral("srm"), QStringLiteral("state"),
                                             QStringLiteral("rtc"),
                                             // game lists, rom-manager lists and checksums
                                             QStringLiteral("xml"), QStringLiteral("dat"), QStringLiteral("sfv"),
                                             QStringLiteral("md5"), QStringLiteral("sha1"), QStringLiteral("log")};
    return extensions;
}

// Files a desktop leaves in any folder.
const QSet<QString> &leftOutNames()
{
    static const QSet<QString> names = {QStringLiteral("desktop.ini"), QStringLiteral("thumbs.db")};
    return names;
}

} // namespace

bool canBeRom(const QString &fileName)
{
    const QString name = fileName.toLower();
    if (leftOutNames().contains(name))
        return false;
    // Numbered and automatic saves: "game.state1", "game.state.auto".
    static const QRegularExpression numberedSave(QStringLiteral("\\.state(\\d+|\\.auto)$"));
    if (numberedSave.match(name).hasMatch())
        return false;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot <= 0 || !leftOutExtensions().contains(name.mid(dot + 1));
}

} // namespace RomFiles
