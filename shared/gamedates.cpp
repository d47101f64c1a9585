#include "shared/gamedates.h"

#include <QLocale>

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

} // namespace GameDates
