#include "tools/gamelist/options.h"

#include "gamelist/systems.h"
#include "ludora4version.h"
#include "shared/programoptions.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace GamelistOptions {

namespace {

const QString programName = QStringLiteral("ludora4-gamelist");

Options fail(const QString &text)
{
    Options options;
    options.text = ProgramOptions::failure(programName, text);
    return options;
}

Options print(const QString &text)
{
    Options options;
    options.action = Action::Print;
    options.text = text;
    return options;
}

QString usage(const QCommandLineParser &parser)
{
    const QString text = parser.helpText();
    return QStringLiteral("Usage: ") + programName
           + QStringLiteral(" import [--root DIR] [--media DIR] [--overwrite] [--dry-run] CONSOLE FILE\n       ")
           + programName + QStringLiteral(" export [--root DIR] [--media DIR] CONSOLE FILE")
           + text.mid(text.indexOf(QLatin1Char('\n')));
}

// A directory option, made absolute; false when it names no directory.
bool directory(const QCommandLineParser &parser, const QCommandLineOption &option, QString *path)
{
    if (!parser.isSet(option))
        return true;
    const QFileInfo dir(parser.value(option));
    *path = dir.absoluteFilePath();
    return dir.isDir();
}

} // namespace

Options parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Imports a gamelist.xml of the EmulationStation family into a console's catalogue, or\n"
                       "exports the catalogue as one. CONSOLE is a console's key or its system name:\n")
        + GamelistSystems::acceptedNames()
        + QStringLiteral(".\n\nWithout --root it works on the installation the front-end would use."));
    parser.addPositionalArgument(QStringLiteral("import|export"), QStringLiteral("What to do."));
    parser.addPositionalArgument(QStringLiteral("CONSOLE"), QStringLiteral("The console."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The gamelist.xml."));
    const QCommandLineOption root(QStringLiteral("root"), QStringLiteral("Work on the installation in <dir>."),
                                  QStringLiteral("dir"));
    const QCommandLineOption media(QStringLiteral("media"),
                                   QStringLiteral("The media folder of EmulationStation-DE (screenshots/, "
                                                  "titlescreens/, covers/, miximages/)."),
                                   QStringLiteral("dir"));
    const QCommandLineOption overwrite(QStringLiteral("overwrite"),
                                       QStringLiteral("Import: the file's values replace those a game holds."));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"),
                                    QStringLiteral("Import: print what would change and store nothing."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    parser.addOptions({root, media, overwrite, dryRun, help, version});

    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help))
        return print(usage(parser));
    if (parser.isSet(version))
        return print(QStringLiteral("ludora4-gamelist (Ludora4) ") + QLatin1String(Version::text)
                     + QLatin1Char('\n'));
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 3)
        return fail(QStringLiteral("expected import or export, CONSOLE and FILE"));
    Options options;
    if (positional[0] == QLatin1String("import"))
        options.action = Action::Import;
    else if (positional[0] == QLatin1String("export"))
        options.action = Action::Export;
    else
        return fail(QStringLiteral("unknown command '") + positional[0] + QStringLiteral("': import or export"));
    options.console = GamelistSystems::console(positional[1]);
    if (!options.console)
        return fail(QStringLiteral("unknown console '") + positional[1] + QStringLiteral("'; one of ")
                    + GamelistSystems::acceptedNames());
    if (positional[2].isEmpty())
        return fail(QStringLiteral("empty FILE"));
    options.file = QFileInfo(positional[2]).absoluteFilePath();
    if (options.action == Action::Export && (parser.isSet(overwrite) || parser.isSet(dryRun)))
        return fail(QStringLiteral("--overwrite and --dry-run are options of import"));
    options.overwrite = parser.isSet(overwrite);
    options.dryRun = parser.isSet(dryRun);
    if (!directory(parser, root, &options.root))
        return fail(parser.value(root) + QStringLiteral(": no such directory"));
    if (options.action == Action::Import && !directory(parser, media, &options.media))
        return fail(parser.value(media) + QStringLiteral(": no such directory"));
    if (options.action == Action::Export && parser.isSet(media))
        options.media = QFileInfo(parser.value(media)).absoluteFilePath();
    return options;
}

} // namespace GamelistOptions
