#pragma once

#include "shared/schema.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace Convert {

// What our schema declares for a column beyond its type.
struct ColumnTraits {
    bool noCase = false;     // COLLATE NOCASE: criteria compare it without regard to case
    QString defaultValue;    // DEFAULT, as SQL text; empty for none
    bool integerKey = false; // INTEGER PRIMARY KEY, numbered by the database
};

// The traits of our schema's tables for one kind of file, looked up by table and column
// name without regard to case (Jet names ignore case as SQLite's do). Tables and columns
// the schema does not know have no traits.
class SchemaTraits {
public:
    explicit SchemaTraits(Schema::File file);
    ColumnTraits column(const QString &table, const QString &column) const;
    // The schema's CREATE INDEX statements on the table.
    QStringList indexes(const QString &table) const;
    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

private:
    QHash<QString, ColumnTraits> m_columns; // key: "table.column", lower case
    QHash<QString, QStringList> m_indexes;  // key: table, lower case
    QString m_error;
};

} // namespace Convert
