#include "shared/launchlog.h"

#include "shared/userdirs.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString running = QStringLiteral("running");
const QChar tab = QLatin1Char('\t');

// A field stays on its line and in its column whatever a name holds.
QString field(QString text)
{
    for (QChar &c : text) {
        if (c == tab || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

QString LaunchLog::defaultPath() { return UserDirs::stateHome() + QStringLiteral("/ludora4/launches.log"); }

QStringList LaunchLog::lines() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool LaunchLog::rewrite(const QStringList &lines, QString *error) const
{
    QSaveFile file(m_path);
    const bool written = QDir().mkpath(QFileInfo(m_path).path()) && file.open(QIODevice::WriteOnly)
                         && file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) >= 0
                         && file.commit();
    if (!written)
        *error = QStringLiteral("The launch log ") + QDir::toNativeSeparators(m_path)
                 + QStringLiteral(" cannot be written: ")
                 + (file.errorString().isEmpty() ? QStringLiteral("its folder cannot be made")
                                                 : file.errorString());
    return written;
}

bool LaunchLog::started(const Play &play, QString *line, QString *error, const QString &notStarted)
{
    const QString time = QDateTime::currentDateTime().toString(Qt::ISODateWithMs);
    *line = QStringList{time, field(play.console), field(play.game), field(play.command),
                        notStarted.isEmpty() ? running : QStringLiteral("not started: ") + field(notStarted)}
                .join(tab);
    QStringList all = lines();
    all.append(*line);
    if (all.size() > keep)
        all = all.mid(all.size() - keep);
    return rewrite(all, error);
}

bool LaunchLog::finished(const QString &line, const QString &outcome, QString *error)
{
    QStringList all = lines();
    const qsizetype at = all.lastIndexOf(line);
    if (at < 0 || !line.endsWith(running))
        return true;
    all[at] = line.left(line.size() - running.size()) + field(outcome);
    return rewrite(all, error);
}

QString LaunchLog::outcome(bool normal, int code, qint64 milliseconds)
{
    const QString ran = QStringLiteral(", ran ") + QString::number(milliseconds / 1000) + QStringLiteral(" s");
    return (normal ? QStringLiteral("exit status ") + QString::number(code) : QStringLiteral("ended by a signal"))
           + ran;
}
