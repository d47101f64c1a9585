// Emuset's help topics: short lines, not padded.
#include "help/helpbooks.h"

namespace HelpBooks {

namespace {

HelpTopic topic(const char *key, const char *node, std::initializer_list<const char *> lines)
{
    QStringList text;
    for (const char *line : lines)
        text.append(QString::fromUtf8(line));
    return {QString::fromLatin1(key), QString::fromLatin1(node), text};
}

} // namespace

HelpBook emuset()
{
    return {QStringLiteral("Emuset MiniHelp"),
            QSize(8145, 2295),
            QRect(60, 30, 3015, 2175),
            QRect(3105, 45, 4920, 2160),
            {
                topic("R", "What Is",
                      {"Emuset is a free program that adds", "emulators to the consoles of Ludora4",
                       "and sets their command line options."}),
                topic("R1", "Installation",
                      {"Run the setup program and choose a", "destination directory. A plug-in",
                       "directory below the Ludora4 directory", "is a good place, but any will do.",
                       "At the first start choose Ludora4.exe:", "without it Emuset cannot work."}),
                topic("R2", "Install Emulators",
                      {"Choose the console and press \"New\".",
                       "Press \">>\" to choose the emulator's",
                       "executable, type its name, then press",
                       "\"Save\".",
                       "To try an emulator, select it and press",
                       "\"Launch Emulator\".",
                       "Not every emulator works this way: some",
                       "need files in the plug-in directory or",
                       "in the Ludora4 directory.",
                       "WHILE YOU EDIT",
                       "After \"New\" or \"Edit\" the console and",
                       "emulator lists are locked (the set list",
                       "too while a set is edited), and so are",
                       "the other New, Edit and Delete buttons:",
                       "press \"Save\" or \"Cancel\" first. Both",
                       "also close the \">>\" chooser.",
                       "The arrow keys move in a list as the",
                       "mouse does: \"Edit\" and \"Delete\" act on",
                       "the entry shown.",
                       "In a chooser you may also type or paste",
                       "a path and press Enter. \"Cancel\" or Esc",
                       "closes it. Each chooser opens where you",
                       "last chose a file with it.",
                       "An installed Ludora4 (as /usr/bin/ludora4)",
                       "means your own installation in",
                       "~/.local/share/ludora4."}),
                topic("R3", "Add Command line Options",
                      {"Choose the console and the emulator,", "press \"New\" and type the set's name",
                       "(by default 'sett.name').", "THE FIELDS", "PARAMETER: what is passed, e.g.", "'-display'.",
                       "OPT.PASSED: the value passed with it;", "'1' gives the command line '-display 1'.",
                       "Only some parameters need one.", "A set needs a name; its PARAMETER may",
                       "be empty (it adds only blanks).", "OPTIONS AVAIABLE and DESCRIPTION are",
                       "reminders for you only.", "Press \"Save\" at the end."}),
                topic("R4", "Ludora4",
                      {"Make Emuset known to Ludora4 in one of",
                       "two ways:", "- File menu, \"Install Plug-In Into", "  Ludora4\", then choose Ludora4.exe;",
                       "- in Ludora4's plug-ins section click", "  \"Plug In Not Installed\" and choose",
                       "  the executable of Emuset.", "Then Emuset starts from Ludora4."}),
                topic("R5", "Sorry", {"Sorry for my English!"}),
            }};
}

} // namespace HelpBooks
