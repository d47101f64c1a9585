#include "shared/columntexts.h"

#include "shared/datasource.h"

bool readColumnTexts(DataSource &source, const QString &database, const QString &recordSource, int position,
                     QStringList *texts)
{
    texts->clear();
    source.setDatabaseName(database);
    source.setRecordSource(recordSource);
    if (!source.open())
        return false;
    for (; !source.atEnd(); source.moveNext()) {
        const QVariant text = source.value(position);
        if (!text.isNull())
            texts->append(text.toString());
    }
    source.moveFirst();
    return true;
}
