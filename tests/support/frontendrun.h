#pragma once

#include <QString>

class QMainWindow;
class ScriptedDialogs;
class Launcher;

// Runs the front-end's start procedure on an installation root and waits until its main
// window is loaded or the program has ended without one (nullptr then).
// Tests give it a RecordingLauncher, or the real launcher for a play end to end. A play
// writes its launch log under $XDG_STATE_HOME: unless a test chose one, a temporary folder
// of this test program, so no test writes the person's own log.
QMainWindow *startFrontEnd(const QString &root, ScriptedDialogs &dialogs, Launcher &launcher);
// The dialogs the running front-end was started with; nullptr once it is closed.
ScriptedDialogs *frontEndDialogs();
// Closes the main window as a person would (its position is stored), waits until it is
// gone, and closes this program's database connections.
void closeFrontEnd();
