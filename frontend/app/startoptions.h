#pragma once

#include <QString>
#include <QStringList>

// The front-end's command line: --root DIR, --check-start, --help, --version.
namespace StartOptions {

enum class Action {
    Start, // start the program
    Print, // print text on standard output and end (help, version)
    Fail,  // print text on standard error and end with a failure (a bad command line)
};

struct Result {
    Action action = Action::Start;
    QString root;            // --root DIR, empty when not given
    bool checkStart = false; // end once the main window is shown, telling whether it was
    QString text;            // what to print for Print and Fail
};

// Reads the arguments (the program's name first), without needing an application object.
Result parse(const QStringList &arguments);

} // namespace StartOptions
