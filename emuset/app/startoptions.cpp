#include "emuset/app/startoptions.h"

#include "ludora4version.h"
#include "shared/programoptions.h"

#include <QCommandLineParser>

namespace Emuset::StartOptions {

namespace {

const QString programName = QStringLiteral("emuset");

QString usage(const QCommandLineParser &parser) { return ProgramOptions::usage(parser, programName); }

Result fail(const QString &text)
{
    Result result;
    result.action = Action::Fail;
    result.text = ProgramOptions::failure(programName, text);
    return result;
}

} // namespace

Result parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Emuset, the program that adds and configures the emulators of Ludora4: each\n"
                       "console's emulators and their parameter sets.\n\n"
                       "It keeps the front-end's installation directory, and the folder each of its\n"
                       "choosers last chose in, in emuset.ini, beside its executable when that\n"
                       "directory holds one or may be written, otherwise in\n"
                       "$XDG_CONFIG_HOME/ludora4/emuset.ini (~/.config/ludora4/emuset.ini)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    parser.addOptions({help, version});

    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help))
        return {Action::Print, usage(parser)};
    if (parser.isSet(version))
        return {Action::Print, QStringLiteral("Emuset ") + QLatin1String(Version::text) + QLatin1Char('\n')};
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument '") + parser.positionalArguments().constFirst()
                    + QLatin1Char('\''));
    return {};
}

} // namespace Emuset::StartOptions
