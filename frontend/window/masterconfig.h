#pragma once

#include <QPoint>

#include <optional>

class Session;
namespace Consoles {
struct Console;
}

// The configuration records the window starts from and keeps its choices in: the master
// database's (active console, shown game, window position) and the console database's
// (its screenshot and rom folders). Problems are said in message boxes, as the start says them.
namespace MasterConfig {

// Says which console databases are missing, if any.
void checkConsoleDatabases(Session &session);
// The active console's database and picture and the shown game, into the session; the
// stored window position, if any. A record that cannot be read is reported, and the
// first console is used.
std::optional<QPoint> read(Session &session);
// The active console's own folders. Without a readable configuration record, or where a
// field of it is empty, they are taken from the console table, as a console switch sets them.
void readConsoleFolders(Session &session);
// A console database that is missing or is no database: said once, by name.
void reportMissingConsoleDatabase(Session &session);
// Keeps the console for the next start; the other fields stay as they are.
void storeConsoleChoice(Session &session, const Consoles::Console &console);
void storeWindowPosition(Session &session, QPoint position);

} // namespace MasterConfig
