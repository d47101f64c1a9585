#include "shared/setmarks.h"

#include "shared/datasource.h"
#include "shared/transaction.h"

#include <QSqlError>
#include <QSqlQuery>

namespace SetMarks {

namespace {
const QString storeMark = QStringLiteral("UPDATE setting SET Attivo = ? WHERE rowid = ?");
} // namespace

bool store(const QString &database, const QList<Mark> &marks, QString *error)
{
    QSqlDatabase db = DataSource::connection(database, error);
    if (!db.isValid())
        return false;
    const QString where = database + QStringLiteral(": ");
    Transaction transaction(db);
    if (!transaction.isActive()) {
        *error = where + transaction.error();
        return false;
    }
    QSqlQuery query(db);
    if (!query.prepare(storeMark)) {
        *error = where + query.lastError().text() + QStringLiteral(" (") + storeMark + QLatin1Char(')');
        return false;
    }
    for (const Mark &mark : marks) {
        query.addBindValue(mark.marked ? 1 : 0);
        query.addBindValue(mark.rowId);
        if (!query.exec()) {
            *error = where + query.lastError().text() + QStringLiteral(" (") + storeMark + QLatin1Char(')');
            return false;
        }
        if (query.numRowsAffected() == 0) {
            *error = where + QStringLiteral("the set \"") + mark.set
                     + QStringLiteral("\" is no longer there; no mark was stored");
            return false;
        }
    }
    query.finish();
    if (!transaction.commit()) {
        *error = where + transaction.error();
        return false;
    }
    return true;
}

} // namespace SetMarks
