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

// Ranks of texts by a collator: equal texts share a rank; positions keep their texts' order.
std::vector<qint64> ranks(const std::vector<QStringView> &texts, const QCollator &collator)
{
    std::vector<QCollatorSortKey> keys;
    keys.reserve(texts.size());
    for (const QStringView text : texts)
        keys.push_back(collator.sortKey(text.toString()));
    std::vector<qint32> sorted(texts.size());
    for (size_t i = 0; i < sorted.size(); ++i)
        sorted[i] = qint32(i);
    std::sort(sorted.begin(), sorted.end(),
              [&](qint32 a, qint32 b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; });
    std::vector<qint64> rank(texts.size());
    qint64 current = 0;
    for (size_t i = 0; i < sorted.size(); ++i) {
        if (i > 0 && keys[size_t(sorted[i - 1])].compare(keys[size_t(sorted[i])]) != 0)
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

const QStringList &readColumns()
{
    static const QStringList names = {QStringLiteral("rowid"),    QStringLiteral("Gioco"),
                                      QStringLiteral("Anno"),     QStringLiteral("Genre"),
                                      QStringLiteral("Producer"), QStringLiteral("Language"),
                                      QStringLiteral("Data"),     QStringLiteral("DataAdd"),
                                      QStringLiteral("Rating"),   QStringLiteral("Times"),
                                      QStringLiteral("PlayTime")};
    return names;
}

} // namespace

QString title(int column)
{
    return column >= 0 && column < ColumnCount ? QLatin1String(titles[column]) : QString();
}

bool Table::refresh(DataSource &games, QString *error)
{
    // Taken before reading: a commit during the read makes the next fill read again.
    const DataSource::ContentStamp stamp = games.contentStamp();
    if (stamp.isValid() && stamp == m_stamp && games.databaseName() == m_path)
        return true;
    m_stamp = {};
    if (!readTable(games, error))
        return false;
    m_stamp = stamp;
    m_path = games.databaseName();
    return true;
}

bool Table::readTable(DataSource &games, QString *error)
{
    QString error2;
    const QSqlDatabase db = DataSource::connection(games.databaseName(), &error2);
    const bool hasPlayTime = db.isValid()
                             && db.record(QStringLiteral("giochi")).contains(QStringLiteral("PlayTime"));
    QStringList columns = readColumns();
    if (!hasPlayTime)
        columns.removeLast();

    const QString oldNames = std::exchange(m_names, QString());
    const std::vector<qint64> oldIds = std::exchange(m_ids, {});
    m_texts = QString();
    m_games.clear();
    const auto row = [&](const SqliteStatement &values) {
        Game game;
        game.start[Name] = qint32(m_names.size());
        game.length[Name] = appendText(values, 1, m_names);
        if (game.length[Name] == 0)
            return; // never listed
        for (int field = Anno; field < TextFields; ++field) {
            game.start[size_t(field)] = qint32(m_texts.size());
            game.length[size_t(field)] = appendText(values, field + 1, m_texts);
        }
        for (int field = 0; field < NumberFields && TextFields + 1 + field < columns.size(); ++field) {
            const int column = TextFields + 1 + field;
            if (values.isNull(column))
                continue;
            const std::optional<qint64> stored = values.storedInteger(column);
            game.number[size_t(field)] = stored ? *stored : values.value(column).toLongLong();
            game.hasNumber |= quint8(1u << field);
        }
        m_ids.push_back(values.integer(0));
        m_games.push_back(game);
    };
    DataSource table(QStringLiteral("giochi"));
    table.setDatabaseName(games.databaseName());
    table.setRecordSource(QStringLiteral("SELECT * from giochi order by rowid"));
    const bool read = table.scan(columns, row);
    // The names' order stays while the names do (a play changes the file, not them).
    std::vector<qint64> nameKeys = std::move(m_keys[Games]);
    for (std::vector<qint64> &keys : m_keys)
        keys.clear();
    if (read && m_names == oldNames && m_ids == oldIds)
        m_keys[Games] = std::move(nameKeys);
    m_byId = RowIdIndex(m_ids);
    if (!read) {
        *error = table.lastError();
        m_names.clear();
        m_texts.clear();
        m_games.clear();
        m_ids.clear();
        m_byId = {};
    }
    return read;
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

QString Table::text(qint64 rowId, int column) const
{
    const int index = m_byId.find(rowId);
    if (index < 0)
        return {};
    const Game &game = m_games[size_t(index)];
    const auto numberText = [&](NumberField field) {
        const std::optional<qint64> value = number(game, field);
        return value ? QString::number(*value) : QString();
    };
    switch (column) {
    case Games: return field(game, Name).toString();
    case Year: return field(game, Anno).toString();
    case Genre: return field(game, GenreText).toString();
    case Producer: return field(game, ProducerText).toString();
    case Language: return field(game, LanguageText).toString();
    case Rating: return numberText(RatingNumber);
    case Times: return numberText(TimesNumber);
    case LastPlayed: return field(game, Data).toString();
    case Added: return field(game, DataAdd).toString();
    case PlayTime: return PlayTime::duration(number(game, PlayTimeNumber).value_or(0));
    default: return {};
    }
}

std::vector<qint64> Table::nameRanks() const
{
    std::vector<QStringView> names;
    names.reserve(m_games.size());
    for (const Game &game : m_games)
        names.push_back(field(game, Name));
    return ranks(names, nameCollator());
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
