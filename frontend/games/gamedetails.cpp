#include "frontend/games/gamedetails.h"

#include "shared/gamedates.h"
#include "shared/playtime.h"
#include "shared/sqlitestatement.h"

#include <QCollator>
#include <QLocale>
#include <QSqlRecord>
#include <QStringList>

#include <algorithm>

namespace GameDetails {

namespace {

constexpr const char *titles[ColumnCount] = {"Games",  "Year",  "Genre",       "Producer", "Language",
                                             "Rating", "Times", "Last played", "Added",    "Play time"};

// Names in the locale's order, numbers in them compared as numbers ("Game 2" before
// "Game 10"). The C locale has no order of its own and would compare digits one by one:
// it sorts as English does.
// Texts of a column (genres, ...) that differ only in case are one value, as criteria
// take them.
QCollator nameCollator(Qt::CaseSensitivity sensitivity = Qt::CaseSensitive)
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(sensitivity);
    return collator;
}

// The number Anno begins with (blanks before it allowed), or nothing.
std::optional<qint64> leadingNumber(QStringView text)
{
    text = text.trimmed();
    qsizetype digits = 0;
    while (digits < text.size() && digits < 9 && text[digits].isDigit())
        ++digits;
    if (digits == 0)
        return std::nullopt;
    return text.left(digits).toLongLong();
}

// Texts sorted by a collator: their positions in that order, and for each whether it is
// alike to the one before.
void sortTexts(const std::vector<QStringView> &texts, const QCollator &collator, std::vector<qint32> *sorted,
               std::vector<char> *alike)
{
    std::vector<QCollatorSortKey> keys;
    keys.reserve(texts.size());
    for (const QStringView text : texts)
        keys.push_back(collator.sortKey(text.toString()));
    sorted->resize(texts.size());
    for (size_t i = 0; i < sorted->size(); ++i)
        (*sorted)[i] = qint32(i);
    std::sort(sorted->begin(), sorted->end(),
              [&](qint32 a, qint32 b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; });
    alike->assign(texts.size(), 0);
    for (size_t i = 1; i < sorted->size(); ++i)
        (*alike)[i] = keys[size_t((*sorted)[i - 1])].compare(keys[size_t((*sorted)[i])]) == 0;
}

// Ranks of texts by a collator: equal texts share a rank; positions keep their texts' order.
std::vector<qint64> ranks(const std::vector<QStringView> &texts, const QCollator &collator)
{
    std::vector<qint32> sorted;
    std::vector<char> alike;
    sortTexts(texts, collator, &sorted, &alike);
    std::vector<qint64> rank(texts.size());
    qint64 current = 0;
    for (size_t i = 0; i < sorted.size(); ++i) {
        if (i > 0 && !alike[i])
            ++current;
        rank[size_t(sorted[i])] = current;
    }
    return rank;
}

// Appends a column's text as values.text() gives it, plain ASCII straight from its bytes;
// gives its length.
qint32 appendText(const SqliteStatement &values, int column, QString &out)
{
    const qsizetype before = out.size();
    const QByteArrayView utf8 = values.bytes(column);
    const bool ascii = !utf8.isEmpty()
                       && std::all_of(utf8.begin(), utf8.end(), [](char byte) { return uchar(byte) < 0x80; });
    if (ascii)
        out += QLatin1String(utf8.data(), utf8.size());
    else if (!values.isNull(column))
        out += values.text(column);
    return qint32(out.size() - before);
}

} // namespace

QString title(int column)
{
    return column >= 0 && column < ColumnCount ? QLatin1String(titles[column]) : QString();
}

bool Table::refresh(DataSource &games, Columns columns, QString *error)
{
    // Taken before reading: a commit during the read makes the next fill read again.
    const DataSource::ContentStamp stamp = games.contentStamp();
    const bool same = stamp.isValid() && stamp == m_stamp && games.databaseName() == m_path;
    if (same && (columns & ~m_columns) == 0)
        return true;
    if (!same) {
        m_shown.clear();
        m_hasPlayTime.reset();
    }
    // More columns of an unchanged file: those read before are read again with them.
    if (same)
        columns |= m_columns;
    m_stamp = {};
    m_path = games.databaseName();
    if (!readTable(games, columns, error))
        return false;
    m_stamp = stamp;
    m_columns = columns;
    return true;
}

// The columns to read of a set, as a Source each, in the order of the sources.
std::vector<Table::Source> Table::sourcesOf(Columns columns) const
{
    static const Source all[] = {
        {Games, "Gioco", Name, -1},
        {Year, "Anno", Anno, -1},
        {Genre, "Genre", GenreText, -1},
        {Producer, "Producer", ProducerText, -1},
        {Language, "Language", LanguageText, -1},
        {LastPlayed, "Data", Data, -1},
        {Added, "DataAdd", DataAdd, -1},
        {Rating, "Rating", -1, RatingNumber},
        {Times, "Times", -1, TimesNumber},
        {PlayTime, "PlayTime", -1, PlayTimeNumber},
    };
    if ((columns & bit(PlayTime)) && !hasPlayTime())
        columns &= ~bit(PlayTime);
    std::vector<Source> sources;
    for (const Source &source : all) {
        if (columns & bit(source.column))
            sources.push_back(source);
    }
    return sources;
}

bool Table::hasPlayTime() const
{
    if (!m_hasPlayTime) {
        QString error;
        const QSqlDatabase db = DataSource::connection(m_path, &error);
        m_hasPlayTime = db.isValid() && db.record(QStringLiteral("giochi")).contains(QStringLiteral("PlayTime"));
    }
    return *m_hasPlayTime;
}

// A row's values of the sources, read from column 1 on: the texts appended to the pools.
Table::Game Table::readGame(const SqliteStatement &values, const std::vector<Source> &sources, QString &names,
                            QString &texts)
{
    Game game;
    for (size_t i = 0; i < sources.size(); ++i) {
        const int column = int(i) + 1;
        if (sources[i].text >= 0) {
            const size_t field = size_t(sources[i].text);
            QString &pool = field == Name ? names : texts;
            game.start[field] = qint32(pool.size());
            game.length[field] = appendText(values, column, pool);
        } else if (!values.isNull(column)) {
            const std::optional<qint64> stored = values.storedInteger(column);
            game.number[size_t(sources[i].number)] = stored ? *stored : values.value(column).toLongLong();
            game.hasNumber |= quint8(1u << sources[i].number);
        }
    }
    return game;
}

bool Table::readTable(DataSource &games, Columns columns, QString *error)
{
    const std::vector<Source> sources = sourcesOf(columns);
    QStringList names = {QStringLiteral("rowid")};
    for (const Source &source : sources)
        names.append(QLatin1String(source.name));
    const bool named = columns & bit(Games);

    m_names = QString();
    m_texts = QString();
    m_games.clear();
    m_ids.clear();
    for (std::vector<qint64> &keys : m_keys)
        keys.clear();
    m_byId = {};
    if (sources.empty())
        return true;
    const auto row = [&](const SqliteStatement &values) {
        const Game game = readGame(values, sources, m_names, m_texts);
        if (named && game.length[Name] == 0)
            return; // never listed
        m_ids.push_back(values.integer(0));
        m_games.push_back(game);
    };
    DataSource table(QStringLiteral("giochi"));
    table.setDatabaseName(games.databaseName());
    table.setRecordSource(QStringLiteral("SELECT * from giochi order by rowid"));
    if (!table.scan(names, row)) {
        *error = table.lastError();
        m_names.clear();
        m_texts.clear();
        m_games.clear();
        m_ids.clear();
        return false;
    }
    m_byId = RowIdIndex(m_ids);
    return true;
}

QStringView Table::field(const Game &game, TextField field) const
{
    const QString &pool = field == Name ? m_names : m_texts;
    return QStringView(pool).mid(game.start[size_t(field)], game.length[size_t(field)]);
}

std::optional<qint64> Table::number(const Game &game, NumberField field) const
{
    if (!(game.hasNumber & (1u << field)))
        return std::nullopt;
    return game.number[size_t(field)];
}

QString Table::textOf(const Game &game, QStringView names, QStringView texts, int column)
{
    const auto text = [&](TextField field) {
        return (field == Name ? names : texts)
            .mid(game.start[size_t(field)], game.length[size_t(field)])
            .toString();
    };
    const auto numberText = [&](NumberField field) {
        return game.hasNumber & (1u << field) ? QString::number(game.number[size_t(field)]) : QString();
    };
    switch (column) {
    case Games: return text(Name);
    case Year: return text(Anno);
    case Genre: return text(GenreText);
    case Producer: return text(ProducerText);
    case Language: return text(LanguageText);
    case Rating: return numberText(RatingNumber);
    case Times: return numberText(TimesNumber);
    case LastPlayed: return text(Data);
    case Added: return text(DataAdd);
    case PlayTime:
        return PlayTime::duration(game.hasNumber & (1u << PlayTimeNumber) ? game.number[PlayTimeNumber] : 0);
    default: return {};
    }
}

QString Table::text(qint64 rowId, int column) const
{
    if (column < 0 || column >= ColumnCount)
        return {};
    if (m_columns & bit(column)) {
        const int index = m_byId.find(rowId);
        return index < 0 ? QString() : textOf(m_games[size_t(index)], m_names, m_texts, column);
    }
    return shownRow(rowId)[size_t(column)];
}

// A row the view shows, read on its own the first time it is asked for; the rows kept are
// dropped when the file changed, or when they grow many.
const std::array<QString, ColumnCount> &Table::shownRow(qint64 rowId) const
{
    constexpr qsizetype MostShown = 4096;
    const auto kept = m_shown.constFind(rowId);
    if (kept != m_shown.constEnd())
        return *kept;
    if (m_shown.size() >= MostShown)
        m_shown.clear();
    std::array<QString, ColumnCount> texts;
    const std::vector<Source> sources = sourcesOf(~Columns(0));
    QStringList names;
    for (const Source &source : sources)
        names.append(QLatin1String(source.name));
    QString error;
    const QSqlDatabase db = DataSource::connection(m_path, &error);
    if (db.isValid()) {
        SqliteStatement row(SqliteStatement::handle(db),
                            QStringLiteral("SELECT rowid, ") + names.join(QStringLiteral(", "))
                                + QStringLiteral(" FROM giochi WHERE rowid = ") + QString::number(rowId));
        if (row.next()) {
            QString rowNames;
            QString rowTexts;
            const Game game = readGame(row, sources, rowNames, rowTexts);
            for (int column = 0; column < ColumnCount; ++column)
                texts[size_t(column)] = textOf(game, rowNames, rowTexts, column);
        }
    }
    return *m_shown.insert(rowId, texts);
}

// The names ranked afresh, or from the last ranking when only a few changed since: those
// leave their places and are put where they now belong.
std::vector<qint64> Table::nameRanks()
{
    if (!rankChangedNames())
        rankAllNames();
    NameOrder &order = m_nameOrder;
    std::vector<qint64> rank(m_games.size(), Empty);
    qint64 current = -1;
    for (size_t at = 0; at < order.sorted.size(); ++at) {
        if (at == 0 || !order.alike[at])
            ++current;
        const int game = m_byId.find(order.sorted[at]);
        if (game >= 0)
            rank[size_t(game)] = current;
    }
    order.ids = m_ids;
    order.names = m_names; // shared, not copied
    order.spans.clear();
    order.spans.reserve(m_games.size());
    for (const Game &game : m_games)
        order.spans.emplace_back(game.start[Name], game.length[Name]);
    return rank;
}

void Table::rankAllNames()
{
    std::vector<QStringView> names;
    names.reserve(m_games.size());
    for (const Game &game : m_games)
        names.push_back(field(game, Name));
    std::vector<qint32> sorted;
    NameOrder &order = m_nameOrder;
    sortTexts(names, nameCollator(), &sorted, &order.alike);
    order.sorted.clear();
    order.sorted.reserve(sorted.size());
    for (const qint32 game : sorted)
        order.sorted.push_back(m_ids[size_t(game)]);
}

bool Table::rankChangedNames()
{
    NameOrder &order = m_nameOrder;
    if (order.sorted.empty() || order.spans.size() != order.ids.size())
        return false;
    // Both lists are in row-id order: the games whose name came, changed or went.
    std::vector<qint64> added;
    std::vector<qint64> gone;
    for (size_t was = 0, is = 0; was < order.ids.size() || is < m_ids.size();) {
        if (is == m_ids.size() || (was < order.ids.size() && order.ids[was] < m_ids[is])) {
            gone.push_back(order.ids[was++]);
        } else if (was == order.ids.size() || m_ids[is] < order.ids[was]) {
            added.push_back(m_ids[is++]);
        } else {
            const auto [start, length] = order.spans[was];
            if (QStringView(order.names).mid(start, length) != field(m_games[is], Name)) {
                gone.push_back(order.ids[was]);
                added.push_back(m_ids[is]);
            }
            ++was;
            ++is;
        }
    }
    // Each name put in place costs a few comparisons; many are ranked faster all at once.
    if (added.size() + gone.size() > m_ids.size() / 64 + 64)
        return false;
    const auto nameOf = [this](qint64 id) { return field(m_games[size_t(m_byId.find(id))], Name); };

    // Those that went leave; one that stays is alike to the one now before it when all
    // between them were alike.
    const RowIdIndex leaving(gone);
    std::vector<qint64> kept;
    std::vector<char> keptAlike;
    kept.reserve(order.sorted.size());
    keptAlike.reserve(order.sorted.size());
    bool chain = true;
    for (size_t at = 0; at < order.sorted.size(); ++at) {
        if (leaving.contains(order.sorted[at])) {
            chain = chain && order.alike[at];
            continue;
        }
        keptAlike.push_back(!kept.empty() && chain && order.alike[at]);
        kept.push_back(order.sorted[at]);
        chain = true;
    }

    // Those that came go after the last one not above them.
    const QCollator collator = nameCollator();
    std::sort(added.begin(), added.end(),
              [&](qint64 a, qint64 b) { return collator.compare(nameOf(a), nameOf(b)) < 0; });
    std::vector<qint64> sorted;
    std::vector<char> alike;
    std::vector<char> placed; // came now: its likeness to its neighbours is to be found
    sorted.reserve(m_ids.size());
    alike.reserve(m_ids.size());
    placed.reserve(m_ids.size());
    auto from = kept.begin();
    const auto take = [&](std::vector<qint64>::iterator to) {
        for (; from != to; ++from) {
            sorted.push_back(*from);
            alike.push_back(keptAlike[size_t(from - kept.begin())]);
            placed.push_back(0);
        }
    };
    for (const qint64 id : added) {
        const QStringView name = nameOf(id);
        take(std::upper_bound(from, kept.end(), name, [&](QStringView text, qint64 other) {
            return collator.compare(text, nameOf(other)) < 0;
        }));
        sorted.push_back(id);
        alike.push_back(0);
        placed.push_back(1);
    }
    take(kept.end());
    for (size_t at = 1; at < sorted.size(); ++at) {
        if (placed[at] || placed[at - 1])
            alike[at] = collator.compare(nameOf(sorted[at - 1]), nameOf(sorted[at])) == 0;
    }
    order.sorted = std::move(sorted);
    order.alike = std::move(alike);
    return true;
}

// Few distinct values (genres, producers, languages): each is ranked once.
std::vector<qint64> Table::textRanks(TextField textField) const
{
    QHash<QString, qint32> distinct;
    std::vector<QStringView> values;
    std::vector<qint32> valueOf;
    valueOf.reserve(m_games.size());
    for (const Game &game : m_games) {
        const QStringView text = field(game, textField);
        if (text.trimmed().isEmpty()) {
            valueOf.push_back(-1);
            continue;
        }
        const QString key = text.toString();
        auto at = distinct.constFind(key);
        if (at == distinct.constEnd()) {
            at = distinct.insert(key, qint32(values.size()));
            values.push_back(text);
        }
        valueOf.push_back(*at);
    }
    const std::vector<qint64> rankOf = ranks(values, nameCollator(Qt::CaseInsensitive));
    std::vector<qint64> keys;
    keys.reserve(valueOf.size());
    for (const qint32 value : valueOf)
        keys.push_back(value < 0 ? Empty : rankOf[size_t(value)]);
    return keys;
}

// Many games share a date: each text is read once.
std::vector<qint64> Table::dayKeys(TextField textField, QDate (*parse)(const QString &))
{
    std::vector<qint64> keys;
    keys.reserve(m_games.size());
    for (const Game &game : m_games) {
        const QString text = field(game, textField).toString();
        auto at = m_days.constFind(text);
        if (at == m_days.constEnd()) {
            const QDate date = parse(text);
            at = m_days.insert(text, date.isValid() ? date.toJulianDay() : Empty);
        }
        keys.push_back(*at);
    }
    return keys;
}

const std::vector<qint64> &Table::keys(int column)
{
    std::vector<qint64> &keys = m_keys[size_t(column)];
    if (!keys.empty() || m_games.empty())
        return keys;
    const auto numbers = [this](NumberField field) {
        std::vector<qint64> out;
        out.reserve(m_games.size());
        for (const Game &game : m_games)
            out.push_back(number(game, field).value_or(Empty));
        return out;
    };
    switch (column) {
    case Games: keys = nameRanks(); break;
    case Year:
        for (const Game &game : m_games)
            keys.push_back(leadingNumber(field(game, Anno)).value_or(Empty));
        break;
    case Genre: keys = textRanks(GenreText); break;
    case Producer: keys = textRanks(ProducerText); break;
    case Language: keys = textRanks(LanguageText); break;
    case Rating: keys = numbers(RatingNumber); break;
    case Times: keys = numbers(TimesNumber); break;
    case LastPlayed: keys = dayKeys(Data, &GameDates::fromLastPlay); break;
    case Added: keys = dayKeys(DataAdd, &GameDates::fromAdded); break;
    case PlayTime: keys = numbers(PlayTimeNumber); break;
    default: break;
    }
    return keys;
}

std::vector<qint32> Table::order(const std::vector<qint64> &rowIds, int column, Qt::SortOrder sortOrder)
{
    struct Item {
        qint64 key;
        qint64 name;
        qint32 position;
    };
    const bool byName = column == Games;
    const std::vector<qint64> &names = keys(Games);
    const std::vector<qint64> &values = byName ? names : keys(column);
    std::vector<Item> items;
    items.reserve(rowIds.size());
    for (size_t i = 0; i < rowIds.size(); ++i) {
        const int game = m_byId.find(rowIds[i]);
        const bool known = game >= 0 && size_t(game) < values.size();
        items.push_back({known ? values[size_t(game)] : Empty, known ? names[size_t(game)] : Empty, qint32(i)});
    }
    const bool descending = sortOrder == Qt::DescendingOrder;
    std::sort(items.begin(), items.end(), [descending](const Item &a, const Item &b) {
        if (a.key != b.key)
            return descending ? a.key > b.key : a.key < b.key;
        if (a.name != b.name)
            return a.name < b.name;
        return a.position < b.position;
    });
    std::vector<qint32> positions;
    positions.reserve(items.size());
    for (const Item &item : items)
        positions.push_back(item.position);
    return positions;
}

} // namespace GameDetails
