#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

// A fresh installation in a temporary directory, made with the installation maker,
// and plain SQL access to its files through connections of its own (as a second
// program would read them).
class TestInstall {
public:
    explicit TestInstall(bool sample = false, int games = 0);
    ~TestInstall();

    bool isValid() const { return m_valid; }
    QString error() const { return m_error; }
    QString root() const { return m_dir.path(); }
    // root + relative, relative written with backslashes or slashes.
    QString path(const QString &relative) const;

    // Runs one statement on a file of the installation, with bound values in order.
    bool exec(const QString &relativeFile, const QString &sql, const QVariantList &values = {});
    // Adds a game to a console database (the Gameboy's unless named): its name and any
    // other columns, the rest left as the table's defaults.
    bool addGame(const QString &name, const QVariantMap &fields = {}, const QString &relativeFile = gameboyDb());
    // Adds an emulator (name, executable, setting mode) to a console database.
    bool addEmulator(const QString &name, const QString &link, const QString &mode = QStringLiteral("1"),
                     const QString &relativeFile = gameboyDb());
    // Writes an empty rom file into a console's games folder, so a play of it can start.
    bool writeRom(const QString &file, const QString &console = QStringLiteral("gameboy"));
    // The first column of every row of a query.
    QVariantList column(const QString &relativeFile, const QString &sql);
    // The first value of a query, or an invalid QVariant.
    QVariant scalar(const QString &relativeFile, const QString &sql);

    static QString gameboyDb() { return QStringLiteral("\\database\\gameboy.mdb"); }
    static QString masterDb() { return QStringLiteral("\\pack\\ludora.mdb"); }
    static QString registryDb() { return QStringLiteral("\\pack\\plugins.mdb"); }

private:
    QSqlDatabase open(const QString &relativeFile);

    QTemporaryDir m_dir;
    bool m_valid = false;
    QString m_error;
    QStringList m_connections;
};
