#pragma once

#include "gamelist/consolefolders.h"

#include <QString>

// Writing a console's catalogue as a gamelist.xml: one <game> per game with a name and a
// rom, in name order, its first screenshot as <image>.
namespace GamelistExport {

struct Request {
    ConsoleFolders folders;
    QString file;
    QString mediaDir; // with it, the first screenshots are copied to its screenshots/
};

struct Counts {
    int games = 0;
    int withoutRom = 0; // named games without a rom file, left out
    int pictures = 0;   // copied into the media folder
};

bool run(const Request &request, Counts *counts, QString *error);
// "82 games written (2 without a rom file left out), 60 pictures copied".
QString summary(const Counts &counts, bool media);

} // namespace GamelistExport
