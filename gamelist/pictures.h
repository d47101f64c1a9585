#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

struct GamelistEntry;

// A gamelist's pictures made into a game's screenshots, named as every screenshot is (the
// first BASE.gif, then BASE_1.gif, ...). Each picture is read and written as a GIF into a
// hidden folder inside the screenshot folder first; only a store places it under its name,
// and a store that fails takes its pictures away again. The person's files are only read.
class GamelistPictures {
public:
    enum class Result { Staged, AlreadyThere, Unreadable };

    // Lists the screenshot folder and, with mediaDir, the EmulationStation-DE media folders.
    bool open(const QString &screenDir, const QString &mediaDir, QString *error);

    // The files an entry names, resolved against the gamelist's folder (or absolute, or
    // "~/"), then the media folders' pictures named after the rom; each file once.
    QStringList sources(const GamelistEntry &entry, const QString &gamelistDir, const QString &romFile) const;

    // Reads a picture and keeps its GIF for a game of that screenshot base, unless the
    // game has it already (among its screenshots, or staged before). *staged is the kept
    // file; *why tells why a picture could not be read.
    Result stage(const QString &source, const QString &base, QString *staged, QString *why);

    // Moves a staged picture to the base's first free screenshot name, never over a file;
    // *name is the file name it got.
    bool place(const QString &staged, const QString &base, QString *name, QString *error);
    // Removes what place() put in the screenshot folder.
    void undoPlaced();

private:
    bool exists(const QString &fileName) const;
    const QList<QByteArray> &knownPictures(const QString &base);

    QString m_screenDir;
    QHash<QString, QString> m_screenFiles;     // case-folded name -> name on disk
    QList<QHash<QString, QString>> m_media;    // per media folder: folded base -> path
    QHash<QString, QList<QByteArray>> m_known; // folded base -> digests of its pictures
    std::unique_ptr<QTemporaryDir> m_staging;
    int m_stagedCount = 0;
    QStringList m_placed;
};
