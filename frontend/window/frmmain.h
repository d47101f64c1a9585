#pragma once

#include <QMainWindow>

#include <optional>

class ClickableLabel;
class Dialogs;
class DocumentsPage;
class GamesPage;
class Launcher;
class PluginsPanel;
class QSplitter;
class QTabWidget;
class RecordPage;
class Session;
class SettingPage;
class SnapshotsPage;
class StatusPanels;
namespace Consoles {
struct Console;
}

// The front-end's main window: the console toolbar, the active console's picture, the two
// tab strips with their pages, the status bar and its error line. The pages do the work;
// the window places them, loads them in order, switches consoles and stores its position.
class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    FrmMain(const QString &rootDir, Dialogs &dialogs, Launcher &launcher, QWidget *parent = nullptr);

    // The main-window load; false when the program must end (no master database).
    bool load();
    // Moves the window to the position stored in the master configuration record.
    void applyStoredPosition();
    // The error line: panel 6.
    void showError(const QString &text);
    // A note of the start on the error line; the count it covers comes back after a while
    // or when a game is shown, unless another text has replaced the note meanwhile.
    void showStartNote(const QString &text);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createToolbar();
    void createStatusBar();
    void createTabStrips();
    void keepSplitter(bool store);

    void switchConsole(const Consoles::Console &console);
    void showConsoleTitle(const QString &text);
    void showConsolePicture();
    void addMissingColumns();

    Session *m_session = nullptr;
    GamesPage *m_games = nullptr;
    RecordPage *m_record = nullptr;
    SnapshotsPage *m_snapshots = nullptr;
    SettingPage *m_setting = nullptr;
    DocumentsPage *m_documents = nullptr;
    PluginsPanel *m_plugins = nullptr;
    StatusPanels *StatusBar1 = nullptr;
    ClickableLabel *ImgConsole = nullptr;
    QTabWidget *TabGames = nullptr;
    QTabWidget *TabGeneral = nullptr;
    QSplitter *m_splitter = nullptr;
    std::optional<QPoint> m_storedPosition; // none stored
};
