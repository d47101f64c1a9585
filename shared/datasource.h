#pragma once

#include "shared/boundcontrol.h"
#include "shared/rowidindex.h"

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class SqliteStatement;

// A named record set bound to one database file and one record source: a table name
// or a "SELECT * from <table> ..." text exactly as the programs write it. It holds the
// rows of the last open in query order (by rowid, never shown as a column, so positions
// stay the table's own), a current row, and controls bound to columns: the current row
// is pushed into them on every move (held back while a ControlsHeld lives) and pulled
// from them on update().
//
// Every store is one SQLite transaction; connections wait on a lock instead of failing.
// Opening again when neither this program nor another one changed the file since the
// last read keeps the rows already read. A record source "... WHERE <condition> ORDER BY
// <terms>" is read as the rows in that order (rows that sort alike in row-id order) that
// match the condition, without looking up every row of the table in index order.
class DataSource : public QObject {
    Q_OBJECT
public:
    enum class EditMode { None, Edit, AddNew };

    explicit DataSource(const QString &name, QObject *parent = nullptr);
    ~DataSource() override;

    void setDatabaseName(const QString &path); // a native path or one with backslashes
    QString databaseName() const { return m_databasePath; }
    void setRecordSource(const QString &source);
    QString recordSource() const { return m_source; }

    // Runs the record source; the first row becomes current. False with lastError() set
    // when the file is missing, is not a database, or the query fails.
    bool open();
    bool refresh() { return open(); }

    int rowCount() const { return int(m_rowIds.size()); }
    bool isEmpty() const { return m_rowIds.empty(); }
    bool atEnd() const; // past the last row (or no rows)
    int currentIndex() const { return m_current; }
    void moveFirst();
    void moveNext();
    bool moveTo(int index);

    // Values of the current row; invalid QVariant when there is no current row.
    // A pending new row answers from its bound controls.
    QVariant value(int position) const;
    QVariant value(const QString &column) const;
    QSqlRecord record() const { return m_record; }
    int columnCount() const;
    QString columnName(int position) const;

    // Makes the first row (in record-set order) matching the SQL criterion current.
    // False when none matches (NoMatch) or the criterion fails; the current row then
    // stays where it was.
    bool findFirst(const QString &criterion);
    bool noMatch() const { return m_noMatch; }

    // The row id of the current row; none while there is no current row or a new row
    // is pending.
    std::optional<qint64> currentRowId() const;
    // Makes exactly the row with this row id current. When the record set does not hold
    // it (deleted, or no longer matching), no row is current and lastError() says so.
    bool moveToRowId(qint64 rowId);
    // Makes the first row whose column holds the name current, as findFirst() does: a
    // row matching exactly, case included, wins over one matching without regard to case.
    bool findName(const QString &column, const QString &name);

    // Binds a control to a column (shared/widgets/boundwidget.h binds the usual widgets).
    void bind(std::unique_ptr<BoundControl> control, const QString &column);
    void pushToControls(); // shows the current row again
    // True when a bound control holds another value than the row put into it: typed, ticked
    // or set since, and not stored.
    bool controlsChanged() const;

    // While one is held, the bound controls keep what they show; when the last one ends,
    // they show the row the source then stands on, once. For an open followed by a move:
    // every push lays a control's text out anew, which takes long for a long text.
    class ControlsHeld {
    public:
        explicit ControlsHeld(DataSource &source) : m_source(source) { ++m_source.m_holds; }
        ~ControlsHeld();
        ControlsHeld(const ControlsHeld &) = delete;
        ControlsHeld &operator=(const ControlsHeld &) = delete;

    private:
        DataSource &m_source;
    };

    // Editing. edit() puts the current row into edit mode; setValue() changes a field
    // of the row in edit (by position or name); update() stores the changed bound
    // controls and the set fields in one transaction.
    bool addNew();
    bool edit();
    bool setValue(int position, const QVariant &value);
    bool setValue(const QString &column, const QVariant &value);
    bool update();
    void cancelUpdate();
    bool deleteCurrent();
    EditMode editMode() const { return m_mode; }

    // The row ids of the last open, in record-set order.
    const std::vector<qint64> &rowIds() const { return m_rowIds; }

    // Runs the record source once more, reading only the named columns of every row in
    // order, straight from SQLite; the callback reads them by their place in the list.
    // For fills of large lists.
    bool scan(const QStringList &columns, const std::function<void(const SqliteStatement &row)> &row);

    QString lastError() const { return m_lastError; }

    // The state of a database file's content as this program sees it through its
    // connection: two equal stamps mean that nothing was committed in between, by this
    // program or another one. Invalid when the file cannot be read.
    struct ContentStamp {
        quint64 opened = 0;      // which opening of the connection
        qint64 dataVersion = -1; // commits of other connections
        quint64 commits = 0;     // commits of this connection
        bool isValid() const { return opened != 0; }
        bool operator==(const ContentStamp &) const = default;
    };
    static ContentStamp contentStamp(const QSqlDatabase &db);
    // The stamp of this data source's database file.
    ContentStamp contentStamp();

    // The connection this program uses for a database file (one per file and thread).
    static QSqlDatabase connection(const QString &path, QString *error);
    // Closes every connection of this thread (before files are deleted or replaced).
    static void closeAllConnections();

private:
    struct Binding {
        std::unique_ptr<BoundControl> control;
        QString column;
        QVariant shown; // value pushed into the control
    };

    bool ensureConnection();
    bool parseSource();
    bool readRowIds();
    bool readFilteredRowIds(const QString &table, const QString &condition, const QString &order,
                            std::vector<qint64> *ids, QString *error);
    bool loadCurrentRecord();
    int positionOfRowId(qint64 rowId);
    QSqlRecord tableColumns();
    bool fileChangedSinceRead();
    static void setControlValue(Binding &binding, const QVariant &value);
    bool storeRow(const QStringList &names, const QVariantList &values);
    bool fail(const QString &what, const QString &detail);

    QString m_name;
    QString m_databasePath; // native
    QString m_source;
    QString m_table; // table behind the record source
    QString m_tail;  // WHERE / ORDER BY part of the record source
    QSqlDatabase m_db;
    std::vector<qint64> m_rowIds;
    RowIdIndex m_positions;        // where each row id stands, for findFirst()
    bool m_positionsReady = false; // built when first needed after m_rowIds changed
    int m_current = -1;
    QSqlRecord m_record;  // the current row, all columns
    QSqlRecord m_columns; // the table's columns, read once
    QString m_columnsTable;
    QString m_columnsPath;
    std::vector<Binding> m_bindings;
    int m_holds = 0;         // ControlsHeld alive
    bool m_pushHeld = false; // a push came while they were
    QList<QPair<int, QVariant>> m_pendingFields;
    EditMode m_mode = EditMode::None;
    int m_rowBeforeAdd = -1;
    bool m_noMatch = false;
    QString m_lastError;
    // What the rows were read from, to skip re-reading an unchanged file.
    QString m_readPath;
    QString m_readSource;
    ContentStamp m_readStamp;
};
