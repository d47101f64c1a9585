#include "shared/columntexts.h"

#include "shared/datasource.h"

bool readColumnTexts(DataSource &source, const QString &database, const QString &recordSource, int position,
                     QStringList *texts, QList<qint64> *rowIds)
{
    texts->clear();
    if (rowIds)
        rowIds->clear();
    source.setDatabaseName(database);
    source.setRecordSource(recordSource);
    if (!source.open())
        return false;
    for (; !source.atEnd(); source.moveNext()) {
        const QVariant text = source.value(position);
        if (text.isNull())
            continue;
        texts->append(text.toString());
        if (rowIds)
            rowIds->append(*source.currentRowId());
    }
    source.moveFirst();
    return true;
}
