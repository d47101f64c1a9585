#pragma once

#include <QString>

namespace Consoles {
struct Console;
}

// What an import or an export works on: a console's database, its rom and screenshot
// folders (each ending with a separator), the master database and the console's status
// text (which decides the screenshots' names).
struct ConsoleFolders {
    QString database;
    QString gamesDir;
    QString screenDir;
    QString masterDatabase;
    QString consoleText;

    // The folders a console switch gives the console in the installation at root.
    static ConsoleFolders of(const QString &root, const Consoles::Console &console);
};
