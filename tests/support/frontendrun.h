#pragma once

#include <QString>

class QMainWindow;
class ScriptedDialogs;
class RecordingLauncher;

// Runs the front-end's start procedure on an installation root and waits until its main
// window is loaded or the program has ended without one (nullptr then).
QMainWindow *startFrontEnd(const QString &root, ScriptedDialogs &dialogs, RecordingLauncher &launcher);
// The dialogs the running front-end was started with; nullptr once it is closed.
ScriptedDialogs *frontEndDialogs();
// Closes the main window as a person would (its position is stored), waits until it is
// gone, and closes this program's database connections.
void closeFrontEnd();
