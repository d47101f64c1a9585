#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

class FrmMain;
class ScriptedDialogs;
class RecordingLauncher;

// Runs the front-end's start procedure on an installation root and waits until its main
// window is loaded or the program has ended without one (nullptr then).
FrmMain *startFrontEnd(const QString &root, ScriptedDialogs &dialogs, RecordingLauncher &launcher);
// Closes the main window as a person would (its position is stored), waits until it is
// gone, and closes this program's database connections.
void closeFrontEnd();

// The names the game list shows, top to bottom (or another role of its entries).
QStringList listedGames(FrmMain *main, int role = Qt::DisplayRole);
// The error line of the status bar (panel 6), empty while it shows the play count.
QString errorLine(FrmMain *main);
// Clicks the game list's entry of a row, scrolled into view first, as a person would.
void clickGame(FrmMain *main, int row);
