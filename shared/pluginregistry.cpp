#include "shared/pluginregistry.h"

#include "shared/datasource.h"
#include "shared/schema.h"
#include "shared/sql.h"

namespace PluginRegistry {

QString query(const QString &key)
{
    return QStringLiteral("SELECT * from plugins where plug = ") + Sql::quoted(key);
}

bool select(DataSource &source, const QString &registry, const QString &key)
{
    source.setDatabaseName(registry);
    source.setRecordSource(query(key));
    return source.open();
}

QString readPath(DataSource &source, const QString &registry, const QString &key)
{
    if (!select(source, registry, key) || source.atEnd())
        return {};
    source.edit(); // left in edit without an update; the next query drops it
    return source.value(Schema::Plugins::Path).toString();
}

bool writePath(DataSource &source, const QString &registry, const QString &key, const QString &path,
               QString *error)
{
    if (!select(source, registry, key)) {
        if (error)
            *error = source.lastError();
        return false;
    }
    const bool added = source.atEnd();
    const bool ok = (added ? source.addNew() && source.setValue(QStringLiteral("plug"), key) : source.edit())
                    && source.setValue(Schema::Plugins::Path, path) && source.update();
    if (!ok && error)
        *error = source.lastError();
    return ok;
}

} // namespace PluginRegistry
