// The editing half of DataSource: bound controls, new rows, edits, stores and deletes,
// each store one transaction.
#include "shared/datasource.h"

#include "shared/sql.h"
#include "shared/transaction.h"

#include <QSqlError>

#include <algorithm>

#include <QSqlField>
#include <QSqlQuery>

void DataSource::bind(std::unique_ptr<BoundControl> control, const QString &column)
{
    m_bindings.push_back({std::move(control), column, {}});
}

void DataSource::pushToControls()
{
    if (m_holds > 0) {
        m_pushHeld = true;
        return;
    }
    for (Binding &binding : m_bindings) {
        if (!binding.control->exists())
            continue;
        const int position = m_record.indexOf(binding.column);
        setControlValue(binding, position < 0 || atEnd() ? QVariant() : m_record.value(position));
    }
}

bool DataSource::controlsChanged() const
{
    return std::any_of(m_bindings.begin(), m_bindings.end(), [](const Binding &binding) {
        return binding.control->exists() && binding.control->value() != binding.shown;
    });
}

DataSource::ControlsHeld::~ControlsHeld()
{
    if (--m_source.m_holds == 0 && std::exchange(m_source.m_pushHeld, false))
        m_source.pushToControls();
}

// A control that already shows the value is left alone (see boundwidget.cpp); what it
// shows afterwards is what update() compares with.
void DataSource::setControlValue(Binding &binding, const QVariant &value)
{
    binding.control->show(value);
    binding.shown = binding.control->value();
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
        if (binding.control->exists())
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
        if (!binding.control->exists() || position < 0)
            continue;
        const QVariant now = binding.control->value();
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
        quoted.append(Sql::quotedName(name));
    if (m_mode == EditMode::AddNew) {
        sql = names.isEmpty()
                  ? QStringLiteral("INSERT INTO ") + Sql::quotedName(m_table) + QStringLiteral(" DEFAULT VALUES")
                  : QStringLiteral("INSERT INTO ") + Sql::quotedName(m_table) + QStringLiteral(" (")
                        + quoted.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (")
                        + QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", "))
                        + QLatin1Char(')');
    } else {
        if (names.isEmpty())
            return true;
        sql = QStringLiteral("UPDATE ") + Sql::quotedName(m_table) + QStringLiteral(" SET ")
              + quoted.join(QStringLiteral(" = ?, ")) + QStringLiteral(" = ? WHERE rowid = ?");
    }
    Transaction transaction(m_db);
    if (!transaction.isActive())
        return fail(transaction.error(), sql);
    QSqlQuery query(m_db);
    // A table that cannot be written (a view, say) fails here, with the reason.
    if (!query.prepare(sql))
        return fail(query.lastError().text(), sql);
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
    if (m_mode == EditMode::AddNew) {
        // The added row joins the end of the record set and becomes current.
        m_rowIds.push_back(newRow);
        m_positionsReady = false;
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
    const QString sql = QStringLiteral("DELETE FROM ") + Sql::quotedName(m_table)
                        + QStringLiteral(" WHERE rowid = ?");
    Transaction transaction(m_db);
    if (!transaction.isActive())
        return fail(transaction.error(), sql);
    QSqlQuery query(m_db);
    if (!query.prepare(sql))
        return fail(query.lastError().text(), sql);
    query.addBindValue(m_rowIds[size_t(m_current)]);
    if (!query.exec())
        return fail(query.lastError().text(), sql);
    query.finish();
    if (!transaction.commit())
        return fail(transaction.error(), sql);
    m_rowIds.erase(m_rowIds.begin() + m_current);
    m_positionsReady = false;
    m_mode = EditMode::None;
    m_pendingFields.clear();
    loadCurrentRecord();
    return true;
}
