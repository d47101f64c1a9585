#include "frontend/session/session.h"

#include "shared/consoles.h"
#include "shared/installationpaths.h"
#include "shared/paths.h"

#include <QFileInfo>

Session::Session(const QString &rootDir, Dialogs &dialogs, Launcher &launcher, QObject *parent)
    : QObject(parent), m_rootDir(rootDir), m_dialogs(dialogs), m_launcher(launcher)
{}

QString Session::masterDatabase() const { return Paths::join(m_rootDir, InstallationPaths::masterDatabase()); }

QString Session::pluginRegistry() const { return Paths::join(m_rootDir, InstallationPaths::pluginRegistry()); }

QString Session::noPicture() const { return Paths::join(m_rootDir, InstallationPaths::noPicture()); }

const Consoles::Console *Session::activeConsole() const
{
    return Consoles::byDatabaseFile(QFileInfo(m_console.database).fileName());
}

bool Session::isAmigaActive() const { return m_console.title == QLatin1String("Amiga"); }

// A row is known only for the database it was read from.
std::optional<qint64> Session::currentGameRow() const
{
    return m_currentRowDatabase == m_console.database ? m_currentRow : std::nullopt;
}

void Session::setCurrentGame(const QString &name, std::optional<qint64> row)
{
    m_currentGame = name;
    m_currentRow = row;
    m_currentRowDatabase = m_console.database;
}

void Session::setShownGame(const ShownGame &game)
{
    m_shown = game;
    emit gameShown();
}

void Session::startNewGame()
{
    m_shown = {};
    m_shown.adding = true;
    emit newGameStarted();
}

void Session::editShownEmulator(const QString &name)
{
    if (name == m_shown.emulator)
        return;
    m_shown.emulator = name;
    emit shownEmulatorEdited();
}

void Session::setRecordStores(Store storeTyped, Store countPlay)
{
    m_storeTyped = std::move(storeTyped);
    m_countPlay = std::move(countPlay);
}

bool Session::storeShownRecord(QString *error) const { return m_storeTyped && m_storeTyped(error); }

bool Session::countPlay(QString *error)
{
    if (!m_countPlay || !m_countPlay(error))
        return false;
    emit gamePlayed();
    return true;
}
