#pragma once

#include <QString>

class QWidget;
class ScriptedDialogs;
class RecordingLauncher;

// Running Emuset inside a test through its start procedure, its windows found by their
// form names as a person finds them on the screen.

// Writes emuset.ini in Emuset's own directory so that it opens the front-end installed in
// frontEndDir (the stored line: the directory, a separator, CR LF).
bool pointEmusetAt(const QString &ownDir, const QString &frontEndDir);
// Runs Emuset's start procedure on its own directory: its main window "FrmEmuset" once
// shown, nullptr when it shows none (it asks for the front-end's directory instead).
QWidget *startEmuset(const QString &ownDir, ScriptedDialogs &dialogs, RecordingLauncher &launcher);
// Closes every window of the program and its database connections.
void closeEmuset();
