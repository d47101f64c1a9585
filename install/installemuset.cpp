#include "install/installemuset.h"

#include "shared/installationpaths.h"
#include "shared/paths.h"
#include "shared/pluginregistry.h"
#include "shared/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace InstallEmuset {

namespace {

const QString key = QStringLiteral("emuset");

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

QString pluginDir(const QString &root)
{
    return Paths::join(root, InstallationPaths::pluginsDir() + QStringLiteral("emuset"));
}

bool copyBinary(const QString &binary, const QString &target, QString *error)
{
    QFile::remove(target);
    QFile source(binary);
    if (!source.copy(target))
        return fail(error, binary + QStringLiteral(" -> ") + target + QStringLiteral(": ") + source.errorString());
    return true;
}

bool writeSettings(const QString &root, const QString &file, QString *error)
{
    QFile out(file);
    const QByteArray line = (QDir::toNativeSeparators(root) + QDir::separator()).toUtf8() + "\r\n";
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(line) != line.size() || !out.flush())
        return fail(error, file + QStringLiteral(": ") + out.errorString());
    return true;
}

// The path column (second of the table) of the record 'emuset', added when missing; on
// a connection of its own, closed again.
bool registerPath(const QString &registry, const QString &path, QString *error)
{
    const QString name = QStringLiteral("installemuset-") + QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(registry);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        const QString column = db.open() ? db.record(QStringLiteral("plugins")).fieldName(Schema::Plugins::Path)
                                         : QString();
        QSqlQuery query(db);
        ok = !column.isEmpty()
             && query.prepare(QStringLiteral("UPDATE plugins SET \"%1\" = ? WHERE plug = ?").arg(column));
        query.addBindValue(path);
        query.addBindValue(key);
        ok = ok && query.exec();
        if (ok && query.numRowsAffected() == 0) {
            ok = query.prepare(QStringLiteral("INSERT INTO plugins (plug, \"%1\") VALUES (?, ?)").arg(column));
            query.addBindValue(key);
            query.addBindValue(path);
            ok = ok && query.exec();
        }
        if (!ok)
            fail(error, registry + QStringLiteral(": ")
                            + (db.isOpen() ? query.lastError().text() : db.lastError().text()));
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace

QString findBinary(const QString &given)
{
    const QString exe = Paths::executableName(key);
    const QString here = QCoreApplication::applicationDirPath();
    const QStringList candidates = given.isEmpty() ? QStringList{here + QLatin1Char('/') + exe,
                                                                 here + QStringLiteral("/../emuset/") + exe}
                                                   : QStringList{given};
    for (const QString &candidate : std::as_const(candidates)) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable())
            return QDir::cleanPath(info.absoluteFilePath());
    }
    return {};
}

bool layIn(const QString &root, const QString &binary, QString *error)
{
    const QString dir = pluginDir(root);
    const QString target = Paths::join(dir, QLatin1Char('\\') + Paths::executableName(key));
    if (!QDir().mkpath(dir))
        return fail(error, dir + QStringLiteral(": cannot create the directory"));
    return copyBinary(binary, target, error)
           && writeSettings(root, Paths::join(dir, QStringLiteral("\\emuset.ini")), error)
           && registerPath(Paths::join(root, InstallationPaths::pluginRegistry()), target, error);
}

void layInIfBuilt(const QString &root, const Installation::Options &options)
{
    if (!options.sample)
        return;
    const QString binary = findBinary(options.programs.emuset);
    QString error;
    if (!binary.isEmpty() && !layIn(root, binary, &error))
        qWarning("Emuset was not laid into the installation: %s", qPrintable(error));
}

} // namespace InstallEmuset
