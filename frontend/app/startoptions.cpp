#include "frontend/app/startoptions.h"

#include "ludora4version.h"
#include "shared/programoptions.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace StartOptions {

namespace {

const QString programName = QStringLiteral("ludora4");

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
        QStringLiteral("Ludora4, the front-end for console emulators.\n\n"
                       "The installation it works on is the directory of its executable when that\n"
                       "holds one (pack/ludora.mdb), otherwise $XDG_DATA_HOME/ludora4\n"
                       "(~/.local/share/ludora4), made there on the first start."));
    const QCommandLineOption root(QStringLiteral("root"), QStringLiteral("Work on the installation in <dir>."),
                                  QStringLiteral("dir"));
    const QCommandLineOption check(QStringLiteral("check-start"),
                                   QStringLiteral("Start, show the main window and end at once, printing "
                                                  "messages instead of showing them; the exit status "
                                                  "is 0 when the window was shown."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    parser.addOptions({root, check, help, version});

    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help))
        return {Action::Print, {}, false, usage(parser)};
    if (parser.isSet(version))
        return {Action::Print,
                {},
                false,
                QStringLiteral("Ludora4 ") + QLatin1String(Version::text) + QLatin1Char('\n')};
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument '") + parser.positionalArguments().constFirst()
                    + QLatin1Char('\''));
    Result result;
    result.checkStart = parser.isSet(check);
    if (parser.isSet(root)) {
        const QFileInfo dir(parser.value(root));
        if (!dir.isDir())
            return fail(
                parser.value(root)
                + (dir.exists() ? QStringLiteral(": not a directory") : QStringLiteral(": no such directory")));
        result.root = dir.absoluteFilePath();
    }
    return result;
}

} // namespace StartOptions
