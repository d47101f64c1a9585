#include "emuset/app/generale.h"

#include "emuset/about/frmabout.h"
#include "emuset/app/frontendchoice.h"
#include "emuset/app/settingsfile.h"
#include "emuset/choosers/frmbrowser.h"
#include "emuset/choosers/frmbrowserplug.h"
#include "emuset/window/frmemuset.h"
#include "help/frmhelp.h"
#include "help/helpbooks.h"
#include "shared/dialogs.h"
#include "shared/installationpaths.h"
#include "shared/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

namespace Generale {

namespace {

QPointer<Emuset::FrmEmuset> main;
QPointer<Emuset::FrmBrowser> browser;
QPointer<Emuset::FrmBrowserPlug> browserPlug;
QPointer<FrmHelp> help;
QPointer<Emuset::FrmAbout> about;

void bringForward(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

// Shows the window a pointer holds, making it first when there is none.
template <class W, class... Args> W *showWindow(QPointer<W> &window, Args &&...args)
{
    if (!window) {
        window = new W(std::forward<Args>(args)...);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    bringForward(window);
    return window;
}

// The settings file goes, so that the next run starts as a first run.
void removeSettingsFile()
{
    QFile file(Paths::resolve(settingsPath()));
    if (file.exists() && !file.remove())
        state().dialogs->critical(QStringLiteral("Error"), QStringLiteral("Can't delete ") + file.fileName()
                                                               + QStringLiteral(": ") + file.errorString());
}

// The user's configuration directory may not exist yet when an installed Emuset first
// stores a choice.
bool makeSettingsDir(QString *error)
{
    const QString dir = QFileInfo(settingsPath()).absolutePath();
    if (QDir().mkpath(dir))
        return true;
    *error = dir + QStringLiteral(": cannot create the directory");
    return false;
}

} // namespace

State &state()
{
    static State s;
    return s;
}

QString settingsPath() { return state().SettingsFile; }

void startProcedure(const QString &ownDir, Dialogs &dialogs, Launcher &launcher)
{
    startProcedure(ownDir, Emuset::SettingsPlace::forProgramIn(ownDir), dialogs, launcher);
}

void startProcedure(const QString &ownDir, const Emuset::SettingsPlace::Place &place, Dialogs &dialogs,
                    Launcher &launcher)
{
    State &s = state();
    s = State{};
    s.OwnDir = Paths::native(ownDir);
    while (s.OwnDir.size() > 1 && s.OwnDir.endsWith(QDir::separator()))
        s.OwnDir.chop(1);
    s.Installed = place.installed;
    s.SettingsFile = place.settingsFile;
    s.UserInstallation = place.installed ? place.dataRoot : QString();
    s.dialogs = &dialogs;
    s.launcher = &launcher;
    Paths::clearCache();

    QString item;
    QString error;
    const auto read = Emuset::SettingsFile::read(settingsPath(), &item, &error);
    if (read == Emuset::SettingsFile::Read::Unreadable) {
        showBrowser();
        state().dialogs->warning(QStringLiteral("Warning!"), QStringLiteral("Can't read ") + error);
        return;
    }
    // An installed Emuset without a chosen directory uses the user's own installation,
    // when the main window can open it; otherwise the chooser asks.
    if (item.isEmpty() && Emuset::FrontEndChoice::holdsGameboyDatabase(s.UserInstallation))
        item = place.dataRoot;
    if (item.isEmpty()) {
        showBrowser();
        return;
    }
    s.FrontEndDir = Emuset::SettingsFile::withTrailingSeparator(item);
    showMainWindow();
}

QWidget *mainWindow() { return main.data(); }

void showMainWindow()
{
    if (!main) {
        auto *window = new Emuset::FrmEmuset(state());
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (!window->load()) {
            delete window;
            removeSettingsFile();
            endProgram();
            return;
        }
        main = window;
    }
    bringForward(main);
}

// A directory the settings file cannot hold keeps the chooser open for another choice.
void showBrowser()
{
    const bool made = !browser;
    Emuset::FrmBrowser *window = showWindow(browser, state().Installed, state().UserInstallation);
    if (!made)
        return;
    QObject::connect(window, &Emuset::FrmBrowser::frontEndChosen, window, [window](const QString &directory) {
        if (!setFrontEndDir(directory))
            return;
        window->rememberChoice();
        showMainWindow();
        window->close();
    });
}

void showBrowserPlug() { showWindow(browserPlug); }

void showHelp() { showWindow(help, HelpBooks::emuset()); }

void showAbout() { showWindow(about); }

bool setFrontEndDir(const QString &directory)
{
    State &s = state();
    QString error;
    if (!Emuset::SettingsFile::canStore(directory)) {
        state().dialogs->critical(
            QStringLiteral("Error"),
            QStringLiteral("The folder ") + directory
                + QStringLiteral(" cannot be used: its name holds a line break or both a comma and a double "
                                 "quote. Rename it, or choose another one."));
        return false;
    }
    if (!Emuset::FrontEndChoice::holdsGameboyDatabase(directory)) {
        state().dialogs->warning(QStringLiteral("Warning!"),
                                 QStringLiteral("The folder ") + Paths::native(directory)
                                     + QStringLiteral(" holds no usable Ludora4 installation: ")
                                     + Emuset::FrontEndChoice::gameboyDatabase(directory)
                                     + QStringLiteral(
                                         " is missing. Choose another one; an installed Ludora4 makes the user's "
                                         "installation when it first starts."));
        return false;
    }
    if (!makeSettingsDir(&error) || !Emuset::SettingsFile::write(settingsPath(), directory, &error))
        state().dialogs->warning(QStringLiteral("Warning!"),
                                 QStringLiteral("Can't store the Ludora4 directory: ") + error
                                     + QStringLiteral(
                                         ". It is used until Emuset ends; choose it again at the next start."));
    s.FrontEndDir = Emuset::SettingsFile::withTrailingSeparator(directory);
    return true;
}

QString rememberedFolder(const QString &purpose)
{
    return settingsPath().isEmpty() ? QString() : Emuset::SettingsFile::folder(settingsPath(), purpose);
}

void rememberFolder(const QString &purpose, const QString &folder)
{
    QString error;
    if (!settingsPath().isEmpty() && makeSettingsDir(&error))
        Emuset::SettingsFile::storeFolder(settingsPath(), purpose, folder, &error);
}

void endProgram()
{
    const QList<QWidget *> windows = {main, browser, browserPlug, help, about};
    for (QWidget *window : windows) {
        if (window) {
            window->hide();
            window->deleteLater();
        }
    }
    QCoreApplication::exit(0);
}

} // namespace Generale
