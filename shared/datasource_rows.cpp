// Positioning a data source on a row picked by its identity, or by a stored name.
#include "shared/datasource.h"

#include "shared/sql.h"

int DataSource::positionOfRowId(qint64 rowId)
{
    if (!m_positionsReady) {
        m_positions = RowIdIndex(m_rowIds);
        m_positionsReady = true;
    }
    return m_positions.find(rowId);
}

std::optional<qint64> DataSource::currentRowId() const
{
    if (m_mode == EditMode::AddNew || atEnd())
        return std::nullopt;
    return m_rowIds[size_t(m_current)];
}

bool DataSource::moveToRowId(qint64 rowId)
{
    m_lastError.clear();
    const int position = positionOfRowId(rowId);
    if (position < 0) {
        moveTo(rowCount());
        return fail(QStringLiteral("the row picked is no longer in ") + m_table, QString());
    }
    return moveTo(position);
}

bool DataSource::findName(const QString &column, const QString &name)
{
    const QString criterion = QLatin1Char('[') + column + QStringLiteral("] = '") + Sql::escape(name)
                              + QLatin1Char('\'');
    if (findFirst(criterion + QStringLiteral(" COLLATE BINARY")))
        return true;
    return m_lastError.isEmpty() && findFirst(criterion);
}
