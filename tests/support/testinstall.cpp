#include "tests/support/testinstall.h"

#include "install/installation.h"
#include "shared/paths.h"
#include "tests/support/builtprograms.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

TestInstall::TestInstall(bool sample, int games)
{
    m_valid = m_dir.isValid()
              && Installation::create(m_dir.path(), BuiltPrograms::options(sample, games), &m_error);
}

TestInstall::~TestInstall()
{
    for (const QString &name : std::as_const(m_connections))
        QSqlDatabase::removeDatabase(name);
}

QString TestInstall::path(const QString &relative) const
{
    return Paths::join(root(), QStringLiteral("\\") + relative);
}

QSqlDatabase TestInstall::open(const QString &relativeFile)
{
    const QString name = QStringLiteral("testinstall-") + QUuid::createUuid().toString();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path(relativeFile));
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    db.open();
    m_connections.append(name);
    return db;
}

bool TestInstall::exec(const QString &relativeFile, const QString &sql, const QVariantList &values)
{
    QSqlDatabase db = open(relativeFile);
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    const bool ok = query.exec();
    if (!ok)
        qWarning("TestInstall::exec: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    query.finish();
    db.close();
    return ok;
}

bool TestInstall::addGame(const QString &name, const QVariantMap &fields, const QString &relativeFile)
{
    QStringList columns = {QStringLiteral("Gioco")};
    QVariantList values = {name};
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        columns.append(it.key());
        values.append(it.value());
    }
    const QString marks = QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", "));
    return exec(
        relativeFile,
        QStringLiteral("INSERT INTO giochi (%1) VALUES (%2)").arg(columns.join(QStringLiteral(", ")), marks),
        values);
}

bool TestInstall::addEmulator(const QString &name, const QString &link, const QString &mode,
                              const QString &relativeFile)
{
    return exec(relativeFile,
                QStringLiteral("INSERT INTO emulatori (Emu_Name, Emu_Link, Emu_Type) VALUES (?, ?, ?)"),
                {name, link, mode});
}

bool TestInstall::writeRom(const QString &file, const QString &console)
{
    QFile rom(path(QStringLiteral("console\\%1\\games\\").arg(console)) + file);
    return rom.open(QIODevice::WriteOnly);
}

QVariantList TestInstall::column(const QString &relativeFile, const QString &sql)
{
    QSqlDatabase db = open(relativeFile);
    QVariantList values;
    {
        QSqlQuery query(db);
        if (!query.exec(sql))
            qWarning("TestInstall::column: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        while (query.next())
            values.append(query.value(0));
    }
    db.close();
    return values;
}

QVariant TestInstall::scalar(const QString &relativeFile, const QString &sql)
{
    const QVariantList values = column(relativeFile, sql);
    return values.isEmpty() ? QVariant() : values.first();
}
