#include "shared/sqltail.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace SqlTail {

namespace {

// A word of a record source's tail standing outside quoted texts, quoted names and
// parentheses, lower-cased, with where it stands.
struct Word {
    QString lower;
    qsizetype start;
    qsizetype end;
};

// The mark that closes a quoted text or name opened by c, or a null QChar.
QChar closingMark(QChar c)
{
    if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`'))
        return c;
    return c == QLatin1Char('[') ? QLatin1Char(']') : QChar();
}

// Just after the quoted text or name opening at i, or -1 when it is not closed. A doubled
// quote stands for the quote itself.
qsizetype afterQuoted(const QString &text, qsizetype i)
{
    const QChar closing = closingMark(text[i]);
    qsizetype end = text.indexOf(closing, i + 1);
    while (end >= 0 && closing != QLatin1Char(']') && end + 1 < text.size() && text[end + 1] == closing)
        end = text.indexOf(closing, end + 2);
    return end < 0 ? -1 : end + 1;
}

bool isWordCharacter(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

// The words at the top level of an SQL text; false when it holds a comment, a statement
// separator or an unclosed quote or parenthesis, which the caller then leaves to SQLite.
bool topLevelWords(const QString &text, std::vector<Word> *words)
{
    int depth = 0;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        const QStringView two = QStringView(text).mid(i, 2);
        if (!closingMark(c).isNull()) {
            i = afterQuoted(text, i);
            if (i < 0)
                return false;
        } else if (c == QLatin1Char(';') || two == QLatin1String("--") || two == QLatin1String("/*")) {
            return false;
        } else if (isWordCharacter(c)) {
            const qsizetype start = i;
            while (i < text.size() && isWordCharacter(text[i]))
                ++i;
            if (depth == 0)
                words->push_back({text.mid(start, i - start).toLower(), start, i});
        } else {
            depth += c == QLatin1Char('(') ? 1 : c == QLatin1Char(')') ? -1 : 0;
            ++i;
        }
    }
    return depth == 0;
}

} // namespace

bool splitWhereOrderBy(const QString &tail, QString *condition, QString *order)
{
    std::vector<Word> words;
    if (!topLevelWords(tail, &words) || words.size() < 3 || words.front().lower != QLatin1String("where"))
        return false;
    static const QStringList refused = {QStringLiteral("group"),     QStringLiteral("having"),
                                        QStringLiteral("limit"),     QStringLiteral("offset"),
                                        QStringLiteral("union"),     QStringLiteral("except"),
                                        QStringLiteral("intersect"), QStringLiteral("window"),
                                        QStringLiteral("where")};
    qsizetype orderAt = -1;
    for (size_t i = 1; i < words.size(); ++i) {
        if (refused.contains(words[i].lower))
            return false;
        if (words[i].lower == QLatin1String("order")) {
            if (orderAt >= 0 || i + 1 >= words.size() || words[i + 1].lower != QLatin1String("by"))
                return false;
            orderAt = qsizetype(i);
        }
    }
    // Descending: rows that sort alike would come in the reverse of row-id order.
    if (orderAt < 0 || std::any_of(words.cbegin() + orderAt, words.cend(), [](const Word &word) {
            return word.lower == QLatin1String("desc");
        }))
        return false;
    const Word &where = words.front();
    const Word &orderWord = words[size_t(orderAt)];
    const Word &by = words[size_t(orderAt) + 1];
    *condition = tail.mid(where.end, orderWord.start - where.end).trimmed();
    *order = tail.mid(by.end).trimmed();
    return !condition->isEmpty() && !order->isEmpty();
}

} // namespace SqlTail
