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

QString emulatorNamed(const QString &name)
{
    return QStringLiteral("[emu_name] =") + Sql::quoted(name);
}

QString gameNamed(const QString &name)
{
    return QStringLiteral("[gioco] =") + Sql::quoted(name);
}

QString documentNamed(const QString &name)
{
    return QStringLiteral("[doc_name] =") + Sql::quoted(name);
}

} // namespace Queries
