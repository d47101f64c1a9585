#pragma once

#include <QString>

#include "emuset/app/settingsplace.h"

class Dialogs;
class Launcher;
class QWidget;

// Emuset's start procedure, the values shared by its windows, and the windows' lifetime.
namespace Generale {

struct State {
    QString OwnDir;           // Emuset's own directory, no trailing separator
    QString FrontEndDir;      // the front-end's directory, with a trailing separator
    QString ConsoleDb;        // the console database that is open
    bool Installed = false;   // installed (not portable): see SettingsPlace
    QString SettingsFile;     // emuset.ini, beside the program or in the user's configuration
    QString UserInstallation; // installed: the user's front-end installation, else empty
    Dialogs *dialogs = nullptr;
    Launcher *launcher = nullptr;
};

State &state();

// Reads emuset.ini in ownDir and opens the main window, or the directory chooser when no
// usable directory is stored. May run again once the windows of a previous run are gone.
void startProcedure(const QString &ownDir, Dialogs &dialogs, Launcher &launcher);
// The same with the place of the settings file decided by the caller (tests).
void startProcedure(const QString &ownDir, const Emuset::SettingsPlace::Place &place, Dialogs &dialogs,
                    Launcher &launcher);
QWidget *mainWindow(); // FrmEmuset once loaded, otherwise nullptr

QString settingsPath(); // the settings file of this run

// The windows, each shown modeless and brought forward when already open.
void showMainWindow();  // loads FrmEmuset first; its load check may end the program
void showBrowser();     // FrmBrowser: choose the front-end's directory
void showBrowserPlug(); // FrmBrowserPlug: install Emuset into a front-end
void showHelp();
void showAbout();

// The front-end's directory chosen in FrmBrowser: stored in emuset.ini (a failure is
// reported) and used from now on. A directory the file cannot hold, or one without the
// Gameboy database (the main window could not open it), is refused with a message
// (false); nothing changes then.
bool setFrontEndDir(const QString &directory);

// The folder a chooser purpose was last used in, kept in the settings file; empty when
// none is. Remembering is a convenience: a file that cannot be written is let be.
QString rememberedFolder(const QString &purpose);
void rememberFolder(const QString &purpose, const QString &folder);

// Closes every window and ends the program's event loop.
void endProgram();

} // namespace Generale
