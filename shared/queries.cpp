#include "shared/queries.h"

#include "shared/sql.h"

namespace Queries {

QString allEmulators() { return QStringLiteral("select * from emulatori"); }

QString setsOf(const QString &emulator)
{
    const QString name = Sql::quoted(emulator);
    return QStringLiteral("SELECT * from setting where [id_emula] = ") + name
           + QStringLiteral(" and ([id_emula] = ") + name
           + QStringLiteral(" COLLATE BINARY or not exists (select 1 from emulatori"
                            " where [emu_name] = setting.[id_emula] COLLATE BINARY))");
}

} // namespace Queries
