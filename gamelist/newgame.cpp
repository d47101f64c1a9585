#include "gamelist/newgame.h"

#include "shared/gamedates.h"
#include "shared/queries.h"
#include "shared/schema.h"
#include "shared/sqlitestatement.h"

namespace NewGame {

bool defaults(sqlite3 *db, const QDate &today, Defaults *defaults, QString *error)
{
    SqliteStatement emulators(db, Queries::allEmulators());
    defaults->added = GameDates::added(today);
    defaults->emulator = emulators.next() ? emulators.text(Schema::Emulators::Name) : QString();
    if (!emulators.error().isEmpty()) {
        *error = QStringLiteral("emulatori: ") + emulators.error();
        return false;
    }
    return true;
}

QString nameOf(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? fileName.left(dot) : fileName;
}

} // namespace NewGame
