#include "frontend/window/masterconfig.h"

#include "frontend/session/session.h"
#include "shared/consoles.h"
#include "shared/datasource.h"
#include "shared/dialogs.h"
#include "shared/installationpaths.h"
#include "shared/paths.h"
#include "shared/schema.h"
#include "shared/twips.h"

#include <QFileInfo>
#include <QSqlQuery>

namespace MasterConfig {

namespace {

const QString configQuery = QStringLiteral("select * from config");

// What the front-end assumes when the master configuration record cannot be read.
const Consoles::Console &fallbackConsole() { return Consoles::toolbarOrder().front(); }

// A name that stays inside its folder: no separator of either kind, not "." or "..".
bool isPlainFileName(const QString &name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && name != QLatin1String(".")
           && name != QLatin1String("..");
}

void openConfig(DataSource &config, const QString &database)
{
    config.setDatabaseName(database);
    config.setRecordSource(configQuery);
}

// A database that opens but has no table config (the games table may still be there).
bool lacksConfigTable(const QString &database)
{
    const QSqlDatabase db = DataSource::connection(database, nullptr);
    if (!db.isValid())
        return false;
    QSqlQuery tables(db); // fails, rather than answering none, when the file cannot be read
    return tables.exec(
               QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'config' "
                              "COLLATE NOCASE"))
           && tables.next() && tables.value(0).toInt() == 0;
}

} // namespace

void checkConsoleDatabases(Session &session)
{
    QString message = QStringLiteral("This DATABASES of Console are not installed : ");
    bool missing = false;
    for (const Consoles::Console *console : Consoles::comparisonOrder()) {
        if (Paths::probe(Paths::join(session.rootDir(), console->probedPath)).isEmpty()) {
            message += console->missingText;
            missing = true;
        }
    }
    if (!missing)
        return;
    message += QStringLiteral(
        "YOU MUST DOWNLOAD THIS DATABASE AND PUT IT IN THE '\\DATABASE\\' DIRECTORY OF LUDORA4 !!");
    session.dialogs().critical(message);
}

std::optional<QPoint> read(Session &session)
{
    const QString master = session.masterDatabase();
    DataSource last(QStringLiteral("DatLast"));
    openConfig(last, master);
    QString problem;
    if (!last.open())
        problem = last.lastError();
    else if (last.atEnd())
        problem = QStringLiteral("File ") + master + QStringLiteral(" has no configuration record");
    else if (last.value(Schema::MasterConfig::Database).toString().trimmed().isEmpty())
        problem = QStringLiteral("File ") + master
                  + QStringLiteral(" names no console database in its configuration record");
    else if (!isPlainFileName(last.value(Schema::MasterConfig::Database).toString()))
        problem = QStringLiteral("File ") + master + QStringLiteral(" names a console database outside the ")
                  + QStringLiteral("database folder in its configuration record: ")
                  + last.value(Schema::MasterConfig::Database).toString();

    QString database = fallbackConsole().databaseFile;
    QString picture = fallbackConsole().pictureFile;
    std::optional<QPoint> position;
    if (problem.isEmpty()) {
        database = last.value(Schema::MasterConfig::Database).toString();
        picture = last.value(Schema::MasterConfig::Picture).toString();
        session.setCurrentGame(last.value(Schema::MasterConfig::Game).toString());
        const QVariant top = last.value(Schema::MasterConfig::Top);
        const QVariant left = last.value(Schema::MasterConfig::Left);
        if (!top.isNull() && !left.isNull())
            position = QPoint(Twips::toPixels(left.toDouble()), Twips::toPixels(top.toDouble()));
    } else {
        session.dialogs().critical(problem + QStringLiteral(". Ludora4 starts with the ")
                                   + fallbackConsole().statusFinal + QStringLiteral(" console."));
    }
    Session::Console &console = session.editConsole();
    if (database == QLatin1String("amiga.mdb"))
        console.title = QStringLiteral("Amiga");
    console.database = Paths::join(session.rootDir(), InstallationPaths::databasesDir() + database);
    console.picture = Paths::join(session.rootDir(), InstallationPaths::picturesDir() + picture);
    return position;
}

void readConsoleFolders(Session &session)
{
    Session::Console &active = session.editConsole();
    const Consoles::Console *console = Consoles::byDatabaseFile(QFileInfo(active.database).fileName());
    const QString consoleDir = InstallationPaths::consoleDir(console ? console->directory
                                                                     : fallbackConsole().directory);
    const auto directory = [&](const QString &stored, const QString &ownFolder) {
        return Paths::join(session.rootDir(), stored.trimmed().isEmpty() ? consoleDir + ownFolder
                                                                         : QStringLiteral("\\console") + stored);
    };
    const QString screen = QStringLiteral("\\screen\\");
    const QString games = QStringLiteral("\\games\\");

    DataSource config(QStringLiteral("DatConfig"));
    openConfig(config, active.database);
    if (config.open() && !config.atEnd()) {
        active.screenDir = directory(config.value(Schema::ConsoleConfig::ScreenDir).toString(), screen);
        active.gamesDir = directory(config.value(Schema::ConsoleConfig::GamesDir).toString(), games);
        return;
    }
    active.screenDir = directory(QString(), screen);
    active.gamesDir = directory(QString(), games);
    const QString folders = QStringLiteral("their screenshots are looked for in ") + active.screenDir
                            + QStringLiteral(" and their roms in ") + active.gamesDir + QLatin1Char('.');
    QString message;
    if (config.lastError().isEmpty())
        message = QStringLiteral("File ") + active.database
                  + QStringLiteral(" has no configuration record. Its games are shown; ") + folders;
    else if (lacksConfigTable(active.database))
        message = QStringLiteral("File ") + active.database
                  + QStringLiteral(" has no configuration table. Its games are listed, but its settings are "
                                   "not read: ")
                  + folders;
    else
        message = config.lastError() + QStringLiteral(". The games of this console cannot be shown.");
    session.dialogs().critical(message);
}

void reportMissingConsoleDatabase(Session &session)
{
    QString error;
    if (DataSource::connection(session.console().database, &error).isValid())
        return;
    session.dialogs().critical(error + QStringLiteral(". The games of this console cannot be shown."));
}

void storeConsoleChoice(Session &session, const Consoles::Console &console)
{
    DataSource last(QStringLiteral("DatLast"));
    openConfig(last, session.masterDatabase());
    const bool stored = last.open() && last.edit()
                        && last.setValue(Schema::MasterConfig::Database, console.databaseFile)
                        && last.setValue(Schema::MasterConfig::Picture, console.pictureFile) && last.update();
    if (stored)
        return;
    last.cancelUpdate();
    session.dialogs().critical(last.lastError() + QStringLiteral(". The next start will not open the ")
                               + console.statusFinal + QStringLiteral(" console."));
}

void storeWindowPosition(Session &session, QPoint position)
{
    DataSource last(QStringLiteral("DatLast"));
    openConfig(last, session.masterDatabase());
    if (!last.open() || !last.edit())
        return;
    last.setValue(Schema::MasterConfig::Top, float(Twips::fromPixels(position.y())));
    last.setValue(Schema::MasterConfig::Left, float(Twips::fromPixels(position.x())));
    last.update();
}

} // namespace MasterConfig
