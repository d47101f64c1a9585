#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

// What both programs' command lines share; they are read before any application object
// exists, so that --help and --version need no display.
namespace ProgramOptions {

// The arguments of main, the program's name first.
QStringList arguments(int argc, char *argv[]);
// "Usage: PROGRAM [options]" and the parser's description and options.
QString usage(const QCommandLineParser &parser, const QString &program);
// The text for a bad command line, with the hint to --help.
QString failure(const QString &program, const QString &text);

} // namespace ProgramOptions
