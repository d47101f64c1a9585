#include "shared/datasource.h"

#include "shared/paths.h"
#include "shared/transaction.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QTextEdit>
#include <QThread>

namespace {

const QString connectionPrefix = QStringLiteral("ludora:");

// Stores made through each connection of this program; PRAGMA data_version only
// counts the commits of other connections.
QHash<QString, quint64> &ownWrites()
{
    static thread_local QHash<QString, quint64> map;
    return map;
}

bool truthy(const QVariant &value)
{
    if (value.isNull())
        return false;
    const QString text = value.toString().trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    bool number = false;
    const double n = text.toDouble(&number);
    return number && n != 0;
}

QString quoteIdentifier(const QString &name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\""))
           + QLatin1Char('"');
}

} // namespace

DataSource::DataSource(const QString &name, QObject *parent) : QObject(parent), m_name(name)
{
    setObjectName(name);
}

DataSource::~DataSource() = default;

void DataSource::setDatabaseName(const QString &path)
{
    const QString native = Paths::native(path);
    if (native == m_databasePath)
        return;
    m_databasePath = native;
    m_db = QSqlDatabase();
    m_readPath.clear();
}

void DataSource::setRecordSource(const QString &source)
{
    m_source = source;
}

QSqlDatabase DataSource::connection(const QString &path, QString *error)
{
    const QString resolved = Paths::resolve(path);
    const QString name = connectionPrefix + QString::number(quintptr(QThread::currentThreadId()))
                         + QLatin1Char(':') + resolved;
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen() || db.open())
            return db;
    }
    if (!QFileInfo(resolved).isFile()) {
        if (error)
            *error = QStringLiteral("File ") + resolved + QStringLiteral(" Not Found");
        return {};
    }
    QSqlDatabase db = QSqlDatabase::contains(name)
                          ? QSqlDatabase::database(name, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(resolved);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!db.open()) {
        if (error)
            *error = resolved + QStringLiteral(": ") + db.lastError().text();
        return {};
    }
    // A file that is not a database opens without complaint; the first read tells.
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA schema_version"))) {
        if (error)
            *error = resolved + QStringLiteral(": ") + check.lastError().text();
        check.finish();
        db.close();
        return {};
    }
    return db;
}

void DataSource::closeAllConnections()
{
    const QStringList names = QSqlDatabase::connectionNames();
    for (const QString &name : names) {
        if (!name.startsWith(connectionPrefix))
            continue;
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
        ownWrites().remove(name);
    }
}

bool DataSource::fail(const QString &what, const QString &detail)
{
    m_lastError = m_databasePath + QStringLiteral(": ") + what
                  + (detail.isEmpty() ? QString() : QStringLiteral(": ") + detail);
    return false;
}

bool DataSource::ensureConnection()
{
    if (m_db.isValid() && m_db.isOpen())
        return true;
    QString error;
    m_db = connection(m_databasePath, &error);
    if (!m_db.isValid()) {
        m_lastError = error;
        return false;
    }
    return true;
}

bool DataSource::parseSource()
{
    static const QRegularExpression selectAll(
        QStringLiteral("^\\s*select\\s+\\*\\s+from\\s+(\\[[^\\]]+\\]|\\w+)(.*)$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = selectAll.match(m_source);
    if (match.hasMatch()) {
        m_table = match.captured(1);
        m_tail = match.captured(2);
    } else if (!m_source.trimmed().contains(QLatin1Char(' '))) {
        m_table = m_source.trimmed();
        m_tail.clear();
    } else {
        return fail(QStringLiteral("unsupported record source"), m_source);
    }
    if (m_table.startsWith(QLatin1Char('[')))
        m_table = m_table.mid(1, m_table.size() - 2);
    return true;
}

static qint64 dataVersion(QSqlDatabase db)
{
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("PRAGMA data_version")) && query.next())
        return query.value(0).toLongLong();
    return -1;
}

bool DataSource::fileChangedSinceRead()
{
    if (m_readPath != m_databasePath || m_readSource != m_source)
        return true;
    return dataVersion(m_db) != m_readDataVersion
           || ownWrites().value(m_db.connectionName()) != m_readWriteCount;
}

bool DataSource::readRowIds()
{
    const QString sql = QStringLiteral("SELECT rowid FROM ") + quoteIdentifier(m_table) + m_tail;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(sql))
        return fail(query.lastError().text(), sql);
    std::vector<qint64> ids;
    while (query.next())
        ids.push_back(query.value(0).toLongLong());
    m_rowIds.swap(ids);
    m_readPath = m_databasePath;
    m_readSource = m_source;
    m_readDataVersion = dataVersion(m_db);
    m_readWriteCount = ownWrites().value(m_db.connectionName());
    return true;
}

bool DataSource::open()
{
    m_lastError.clear();
    m_mode = EditMode::None;
    m_pendingFields.clear();
    m_noMatch = false;
    if (!ensureConnection() || !parseSource()) {
        m_rowIds.clear();
        m_current = -1;
        m_record = QSqlRecord();
        m_readPath.clear();
        pushToControls();
        return false;
    }
    if (fileChangedSinceRead() && !readRowIds()) {
        m_rowIds.clear();
        m_readPath.clear();
        m_current = -1;
        m_record = QSqlRecord();
        pushToControls();
        return false;
    }
    m_current = m_rowIds.empty() ? -1 : 0;
    const bool loaded = loadCurrentRecord();
    pushToControls();
    return loaded;
}

bool DataSource::atEnd() const
{
    return m_current < 0 || m_current >= int(m_rowIds.size());
}

void DataSource::moveFirst()
{
    moveTo(0);
}

void DataSource::moveNext()
{
    moveTo(m_current + 1);
}

bool DataSource::moveTo(int index)
{
    m_mode = EditMode::None;
    m_pendingFields.clear();
    m_current = index >= 0 && index < int(m_rowIds.size()) ? index : int(m_rowIds.size());
    const bool loaded = loadCurrentRecord();
    pushToControls();
    return loaded && !atEnd();
}

// The table's columns, remembered once read: reading them again may fail while another
// program holds the file locked.
QSqlRecord DataSource::tableColumns()
{
    if (m_columns.isEmpty() || m_columnsTable != m_table || m_columnsPath != m_databasePath) {
        const QSqlRecord columns = m_db.record(m_table);
        if (columns.isEmpty())
            return columns;
        m_columns = columns;
        m_columnsTable = m_table;
        m_columnsPath = m_databasePath;
    }
    return m_columns;
}

bool DataSource::loadCurrentRecord()
{
    if (!m_db.isValid())
        return false;
    if (atEnd()) {
        m_record = tableColumns();
        m_record.clearValues();
        return true;
    }
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT * FROM ") + quoteIdentifier(m_table)
                  + QStringLiteral(" WHERE rowid = ?"));
    query.addBindValue(m_rowIds[size_t(m_current)]);
    if (!query.exec())
        return fail(query.lastError().text(), query.lastQuery());
    m_record = query.record();
    if (!query.next()) {
        // The row went away behind our back: show it as empty.
        m_record.clearValues();
        return true;
    }
    m_record = query.record();
    return true;
}

int DataSource::columnCount() const
{
    return m_record.count();
}

QString DataSource::columnName(int position) const
{
    return m_record.fieldName(position);
}

QVariant DataSource::value(int position) const
{
    for (const auto &[field, value] : m_pendingFields) {
        if (field == position)
            return value;
    }
    if (m_mode == EditMode::AddNew) {
        const QString column = m_record.fieldName(position);
        for (const Binding &binding : m_bindings) {
            if (binding.control && binding.column.compare(column, Qt::CaseInsensitive) == 0)
                return controlValue(binding);
        }
        return {};
    }
    if (atEnd() || position < 0 || position >= m_record.count())
        return {};
    return m_record.value(position);
}

QVariant DataSource::value(const QString &column) const
{
    const int position = m_record.indexOf(column);
    return position < 0 ? QVariant() : value(position);
}

bool DataSource::findFirst(const QString &criterion)
{
    m_lastError.clear();
    m_noMatch = true;
    if (!m_db.isValid() || m_table.isEmpty())
        return fail(QStringLiteral("no open record set"), criterion);
    const QString sql = QStringLiteral("SELECT rowid FROM ") + quoteIdentifier(m_table)
                        + QStringLiteral(" WHERE ") + criterion;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(sql))
        return fail(query.lastError().text(), sql);
    QSet<qint64> matching;
    while (query.next())
        matching.insert(query.value(0).toLongLong());
    if (matching.isEmpty())
        return false;
    for (size_t i = 0; i < m_rowIds.size(); ++i) {
        if (matching.contains(m_rowIds[i])) {
            m_noMatch = false;
            moveTo(int(i));
            return true;
        }
    }
    return false;
}

void DataSource::bind(QWidget *control, const QString &column)
{
    m_bindings.append({control, column, {}});
}

void DataSource::pushToControls()
{
    for (Binding &binding : m_bindings) {
        if (!binding.control)
            continue;
        const int position = m_record.indexOf(binding.column);
        setControlValue(binding, position < 0 || atEnd() ? QVariant() : m_record.value(position));
    }
}

QVariant DataSource::controlValue(const Binding &binding) const
{
    QWidget *control = binding.control;
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->text();
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->currentText();
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *check = qobject_cast<QCheckBox *>(control))
        return check->isChecked() ? 1 : 0;
    if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
        return plain->toPlainText();
    if (auto *rich = qobject_cast<QTextEdit *>(control))
        return rich->toPlainText();
    return {};
}

void DataSource::setControlValue(Binding &binding, const QVariant &value)
{
    QWidget *control = binding.control;
    const QString text = value.isNull() ? QString() : value.toString();
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->setText(text);
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        const int index = combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (combo->isEditable()) {
            combo->setCurrentIndex(index);
            combo->setEditText(text);
        } else {
            combo->setCurrentIndex(index);
        }
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(text);
    } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
        check->setChecked(truthy(value));
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(control)) {
        plain->setPlainText(text);
    } else if (auto *rich = qobject_cast<QTextEdit *>(control)) {
        rich->setPlainText(text);
    }
    binding.shown = controlValue(binding);
}

bool DataSource::addNew()
{
    m_lastError.clear();
    if (!m_db.isValid() || m_table.isEmpty())
        return fail(QStringLiteral("no open record set"), QString());
    m_rowBeforeAdd = m_current;
    m_pendingFields.clear();
    m_mode = EditMode::AddNew;
    for (Binding &binding : m_bindings) {
        if (binding.control)
            setControlValue(binding, QVariant());
    }
    return true;
}

bool DataSource::edit()
{
    m_lastError.clear();
    if (atEnd())
        return fail(QStringLiteral("No current record"), QString());
    m_pendingFields.clear();
    m_mode = EditMode::Edit;
    return true;
}

bool DataSource::setValue(int position, const QVariant &value)
{
    if (m_mode == EditMode::None)
        return fail(QStringLiteral("Update or CancelUpdate without AddNew or Edit"), QString());
    if (position < 0 || position >= m_record.count())
        return fail(QStringLiteral("Item not found in this collection"), QString::number(position));
    for (auto &pending : m_pendingFields) {
        if (pending.first == position) {
            pending.second = value;
            return true;
        }
    }
    m_pendingFields.append({position, value});
    return true;
}

bool DataSource::setValue(const QString &column, const QVariant &value)
{
    return setValue(m_record.indexOf(column), value);
}

// The value to store for a control's content, in the column's own type: an empty text
// becomes Null, a whole number in a number column is stored as a number.
static QVariant storedValue(const QVariant &shown, const QSqlField &field)
{
    if (shown.typeId() == QMetaType::Int)
        return shown;
    const QString text = shown.toString();
    if (text.isEmpty())
        return QVariant();
    const int type = field.metaType().id();
    if (type == QMetaType::Int || type == QMetaType::LongLong) {
        bool ok = false;
        const qlonglong number = text.trimmed().toLongLong(&ok);
        if (ok)
            return number;
    } else if (type == QMetaType::Double) {
        bool ok = false;
        const double number = text.trimmed().toDouble(&ok);
        if (ok)
            return number;
    }
    return text;
}

bool DataSource::update()
{
    m_lastError.clear();
    if (!m_db.isValid() || m_table.isEmpty())
        return fail(QStringLiteral("no open record set"), QString());
    if (m_mode != EditMode::AddNew && atEnd())
        return fail(QStringLiteral("No current record"), QString());
    const QSqlRecord columns = tableColumns();
    if (columns.isEmpty())
        return fail(QStringLiteral("cannot read the columns of table ") + m_table, m_db.lastError().text());
    QStringList names;
    QVariantList values;
    auto add = [&](const QString &name, const QVariant &value) {
        const int existing = names.indexOf(name);
        if (existing >= 0) {
            values[existing] = value;
            return;
        }
        names.append(name);
        values.append(value);
    };
    for (const Binding &binding : std::as_const(m_bindings)) {
        const int position = columns.indexOf(binding.column);
        if (!binding.control || position < 0)
            continue;
        const QVariant now = controlValue(binding);
        const bool changed = now != binding.shown;
        if (m_mode == EditMode::AddNew ? now.toString().isEmpty() : !changed)
            continue;
        add(columns.fieldName(position), storedValue(now, columns.field(position)));
    }
    for (const auto &[position, value] : std::as_const(m_pendingFields))
        add(columns.fieldName(position), value);

    if (!storeRow(names, values))
        return false;
    m_mode = EditMode::None;
    m_pendingFields.clear();
    loadCurrentRecord();
    pushToControls();
    return true;
}

bool DataSource::storeRow(const QStringList &names, const QVariantList &values)
{
    QString sql;
    QStringList quoted;
    for (const QString &name : names)
        quoted.append(quoteIdentifier(name));
    if (m_mode == EditMode::AddNew) {
        sql = names.isEmpty()
                  ? QStringLiteral("INSERT INTO ") + quoteIdentifier(m_table) + QStringLiteral(" DEFAULT VALUES")
                  : QStringLiteral("INSERT INTO ") + quoteIdentifier(m_table) + QStringLiteral(" (")
                        + quoted.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (")
                        + QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", "))
                        + QLatin1Char(')');
    } else {
        if (names.isEmpty())
            return true;
        sql = QStringLiteral("UPDATE ") + quoteIdentifier(m_table) + QStringLiteral(" SET ")
              + quoted.join(QStringLiteral(" = ?, ")) + QStringLiteral(" = ? WHERE rowid = ?");
    }
    Transaction transaction(m_db);
    if (!transaction.isActive())
        return fail(transaction.error(), sql);
    QSqlQuery query(m_db);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (m_mode != EditMode::AddNew)
        query.addBindValue(m_rowIds[size_t(m_current)]);
    if (!query.exec())
        return fail(query.lastError().text(), sql);
    const qint64 newRow = query.lastInsertId().toLongLong();
    query.finish();
    if (!transaction.commit())
        return fail(transaction.error(), sql);
    noteOwnWrite();
    if (m_mode == EditMode::AddNew) {
        // The added row joins the end of the record set and becomes current.
        m_rowIds.push_back(newRow);
        m_current = int(m_rowIds.size()) - 1;
    }
    // The next open reads the rows again: the store may have moved or added one.
    return true;
}

void DataSource::cancelUpdate()
{
    if (m_mode == EditMode::AddNew)
        m_current = m_rowBeforeAdd;
    m_mode = EditMode::None;
    m_pendingFields.clear();
    loadCurrentRecord();
    pushToControls();
}

bool DataSource::deleteCurrent()
{
    m_lastError.clear();
    if (m_mode == EditMode::AddNew) {
        cancelUpdate();
        return true;
    }
    if (atEnd())
        return fail(QStringLiteral("No current record"), QString());
    const QString sql = QStringLiteral("DELETE FROM ") + quoteIdentifier(m_table)
                        + QStringLiteral(" WHERE rowid = ?");
    Transaction transaction(m_db);
    if (!transaction.isActive())
        return fail(transaction.error(), sql);
    QSqlQuery query(m_db);
    query.prepare(sql);
    query.addBindValue(m_rowIds[size_t(m_current)]);
    if (!query.exec())
        return fail(query.lastError().text(), sql);
    query.finish();
    if (!transaction.commit())
        return fail(transaction.error(), sql);
    noteOwnWrite();
    m_rowIds.erase(m_rowIds.begin() + m_current);
    m_mode = EditMode::None;
    m_pendingFields.clear();
    loadCurrentRecord();
    return true;
}

void DataSource::noteOwnWrite()
{
    ++ownWrites()[m_db.connectionName()];
}

bool DataSource::scan(const QStringList &columns,
                      const std::function<void(const QVariant *values)> &row)
{
    m_lastError.clear();
    if (!ensureConnection() || !parseSource())
        return false;
    QStringList quoted;
    for (const QString &column : columns)
        quoted.append(quoteIdentifier(column));
    const QString sql = QStringLiteral("SELECT ") + quoted.join(QStringLiteral(", "))
                        + QStringLiteral(" FROM ") + quoteIdentifier(m_table) + m_tail;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(sql))
        return fail(query.lastError().text(), sql);
    std::vector<QVariant> values(size_t(columns.size()));
    while (query.next()) {
        for (int i = 0; i < columns.size(); ++i)
            values[size_t(i)] = query.value(i);
        row(values.data());
    }
    return true;
}
