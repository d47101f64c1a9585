#include "install/installsamplefiles.h"

#include "install/installpictures.h"
#include "shared/installationpaths.h"
#include "shared/paths.h"

#include <QFile>

namespace InstallSampleFiles {

namespace {

using Consoles::Console;
using InstallSample::Game;

#ifdef Q_OS_WIN
const QString ScriptName = QStringLiteral("demoemu.cmd");
const QByteArray Script = "@echo off\r\n"
                          "rem Sample emulator: appends its arguments to demoemu.log beside it.\r\n"
                          "echo %*>>\"%~dp0demoemu.log\"\r\n";
#else
const QString ScriptName = QStringLiteral("demoemu");
const QByteArray Script = "#!/bin/sh\n"
                          "# Sample emulator: appends one line per start to demoemu.log beside it,\n"
                          "# each argument in brackets.\n"
                          "log=\"$(dirname \"$0\")/demoemu.log\"\n"
                          "line=\"\"\n"
                          "for arg in \"$@\"; do\n"
                          "    line=\"$line[$arg] \"\n"
                          "done\n"
                          "printf '%s\\n' \"${line% }\" >> \"$log\"\n";
#endif

struct ParameterSet {
    const char *name, *parameter, *options, *passed;
    int active;
    const char *description;
};

// One set active, one not, and one active set that passes no value.
constexpr ParameterSet parameterSets[] = {
    {"Display", "-display", "0 = window\n1 = double size\n2 = full screen", "1", 1,
     "Size of the emulator's window."},
    {"Sound", "-sound", "on\noff", "off", 0, "Sound output."},
    {"Fast Start", "-faststart", "takes no value", "", 1, "Skips the start-up screen."},
};

struct Document {
    const char *name, *suffix, *text;
};

constexpr Document documents[] = {
    {"Readme", "readme", "How to play the %1 games of this collection with DemoEmu.\n"},
    {"Player's Guide", "guide", "Hints and secrets for the %1 games.\n"},
};

QString native(const QString &root, const QString &relative) { return Paths::join(root, relative); }

QString documentPath(const QString &root, const Console &console, const Document &document)
{
    return native(root, QStringLiteral("\\docs\\") + console.directory + QLatin1Char('-')
                            + QLatin1String(document.suffix) + QStringLiteral(".txt"));
}

bool writeFile(const QString &path, const QByteArray &content, QString *error)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size())
        return true;
    if (error)
        *error = path + QStringLiteral(": ") + file.errorString();
    return false;
}

bool writeEmulator(const QString &root, const Console &console, QString *error)
{
    const QString path = emulatorPath(root, console);
    if (!writeFile(path, Script, error))
        return false;
    if (QFile::setPermissions(path,
                              QFile::permissions(path) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther))
        return true;
    if (error)
        *error = path + QStringLiteral(": cannot make the script executable");
    return false;
}

bool writeDocuments(const QString &root, const Console &console, QString *error)
{
    for (const Document &document : documents) {
        const QString text = QString::fromUtf8(document.text).arg(console.statusFinal);
        if (!writeFile(documentPath(root, console, document), text.toUtf8(), error))
            return false;
    }
    return true;
}

// The first screenshot is the Screen name; further ones are base_1.gif, base_2.gif.
bool writeScreenshots(const QString &screenDir, const Game &game, QString *error)
{
    if (game.screenshots == 0)
        return true;
    const QString base = game.screen.chopped(4);
    for (int n = 0; n < game.screenshots; ++n) {
        const QString file = n == 0 ? game.screen : base + QStringLiteral("_%1.gif").arg(n);
        if (!InstallPictures::save(InstallPictures::screenshot(game.name, n), screenDir + file, error))
            return false;
    }
    return true;
}

bool writeGameFiles(const QString &root, const Console &console, const Game &game, QString *error)
{
    const QString dir = InstallationPaths::consoleDir(console.directory);
    if (!writeScreenshots(native(root, dir + QStringLiteral("\\screen\\")), game, error))
        return false;
    return !game.rom || writeFile(native(root, dir + QStringLiteral("\\games\\") + game.link), {}, error);
}

} // namespace

QStringList directories()
{
    QStringList dirs = {QStringLiteral("\\docs")};
    for (const Console &console : Consoles::toolbarOrder())
        dirs.append(InstallationPaths::consoleDir(console.directory) + QStringLiteral("\\emulator"));
    return dirs;
}

QString emulatorPath(const QString &root, const Console &console)
{
    return native(root,
                  InstallationPaths::consoleDir(console.directory) + QStringLiteral("\\emulator\\") + ScriptName);
}

QList<InstallDatabase::Rows> rows(const QString &root, const Console &console)
{
    const QString emulator = InstallSample::emulatorName();
    QList<QVariantList> sets, docs;
    for (const ParameterSet &set : parameterSets) {
        sets.append({emulator, QString::fromUtf8(set.name), QString::fromUtf8(set.parameter),
                     QString::fromUtf8(set.options), QString::fromUtf8(set.passed), set.active,
                     QString::fromUtf8(set.description)});
    }
    for (const Document &document : documents)
        docs.append({QString::fromUtf8(document.name), documentPath(root, console, document)});
    return {
        InstallDatabase::rows(QStringLiteral("emulatori"),
                              {QStringLiteral("Emu_Name"), QStringLiteral("Emu_Link"), QStringLiteral("Emu_Type")},
                              {{emulator, emulatorPath(root, console), QStringLiteral("1")}}),
        InstallDatabase::rows(QStringLiteral("setting"),
                              {QStringLiteral("ID_Emula"), QStringLiteral("Nome"), QStringLiteral("Stringa"),
                               QStringLiteral("Opzioni"), QStringLiteral("Scelta"), QStringLiteral("Attivo"),
                               QStringLiteral("Descri")},
                              sets),
        InstallDatabase::rows(QStringLiteral("documents"),
                              {QStringLiteral("Doc_Name"), QStringLiteral("Doc_File")}, docs),
    };
}

bool write(const QString &root, const Console &console, const QList<Game> &games, QString *error)
{
    if (!writeEmulator(root, console, error) || !writeDocuments(root, console, error))
        return false;
    for (const Game &game : games) {
        if (!writeGameFiles(root, console, game, error))
            return false;
    }
    return true;
}

} // namespace InstallSampleFiles
