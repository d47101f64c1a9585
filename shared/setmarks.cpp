#include "shared/setmarks.h"

#include "shared/datasource.h"
#include "shared/transaction.h"

#include <QSqlError>
#include <QSqlQuery>

namespace SetMarks {

namespace {
// The first row of a set, as the one-set query finds it, gets the set's mark. A set stored
// without a name is listed with an empty one, and found by it.
const QString storeMark = QStringLiteral(
    "UPDATE setting SET Attivo = ? WHERE rowid = "
    "(SELECT rowid FROM setting WHERE [id_emula] = ? AND coalesce([nome], '') = ? COLLATE NOCASE LIMIT 1)");

// A null text binds as Null, which equals nothing; the lists show it as an empty name.
QString nonNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

bool store(const QString &database, const QString &emulator, const QList<Mark> &marks, QString *error)
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
    const auto failed = [&] {
        *error = where + query.lastError().text() + QStringLiteral(" (") + storeMark + QLatin1Char(')');
        return false;
    };
    if (!query.prepare(storeMark))
        return failed();
    for (const Mark &mark : marks) {
        query.addBindValue(mark.marked ? 1 : 0);
        query.addBindValue(nonNull(emulator));
        query.addBindValue(nonNull(mark.set));
        if (!query.exec())
            return failed();
    }
    query.finish();
    if (!transaction.commit()) {
        *error = where + transaction.error();
        return false;
    }
    return true;
}

} // namespace SetMarks
