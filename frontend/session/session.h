#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class Dialogs;
class FileChooser;
class Launcher;
namespace Consoles {
struct Console;
}

// What the pages of the main window share: the installation and its services, the active
// console and its paths, the current game, and the shown record's few fields that other
// pages follow. Pages never call each other; they read the session, ask through it, and
// react to its signals. Errors go through reportError(), which the window shows on its
// error line.
class Session : public QObject {
    Q_OBJECT
public:
    Session(const QString &rootDir, Dialogs &dialogs, Launcher &launcher, QObject *parent = nullptr);

    QString rootDir() const { return m_rootDir; }
    QString masterDatabase() const;
    QString pluginRegistry() const;
    Dialogs &dialogs() const { return m_dialogs; }
    Launcher &launcher() const { return m_launcher; }
    FileChooser &chooser() const { return *m_chooser; }
    void setChooser(FileChooser *chooser) { m_chooser = chooser; }

    // The active console: its database, screenshot and rom folders (both ending with a
    // separator), picture, and the text its status panel shows.
    struct Console {
        QString database;
        QString screenDir;
        QString gamesDir;
        QString picture;
        QString title;
    };
    const Console &console() const { return m_console; }
    Console &editConsole() { return m_console; }
    bool isAmigaActive() const;
    // The console whose database is active, or nullptr for a database of no console.
    const Consoles::Console *activeConsole() const;
    QString noPicture() const;

    // The game query of the chosen filter: the record and the list read the same rows.
    QString gameQuery() const { return m_gameQuery; }
    void setGameQuery(const QString &query) { m_gameQuery = query; }

    // The game to show: a name, and its row once known in the active console's database.
    QString currentGame() const { return m_currentGame; }
    std::optional<qint64> currentGameRow() const;
    void setCurrentGame(const QString &name) { m_currentGame = name; }
    void setCurrentGame(const QString &name, std::optional<qint64> row);

    // The row the record view shows, and the fields other pages use.
    struct ShownGame {
        std::optional<qint64> row; // none while nothing is shown or a new row is pending
        QString name;
        QString emulator;
        QString screen; // the Screen field: the first screenshot's file name
        QString rom;
        bool adding = false; // a new row is pending
    };
    const ShownGame &shownGame() const { return m_shown; }
    void setShownGame(const ShownGame &game);
    // The shown row's fields after a store, with nothing shown anew.
    void refreshShownGame(const ShownGame &game) { m_shown = game; }
    // "Add Rom": a new row is pending; nothing of the previous game is shown.
    void startNewGame();
    // The person chose another emulator for the shown game, not stored yet: the play
    // would store it and start that one.
    void editShownEmulator(const QString &name);

    // Requests one page answers for the others.
    void requestFill() { emit fillRequested(); }
    void requestRecord() { emit recordRequested(); }
    // The list holds no game: the record view shows none either.
    void requestEmptyRecord() { emit emptyRecordRequested(); }
    // A game picked in the list by its row; text names its entry in errors.
    void pickGame(std::optional<qint64> row, const QString &text) { emit gamePicked(row, text); }
    void requestPlay() { emit playRequested(); }
    void reportDeleted(std::optional<qint64> row) { emit gameDeleted(row); }
    void reportAdded(const QString &first) { emit gamesAdded(first); }
    void requestScreenFile() { emit screenFileRequested(); }
    void requestListFocus() { emit listFocusRequested(); }
    // A play of the game in this row of that database ended; total is its play time now.
    void reportPlayTime(const QString &database, qint64 row, qint64 total)
    {
        emit playTimeAdded(database, row, total);
    }

    // The record page's stores, for the play: the typed values, then one more play.
    using Store = std::function<bool(QString *error)>;
    void setRecordStores(Store storeTyped, Store countPlay);
    bool storeShownRecord(QString *error) const;
    bool countPlay(QString *error);

    // Before the shown record is left (another game, a fill, a console switch, closing):
    // false when the person chose to stay with changes that are not stored. The record
    // page registers how it asks.
    enum class Leave { Stay, Left, Saved };
    void setLeaveGuard(std::function<Leave()> guard) { m_leaveGuard = std::move(guard); }
    Leave leaveRecord() const { return m_leaveGuard ? m_leaveGuard() : Leave::Left; }
    bool mayLeaveRecord() const { return leaveRecord() != Leave::Stay; }

    // The error line; a logged error also goes to the "Error LOG" box.
    void reportError(const QString &text) { emit errorReported(text, false); }
    void reportLoggedError(const QString &text) { emit errorReported(text, true); }

signals:
    void fillRequested();
    void recordRequested();
    void emptyRecordRequested();
    void gamePicked(std::optional<qint64> row, const QString &text);
    void gameShown();
    void newGameStarted();
    void gameDeleted(std::optional<qint64> row);
    void gamesAdded(const QString &first);
    void gamePlayed();
    void playRequested();
    void screenFileRequested();
    void listFocusRequested();
    void shownEmulatorEdited();
    void playTimeAdded(const QString &database, qint64 row, qint64 total);
    void errorReported(const QString &text, bool logged);

private:
    QString m_rootDir;
    Dialogs &m_dialogs;
    Launcher &m_launcher;
    FileChooser *m_chooser = nullptr;
    Console m_console;
    QString m_gameQuery;
    QString m_currentGame;
    std::optional<qint64> m_currentRow;
    QString m_currentRowDatabase;
    ShownGame m_shown;
    Store m_storeTyped;
    Store m_countPlay;
    std::function<Leave()> m_leaveGuard;
};
