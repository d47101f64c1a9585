#include "shared/playtime.h"

#include "shared/datasource.h"
#include "shared/schema.h"
#include "shared/transaction.h"

#include <QSqlError>
#include <QSqlQuery>

namespace PlayTime {

namespace {

bool failed(const QSqlDatabase &db, const QString &cause, QString *error)
{
    *error = QStringLiteral("Play time not stored in ") + db.databaseName() + QStringLiteral(": ") + cause;
    return false;
}

} // namespace

bool add(const QString &database, qint64 row, qint64 seconds, qint64 *total, QString *error)
{
    QSqlDatabase db = DataSource::connection(database, error);
    if (!db.isValid())
        return false;
    Transaction transaction(db);
    if (!transaction.isActive())
        return failed(db, transaction.error(), error);
    QString added;
    if (!Schema::addMissingColumns(db, Schema::File::Console, &added))
        return failed(db, added, error);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("UPDATE giochi SET PlayTime = coalesce(PlayTime, 0) + ? WHERE rowid = ?"));
    query.addBindValue(seconds);
    query.addBindValue(row);
    if (!query.exec())
        return failed(db, query.lastError().text(), error);
    if (query.numRowsAffected() != 1)
        return failed(db, QStringLiteral("the game's row is gone"), error);
    query.prepare(QStringLiteral("SELECT PlayTime FROM giochi WHERE rowid = ?"));
    query.addBindValue(row);
    if (!query.exec() || !query.next())
        return failed(db, query.lastError().text(), error);
    *total = query.value(0).toLongLong();
    query.finish();
    return transaction.commit() || failed(db, transaction.error(), error);
}

QString duration(qint64 seconds)
{
    if (seconds <= 0)
        return {};
    if (seconds < 60)
        return QStringLiteral("< 1 min");
    const qint64 minutes = seconds / 60;
    const QString rest = QString::number(minutes % 60) + QStringLiteral(" min");
    return minutes < 60 ? rest : QString::number(minutes / 60) + QStringLiteral(" h ") + rest;
}

QString text(qint64 seconds)
{
    const QString time = duration(seconds);
    return time.isEmpty() ? time : QStringLiteral("Played for ") + time;
}

} // namespace PlayTime
