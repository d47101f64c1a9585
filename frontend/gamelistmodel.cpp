#include "frontend/gamelistmodel.h"

#include "shared/datasource.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace GameList {

namespace {

// A whole number, or 0 for an empty or non-numeric value.
qint64 wholeNumber(const QVariant &value)
{
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    return ok ? number : 0;
}

// A yes/no column: a non-zero number or the text "true".
bool isYes(const QVariant &value)
{
    if (value.isNull())
        return false;
    bool number = false;
    const double n = value.toDouble(&number);
    if (number)
        return n != 0;
    return value.toString().trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

int languagePicture(const QVariant &language)
{
    static const std::array<QString, 6> languages = {
        QStringLiteral("Italian"),  QStringLiteral("French"),   QStringLiteral("English"),
        QStringLiteral("Deutsche"), QStringLiteral("Japanese"), QStringLiteral("Spanish")};
    const QString text = language.toString();
    for (size_t i = 0; i < languages.size(); ++i) {
        if (text == languages[i])
            return int(i) + 1;
    }
    return 0;
}

int ratingPicture(const QVariant &rating)
{
    const qint64 value = wholeNumber(rating);
    return value >= 0 && value <= 5 ? int(value) + 1 : 1;
}

int playablePicture(const QVariant &playable)
{
    return isYes(playable) ? 1 : 2;
}

int picture(IconType type, const QVariant &language, const QVariant &rating, const QVariant &playable)
{
    switch (type) {
    case IconType::Language: return languagePicture(language);
    case IconType::Rating: return ratingPicture(rating);
    case IconType::Playable: return playablePicture(playable);
    }
    return 0;
}

// One row of the table, reduced to what the list shows and counts.
struct Game {
    QString name;
    int picture = 0;
    bool favorite = false;
    bool playable = false;
    qint64 times = 0;
};

enum Column { RowId, Gioco, Language, Rating, Playable, Favorites, Times };

const QStringList &tableColumns()
{
    static const QStringList names = {QStringLiteral("rowid"),    QStringLiteral("Gioco"),
                                      QStringLiteral("Language"), QStringLiteral("Rating"),
                                      QStringLiteral("Playable"), QStringLiteral("Favorites"),
                                      QStringLiteral("Times")};
    return names;
}

Game game(IconType type, const QVariant *values)
{
    return {values[Gioco].toString(),
            picture(type, values[Language], values[Rating], values[Playable]),
            isYes(values[Favorites]),
            isYes(values[Playable]),
            wholeNumber(values[Times])};
}

void add(Fill *fill, Game &game)
{
    if (game.name.isEmpty())
        return;
    fill->rows.push_back({std::move(game.name), game.picture});
    Counts &counts = fill->counts;
    ++counts.all;
    counts.favorite += game.favorite ? 1 : 0;
    counts.playable += game.playable ? 1 : 0;
    counts.notWorking += game.playable ? 0 : 1;
    counts.timesPlayed += game.times;
}

} // namespace

// Two reads instead of one: the query's row ids come from the name index alone, and the
// columns are read in table order and matched by row id. Reading the columns in name
// order visits the table's pages at random and takes several times as long on large tables.
bool read(DataSource &games, IconType type, Fill *fill, QString *error)
{
    std::vector<std::pair<qint64, size_t>> wanted;   // row id, position in the query
    const auto rowId = [&wanted](const QVariant *id) { wanted.emplace_back(id->toLongLong(), wanted.size()); };
    if (!games.scan({QStringLiteral("rowid")}, rowId)) {
        *error = games.lastError();
        return false;
    }
    std::sort(wanted.begin(), wanted.end());
    std::vector<Game> inOrder(wanted.size());
    std::vector<bool> found(wanted.size());
    auto next = wanted.cbegin();
    const auto row = [&](const QVariant *values) {
        const qint64 id = values[RowId].toLongLong();
        while (next != wanted.cend() && next->first < id)
            ++next;   // a row deleted between the two reads
        if (next == wanted.cend() || next->first != id)
            return;
        inOrder[next->second] = game(type, values);
        found[next->second] = true;
    };
    DataSource table(QStringLiteral("giochi"));
    table.setDatabaseName(games.databaseName());
    table.setRecordSource(QStringLiteral("SELECT * from giochi order by rowid"));
    if (!table.scan(tableColumns(), row)) {
        *error = table.lastError();
        return false;
    }
    fill->rows.reserve(inOrder.size());
    for (size_t i = 0; i < inOrder.size(); ++i) {
        if (found[i])
            add(fill, inOrder[i]);
    }
    return true;
}

} // namespace GameList

ImageListPair::ImageListPair(const QString &largeName, const QString &smallName, Picture picture, int count)
    : m_largeName(largeName), m_smallName(smallName), m_icons(size_t(count) + 1)
{
    for (int number = 1; number <= count; ++number) {
        QIcon &icon = m_icons[size_t(number)];
        icon.addPixmap(picture(number, true));
        icon.addPixmap(picture(number, false));
    }
}

const QIcon &ImageListPair::icon(int number) const
{
    return number > 0 && number < int(m_icons.size()) ? m_icons[size_t(number)] : m_icons.front();
}

GameListModel::GameListModel(QObject *parent) : QAbstractListModel(parent) {}

void GameListModel::setRows(std::vector<GameList::Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void GameListModel::setImageLists(const ImageListPair *pair)
{
    m_images = pair;
    if (!m_rows.empty())
        emit dataChanged(index(0), index(int(m_rows.size()) - 1), {Qt::DecorationRole});
}

QString GameListModel::name(int row) const
{
    return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)].name : QString();
}

int GameListModel::rowOf(const QString &name) const
{
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].name == name)
            return int(i);
    }
    return -1;
}

int GameListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant GameListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return {};
    const GameList::Row &row = m_rows[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return row.name;
    case Qt::DecorationRole:
        if (m_images && row.picture > 0 && !m_images->icon(row.picture).isNull())
            return m_images->icon(row.picture);
        return {};
    case KeyRole:
        return GameList::rowKey(index.row(), row.name);
    case PictureRole:
        return row.picture;
    default:
        return {};
    }
}

QVariant GameListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return QStringLiteral("Games");
    return {};
}
