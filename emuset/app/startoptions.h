#pragma once

#include <QString>
#include <QStringList>

// Emuset's command line: --help and --version; it takes no other argument.
namespace Emuset::StartOptions {

enum class Action {
    Start, // start the program
    Print, // print text on standard output and end (help, version)
    Fail,  // print text on standard error and end with a failure (a bad command line)
};

struct Result {
    Action action = Action::Start;
    QString text; // what to print for Print and Fail
};

// Reads the arguments (the program's name first), without needing an application object.
Result parse(const QStringList &arguments);

} // namespace Emuset::StartOptions
