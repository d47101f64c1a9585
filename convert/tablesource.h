#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

// What the SQLite writer converts: tables described by name and columns, and their rows.
// The Jet reader is one source; tests feed models of tables through the same interface.
namespace Convert {

// The kinds of value a column holds, and the QVariant each row carries for it (an
// invalid QVariant is NULL): Text QString, Integer qint64, Real double, Boolean bool,
// DateTime QDateTime (UTC, so that no local-time gap can shift it), Blob QByteArray.
enum class Kind { Text, Integer, Real, Boolean, DateTime, Blob };

struct Column {
    QString name;
    Kind kind = Kind::Text;
    bool autoNumber = false; // numbered by the database itself (an AutoNumber of Jet)
};

struct Table {
    QString name;
    QList<Column> columns;
    qint64 rowCount = -1; // how many rows the source says the table holds; -1 unknown
};

using RowSink = std::function<bool(const QVariantList &values)>;

class TableSource {
public:
    virtual ~TableSource() = default;
    // The user tables, in the source's own order; false on failure (error() says why).
    virtual bool tables(QList<Table> *tables) = 0;
    // Hands each row of the table to sink, in the source's order, values in column order.
    // Stops with false when the source fails (error() says why) or the sink returns false.
    virtual bool readRows(const Table &table, const RowSink &sink) = 0;
    virtual QString error() const = 0;
};

} // namespace Convert
