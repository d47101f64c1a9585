#include "shared/queries.h"

#include "shared/sql.h"

namespace Queries {

QString allEmulators()
{
    return QStringLiteral("select * from emulatori");
}

QString setsOf(const QString &emulator)
{
    return QStringLiteral("SELECT * from setting where [id_emula] = ") + Sql::quoted(emulator);
}

QString setNamed(const QString &emulator, const QString &set)
{
    return setsOf(emulator) + QStringLiteral(" and [nome] = ") + Sql::quoted(set);
}

} // namespace Queries
