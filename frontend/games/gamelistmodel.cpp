#include "frontend/games/gamelistmodel.h"

#include "frontend/games/gamedetails.h"
#include "frontend/games/namefold.h"
#include "shared/datasource.h"
#include "shared/rating.h"
#include "shared/saturating.h"
#include "shared/sql.h"
#include "shared/sqlitestatement.h"
#include "shared/widgets/rowentries.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <utility>

namespace GameList {

namespace {

// A whole number, or 0 for an empty or non-numeric value; a real beyond the range counts
// as the range's end.
qint64 wholeNumber(const QVariant &value)
{
    if (value.typeId() == QMetaType::Double)
        return Saturating::toInt64(value.toDouble());
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    return ok ? number : 0;
}

// The language's picture: its exact text among the six languages, compared as stored.
int languagePicture(QByteArrayView language)
{
    static constexpr std::array<QByteArrayView, 6> languages = {"Italian",  "French",   "English",
                                                                "Deutsche", "Japanese", "Spanish"};
    for (size_t i = 0; i < languages.size(); ++i) {
        if (language == languages[i])
            return int(i) + 1;
    }
    return 0;
}

// The columns below hold integers in every database the programs write: those are read
// as they are; any other value goes through the rule for stored values.
int ratingPicture(const SqliteStatement &values, int column)
{
    const std::optional<qint64> stored = values.storedInteger(column);
    return (stored ? Rating::stars(double(*stored)) : Rating::stars(values.value(column))) + 1;
}

bool isYes(const SqliteStatement &values, int column)
{
    const std::optional<qint64> stored = values.storedInteger(column);
    return stored ? *stored != 0 : Sql::isYes(values.value(column));
}

// Appends a column's text as values.text() gives it; plain ASCII (most names) straight
// from its bytes, without a string of its own.
void appendText(const SqliteStatement &values, int column, QString &out)
{
    const QByteArrayView utf8 = values.bytes(column);
    const bool ascii = !utf8.isEmpty()
                       && std::all_of(utf8.begin(), utf8.end(), [](char byte) { return uchar(byte) < 0x80; });
    if (ascii)
        out += QLatin1String(utf8.data(), utf8.size());
    else
        out += values.text(column);
}

qint64 wholeNumber(const SqliteStatement &values, int column)
{
    const std::optional<qint64> stored = values.storedInteger(column);
    return stored ? *stored : wholeNumber(values.value(column));
}

enum Column { RowId, Gioco, Language, Rating, Playable, Favorites, Times };

const QStringList &tableColumns()
{
    static const QStringList names = {QStringLiteral("rowid"),    QStringLiteral("Gioco"),
                                      QStringLiteral("Language"), QStringLiteral("Rating"),
                                      QStringLiteral("Playable"), QStringLiteral("Favorites"),
                                      QStringLiteral("Times")};
    return names;
}

int picture(IconType type, const Table::Game &game)
{
    switch (type) {
    case IconType::Language: return game.languagePicture;
    case IconType::Rating: return game.ratingPicture;
    case IconType::Playable: return game.playable ? 1 : 2;
    }
    return 0;
}

} // namespace

bool Table::refresh(DataSource &games, QString *error)
{
    // Taken before reading: a commit during the read makes the next fill read again.
    const DataSource::ContentStamp stamp = games.contentStamp();
    if (stamp.isValid() && stamp == m_stamp && games.databaseName() == m_path)
        return true;
    m_stamp = {};
    if (!readTable(games.databaseName(), error))
        return false;
    m_stamp = stamp;
    m_path = games.databaseName();
    return true;
}

// The columns in table order: reading them in name order would visit the table's pages
// at random and take several times as long.
bool Table::readTable(const QString &databasePath, QString *error)
{
    // Room for as much as last time, in new texts: the list still shares the old ones.
    // A name as it was read last time keeps its folded form (both lists in row-id order).
    const QString oldNames = std::exchange(m_names, QString());
    const QString oldFolded = std::exchange(m_folded, QString());
    const std::vector<Game> oldGames = std::exchange(m_games, {});
    m_names.reserve(oldNames.size());
    m_folded.reserve(oldFolded.size());
    m_games.reserve(oldGames.size());
    auto old = oldGames.cbegin();
    const auto row = [&](const SqliteStatement &values) {
        const qsizetype nameStart = m_names.size();
        appendText(values, Gioco, m_names);
        const QStringView name = QStringView(m_names).mid(nameStart);
        if (name.isEmpty())
            return; // never listed nor counted
        Game game;
        game.rowId = values.integer(RowId);
        game.times = wholeNumber(values, Times);
        game.nameStart = qint32(nameStart);
        game.nameLength = qint32(name.size());
        game.foldedStart = qint32(m_folded.size());
        while (old != oldGames.cend() && old->rowId < game.rowId)
            ++old;
        if (old != oldGames.cend() && old->rowId == game.rowId
            && QStringView(oldNames).mid(old->nameStart, old->nameLength) == name)
            m_folded += QStringView(oldFolded).mid(old->foldedStart, old->foldedLength);
        else
            NameFold::append(name, m_folded);
        game.foldedLength = qint32(m_folded.size()) - game.foldedStart;
        game.languagePicture = qint8(languagePicture(values.bytes(Language)));
        game.ratingPicture = qint8(ratingPicture(values, Rating));
        game.playable = isYes(values, Playable);
        game.favorite = isYes(values, Favorites);
        m_games.push_back(game);
    };
    DataSource table(QStringLiteral("giochi"));
    table.setDatabaseName(databasePath);
    table.setRecordSource(QStringLiteral("SELECT * from giochi order by rowid"));
    if (!table.scan(tableColumns(), row)) {
        *error = table.lastError();
        m_names.clear();
        m_folded.clear();
        m_games.clear();
        m_byId = {};
        return false;
    }
    std::vector<qint64> ids;
    ids.reserve(m_games.size());
    for (const Game &game : m_games)
        ids.push_back(game.rowId);
    m_byId = RowIdIndex(ids);
    return true;
}

const Table::Game *Table::game(qint64 rowId) const
{
    const int index = m_byId.find(rowId);
    return index < 0 ? nullptr : &m_games[size_t(index)];
}

// The rows come from opening the data source (its row ids, in the query's order), the
// columns from the table as last read when the file has not changed since.
bool read(DataSource &games, IconType type, Table *table, Fill *fill, QString *error)
{
    if (!games.open()) {
        *error = games.lastError();
        return false;
    }
    if (!table->refresh(games, error))
        return false;
    Rows &rows = fill->rows;
    Counts &counts = fill->counts;
    rows.names = table->names(); // shared, not copied
    rows.folded = table->foldedNames();
    rows.entries.reserve(games.rowIds().size());
    for (const qint64 id : games.rowIds()) {
        const Table::Game *game = table->game(id);
        if (!game)
            continue; // deleted between the two reads, or without a name
        rows.entries.push_back(
            {id, game->nameStart, game->nameLength, game->foldedStart, game->foldedLength, picture(type, *game)});
        ++counts.all;
        counts.favorite += game->favorite ? 1 : 0;
        counts.playable += game->playable ? 1 : 0;
        counts.notWorking += game->playable ? 0 : 1;
        counts.timesPlayed = Saturating::add(counts.timesPlayed, game->times);
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

GameListModel::GameListModel(QObject *parent) : QAbstractTableModel(parent) {}

// The views lay an entry's whole text out at every paint: a name of millions of
// characters would take seconds each time, so the list shows its beginning only.
QString GameListModel::shownName(QStringView name)
{
    if (name.size() <= ShownNameLength)
        return name.toString();
    return name.left(ShownNameLength).toString() + QChar(0x2026);
}

void GameListModel::setRows(GameList::Rows rows, std::vector<qint32> order)
{
    beginResetModel();
    std::swap(m_rows, rows);
    m_order = order.size() == m_rows.size() ? std::move(order) : std::vector<qint32>();
    narrow(false);
    endResetModel();
}

void GameListModel::setOrder(std::vector<qint32> order)
{
    if (order.size() != m_rows.size())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<size_t> entries; // the entry each persistent index stands on
    entries.reserve(size_t(before.size()));
    for (const QModelIndex &index : before)
        entries.push_back(entry(index.row()));
    m_order = std::move(order);
    narrow(false);
    std::vector<qint32> rowOfEntry(m_rows.size(), -1);
    for (int row = 0; row < rowCount(); ++row)
        rowOfEntry[entry(row)] = qint32(row);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const qint32 row = rowOfEntry[entries[size_t(i)]];
        after.append(row < 0 ? QModelIndex() : index(row, before[i].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::vector<qint64> GameListModel::rowIds() const
{
    std::vector<qint64> ids;
    ids.reserve(m_rows.size());
    for (const GameList::Rows::Entry &entry : m_rows.entries)
        ids.push_back(entry.rowId);
    return ids;
}

void GameListModel::setImageLists(const ImageListPair *pair)
{
    m_images = pair;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::DecorationRole});
}

void GameListModel::setSearch(const QString &text)
{
    QString needle = NameFold::fold(text);
    if (needle == m_needle)
        return;
    // A text that holds the previous one can only match rows that matched before.
    const bool fromShown = m_searching && needle.contains(m_needle);
    beginResetModel();
    m_needle = std::move(needle);
    narrow(fromShown);
    endResetModel();
}

// Sets m_shown to the entries whose folded name holds the needle, looking at the rows
// shown so far or at all of them.
void GameListModel::narrow(bool fromShown)
{
    m_searching = !m_needle.isEmpty();
    if (!m_searching) {
        m_shown = {};
        return;
    }
    std::vector<qint32> shown;
    const auto test = [&](size_t at) {
        if (m_rows.foldedName(at).contains(m_needle))
            shown.push_back(qint32(at));
    };
    if (fromShown) {
        for (const qint32 at : m_shown)
            test(size_t(at));
    } else if (!m_order.empty()) {
        for (const qint32 at : m_order)
            test(size_t(at));
    } else {
        for (size_t at = 0; at < m_rows.size(); ++at)
            test(at);
    }
    m_shown = std::move(shown);
}

QStringList GameListModel::longestNames(int count) const
{
    std::vector<std::pair<qint32, size_t>> longest; // (length, entry), a few, longest first
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const qint32 length = m_rows.entries[i].length;
        if (int(longest.size()) == count && length <= longest.back().first)
            continue;
        const auto at = std::find_if(longest.begin(), longest.end(),
                                     [length](const auto &l) { return l.first < length; });
        longest.insert(at, {length, i});
        if (int(longest.size()) > count)
            longest.pop_back();
    }
    QStringList names;
    for (const auto &[length, i] : longest)
        names.append(shownName(m_rows.name(i)));
    return names;
}

QString GameListModel::name(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows.name(entry(row)).toString() : QString();
}

int GameListModel::rowOfId(std::optional<qint64> rowId) const
{
    if (!rowId)
        return -1;
    const int rows = rowCount();
    for (int row = 0; row < rows; ++row) {
        if (m_rows.entries[entry(row)].rowId == *rowId)
            return row;
    }
    return -1;
}

int GameListModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return int(m_searching ? m_shown.size() : m_rows.size());
}

int GameListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : GameDetails::ColumnCount;
}

QVariant GameListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const size_t row = entry(index.row());
    if (index.column() > 0) {
        if (role == RowEntries::RowIdRole)
            return m_rows.entries[row].rowId;
        if (role == Qt::DisplayRole && m_details)
            return m_details->text(m_rows.entries[row].rowId, index.column());
        return {};
    }
    const int picture = m_rows.entries[row].picture;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: // the whole name, where an icon view cuts it short
        return shownName(m_rows.name(row));
    case Qt::DecorationRole:
        if (m_images && picture > 0 && !m_images->icon(picture).isNull())
            return m_images->icon(picture);
        return {};
    case KeyRole: // the key of the whole list: a search does not renumber it
        return GameList::rowKey(int(row), m_rows.name(row).toString());
    case PictureRole: return picture;
    case RowEntries::RowIdRole: return m_rows.entries[row].rowId;
    default: return {};
    }
}

QVariant GameListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return GameDetails::title(section);
    return {};
}
