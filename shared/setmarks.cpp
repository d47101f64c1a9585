#include "shared/setmarks.h"

#include "shared/commandline.h"
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

QHash<qint64, bool> stored(const QString &database, const QString &emulator)
{
    QHash<qint64, bool> marks;
    QString error;
    QSqlDatabase db = DataSource::connection(database, &error);
    if (!db.isValid())
        return marks;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT rowid, Attivo FROM setting WHERE ID_Emula = ?"));
    query.addBindValue(emulator);
    if (!query.exec())
        return marks;
    while (query.next())
        marks.insert(query.value(0).toLongLong(), CommandLine::isActive(query.value(1)));
    return marks;
}

} // namespace SetMarks
