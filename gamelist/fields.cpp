#include "gamelist/fields.h"

#include "shared/rating.h"

#include <QHash>
#include <QLocale>

#include <cmath>

namespace GamelistFields {

namespace {

bool allDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return !text.isEmpty();
}

} // namespace

QString year(const QString &releaseDate)
{
    const QStringView digits = QStringView(releaseDate).left(4);
    return digits.size() == 4 && allDigits(digits) ? digits.toString() : QString();
}

QString releaseDate(const QString &anno)
{
    const QString text = anno.trimmed();
    return text.size() == 4 && allDigits(text) ? text + QStringLiteral("0101T000000") : QString();
}

std::optional<int> stars(const QString &rating)
{
    bool number = false;
    const double value = rating.trimmed().toDouble(&number);
    if (!number || !std::isfinite(value))
        return std::nullopt;
    return Rating::stars(std::clamp(value, 0.0, 1.0) * Rating::top);
}

QString rating(int stars) { return QString::number(double(std::clamp(stars, 0, Rating::top)) / Rating::top); }

std::optional<bool> flag(const QString &favorite)
{
    const QString text = favorite.trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || text == QLatin1String("1"))
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || text == QLatin1String("0"))
        return false;
    return std::nullopt;
}

std::optional<qint64> count(const QString &playCount)
{
    const QString text = playCount.trimmed();
    bool number = false;
    const qint64 value = text.toLongLong(&number);
    if (!number || !allDigits(text))
        return std::nullopt;
    return value;
}

QDate timestampDate(const QString &stamp)
{
    const QStringView digits = QStringView(stamp).trimmed().left(8);
    if (digits.size() != 8 || !allDigits(digits))
        return {};
    return QDate(digits.left(4).toInt(), digits.mid(4, 2).toInt(), digits.mid(6, 2).toInt());
}

QString timestamp(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("T000000") : QString();
}

namespace {

QDate readStoredDate(const QString &trimmed)
{
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    QDate date = QLocale::system().toDate(trimmed, format);
    if (date.isValid() && !format.contains(QLatin1String("yyyy"))) {
        // Two-digit years: the most recent year that ends with them, not 19xx.
        while (date.year() < QDate::currentDate().year() - 99)
            date = date.addYears(100);
        while (date.year() > QDate::currentDate().year())
            date = date.addYears(-100);
    }
    return date.isValid() ? date : QDate::fromString(trimmed, Qt::ISODate);
}

} // namespace

QDate storedDate(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    // A catalogue holds few distinct dates, and reading one in the system's format is costly.
    static thread_local QHash<QString, QDate> dates;
    const auto found = dates.constFind(trimmed);
    if (found != dates.cend())
        return *found;
    if (dates.size() > 4096)
        dates.clear();
    return *dates.insert(trimmed, readStoredDate(trimmed));
}

} // namespace GamelistFields
