#pragma once

#include <QString>
#include <QStringList>

namespace Consoles {
struct Console;
}

// The command line of ludora4-gamelist.
namespace GamelistOptions {

enum class Action {
    Import,
    Export,
    Print, // help, version: text on standard output
    Fail,  // a bad command line: text on standard error, exit status 2
};

struct Options {
    Action action = Action::Fail;
    const Consoles::Console *console = nullptr;
    QString file;
    QString root; // --root, absolute; empty when not given
    QString media;
    bool overwrite = false;
    bool dryRun = false;
    QString text; // for Print and Fail
};

// Reads the arguments (the program's name first), without an application object.
Options parse(const QStringList &arguments);

} // namespace GamelistOptions
