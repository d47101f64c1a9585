// The front-end's help topics. Every line is padded to the same length so that the
// columns of the fixed-width font line up.
#include "help/help_ludora4_topics.h"
#include "help/helpbooks.h"

namespace HelpBooks {

namespace Ludora4Topics {

namespace {

QStringList padded(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines)
        out.append(line.leftJustified(Ludora4LineLength, QLatin1Char(' '), false));
    return out;
}

} // namespace

HelpTopic topic(const char *key, const char *node, std::initializer_list<const char *> lines)
{
    QStringList text;
    for (const char *line : lines)
        text.append(QString::fromUtf8(line));
    return {QString::fromLatin1(key), QString::fromLatin1(node), padded(text)};
}

} // namespace Ludora4Topics

namespace {

using Ludora4Topics::topic;

HelpTopic whatIs()
{
    return topic("R", "What Is",
                 {"WHAT IS", "-------", "", "Ludora4 is a front-end for the emulators of ten consoles:",
                  "Gameboy, Nintendo, SuperNes, Atari Lynx, Master System,",
                  "Megadrive, GameGear, PC Engine, MSX and Amiga.", "",
                  "For every console you can download a game database that",
                  "already holds the games with their records and screenshots.", "",
                  "The point is simple: browse the games, look at the pictures,",
                  "and fetch from the web only the roms you have seen and liked."});
}

HelpTopic installation()
{
    return topic("R1", "Installation",
                 {"SCREENSHOT INSTALLATION",
                  "-----------------------",
                  "Screenshots are downloaded one console at a time. Put the",
                  "files in the screen directory of their console, below the",
                  "directory of Ludora4:",
                  "  \\console\\gameboy\\screen\\      \\console\\mega\\screen\\",
                  "  \\console\\nintendo\\screen\\     \\console\\gamegear\\screen\\",
                  "  \\console\\snes\\screen\\         \\console\\msx\\screen\\",
                  "  \\console\\lynx\\screen\\         \\console\\pcengine\\screen\\",
                  "  \\console\\mast\\screen\\         \\console\\amiga\\screen\\",
                  "",
                  "GAMES INSTALLATION",
                  "------------------",
                  "A game's rom file name is the one the database was made with.",
                  "If your file is named otherwise, change the link in the rom",
                  "file field of the record and save it: the play button then",
                  "starts the game. Roms must lie in the games directory of",
                  "their console (\\console\\gameboy\\games\\ and so on).",
                  "",
                  "EMULATOR INSTALLATION",
                  "---------------------",
                  "Emulators are set up for each console with the Emuset",
                  "plug-in: follow the help of Emuset itself.",
                  "WARNING: never add emulators in Emuset to the console that",
                  "is active in Ludora4 at the same time.",
                  "",
                  "And please forgive my English!"});
}

HelpTopic ludora4Topic() { return topic("R2", "Ludora4", {"LUDORA 4", "--------", "", "Help not ready..."}); }

HelpTopic specialButtons()
{
    return topic("R6", "Special Buttons",
                 {"SNAPSHOT BUTTON", "---------------", "Play a game and save a screen capture with the emulator.",
                  "Back in Ludora4, press the snapshot button and choose the",
                  "capture: it is copied and converted to a GIF screenshot of", "the game shown.",
                  "Use the button again for more screenshots of the same game;",
                  "each one gets the next number."});
}

HelpTopic importGamelist()
{
    return topic(
        "R7", "Import Gamelist",
        {"IMPORT GAMELIST", "---------------", "Collections scraped with EmulationStation, ES-DE, RetroPie,",
         "Batocera, Recalbox or Skraper keep a gamelist.xml for each",
         "system. Put the roms in the games directory of their console,",
         "press \"Import gamelist...\" beside \"Scan Roms\" and choose",
         "the file: Ludora4 says how many games are new, how many it",
         "will update and how many have no rom in the games directory,", "and stores nothing until you answer OK.",
         "", "Each game takes its name, notes, year, producer, genre,",
         "rating, favourite mark, play count and last play from the",
         "file; a game already in the catalogue keeps what it holds and",
         "only its empty fields are filled. The file's pictures become",
         "the game's screenshots, each one once; your files are only",
         "read. Cancel stops the import and stores nothing.", "",
         "The command ludora4-gamelist imports and exports these files", "too (see: man ludora4-gamelist)."});
}

HelpTopic plugIns()
{
    return topic("R3", "Plug-Ins",
                 {"PLUG-INS", "--------", "CARTLOAD  adds a whole directory of roms to the database of",
                  "          a console. The directory must hold valid roms only;",
                  "          roms already in the database are skipped, and the",
                  "          names are taken from the file names.",
                  "EMUSET    adds the emulators to the consoles. It is the only",
                  "          plug-in delivered with Ludora4.",
                  "SNAPSHIFT converts a directory of images to another type",
                  "          (BMP, GIF, JPG and others).",
                  "UNFOLDR   unzips a directory of zip files into another", "          directory."});
}

HelpTopic futureRelease()
{
    return topic("R5", "Future Release",
                 {"FUTURE RELEASE", "--------------", "Please send me every fault you find: the next release will",
                  "be better for it.", "",
                  "Plug-ins on the way:", "DBFRESH   will bring the databases up to date with the new",
                  "          releases, without downloading them again.",
                  "And one more feature, still a surprise..."});
}

HelpTopic greets()
{
    return topic("R4", "Greets",
                 {"GREETS", "------", "Found a fault? Tell me through the Ludora4 project page.", "",
                  "Thanks to everyone who tried the early releases, sent",
                  "databases and screenshots, and helped with ideas."});
}

HelpTopic launchLog()
{
    return topic("RL", "Launch Log and Play Time",
                 {"PLAY TIME",
                  "---------",
                  "Ludora4 measures how long each emulator it started runs,",
                  "from the start until the emulator closes, and adds the whole",
                  "seconds to the game: the Info page shows \"Played for 3 h 12",
                  "min\" beside Times. \"Reset\" sets Times to 0 and leaves the",
                  "play time alone. An emulator still running when Ludora4",
                  "closes is not counted, and one that could not start adds",
                  "nothing.",
                  "",
                  "THE COMMAND",
                  "-----------",
                  "The Setting page shows, under the parameter sets, the exact",
                  "command Play runs for the game shown, quoted as a shell reads",
                  "it; \"Copy\" puts it on the clipboard. When nothing would",
                  "start (no emulator, a setting mode other than 1, 2 or 3, a",
                  "set without parameter) it says why instead.",
                  "",
                  "LAUNCH LOG",
                  "----------",
                  "Every play adds a line to launches.log in the folder",
                  "$XDG_STATE_HOME/ludora4 (usually ~/.local/state/ludora4):",
                  "the time it started, the console, the game and the command;",
                  "when the emulator closes, its exit status and how long it",
                  "ran (\"running\" until then). The log keeps the last 1,000",
                  "plays. \"Open launch log\" on the Setting page opens it.",
                  "A log that cannot be written never stops a play: the status",
                  "bar says so."});
}

HelpTopic search()
{
    return topic("RS", "Search",
                 {"SEARCH", "------", "The field above the game list narrows the list as you type:",
                  "it keeps the games whose name contains the text, whatever",
                  "its case and accents, among the games of the chosen filter.",
                  "Beside it, \"12 of 250\" counts the games shown and listed.", "",
                  "Ctrl+F goes to the field from any page. Down or Enter goes on",
                  "into the list, Escape clears the field. The game shown stays",
                  "shown while it matches; clearing the search brings the list",
                  "back whole. Choosing another console clears the search."});
}

HelpTopic scanRoms()
{
    return topic("RN", "Scan Roms",
                 {"SCAN ROMS", "---------", "\"Scan Roms\" on the Info page adds a game for every file",
                  "of the console's games directory that no game uses yet as",
                  "its rom file (names are compared whatever their case).",
                  "Documents, pictures, saves and lists of games are left out,",
                  "and so are hidden files and names that are not valid UTF-8.", "",
                  "Ludora4 says how many new roms it found and asks once. Each",
                  "new game is named after its file without the extension,",
                  "gets the console's first emulator and today as its date",
                  "added; all are stored together, or none. The list then", "shows the first of them."});
}

} // namespace

HelpBook ludora4()
{
    return {QStringLiteral("Ludora4 MiniHelp"),
            QSize(9855, 5190),
            QRect(30, 60, 2835, 5085),
            QRect(2925, 45, 6855, 5100),
            {whatIs(), installation(), ludora4Topic(), specialButtons(), plugIns(), futureRelease(), greets(),
             search(), scanRoms(), importGamelist(), Ludora4Topics::specialFilters(), Ludora4Topics::detailsView(),
             launchLog()}};
}

} // namespace HelpBooks
