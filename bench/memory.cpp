#include "bench/memory.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

double peakResidentMB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression line(QStringLiteral("^VmHWM:\\s+(\\d+)\\s+kB"),
                                         QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toDouble() / 1024 : -1;
}

double peakMemoryOfLoad(const QString &program, const QString &root, QString *error)
{
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(program, {QStringLiteral("--memory-probe"), root});
    if (!probe.waitForFinished(120000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0) {
        *error = QStringLiteral("the memory probe failed: ") + probe.errorString();
        return -1;
    }
    bool ok = false;
    const double mb = QString::fromLatin1(probe.readAllStandardOutput()).trimmed().toDouble(&ok);
    if (!ok) {
        *error = QStringLiteral("the memory probe gave no number");
        return -1;
    }
    return mb;
}
