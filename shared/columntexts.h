#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class DataSource;

// Points the data source at a database and a record source, opens it, and gives the
// texts at one position of every row, first to last, leaving Nulls out: how the lists of
// names (emulators, documents, lookups) are filled. The source ends on its
// first row. With rowIds, each text's row id goes there at the same index.
// False, with the source's lastError(), when it cannot be opened.
bool readColumnTexts(DataSource &source, const QString &database, const QString &recordSource, int position,
                     QStringList *texts, QList<qint64> *rowIds = nullptr);
