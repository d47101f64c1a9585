#include "convert/jetreader.h"

#include <QDateTime>
#include <QFile>
#include <QtEndian>

#include <mdbtools.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

namespace Convert {

namespace {

// The largest text or memo read in one piece. A longer one would be cut short by libmdb,
// so it fails the file instead (nothing is converted with a part missing).
constexpr size_t bindSize = 256 * 1024;

struct TableDefDeleter {
    void operator()(MdbTableDef *table) const { mdb_free_tabledef(table); }
};
using TableDef = std::unique_ptr<MdbTableDef, TableDefDeleter>;

Kind kindOf(int columnType)
{
    switch (columnType) {
    case MDB_BOOL: return Kind::Boolean;
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_COMPLEX: return Kind::Integer;
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_MONEY:
    case MDB_NUMERIC: return Kind::Real;
    case MDB_DATETIME: return Kind::DateTime;
    case MDB_BINARY:
    case MDB_OLE: return Kind::Blob;
    default: return Kind::Text; // text, memo, replication id
    }
}

// Columns whose value libmdb hands over as text in a bound buffer; the others are read
// from the row's bytes. OLE columns need a buffer for libmdb to gather their pieces in.
bool bound(const MdbColumn *column)
{
    switch (column->col_type) {
    case MDB_TEXT:
    case MDB_MEMO:
    case MDB_NUMERIC:
    case MDB_REPID:
    case MDB_OLE: return true;
    default: return kindOf(column->col_type) == Kind::Text;
    }
}

// Jet keeps a date as days since 30 December 1899; the fraction is the time of day,
// taken as positive also before that day.
QDateTime jetDate(double days)
{
    double whole = 0;
    const double fraction = std::modf(days, &whole);
    const QDateTime midnight(QDate(1899, 12, 30).addDays(qint64(whole)), QTime(0, 0), Qt::UTC);
    return midnight.addSecs(qRound64(std::fabs(fraction) * 86400.0));
}

// A single-precision number as the shortest decimal that reads back as the same single,
// so that 444.555 typed in Access stays 444.555 rather than 444.55499267578125.
double singleValue(float value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::strtod(std::string(text, result.ptr).c_str(), nullptr);
}

} // namespace

struct JetReader::Handle {
    MdbHandle *mdb = nullptr;
    std::vector<std::unique_ptr<MdbCatalogEntry>> catalog;
    QHash<QString, MdbCatalogEntry *> entries;
    ~Handle()
    {
        if (mdb)
            mdb_close(mdb);
    }
};

namespace {

// The objects of the file, read from its system table MSysObjects as libmdb's own catalog
// reader does, but without the objects' property blocks: a damaged file can hold one
// that sends libmdb's parser into an endless loop, and the conversion needs none of them.
bool readCatalog(MdbHandle *mdb, std::vector<std::unique_ptr<MdbCatalogEntry>> *catalog, qint64 *declared)
{
    MdbCatalogEntry objects{};
    objects.mdb = mdb;
    objects.object_type = MDB_TABLE;
    objects.table_pg = 2; // where every Jet file keeps MSysObjects
    qstrncpy(objects.object_name, "MSysObjects", sizeof objects.object_name);
    const TableDef table(mdb_read_table(&objects));
    if (!table || !mdb_read_columns(table.get()))
        return false;
    // libmdb may write up to its bind size into any bound buffer.
    const std::unique_ptr<char[]> buffers[] = {std::make_unique<char[]>(bindSize),
                                               std::make_unique<char[]>(bindSize),
                                               std::make_unique<char[]>(bindSize),
                                               std::make_unique<char[]>(bindSize)};
    const char *id = buffers[0].get(), *name = buffers[1].get(), *type = buffers[2].get(),
               *flags = buffers[3].get();
    const char *columns[] = {"Id", "Name", "Type", "Flags"};
    for (int c = 0; c < 4; ++c) {
        if (mdb_bind_column_by_name(table.get(), const_cast<gchar *>(columns[c]), buffers[c].get(), nullptr) < 0)
            return false;
    }
    mdb_rewind_table(table.get());
    catalog->clear();
    while (mdb_fetch_row(table.get())) {
        auto entry = std::make_unique<MdbCatalogEntry>();
        *entry = MdbCatalogEntry{};
        entry->mdb = mdb;
        entry->object_type = std::atoi(type) & 0x7F;
        entry->table_pg = std::strtoul(id, nullptr, 10) & 0x00FFFFFF;
        entry->flags = int(std::strtol(flags, nullptr, 10));
        qstrncpy(entry->object_name, name, sizeof entry->object_name);
        catalog->push_back(std::move(entry));
    }
    // A damaged data page of the catalogue is skipped by libmdb without a word; the
    // count kept in the table's definition shows the entries lost with it.
    *declared = qint64(table->num_rows);
    return true;
}

} // namespace

JetReader::JetReader(const QString &path) : m_path(path) {}

JetReader::~JetReader() = default;

bool JetReader::fail(const QString &text)
{
    m_error = text;
    return false;
}

bool JetReader::open()
{
    m_handle = std::make_unique<Handle>();
    m_handle->mdb = mdb_open(QFile::encodeName(m_path).constData(), MDB_NOFLAGS);
    if (!m_handle->mdb)
        return fail(QStringLiteral("it cannot be read as a Jet database (damaged or truncated)"));
    mdb_set_bind_size(m_handle->mdb, bindSize);
    mdb_set_boolean_fmt_numbers(m_handle->mdb);
    return true;
}

bool JetReader::tables(QList<Table> *tables)
{
    MdbHandle *mdb = m_handle ? m_handle->mdb : nullptr;
    qint64 declared = 0;
    if (!mdb || !readCatalog(mdb, &m_handle->catalog, &declared))
        return fail(QStringLiteral("its list of tables cannot be read (the file is damaged)"));
    if (qint64(m_handle->catalog.size()) != declared)
        return fail(
            QStringLiteral("only %1 of the %2 entries of its list of tables could be read (the file is damaged)")
                .arg(m_handle->catalog.size())
                .arg(declared));
    tables->clear();
    m_handle->entries.clear();
    for (const auto &entry : m_handle->catalog) {
        if (entry->object_type != MDB_TABLE || mdb_is_system_table(entry.get()))
            continue;
        const TableDef definition(mdb_read_table(entry.get()));
        if (!definition || !mdb_read_columns(definition.get()))
            return fail(QStringLiteral("the definition of table %1 cannot be read (the file is damaged)")
                            .arg(QString::fromUtf8(entry->object_name)));
        Table table;
        table.name = QString::fromUtf8(entry->object_name);
        table.rowCount = definition->num_rows;
        for (unsigned int c = 0; c < definition->num_cols; ++c) {
            const auto *column = static_cast<MdbColumn *>(g_ptr_array_index(definition->columns, c));
            table.columns.append(
                {QString::fromUtf8(column->name), kindOf(column->col_type), column->is_long_auto != 0});
        }
        m_handle->entries.insert(table.name, entry.get());
        tables->append(table);
    }
    return true;
}

bool JetReader::readRows(const Table &description, const RowSink &sink)
{
    MdbCatalogEntry *entry = m_handle ? m_handle->entries.value(description.name) : nullptr;
    if (!entry)
        return fail(QStringLiteral("table %1 is not in the file").arg(description.name));
    MdbHandle *mdb = m_handle->mdb;
    const TableDef table(mdb_read_table(entry));
    if (!table || !mdb_read_columns(table.get()) || table->num_cols != unsigned(description.columns.size()))
        return fail(QStringLiteral("the definition of table %1 cannot be read").arg(description.name));

    const int count = int(table->num_cols);
    std::vector<MdbColumn *> columns(count);
    std::vector<std::unique_ptr<char[]>> buffers(count); // left uninitialised: pages are touched only as used
    std::vector<int> lengths(count, 0);
    for (int c = 0; c < count; ++c) {
        columns[c] = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, c));
        if (bound(columns[c])) {
            buffers[c].reset(new char[bindSize]);
            mdb_bind_column(table.get(), c + 1, buffers[c].get(), &lengths[c]);
        }
    }

    mdb_rewind_table(table.get());
    QVariantList values(count);
    qint64 rows = 0;
    while (mdb_fetch_row(table.get())) {
        for (int c = 0; c < count; ++c) {
            MdbColumn *column = columns[c];
            const unsigned char *bytes = mdb->pg_buf + column->cur_value_start;
            const int length = column->cur_value_len;
            QVariant &value = values[c];
            value = QVariant();
            switch (column->col_type) {
            case MDB_BOOL: value = (length == 0); break; // Jet keeps "yes" as a set null bit
            case MDB_BYTE:
                if (length)
                    value = qint64(bytes[0]);
                break;
            case MDB_INT:
                if (length)
                    value = qint64(qFromLittleEndian<qint16>(bytes));
                break;
            case MDB_LONGINT:
            case MDB_COMPLEX:
                if (length)
                    value = qint64(qFromLittleEndian<qint32>(bytes));
                break;
            case MDB_FLOAT:
                if (length)
                    value = singleValue(qFromLittleEndian<float>(bytes));
                break;
            case MDB_DOUBLE:
                if (length)
                    value = qFromLittleEndian<double>(bytes);
                break;
            case MDB_MONEY:
                if (length)
                    value = double(qFromLittleEndian<qint64>(bytes)) / 10000.0;
                break;
            case MDB_DATETIME:
                if (length)
                    value = jetDate(qFromLittleEndian<double>(bytes));
                break;
            case MDB_BINARY:
                if (length)
                    value = QByteArray(reinterpret_cast<const char *>(bytes), length);
                break;
            case MDB_NUMERIC:
                if (lengths[c])
                    value = QByteArray(buffers[c].get(), lengths[c]).toDouble();
                break;
            case MDB_OLE:
                if (length) {
                    size_t size = 0;
                    void *data = mdb_ole_read_full(mdb, column, &size);
                    value = QByteArray(static_cast<const char *>(data), qsizetype(size));
                    std::free(data);
                }
                break;
            default:
                if (size_t(lengths[c]) >= bindSize - 1)
                    return fail(QStringLiteral("a text of column %1 of table %2 is longer than %3 bytes")
                                    .arg(description.columns[c].name, description.name)
                                    .arg(bindSize - 1));
                if (lengths[c])
                    value = QString::fromUtf8(buffers[c].get(), lengths[c]);
            }
        }
        ++rows;
        if (!sink(values))
            return false;
    }
    if (description.rowCount >= 0 && rows != description.rowCount)
        return fail(QStringLiteral("only %1 of the %2 rows of table %3 could be read (the file is damaged)")
                        .arg(rows)
                        .arg(description.rowCount)
                        .arg(description.name));
    return true;
}

} // namespace Convert
