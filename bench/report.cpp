#include "bench/report.h"

#include "bench/figures.h"

#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace Report {

double Figure::median() const
{
    if (samples.empty())
        return 0;
    std::vector<double> sorted = samples;
    std::sort(sorted.begin(), sorted.end());
    const size_t middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

double Figure::min() const { return samples.empty() ? 0 : *std::min_element(samples.begin(), samples.end()); }

double Figure::max() const { return samples.empty() ? 0 : *std::max_element(samples.begin(), samples.end()); }

double Figure::percentile(double percent) const
{
    if (samples.empty())
        return 0;
    std::vector<double> sorted = samples;
    std::sort(sorted.begin(), sorted.end());
    const auto rank = size_t(std::ceil(percent / 100 * double(sorted.size())));
    return sorted[std::clamp<size_t>(rank, 1, sorted.size()) - 1];
}

void Run::add(const QString &name, int games, std::vector<double> samples, bool memory)
{
    m_figures.append({name, games, std::move(samples), memory});
}

const Figure *Run::find(const QString &name, int games) const
{
    for (const Figure &figure : m_figures) {
        if (figure.name == name && figure.games == games)
            return &figure;
    }
    return nullptr;
}

namespace {

QString number(double value) { return QString::number(value, 'f', value < 10 ? 2 : 1); }

QString row(const QStringList &cells)
{
    static const int widths[] = {-27, 7, 10, 10, 10, 8};
    QString line;
    for (int i = 0; i < cells.size(); ++i)
        line += QStringLiteral("%1").arg(cells[i], widths[i])
                + (i + 1 < cells.size() ? QStringLiteral(" ") : QString());
    return line.trimmed() + QLatin1Char('\n');
}

} // namespace

QString Run::table() const
{
    QString text = row({QStringLiteral("figure"), QStringLiteral("N"), QStringLiteral("median"),
                        QStringLiteral("min"), QStringLiteral("max"), QStringLiteral("x floor")});
    for (const Figure &figure : m_figures) {
        const Figure *floor = find(Figures::floor(), figure.games);
        const QString ratio = figure.memory || !floor || floor->median() <= 0
                                      || !Figures::againstFloor(figure.name)
                                  ? QStringLiteral("-")
                                  : QString::number(figure.median() / floor->median(), 'f', 2);
        const QString unit = figure.memory ? QStringLiteral(" MB") : QStringLiteral(" ms");
        text += row({figure.name, QString::number(figure.games), number(figure.median()) + unit,
                     number(figure.min()) + unit, number(figure.max()) + unit, ratio});
    }
    return text;
}

QStringList Run::overTarget() const
{
    QStringList over;
    for (const Figures::Target &target : Figures::targets()) {
        for (const Figure &figure : m_figures) {
            if (!target.applies(figure))
                continue;
            const double limit = target.limit(*this, figure);
            const double value = target.value ? target.value(figure) : figure.median();
            if (limit >= 0 && value > limit) {
                over.append(QStringLiteral("%1 at %2 (%3 > %4%5, %6)")
                                .arg(figure.name)
                                .arg(figure.games)
                                .arg(number(value), number(limit),
                                     figure.memory ? QStringLiteral(" MB") : QStringLiteral(" ms"), target.text));
            }
        }
    }
    return over;
}

} // namespace Report
