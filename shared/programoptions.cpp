#include "shared/programoptions.h"

#include <QCommandLineParser>

namespace ProgramOptions {

QStringList arguments(int argc, char *argv[])
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list.append(QString::fromLocal8Bit(argv[i]));
    return list;
}

QString usage(const QCommandLineParser &parser, const QString &program)
{
    // helpText() names the program from the application object, which does not exist yet.
    const QString text = parser.helpText();
    return QStringLiteral("Usage: ") + program + QStringLiteral(" [options]")
           + text.mid(text.indexOf(QLatin1Char('\n')));
}

QString failure(const QString &program, const QString &text)
{
    return program + QStringLiteral(": ") + text + QStringLiteral("\nTry '") + program
           + QStringLiteral(" --help' for more information.\n");
}

} // namespace ProgramOptions
