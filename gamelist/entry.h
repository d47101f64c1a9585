#pragma once

#include <QString>
#include <QStringList>

// One <game> of a gamelist, its elements as the file writes them (trimmed), empty when
// the element is absent.
struct GamelistEntry {
    qint64 line = 0; // where the <game> begins, for the messages
    QString path;
    QString name;
    QString desc;
    QString releaseDate;
    QString developer;
    QString publisher;
    QString genre;
    QString rating;
    QString favorite;
    QString playCount;
    QString lastPlayed;
    QString gameTime; // seconds played
    QString lang;
    QString region;
    // The picture elements in the order they are imported: image, thumbnail, marquee,
    // screenshot, titlescreen (those present).
    QStringList pictures;
};
