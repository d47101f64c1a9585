#pragma once

#include <QString>

class Dialogs;
class Launcher;
class QMainWindow;

// The front-end's start procedure: the splash, then the main window.
namespace Globale {

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

// Closes every window and ends the program's event loop.
void endProgram();

} // namespace Globale
