#pragma once

#include <QString>

#include <optional>

class Dialogs;
class Launcher;
class QMainWindow;

// The front-end's start procedure and the state values shared by its windows.
namespace Globale {

struct State {
    QString RootDir;     // installation root, no trailing separator
    QString ConsoleDb;   // active console's database
    QString ScreenDir;   // active console's screenshots, ending with a separator
    QString GamesDir;    // active console's roms, ending with a separator
    QString ConsolePic;  // active console's picture
    QString NoPicFile;   // picture shown where a screenshot is missing
    QString CurrentGame; // game shown in the record view
    // The row of CurrentGame in the database CurrentGameDb, once known: the record view
    // shows exactly that row. A name alone (the start game, a console switch) is looked up.
    std::optional<qint64> CurrentGameRow;
    QString CurrentGameDb;
    QString ProbeResult; // name found by the last file-existence probe
    int ChooserPurpose = 0;
    QString ChooserCaption;
    bool DbMissing = false;
    int MainLoaded = 0;
    QString StartNote; // shown on the error line once the main window stands (first start)
    Dialogs *dialogs = nullptr;
    Launcher *launcher = nullptr;
};

State &state();

// The start procedure with its root and services given (the real main passes the
// executable's directory and the real services).
void startProcedure(const QString &rootDir, Dialogs &dialogs, Launcher &launcher);
QMainWindow *mainWindow(); // FrmMain once loaded, otherwise nullptr
// How long the splash shows before the main window loads: 500 ms unless set otherwise.
// Tests set 0, so that each start of theirs does not wait for it.
void setSplashDelay(int milliseconds);

// A line for the error line once the main window of the next start stands (the note of a
// first start); that start takes it, later ones do not see it.
void setStartNote(const QString &text);

// The file-existence probe; its result is also kept in ProbeResult.
QString probe(const QString &path);

// Closes every window and ends the program's event loop.
void endProgram();

} // namespace Globale
