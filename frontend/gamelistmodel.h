#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QVariant>

#include <vector>

class DataSource;

// The game list's data: one row per named game of the current query, in query order,
// with the picture number its icon type gives it, and the counts of those games.
namespace GameList {

enum class IconType { Language, Rating, Playable };

struct Row {
    QString name;
    int picture = 0;
};

struct Counts {
    int all = 0;
    int favorite = 0;
    int playable = 0;
    int notWorking = 0;
    qint64 timesPlayed = 0;
};

struct Fill {
    std::vector<Row> rows;
    Counts counts;
};

// Reads the games of the query a data source is set to (database and record source on
// the table giochi), in the query's order, leaving out rows without a name. A row's
// picture: for Language 1..6 for "Italian", "French", "English", "Deutsche", "Japanese",
// "Spanish" (exact text) and 0 (none) otherwise; for Rating the rating + 1, a rating that
// is empty or not 0..5 counting as 0; for Playable 1 when playable, 2 otherwise. An empty
// or non-numeric Times counts as 0. False with *error set when the database cannot be read.
bool read(DataSource &games, IconType type, Fill *fill, QString *error);

// The row key: "a", a blank, the number of games listed before it, and the name.
inline QString rowKey(int position, const QString &name)
{
    return QLatin1String("a ") + QString::number(position) + name;
}

} // namespace GameList

// A pair of image lists (large and small pictures numbered from 1), kept as one QIcon
// per picture number holding both sizes, built once.
class ImageListPair {
public:
    using Picture = QPixmap (*)(int number, bool large);
    ImageListPair(const QString &largeName, const QString &smallName, Picture picture, int count);

    QString largeName() const { return m_largeName; }
    QString smallName() const { return m_smallName; }
    // The icon of a picture number; a null icon for 0 or a number outside the lists.
    const QIcon &icon(int number) const;

private:
    QString m_largeName;
    QString m_smallName;
    std::vector<QIcon> m_icons;   // index = picture number, [0] null
};

// The list model of LstGames: the rows of the last fill over a plain vector, shown with
// the icons of the current image-list pair.
class GameListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Roles { KeyRole = Qt::UserRole + 1, PictureRole };

    explicit GameListModel(QObject *parent = nullptr);

    void setRows(std::vector<GameList::Row> rows);
    void setImageLists(const ImageListPair *pair);
    const ImageListPair *imageLists() const { return m_images; }

    QString name(int row) const;
    // The first row showing exactly this name, or -1.
    int rowOf(const QString &name) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<GameList::Row> m_rows;
    const ImageListPair *m_images = nullptr;
};
