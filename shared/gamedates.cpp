#include "shared/gamedates.h"

#include <QLocale>
#include <QRegularExpression>

namespace GameDates {

namespace {
// The first character of the system's short date format that belongs to no field ('/' if none).
QChar systemSeparator()
{
    const QString system = QLocale::system().dateFormat(QLocale::ShortFormat);
    for (const QChar c : system) {
        if (!c.isLetterOrNumber() && !c.isSpace() && c != QLatin1Char('\''))
            return c;
    }
    return QLatin1Char('/');
}
} // namespace

QString added(const QDate &date)
{
    const QChar separator = systemSeparator();
    return date.toString(QStringLiteral("dd") + separator + QStringLiteral("MM") + separator
                         + QStringLiteral("yyyy"));
}

QString lastPlay(const QDate &date) { return QLocale::system().toString(date, QLocale::ShortFormat); }

QDate fromAdded(const QString &text)
{
    // Day, month and year, whatever separator the system had when the game was added.
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,2})\\D(\\d{1,2})\\D(\\d{4})\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return {};
    return QDate(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
}

QDate fromLastPlay(const QString &text)
{
    const QLocale system = QLocale::system();
    const QString format = system.dateFormat(QLocale::ShortFormat);
    QDate date = system.toDate(text.trimmed(), format);
    if (date.isValid() && !format.contains(QStringLiteral("yyyy")) && date.year() < 1950)
        date = date.addYears(100);
    return date;
}

} // namespace GameDates
