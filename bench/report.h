#pragma once

#include <QList>
#include <QString>

#include <vector>

// The figures of one run: every measured figure with its samples, the table printed from
// them, and the judgement against the targets.
namespace Report {

// Milliseconds, except for memory (megabytes).
struct Figure {
    QString name;
    int games = 0;
    std::vector<double> samples;
    bool memory = false;

    double median() const;
    double min() const;
    double max() const;
    // The sample below which the given percentage of the samples lie (nearest rank).
    double percentile(double percent) const;
};

class Run {
public:
    void add(const QString &name, int games, std::vector<double> samples, bool memory = false);
    const Figure *find(const QString &name, int games) const;
    const QList<Figure> &figures() const { return m_figures; }

    // The table: figure, N, median, min, max, and the ratio of the median to the floor of
    // the same N.
    QString table() const;
    // What is over its target, one text per figure; empty when all are within.
    QStringList overTarget() const;

private:
    QList<Figure> m_figures;
};

} // namespace Report
